#include "transfer/CopiedBlock.h"

#include "arithmetic/FullValue.h"

namespace {

void appendEscaped(std::string& out, const std::string& text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\0':
            // No HTML reader keeps a NUL; the replacement character at least shows where it stood.
            out += "&#xFFFD;";
            break;
        default:
            out += c;
        }
    }
}

// The full value for the attributes, or empty for an infinity or a NaN, which no sheet reads as a number.
std::string attributeValue(const std::optional<Extended>& value)
{
    if (!value)
        return std::string();
    std::string text = FullValueText(*value);
    const std::size_t digit = text.starts_with('-') ? 1 : 0;
    if (text.size() <= digit || text[digit] < '0' || text[digit] > '9')
        return std::string();
    return text;
}

} // namespace

CopiedBlock WriteCopiedBlock(const std::vector<std::vector<CopiedCell>>& rows)
{
    CopiedBlock block;
    // The charset is stated because a sheet reading HTML without one takes it for Latin-1.
    block.html = "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\"></head>"
                 "<body><table>\n";
    for (const std::vector<CopiedCell>& row : rows) {
        block.html += "<tr>";
        bool first = true;
        for (const CopiedCell& cell : row) {
            if (!first)
                block.text += '\t';
            first = false;
            block.text += cell.text;

            const std::string value = attributeValue(cell.value);
            if (value.empty()) {
                block.html += "<td>";
            } else {
                // One sheet reads sdval only beside an sdnum; "General" keeps the sheet's own number format.
                block.html += "<td sdval=\"" + value + "\" sdnum=\"1033;0;General\" x:num=\"" + value + "\">";
            }
            appendEscaped(block.html, cell.text);
            block.html += "</td>";
        }
        block.text += '\n';
        block.html += "</tr>\n";
    }
    block.html += "</table></body></html>\n";
    return block;
}
