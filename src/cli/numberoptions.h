#pragma once

#include <optional>
#include <string>

namespace penvaro::cli {

// A plain decimal number without sign or exponent, with "." or "," as the decimal separator,
// such as 1,95583 or 2.5.
std::optional<double> ParsePlainDecimal(std::string text);

} // namespace penvaro::cli
