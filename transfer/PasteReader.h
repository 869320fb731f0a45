#pragma once

#include "transfer/PastedBlock.h"

#include <string_view>

// The block of a paste: the first table of `html` when there is one with a cell (see ReadHtmlTable), otherwise
// the tab-separated `text`.
PastedBlock ReadPastedBlock(std::string_view text, std::string_view html, BlockRoom room,
                            const NumberSeparators& separators);
