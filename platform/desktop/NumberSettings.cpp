#include "platform/desktop/NumberSettings.h"

#include <QLocale>
#include <QString>

namespace {

// The single code point of a setting, or nothing when the setting is empty or longer.
bool singleCodePoint(const QString& setting, char32_t& codePoint)
{
    const QList<uint> codePoints = setting.toUcs4();
    if (codePoints.size() != 1 || codePoints.front() == 0)
        return false;
    codePoint = codePoints.front();
    return true;
}

} // namespace

NumberSeparators NumberSeparatorsOf(const QString& decimal, const QString& thousands)
{
    NumberSeparators separators;
    char32_t codePoint = 0;
    if (singleCodePoint(decimal, codePoint))
        separators.decimal = codePoint;
    if (thousands.isEmpty())
        separators.thousands = 0;
    else if (singleCodePoint(thousands, codePoint))
        separators.thousands = codePoint;
    return separators;
}

NumberSeparators NumberSeparatorsOf(const QLocale& locale)
{
    return NumberSeparatorsOf(locale.decimalPoint(), locale.groupSeparator());
}

void LoadNumberSettings()
{
    SetNumberSeparators(NumberSeparatorsOf(QLocale::system()));
}
