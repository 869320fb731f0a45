#include "arithmetic/ExportText.h"

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string field;
    field.reserve(text.size() + 2);
    field += '"';
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    field += '"';
    return field;
}

std::string ExportText(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t col = 0; col < row.size(); ++col) {
            if (col > 0)
                text += ',';
            text += CsvField(row[col]);
        }
        text += "\r\n";
    }
    return text;
}
