#pragma once

#include "result.h"
#include "statement.h"

#include <string_view>
#include <vector>

namespace penvaro::core {

// Reads the statements of an MT940 file, UTF-8 or Windows-1252 as DecodeBankText tells them
// apart, with lines ending in CR LF, LF or CR; in a file without line ends each field ends
// where the next field of the message starts. A line that does not start a field (":61:")
// continues the field before it and is joined without a separator. Errors name the line
// ("Zeile 12: ..."). A balance in another currency than euro refuses the file, and so does a
// file in which no statement is found. A statement that ends with an
// intermediate balance (":62M:") continues in the next message of the same account and number;
// both pages form one statement.
Result<std::vector<Statement>> ParseMt940(std::string_view text);

} // namespace penvaro::core
