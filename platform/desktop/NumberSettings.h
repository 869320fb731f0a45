#pragma once

#include "arithmetic/NumberText.h"

class QLocale;
class QString;

// The separators a locale offers, by the one-character rule: a setting of exactly one character is
// that character; anything else gives the default ('.' and ','), except that an empty thousands setting
// means no grouping (0).
//   de_DE -> ',' and '.'      fr_FR -> ',' and U+202F      a thousands setting "" -> 0
NumberSeparators NumberSeparatorsOf(const QString& decimal, const QString& thousands);
NumberSeparators NumberSeparatorsOf(const QLocale& locale);

// Reads the user's regional settings (QLocale::system()) into the process-wide separators. Run it at
// start-up before any window exists; the application reads them again whenever the locale changes.
void LoadNumberSettings();
