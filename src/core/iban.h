#pragma once

#include "result.h"

#include <string>
#include <string_view>

namespace penvaro::core {

class AccountMethodCheck;
class BankCodeList;

// An IBAN or BIC as typed, with or without blanks, in either case, in its electronic form:
// blanks removed, letters a-z in capitals. Nothing else changes, so a wrong character stays
// for the check to name.
std::string ElectronicForm(std::string_view typed);

// ISO 7064 MOD 97-10 as IBANs and creditor identifiers use it: the remainder modulo 97 of the
// number the text spells when each capital letter stands for 10 (A) to 35 (Z). The text holds
// digits and capitals only.
int Mod97Remainder(std::string_view text);

// The paper form of an IBAN: groups of four separated by single blanks.
std::string IbanInGroups(std::string_view electronic);

// ISO 13616: a known country, the length of that country's IBANs, check digits other than
// 00, 01 and 99 (no valid IBAN carries them, whatever the remainder says), and the remainder 1
// modulo 97. The electronic form, or why it is no IBAN.
Result<std::string> CheckIbanStructure(std::string_view typed);

struct CheckedIban {
    std::string iban;     // electronic form
    std::string bic;      // of a German bank, from the bank code file; else empty
    std::string bankName; // of a German bank, its short name; else empty
};

// The structure, and for a German IBAN also the bank code in the bank code file and the
// account number by its bank's check method (a method the checker does not know accepts).
Result<CheckedIban> CheckIban(std::string_view typed, const BankCodeList &banks,
                              const AccountMethodCheck &methods);

// The German IBAN of an account: DE, its check digits, the bank code and the account number
// padded to ten digits. Refused when the bank is unknown or the number fails its method.
Result<std::string> IbanFromAccount(std::string_view accountNumber, std::string_view bankCode,
                                    const BankCodeList &banks, const AccountMethodCheck &methods);

// ISO 9362: four letters or digits for the institution, two letters for the country, two
// letters or digits for the place, optionally three for the branch. The electronic form, or
// why it is no BIC.
Result<std::string> CheckBic(std::string_view typed);

} // namespace penvaro::core
