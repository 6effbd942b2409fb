#pragma once

#include "result.h"

#include <string>
#include <string_view>

namespace penvaro::core {

// Whether every character is one that SEPA files carry in references: A-Z a-z 0-9, the blank
// and + ? / - : ( ) . , '
bool InSepaReferenceSet(std::string_view text);

// A mandate reference as typed: at most 35 characters of the SEPA reference set, not
// starting or ending with "/" and without "//", which banks read as field separators. Blanks
// at both ends are dropped; that the reference is unique is the member store's check.
Result<std::string> CheckMandateReference(std::string_view typed);

} // namespace penvaro::core
