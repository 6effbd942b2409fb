#include "iban.h"

#include "accountmethodcheck.h"
#include "asciidigits.h"
#include "bankcodelist.h"

#include <algorithm>
#include <array>

namespace penvaro::core {
namespace {

struct CountryLength {
    std::string_view country;
    std::size_t length;
};

// The IBAN registry of ISO 13616 (as of 2024). Territories that use another country's IBAN
// (French overseas departments with FR, Åland with FI) need no row of their own.
constexpr std::array<CountryLength, 89> ibanLengths{{
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16}, {"BG", 22},
    {"BH", 22}, {"BI", 27}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28}, {"CZ", 24},
    {"DE", 22}, {"DJ", 27}, {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24}, {"FI", 18},
    {"FK", 18}, {"FO", 18}, {"FR", 27}, {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18}, {"GR", 27},
    {"GT", 28}, {"HN", 28}, {"HR", 21}, {"HU", 28}, {"IE", 22}, {"IL", 23}, {"IQ", 23}, {"IS", 26},
    {"IT", 27}, {"JO", 30}, {"KW", 30}, {"KZ", 20}, {"LB", 28}, {"LC", 32}, {"LI", 21}, {"LT", 20},
    {"LU", 20}, {"LV", 21}, {"LY", 25}, {"MC", 27}, {"MD", 24}, {"ME", 22}, {"MK", 19}, {"MN", 20},
    {"MR", 27}, {"MT", 31}, {"MU", 30}, {"NI", 28}, {"NL", 18}, {"NO", 15}, {"OM", 23}, {"PK", 24},
    {"PL", 28}, {"PS", 29}, {"PT", 25}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"RU", 33}, {"SA", 24},
    {"SC", 31}, {"SD", 18}, {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"SO", 23}, {"ST", 25},
    {"SV", 28}, {"TL", 23}, {"TN", 24}, {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20},
    {"YE", 30},
}};

constexpr std::size_t bankCodeWidth = 8;
constexpr std::size_t accountNumberWidth = 10;

bool isUpperAsciiLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isUpperAlphanumeric(char c) {
    return isUpperAsciiLetter(c) || IsAsciiDigit(c);
}

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

// The IBAN's digits as ISO 7064 MOD 97-10 reads them: the first four characters moved to
// the end.
int ibanRemainder(std::string_view iban) {
    return Mod97Remainder(std::string(iban.substr(4)) + std::string(iban.substr(0, 4)));
}

std::string withoutLeadingZeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string("0") : std::string(digits.substr(first));
}

// The bank code must be in the file and the account number must pass its bank's method.
Result<void> checkGermanAccount(std::string_view bankCode, std::string_view accountNumber,
                                const BankCodeList &banks, const AccountMethodCheck &methods) {
    if (banks.lookupBankName(bankCode) == BankNotFound)
        return invalid("Die Bankleitzahl " + std::string(bankCode)
                       + " steht nicht in der Bankleitzahlendatei.");
    if (methods.check(bankCode, accountNumber) == AccountMethodVerdict::Failed)
        return invalid("Die Kontonummer " + std::string(accountNumber)
                       + " besteht die Prüfung der Bank " + std::string(bankCode)
                       + " nicht: Bitte prüfen Sie sie auf Tippfehler.");
    return {};
}

} // namespace

int Mod97Remainder(std::string_view text) {
    // Digit by digit, so that no length overflows.
    int remainder = 0;
    for (const char c : text) {
        if (IsAsciiDigit(c)) {
            remainder = (remainder * 10 + (c - '0')) % 97;
        } else {
            const int value = c - 'A' + 10;
            remainder = (remainder * 100 + value) % 97;
        }
    }
    return remainder;
}

std::string ElectronicForm(std::string_view typed) {
    std::string electronic;
    for (const char c : typed) {
        if (c == ' ' || c == '\t')
            continue;
        electronic += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return electronic;
}

std::string IbanInGroups(std::string_view electronic) {
    std::string grouped;
    for (std::size_t i = 0; i < electronic.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            grouped += ' ';
        grouped += electronic[i];
    }
    return grouped;
}

Result<std::string> CheckIbanStructure(std::string_view typed) {
    const std::string iban = ElectronicForm(typed);
    if (iban.empty())
        return invalid("Bitte geben Sie eine IBAN ein.");
    if (!std::all_of(iban.begin(), iban.end(), isUpperAlphanumeric))
        return invalid("Eine IBAN besteht nur aus Buchstaben und Ziffern: " + iban);
    if (iban.size() < 4 || !isUpperAsciiLetter(iban[0]) || !isUpperAsciiLetter(iban[1])
        || !IsAsciiDigit(iban[2]) || !IsAsciiDigit(iban[3]))
        return invalid("Eine IBAN beginnt mit dem Land in zwei Buchstaben und zwei Prüfziffern: "
                       + iban);
    const std::string_view country = std::string_view(iban).substr(0, 2);
    const auto row = std::find_if(ibanLengths.begin(), ibanLengths.end(),
                                  [&](const CountryLength &c) { return c.country == country; });
    if (row == ibanLengths.end())
        return invalid("Für das Land " + std::string(country) + " gibt es keine IBAN.");
    if (iban.size() != row->length)
        return invalid("Eine IBAN aus " + std::string(country) + " hat "
                       + std::to_string(row->length) + " Stellen, diese hat "
                       + std::to_string(iban.size()) + ".");
    const std::string_view checkDigits = std::string_view(iban).substr(2, 2);
    if (checkDigits == "00" || checkDigits == "01" || checkDigits == "99")
        return invalid("Die Prüfziffern " + std::string(checkDigits)
                       + " kommen in keiner IBAN vor.");
    if (ibanRemainder(iban) != 1)
        return invalid("Die Prüfziffern der IBAN stimmen nicht: Bitte prüfen Sie sie auf "
                       "Tippfehler.");
    return iban;
}

Result<CheckedIban> CheckIban(std::string_view typed, const BankCodeList &banks,
                              const AccountMethodCheck &methods) {
    auto iban = CheckIbanStructure(typed);
    if (!iban)
        return iban.error();
    CheckedIban checked{*iban, {}, {}};
    if (!iban->starts_with("DE"))
        return checked;
    const std::string_view bban = std::string_view(*iban).substr(4);
    if (!AllAsciiDigits(bban))
        return invalid("Eine deutsche IBAN hat hinter den Prüfziffern nur Ziffern.");
    const std::string_view bankCode = bban.substr(0, bankCodeWidth);
    const std::string accountNumber = withoutLeadingZeros(bban.substr(bankCodeWidth));
    if (auto account = checkGermanAccount(bankCode, accountNumber, banks, methods); !account)
        return account.error();
    checked.bic = banks.bicOf(bankCode);
    checked.bankName = banks.lookupBankName(bankCode);
    return checked;
}

Result<std::string> IbanFromAccount(std::string_view accountNumber, std::string_view bankCode,
                                    const BankCodeList &banks, const AccountMethodCheck &methods) {
    const std::string account = ElectronicForm(accountNumber);
    const std::string code = ElectronicForm(bankCode);
    if (code.size() != bankCodeWidth || !AllAsciiDigits(code))
        return invalid("Eine Bankleitzahl hat acht Ziffern: " + code);
    if (account.empty() || account.size() > accountNumberWidth || !AllAsciiDigits(account)
        || withoutLeadingZeros(account) == "0")
        return invalid("Eine Kontonummer hat eine bis zehn Ziffern: " + account);
    if (auto checked = checkGermanAccount(code, withoutLeadingZeros(account), banks, methods);
        !checked)
        return checked.error();
    const std::string bban = code + std::string(accountNumberWidth - account.size(), '0') + account;
    const int checkDigits = 98 - Mod97Remainder(bban + "DE00");
    const std::string digits = (checkDigits < 10 ? "0" : "") + std::to_string(checkDigits);
    return "DE" + digits + bban;
}

Result<std::string> CheckBic(std::string_view typed) {
    const std::string bic = ElectronicForm(typed);
    const bool shaped = (bic.size() == 8 || bic.size() == 11)
                        && std::all_of(bic.begin(), bic.begin() + 4, isUpperAlphanumeric)
                        && std::all_of(bic.begin() + 4, bic.begin() + 6, isUpperAsciiLetter)
                        && std::all_of(bic.begin() + 6, bic.end(), isUpperAlphanumeric);
    if (!shaped)
        return invalid("Ein BIC hat 8 oder 11 Stellen: vier für die Bank, zwei Buchstaben für das "
                       "Land, zwei für den Ort, drei für die Filiale. Dieser ist es nicht: "
                       + bic);
    return bic;
}

} // namespace penvaro::core
