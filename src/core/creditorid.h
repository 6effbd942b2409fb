#pragma once

#include "result.h"

#include <string>
#include <string_view>

namespace penvaro::core {

// A SEPA creditor identifier ("Gläubiger-ID") as typed, with or without blanks, in either
// case: two letters for the country, two check digits, three characters for the business code
// and the national part. The check digits are those of ISO 7064 MOD 97-10 over the national
// part and the country, leaving out the business code, which the creditor may choose freely.
// A German identifier has 18 characters, its national part eleven digits. The identifier in
// capitals without blanks, or why it is none.
Result<std::string> CheckCreditorId(std::string_view typed);

} // namespace penvaro::core
