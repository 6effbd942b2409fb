#pragma once

#include "statement.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace penvaro::core {

// One payment among the details of a bank entry, such as one member's direct debit among
// those a club's bank credits together.
struct StatementTransaction {
    std::optional<std::int64_t> amount; // none when the bank gave none in the account's currency
    std::optional<char16_t> sign;       // none: the entry's
    std::string party;
    std::string purpose;
    std::string partyIban;
    std::string partyBic;
    std::vector<std::string> references; // keys of the payment's own references
};

// The entries a bank entry becomes. Without details, the entry as it is; with one payment, the
// entry with that payment's party, purpose, account and references. An entry that collects
// several becomes one entry per payment, each with its own amount, direction, party and
// purpose and the entry's dates, booking type and references, when every payment has an
// amount and they add up to the entry's. Otherwise it stays one entry with the first payment's
// party, the others counted in moreParties, and all purposes joined.
std::vector<StatementEntry> SplitCollectiveEntry(const StatementEntry &entry,
                                                 const std::vector<StatementTransaction> &payments);

} // namespace penvaro::core
