#pragma once

#include "result.h"

#include <string>
#include <string_view>

namespace penvaro::core {

// A SEPA creditor identifier: country code, two check digits, a three-character business code
// that the check leaves out, and the national identifier; the check digits are those of an IBAN
// (ISO 7064 mod 97-10) over the national identifier followed by the country code and "00".
// Blanks are ignored and letters taken in capitals. The normalised identifier, or why it is
// none.
Result<std::string> CheckCreditorId(std::string_view typed);

} // namespace penvaro::core
