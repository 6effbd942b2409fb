#pragma once

#include "result.h"

#include <cstdint>
#include <string_view>

namespace penvaro::core {

// The one reader of every euro amount a user types, in the form the program shows amounts:
// digits, optionally grouped by thousands dots in threes ("1.234,56", "100.000"), an optional
// decimal comma with at most two decimals, blanks at both ends. The direction of a payment or
// booking is chosen apart from the amount, so a sign is refused; so is a decimal point without
// a comma ("25.50"), which is neither a grouping nor, in German, a decimal separator.
// The value is in ten-thousandths of a euro; a refusal carries an ErrorKind::Invalid error
// whose German message names the text and the expected form, for the caller to put its own
// numbered message around.
Result<std::int64_t> ReadTypedAmount(std::string_view text);

} // namespace penvaro::core
