#pragma once

#include "platform/Form.h"

class TFM_Main : public Form
{
    Q_OBJECT
public:
    explicit TFM_Main(QWidget* parent = nullptr);
    ~TFM_Main() override;
};

extern TFM_Main* FM_Main;
