#include "calculator/Main.h"

TFM_Main* FM_Main = nullptr;

TFM_Main::TFM_Main(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("FM_Main"));
    setWindowTitle(QStringLiteral("Quorlin"));
    resize(709, 362);
}

TFM_Main::~TFM_Main() = default;
