#include "directdebit.h"

#include "creditorid.h"
#include "date.h"
#include "iban.h"

#include <algorithm>
#include <cstdio>

namespace penvaro::core {
namespace {

constexpr int bankLeadDays = 2;
constexpr int standardNoticeDays = 14;

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

} // namespace

Result<SepaCreditor> CheckSepaCreditor(const SepaCreditor &creditor) {
    SepaCreditor checked = creditor;
    if (creditor.name.find_first_not_of(' ') == std::string::npos)
        return invalid("In den Kontodaten fehlt der Kontoinhaber, in dessen Namen die "
                       "Lastschriften eingezogen werden.");
    if (creditor.iban.empty())
        return invalid("In den Kontodaten fehlt die IBAN des Kontos, auf das die Lastschriften "
                       "gehen.");
    if (creditor.creditorId.find_first_not_of(' ') == std::string::npos)
        return invalid("In den Kontodaten fehlt die Gläubiger-ID; ohne sie nimmt keine Bank "
                       "eine Lastschrift an.");
    const auto id = CheckCreditorId(creditor.creditorId);
    if (!id)
        return id.error();
    checked.creditorId = *id;
    checked.iban = ElectronicForm(creditor.iban);
    checked.bic = ElectronicForm(creditor.bic);
    return checked;
}

Result<void> CheckCollectionDueDate(double dueDate, double today, std::optional<int> noticeDays) {
    if (noticeDays && *noticeDays < 1)
        return invalid("Die mit den Mitgliedern vereinbarte Frist der Vorabankündigung ist "
                       "mindestens ein Tag.");
    if (dueDate < today + bankLeadDays)
        return invalid("Der Fälligkeitstag " + FormatDate(dueDate)
                       + " ist zu früh: Die Bank braucht die Lastschriften mindestens zwei Tage "
                         "vorher, frühestens also zum "
                       + FormatDate(today + bankLeadDays) + ".");
    const int notice = noticeDays.value_or(standardNoticeDays);
    if (dueDate < today + notice)
        return invalid(
            "Der Fälligkeitstag " + FormatDate(dueDate) + " ist zu früh: Die Mitglieder sind "
            + std::to_string(notice) + " Tage vorher zu benachrichtigen, frühestens also zum "
            + FormatDate(today + notice) + ". Eine kürzere vereinbarte Frist lässt sich angeben.");
    return {};
}

std::string MembershipFeePurpose(double dueDate, int memberNumber) {
    const auto due = CivilFromDayCount(dueDate).value_or(CivilDate{});
    char period[16];
    std::snprintf(period, sizeof period, "%02d/%04d", due.month, due.year);
    return "Mitgliedsbeitrag " + std::string(period) + " Nr " + std::to_string(memberNumber);
}

std::vector<DirectDebit> DueDirectDebits(const std::vector<Member> &members, double dueDate,
                                         std::string_view collectionName) {
    std::vector<const Member *> due;
    for (const Member &member : members)
        if (IsDue(member, dueDate))
            due.push_back(&member);
    std::sort(due.begin(), due.end(),
              [](const Member *a, const Member *b) { return a->number < b->number; });
    std::vector<DirectDebit> debits;
    for (const Member *member : due) {
        DirectDebit debit;
        debit.memberNumber = member->number;
        debit.name = member->name;
        debit.iban = member->iban;
        debit.bic = member->bic;
        debit.amount = member->fee;
        debit.mandateReference = member->mandateReference;
        debit.mandateDate = member->mandateDate;
        debit.sequence = NextSequenceType(*member);
        debit.endToEndId = std::string(collectionName) + "-" + std::to_string(member->number);
        debit.purpose = MembershipFeePurpose(dueDate, member->number);
        debits.push_back(std::move(debit));
    }
    return debits;
}

} // namespace penvaro::core
