#pragma once

#include "member.h"
#include "result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

// The club that collects: the account holder, the account's IBAN and BIC (the BIC may be
// empty) and its creditor identifier, as the account data hold them.
struct SepaCreditor {
    std::string name;
    std::string iban;
    std::string bic;
    std::string creditorId;
};

// One payment of a collection: what the direct debit file carries for a member and what the
// planned credit keeps to be settled by the statement.
struct DirectDebit {
    int memberNumber = 0;
    std::string name;
    std::string iban;
    std::string bic;         // may be empty
    std::int64_t amount = 0; // ten-thousandths of a euro, whole cents
    std::string mandateReference;
    double mandateDate = 0.0;
    SequenceType sequence = SequenceType::First;
    std::string endToEndId; // unique per collection and member
    std::string purpose;

    friend bool operator==(const DirectDebit &, const DirectDebit &) = default;
};

// Refuses a creditor without name, IBAN or a valid creditor identifier, saying what is
// missing; gives it back with the identifier in its normal form.
Result<SepaCreditor> CheckSepaCreditor(const SepaCreditor &creditor);

// The bank needs the file a few days before the due date and the members need the
// pre-notification before it: refused is a due date earlier than two days from today, or
// earlier than the notice period from today, which is 14 days unless a shorter (at least one
// day) was agreed with the members.
Result<void> CheckCollectionDueDate(double dueDate, double today,
                                    std::optional<int> noticeDays = std::nullopt);

// "Mitgliedsbeitrag 01/2027 Nr 17": the month and year of the due date and the member number.
std::string MembershipFeePurpose(double dueDate, int memberNumber);

// The longest collection name that leaves room in an end-to-end reference for any member
// number.
inline constexpr std::size_t CollectionNameLength = 24;

// The direct debits of the members due on the due date, by member number: each with the
// sequence type its mandate has reached and the end-to-end reference made of the collection
// name (at most CollectionNameLength characters of the SEPA reference set, distinct for each
// collection of the account, e.g. its creation time) and the member number.
std::vector<DirectDebit> DueDirectDebits(const std::vector<Member> &members, double dueDate,
                                         std::string_view collectionName);

} // namespace penvaro::core
