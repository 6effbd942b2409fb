#include "member.h"

#include "date.h"
#include "iban.h"
#include "mandatereference.h"
#include "sepacountries.h"
#include "sepatransfer.h"

#include <algorithm>
#include <array>

namespace penvaro::core {
namespace {

struct IntervalRow {
    FeeInterval interval;
    std::string_view name;
};

constexpr std::array<IntervalRow, 4> intervals{{
    {FeeInterval::Monthly, "monatlich"},
    {FeeInterval::Quarterly, "vierteljährlich"},
    {FeeInterval::HalfYearly, "halbjährlich"},
    {FeeInterval::Yearly, "jährlich"},
}};

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

// Capitals A-Z and Ä in small letters; nothing else in the interval names has a capital.
std::string folded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (text.substr(i, 2) == "Ä") {
            out += "ä";
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

bool isDate(double dayCount) {
    return dayCount > 0 && CivilFromDayCount(dayCount).has_value();
}

int monthIndex(const CivilDate &date) {
    return date.year * 12 + date.month - 1;
}

} // namespace

std::string_view IntervalName(FeeInterval interval) {
    const auto row = std::find_if(intervals.begin(), intervals.end(),
                                  [&](const IntervalRow &r) { return r.interval == interval; });
    return row == intervals.end() ? std::string_view() : row->name;
}

std::optional<FeeInterval> IntervalOfName(std::string_view name) {
    const std::string wanted = folded(name);
    const auto row = std::find_if(intervals.begin(), intervals.end(),
                                  [&](const IntervalRow &r) { return r.name == wanted; });
    if (row == intervals.end())
        return std::nullopt;
    return row->interval;
}

Result<Member> CheckMember(const Member &typed, const BankCodeList &banks,
                           const AccountMethodCheck &methods) {
    Member checked = typed;
    if (typed.number <= 0)
        return invalid("Die Mitgliedsnummer ist eine ganze Zahl ab 1.");
    if (typed.name.find_first_not_of(' ') == std::string::npos)
        return invalid("Bitte geben Sie den Namen des Mitglieds ein.");
    if (std::any_of(typed.name.begin(), typed.name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return invalid("Der Name des Mitglieds darf keine Steuerzeichen enthalten.");
    if (Utf8Length(typed.name) > MemberNameLength)
        return invalid("Der Name des Mitglieds darf höchstens 70 Zeichen lang sein, dieser hat "
                       + std::to_string(Utf8Length(typed.name)) + ".");
    const auto iban = CheckIban(typed.iban, banks, methods);
    if (!iban)
        return iban.error();
    if (auto country = CheckSepaIbanCountry(iban->iban); !country)
        return country.error();
    checked.iban = iban->iban;
    const auto bic = CheckSepaBic(typed.bic, iban->iban.substr(0, 2), iban->bic);
    if (!bic)
        return bic.error();
    checked.bic = *bic;
    const auto reference = CheckMandateReference(typed.mandateReference);
    if (!reference)
        return reference.error();
    checked.mandateReference = *reference;
    if (!isDate(typed.mandateDate))
        return invalid("Bitte geben Sie das Datum ein, an dem das Mandat unterschrieben wurde.");
    if (typed.fee < SepaMinimumAmount || typed.fee > SepaMaximumAmount || typed.fee % 100 != 0)
        return invalid("Ein Beitrag geht über 0,01 bis 999.999.999,99 Euro in ganzen Cent.");
    if (!isDate(typed.firstDue))
        return invalid("Bitte geben Sie den ersten Fälligkeitstag des Beitrags ein.");
    return checked;
}

bool IsDue(const Member &member, double dueDate) {
    if (!member.active || member.firstDue > dueDate || member.mandateDate > dueDate)
        return false;
    const auto first = CivilFromDayCount(member.firstDue);
    const auto due = CivilFromDayCount(dueDate);
    if (!first || !due)
        return false;
    return (monthIndex(*due) - monthIndex(*first)) % static_cast<int>(member.interval) == 0;
}

std::string_view SequenceCode(SequenceType type) {
    switch (type) {
    case SequenceType::First:
        return "FRST";
    case SequenceType::Recurring:
        return "RCUR";
    case SequenceType::OneOff:
        return "OOFF";
    }
    return "RCUR";
}

SequenceType NextSequenceType(const Member &member) {
    return member.mandateUsed ? SequenceType::Recurring : SequenceType::First;
}

} // namespace penvaro::core
