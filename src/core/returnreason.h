#pragma once

#include <string>
#include <string_view>

namespace penvaro::core {

// The reason code of a returned or rejected SEPA payment (ISO 20022 ExternalReturnReason1Code,
// as the bank statement gives it) with its meaning for the treasurer: "AM04 Deckung
// unzureichend", "MD06 Widerspruch". A code the table does not know stays as given, marked
// as unknown.
std::string ReturnReasonText(std::string_view code);

} // namespace penvaro::core
