#pragma once

#include "member.h"
#include "result.h"

#include <string_view>
#include <vector>

namespace penvaro::core {

class AccountMethodCheck;
class BankCodeList;

// Reads a member list as a spreadsheet saves it: fields separated by ";" (a field in double
// quotes may hold ";" and doubled quotes), UTF-8 with or without byte order mark or
// Windows-1252, a header line naming the columns Nr, Name, IBAN, BIC (may be left out),
// Mandatsreferenz, Mandatsdatum (TT.MM.JJJJ), Betrag (as typed in the program), Turnus
// (monatlich, vierteljährlich, halbjährlich, jährlich) and Beginn (the first due date,
// TT.MM.JJJJ) in any order; other columns are ignored, empty lines skipped. Each member is
// checked as when typed; numbers and mandate references must not repeat. The members are
// new: active, their mandates unused. A file with a bad line gives no member: the error
// names every bad line with its number and reason, one per line of the message.
Result<std::vector<Member>> ReadMemberCsv(std::string_view bytes, const BankCodeList &banks,
                                          const AccountMethodCheck &methods);

} // namespace penvaro::core
