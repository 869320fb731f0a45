#pragma once

#include <string>
#include <string_view>
#include <vector>

// One field of the comma-separated export: enclosed in double quotes, with inner quotes doubled, when
// it holds a comma, a double quote, CR or LF, so that it reads back as one field.
//   "6"     -> "6"
//   "1,234" -> "\"1,234\""
//   "a\"b"  -> "\"a\"\"b\""
std::string CsvField(std::string_view text);

// The export text of a matrix given row by row: fields joined by ",", every line ended by CR LF.
//   {{"1", "2.5", "-3"}, {"1,234", "0", "7"}} -> "1,2.5,-3\r\n\"1,234\",0,7\r\n"
std::string ExportText(const std::vector<std::vector<std::string>>& rows);
