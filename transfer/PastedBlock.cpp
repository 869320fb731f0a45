#include "transfer/PastedBlock.h"

#include "transfer/PastedField.h"

#include <algorithm>

int PastedBlock::width() const
{
    std::size_t widest = 0;
    for (const std::vector<std::string>& row : rows)
        widest = std::max(widest, row.size());
    return int(widest);
}

PastedBlock ReadTabSeparatedBlock(std::string_view text, BlockRoom room, const NumberSeparators& separators)
{
    // The fields are kept as views into `text` until the whole block is known to fit.
    std::vector<std::vector<std::string_view>> lines;
    bool everyLineEndsInTab = true;
    bool someLineOneTooWide = false;
    const PastedBlock tooLarge{PastedBlock::Fit::TooLarge, {}};
    std::size_t at = 0;
    while (at < text.size()) {
        if (int(lines.size()) == room.rows)
            return tooLarge;
        std::vector<std::string_view> fields;
        std::size_t fieldStart = at;
        while (at < text.size() && text[at] != '\n' && text[at] != '\r') {
            if (text[at] == '\t') {
                fields.push_back(text.substr(fieldStart, at - fieldStart));
                fieldStart = at + 1;
                // One field more than the room is allowed for now: it may be the empty field after a closing tab.
                if (int(fields.size()) > room.cols)
                    return tooLarge;
            }
            ++at;
        }
        fields.push_back(text.substr(fieldStart, at - fieldStart));
        const bool endsInTab = fields.size() > 1 && fields.back().empty();
        everyLineEndsInTab = everyLineEndsInTab && endsInTab;
        someLineOneTooWide = someLineOneTooWide || int(fields.size()) > room.cols;
        if (someLineOneTooWide && !everyLineEndsInTab)
            return tooLarge;
        lines.push_back(std::move(fields));
        if (at < text.size())
            at += text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
    }
    if (lines.empty())
        return PastedBlock{};

    PastedBlock block{PastedBlock::Fit::Fits, {}};
    block.rows.reserve(lines.size());
    for (std::vector<std::string_view>& fields : lines) {
        if (everyLineEndsInTab)
            fields.pop_back();
        std::vector<std::string>& row = block.rows.emplace_back();
        row.reserve(fields.size());
        for (const std::string_view field : fields)
            row.push_back(PastedFieldText(field, separators));
    }
    return block;
}
