#pragma once

#include "transfer/PastedBlock.h"

#include <optional>
#include <string_view>

// The first table of an HTML text (UTF-8) as spreadsheets put it on the clipboard: a row per <tr>, a field per
// <td> or <th>, the markup of nested tables taken as text of their cell, nothing else honoured. A cell carrying a
// full value (sdval="3.14159265", or x:num="3.14159265") is stored as that value with the current decimal
// separator (FullValueFieldText); any other cell as its text through PastedFieldText. The text is read as it
// streams, with a tolerant parser: reading stops at the table's end or at the first row or cell beyond the room
// (TooLarge), and whatever markup is broken, what parsed is used. Nothing when there is no table with a cell.
std::optional<PastedBlock> ReadHtmlTable(std::string_view html, BlockRoom room, const NumberSeparators& separators);
