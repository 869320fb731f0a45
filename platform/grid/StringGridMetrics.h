#pragma once

#include "platform/grid/StringGrid.h"

// The grid's fixed pitches, shared by its painting and its view arithmetic.
namespace StringGridMetrics {
inline constexpr int ColPitch = StringGrid::DefaultColWidth + StringGrid::GridLineWidth;
inline constexpr int RowPitch = StringGrid::DefaultRowHeight + StringGrid::GridLineWidth;
inline constexpr int TextInset = 2;
} // namespace StringGridMetrics
