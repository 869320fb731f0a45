#pragma once

#include <QString>

// A matrix's size as a screen reader says it after an action: (2, 1) -> "2 rows, 1 column".
QString SpokenSize(int rows, int cols);
