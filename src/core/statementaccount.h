#pragma once

#include "result.h"
#include "statement.h"

#include <string>
#include <string_view>
#include <vector>

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

// The account data of the file statements are imported into; any of them may be empty.
struct OwnAccount {
    std::string bankCode;
    std::string accountNumber;
    std::string iban;
};

// As MatchStatementAccount, but by the IBAN when the account data hold one: an account number
// and bank code left over from before the IBAN would otherwise pass another account's file.
AccountMatch MatchOwnAccount(std::string_view statementAccount, const OwnAccount &own);

struct AccountChoice {
    std::vector<Statement> statements;        // of the one account chosen, in file order
    std::vector<std::string> leftOutAccounts; // the file's other accounts, as the file names them
};

// The statements of one account out of a file that may hold several, as online banking exports
// all accounts at once: the account named by chosen (as the file writes it, or its IBAN), else
// the one account that matches the own account data; a file of one account is taken whole.
// Refused, listing the file's accounts, when chosen names none of them or nothing decides.
Result<AccountChoice> ChooseAccountStatements(const std::vector<Statement> &statements,
                                              const OwnAccount &own, std::string_view chosen);

} // namespace penvaro::core
