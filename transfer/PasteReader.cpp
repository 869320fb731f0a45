#include "transfer/PasteReader.h"

#include "transfer/HtmlTable.h"

#include <optional>

PastedBlock ReadPastedBlock(std::string_view text, std::string_view html, BlockRoom room,
                            const NumberSeparators& separators)
{
    if (!html.empty()) {
        if (std::optional<PastedBlock> table = ReadHtmlTable(html, room, separators))
            return std::move(*table);
    }
    return ReadTabSeparatedBlock(text, room, separators);
}
