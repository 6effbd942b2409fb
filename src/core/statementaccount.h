#pragma once

#include <string_view>

namespace penvaro::core {

enum class AccountMatch {
    Same,
    Other,
    Unknown, // one side is missing or written in a way that cannot be compared
};

// Whether a statement's account (a German IBAN, "bank code/account number" as MT940 writes it,
// or a bare account number) is the account the file's own account data names. The file's
// number may itself be a German IBAN. Blanks do not count, and neither do leading zeros of
// account numbers; bank codes are compared only when both sides name one.
AccountMatch MatchStatementAccount(std::string_view statementAccount, std::string_view bankCode,
                                   std::string_view accountNumber);

} // namespace penvaro::core
