#include "platform/widgets/ValueDisplay.h"

ValueDisplay::ValueDisplay(QWidget* parent)
    : QLineEdit(parent)
{
}

ValueDisplay::~ValueDisplay() = default;
