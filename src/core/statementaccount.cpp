#include "statementaccount.h"

#include "asciidigits.h"
#include "bankcodelist.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

namespace penvaro::core {
namespace {

struct AccountId {
    std::string bankCode; // empty when not named
    std::string number;   // without leading zeros
};

// A number has at least one digit.
bool IsNumber(std::string_view text) {
    return !text.empty() && AllAsciiDigits(text);
}

std::string WithoutBlanks(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            result += c;
    }
    return result;
}

std::string WithoutLeadingZeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return std::string(first == std::string_view::npos ? std::string_view("0")
                                                       : digits.substr(first));
}

std::optional<AccountId> ParseAccount(std::string_view written) {
    std::string text = WithoutBlanks(written);
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    // A German IBAN: "DE", two check digits, the bank code and the account number in ten digits.
    if (text.size() == 22 && text.starts_with("DE")
        && AllAsciiDigits(std::string_view(text).substr(2)))
        return AccountId{text.substr(4, 8), WithoutLeadingZeros(std::string_view(text).substr(12))};
    // MT940 may add the currency to "bank code/account number".
    const auto slash = text.find('/');
    if (slash != std::string::npos) {
        std::string_view number = std::string_view(text).substr(slash + 1);
        if (number.size() > 3 && number.ends_with("EUR"))
            number.remove_suffix(3);
        const std::string_view code = std::string_view(text).substr(0, slash);
        if (IsCompleteBankCode(code) && IsNumber(number))
            return AccountId{std::string(code), WithoutLeadingZeros(number)};
        return std::nullopt;
    }
    if (IsNumber(text))
        return AccountId{{}, WithoutLeadingZeros(text)};
    return std::nullopt;
}

} // namespace

AccountMatch MatchStatementAccount(std::string_view statementAccount, std::string_view bankCode,
                                   std::string_view accountNumber) {
    const auto statement = ParseAccount(statementAccount);
    auto own = ParseAccount(accountNumber);
    if (!statement || !own)
        return AccountMatch::Unknown;
    if (own->bankCode.empty()) {
        const std::string code = WithoutBlanks(bankCode);
        if (IsCompleteBankCode(code))
            own->bankCode = code;
    }
    if (statement->number != own->number)
        return AccountMatch::Other;
    if (!statement->bankCode.empty() && !own->bankCode.empty()
        && statement->bankCode != own->bankCode)
        return AccountMatch::Other;
    return AccountMatch::Same;
}

AccountMatch MatchOwnAccount(std::string_view statementAccount, const OwnAccount &own) {
    const std::string ownIban = PartyIban(own.iban);
    if (ownIban.empty())
        return MatchStatementAccount(statementAccount, own.bankCode, own.accountNumber);
    const std::string statementIban = PartyIban(statementAccount);
    if (!statementIban.empty())
        return statementIban == ownIban ? AccountMatch::Same : AccountMatch::Other;
    return MatchStatementAccount(statementAccount, {}, ownIban);
}

namespace {

std::vector<std::string> accountsOf(const std::vector<Statement> &statements) {
    std::vector<std::string> accounts;
    for (const Statement &statement : statements) {
        if (std::find(accounts.begin(), accounts.end(), statement.accountId) == accounts.end())
            accounts.push_back(statement.accountId);
    }
    return accounts;
}

std::string listed(const std::vector<std::string> &accounts) {
    std::string list;
    for (const std::string &account : accounts)
        list += (list.empty() ? "" : ", ") + (account.empty() ? "(ohne Kontonummer)" : account);
    return list;
}

// The account as the user names it: as the file writes it, or by its IBAN.
bool namedBy(std::string_view account, std::string_view chosen) {
    if (WithoutBlanks(account) == WithoutBlanks(chosen))
        return true;
    return !PartyIban(chosen).empty()
           && MatchOwnAccount(account, {{}, {}, std::string(chosen)}) == AccountMatch::Same;
}

} // namespace

Result<AccountChoice> ChooseAccountStatements(const std::vector<Statement> &statements,
                                              const OwnAccount &own, std::string_view chosen) {
    const std::vector<std::string> accounts = accountsOf(statements);
    std::vector<std::string> taken;
    if (!chosen.empty()) {
        std::copy_if(accounts.begin(), accounts.end(), std::back_inserter(taken),
                     [&](const std::string &account) { return namedBy(account, chosen); });
        if (taken.empty())
            return Error{ErrorKind::Invalid, "Die Datei enthält kein Konto „" + std::string(chosen)
                                                 + "“, nur: " + listed(accounts) + "."};
    } else if (accounts.size() <= 1) {
        taken = accounts;
    } else {
        std::copy_if(accounts.begin(), accounts.end(), std::back_inserter(taken),
                     [&](const std::string &account) {
                         return MatchOwnAccount(account, own) == AccountMatch::Same;
                     });
    }
    if (taken.size() != 1 && accounts.size() > 1)
        return Error{ErrorKind::Invalid,
                     "Die Datei enthält Kontoauszüge mehrerer Konten (" + listed(accounts)
                         + "). Bitte das Konto wählen (penvaro-cli import … --account KONTO) "
                           "oder in den Kontodaten die IBAN dieses Kontos angeben."};
    AccountChoice choice;
    for (const Statement &statement : statements) {
        if (taken.empty() || statement.accountId == taken.front())
            choice.statements.push_back(statement);
    }
    for (const std::string &account : accounts) {
        if (taken.empty() || account != taken.front())
            choice.leftOutAccounts.push_back(account);
    }
    return choice;
}

} // namespace penvaro::core
