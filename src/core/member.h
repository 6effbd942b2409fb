#pragma once

#include "result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace penvaro::core {

class AccountMethodCheck;
class BankCodeList;

// How often a member's fee falls due; the value is the number of months between two dues.
enum class FeeInterval { Monthly = 1, Quarterly = 3, HalfYearly = 6, Yearly = 12 };

// "monatlich", "vierteljährlich", "halbjährlich", "jährlich".
std::string_view IntervalName(FeeInterval interval);
// The interval of its name, in any case of A-Z and Ä.
std::optional<FeeInterval> IntervalOfName(std::string_view name);

// A club member who pays the fee by SEPA direct debit under a mandate.
struct Member {
    int number = 0;
    std::string name; // UTF-8, at most 70 characters
    std::string iban; // electronic form
    std::string bic;  // electronic form; may be empty
    std::string mandateReference;
    double mandateDate = 0.0; // day count of the mandate's signature
    std::int64_t fee = 0;     // ten-thousandths of a euro, whole cents
    FeeInterval interval = FeeInterval::Yearly;
    double firstDue = 0.0; // day count
    bool active = true;    // false once the membership or mandate has ended
    bool mandateUsed = false;

    friend bool operator==(const Member &, const Member &) = default;
};

inline constexpr std::size_t MemberNameLength = 70;

// Checks a member as typed (IBAN and BIC in any form), field by field in the order above, as
// the transfer page checks a recipient; gives it back with IBAN, BIC and mandate reference in
// their stored form. The BIC of a German IBAN comes from the bank code file.
Result<Member> CheckMember(const Member &typed, const BankCodeList &banks,
                           const AccountMethodCheck &methods);

// Due on the due date are the active members whose interval, counted in months from the month
// of their first due date, reaches the due date's month, and whose first due date and mandate
// signature are not later than the due date.
bool IsDue(const Member &member, double dueDate);

// What a collection tells the banks about the mandate: its first use, a later one, or a
// single collection under a one-off mandate.
enum class SequenceType { First, Recurring, OneOff };

// "FRST", "RCUR", "OOFF".
std::string_view SequenceCode(SequenceType type);

// A mandate's first collection is FRST, every later one RCUR.
SequenceType NextSequenceType(const Member &member);

} // namespace penvaro::core
