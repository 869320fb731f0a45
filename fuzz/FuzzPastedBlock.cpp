// Whatever another program puts on the clipboard: the first byte picks the room and the separators, the rest
// up to the first NUL is the tab-separated text and the rest after it the HTML. Reading must end, stay within
// the room, and refuse without keeping rows.
#include "transfer/PasteReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const BlockRoom room{1 + data[0] % 20, 1 + (data[0] / 20) % 20};
    const NumberSeparators separators = data[0] & 0x80 ? NumberSeparators{U',', U'.'} : NumberSeparators{U'.', U','};
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min(rest.find('\0'), rest.size());
    const std::string_view text = rest.substr(0, split);
    const std::string_view html = split < rest.size() ? rest.substr(split + 1) : std::string_view();

    const PastedBlock block = ReadPastedBlock(text, html, room, separators);
    const bool keptRowsWhenNotFitting = block.fit != PastedBlock::Fit::Fits && !block.rows.empty();
    if (keptRowsWhenNotFitting || block.height() > room.rows || block.width() > room.cols) {
        std::fprintf(stderr, "pasted block outside its room: %d x %d in %d x %d\n", block.height(), block.width(),
                     room.rows, room.cols);
        std::abort();
    }
    return 0;
}
