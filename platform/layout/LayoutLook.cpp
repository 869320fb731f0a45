#include "platform/layout/LayoutLook.h"

LayoutLook::LayoutLook(Style style, QObject* parent)
    : QObject(parent)
    , m_style(style)
{
}
