#include "arithmetic/ResultExplanation.h"

#include "arithmetic/FullValue.h"
#include "arithmetic/NumberText.h"

#include <string_view>

namespace {

constexpr std::string_view Times = " \xC3\x97 ";      // " × "
constexpr std::string_view Ellipsis = "\xE2\x80\xA6"; // "…"

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Characters (code points) of UTF-8 text.
std::size_t characters(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text)
        count += isContinuationByte(c) ? 0 : 1;
    return count;
}

// The byte offset of the character numbered `index`, or the text's size.
std::size_t offsetOf(std::string_view text, std::size_t index)
{
    std::size_t offset = 0;
    for (std::size_t seen = 0; offset < text.size(); ++offset) {
        if (!isContinuationByte(text[offset]) && seen++ == index)
            return offset;
    }
    return text.size();
}

// A factor as written, its middle left out when it is too long to read in one glance.
std::string shortened(std::string_view text)
{
    const std::size_t length = characters(text);
    if (length <= ExplanationFactorLength)
        return std::string(text);
    const std::size_t kept = (ExplanationFactorLength - 1) / 2;
    std::string out(text.substr(0, offsetOf(text, kept)));
    out += Ellipsis;
    out += text.substr(offsetOf(text, length - kept));
    return out;
}

} // namespace

std::string ExplainResultCell(const std::vector<std::string>& aRow, const std::vector<std::string>& bColumn,
                              Extended value, bool outOfDate)
{
    std::string out;
    if (outOfDate)
        out += "Out of date\n";
    std::string line = FormatResult(value) + " =";
    std::size_t lineLength = characters(line);
    const std::size_t n = aRow.size() < bColumn.size() ? aRow.size() : bColumn.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::string term = shortened(aRow[k]) + std::string(Times) + shortened(bColumn[k]);
        const std::size_t termLength = characters(term);
        const std::string_view joint = k == 0 ? " " : " + ";
        if (k > 0 && lineLength + joint.size() + termLength > ExplanationLineWidth) {
            out += line;
            out += '\n';
            line = "+ " + term;
            lineLength = 2 + termLength;
            continue;
        }
        line += joint;
        line += term;
        lineLength += joint.size() + termLength;
    }
    out += line;
    out += "\nFull value: ";
    out += FullValueText(value);
    return out;
}
