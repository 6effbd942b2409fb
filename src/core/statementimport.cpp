#include "statementimport.h"

#include "balances.h"
#include "bookingchanges.h"
#include "foldedtext.h"
#include "statementbooking.h"
#include "wideint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace penvaro::core {
namespace {

constexpr std::int64_t MatchingDays = 5;

// The whole day of a stored date; a damaged date that is no day compares with nothing sane.
std::int64_t wholeDay(double date) {
    if (!(std::abs(date) < 1e15))
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::floor(date));
}

using DuplicateKey = std::tuple<std::int64_t, char16_t, std::int64_t, std::string>;

DuplicateKey duplicateKey(const BookingRecord &r) {
    // A typed purpose may end in blanks that an imported one has lost; the two formats of one
    // bank write dashes, quotes and blanks each in their own way.
    const std::string purpose =
        FoldedText({reinterpret_cast<const char *>(r.Verwendungszweck.chars.data()),
                    r.Verwendungszweck.usedLength()});
    return {wholeDay(r.Wertdatum), r.SollHaben, r.Betrag, purpose};
}

struct StatementNumber {
    std::uint16_t year = 0;
    std::uint16_t number = 0;
};

// The completed bookings by what a statement entry must share with them to be one of them,
// each with the statement it was booked from.
using HeldBookings = std::map<DuplicateKey, std::vector<StatementNumber>>;

HeldBookings completedBookings(const BookingTable &table) {
    HeldBookings held;
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart == BookingKind::Completed)
            held[duplicateKey(record)].push_back({record.Auszugsjahr, record.Auszugsnr});
    }
    return held;
}

// Takes the booking that answers for the entry's booking: one of the same statement, or else
// one where either side has statement number 0, which files of daily turnovers give instead
// of a number (and then a year from another day).
bool takeHeldBooking(HeldBookings &held, const BookingRecord &booking) {
    const auto found = held.find(duplicateKey(booking));
    if (found == held.end())
        return false;
    std::vector<StatementNumber> &numbers = found->second;
    auto match = std::find_if(numbers.begin(), numbers.end(), [&](const StatementNumber &n) {
        return n.year == booking.Auszugsjahr && n.number == booking.Auszugsnr;
    });
    if (match == numbers.end())
        match = std::find_if(numbers.begin(), numbers.end(), [&](const StatementNumber &n) {
            return n.number == 0 || booking.Auszugsnr == 0;
        });
    if (match == numbers.end())
        return false;
    numbers.erase(match);
    return true;
}

// The days and directions of the completed bookings: a remembered reference stands for a
// booking only while the account still holds one of its day and direction.
using HeldDay = std::pair<std::int64_t, char16_t>;

std::set<HeldDay> heldDays(const BookingTable &table) {
    std::set<HeldDay> days;
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart == BookingKind::Completed)
            days.insert({wholeDay(record.Wertdatum), record.SollHaben});
    }
    return days;
}

bool importedBefore(const StatementEntry &entry, const std::set<std::string> &references,
                    const std::set<HeldDay> &held) {
    return held.contains({wholeDay(entry.valueDate), entry.sign})
           && std::any_of(entry.references.begin(), entry.references.end(),
                          [&](const std::string &key) { return references.contains(key); });
}

// The planned bookings by direction and amount, each list in table order: an import of many
// entries into a large table then looks at a handful of candidates per entry, not every slot.
using PlannedByAmount = std::map<std::pair<char16_t, std::int64_t>, std::vector<int>>;

PlannedByAmount plannedBookings(const BookingTable &table) {
    PlannedByAmount planned;
    for (int slot = 1; slot <= table.count(); ++slot) {
        const BookingRecord &r = table.slot(slot);
        if (r.Satzart == BookingKind::Planned)
            planned[{r.SollHaben, r.Betrag}].push_back(slot);
    }
    return planned;
}

// The planned booking an entry settles: same direction and amount, value date within the
// window, the nearest first, then the first in table order. 0 when there is none.
int plannedMatch(const BookingTable &table, const PlannedByAmount &planned,
                 const BookingRecord &booking, const std::vector<bool> &taken) {
    const auto candidates = planned.find({booking.SollHaben, booking.Betrag});
    if (candidates == planned.end())
        return 0;
    int best = 0;
    std::int64_t bestDistance = 0;
    const std::int64_t day = wholeDay(booking.Wertdatum);
    for (const int slot : candidates->second) {
        if (taken[static_cast<std::size_t>(slot)])
            continue;
        const std::int64_t plannedDay = wholeDay(table.slot(slot).Wertdatum);
        if (plannedDay == std::numeric_limits<std::int64_t>::min())
            continue;
        const std::int64_t distance = plannedDay > day ? plannedDay - day : day - plannedDay;
        if (distance <= MatchingDays && (best == 0 || distance < bestDistance)) {
            best = slot;
            bestDistance = distance;
        }
    }
    return best;
}

Error severalAccountsError(const std::vector<Statement> &statements) {
    std::vector<std::string> accounts;
    for (const Statement &statement : statements) {
        const std::string name =
            statement.accountId.empty() ? "(ohne Kontonummer)" : statement.accountId;
        if (std::find(accounts.begin(), accounts.end(), name) == accounts.end())
            accounts.push_back(name);
    }
    std::string list;
    for (const std::string &account : accounts)
        list += (list.empty() ? "" : ", ") + account;
    return {ErrorKind::Invalid, "Die Datei enthält Kontoauszüge mehrerer Konten (" + list
                                    + "). Bitte importieren Sie die Auszüge jedes Kontos "
                                      "aus einer eigenen Datei."};
}

bool bringsBooking(ImportAction action) {
    return action == ImportAction::Added || action == ImportAction::Matched;
}

std::optional<std::int64_t> inRange(Int128 balance) {
    if (!FitsInt64(balance))
        return std::nullopt;
    return static_cast<std::int64_t>(balance);
}

// The start value and the completed bookings of the table and the plan with a value date up
// to the day.
Int128 balanceOnDay(const BookingTable &table, const std::vector<ImportStep> &steps,
                    std::int64_t day) {
    Int128 balance = 0;
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart == BookingKind::StartValue
            || (record.Satzart == BookingKind::Completed && wholeDay(record.Wertdatum) <= day))
            balance += SignedAmount(record);
    }
    for (const ImportStep &step : steps) {
        if (bringsBooking(step.action) && wholeDay(step.booking.Wertdatum) <= day)
            balance += SignedAmount(step.booking);
    }
    return balance;
}

} // namespace

Result<ImportPlan> PlanStatementImport(const BookingTable &table,
                                       const std::vector<Statement> &statements,
                                       const std::vector<bool> &leftOut,
                                       const std::set<std::string> &importedReferences) {
    for (const Statement &statement : statements) {
        if (statement.accountId != statements.front().accountId)
            return severalAccountsError(statements);
    }
    const auto bookBalance = ComputeBookBalance(table);
    if (!bookBalance)
        return bookBalance.error();

    ImportPlan plan;
    HeldBookings existing = completedBookings(table);
    const std::set<HeldDay> held = heldDays(table);
    const PlannedByAmount planned = plannedBookings(table);
    std::set<std::string> references;
    std::vector<bool> taken(static_cast<std::size_t>(table.count()) + 1, false);
    Int128 balance = *bookBalance;
    std::size_t entryIndex = 0;
    for (const Statement &statement : statements) {
        bool statementBrings = false;
        for (const StatementEntry &entry : statement.entries) {
            ImportStep step;
            step.booking = CompletedBookingFromEntry(statement, entry);
            step.entry = entry;
            const bool left = entryIndex < leftOut.size() && leftOut[entryIndex];
            ++entryIndex;
            if (!left)
                references.insert(entry.references.begin(), entry.references.end());
            if (left) {
                step.action = ImportAction::LeftOut;
            } else if (importedBefore(entry, importedReferences, held)) {
                step.action = ImportAction::Skipped;
            } else if (takeHeldBooking(existing, step.booking)) {
                step.action = ImportAction::Skipped;
            } else if (const int slot = plannedMatch(table, planned, step.booking, taken)) {
                taken[static_cast<std::size_t>(slot)] = true;
                step.action = ImportAction::Matched;
                step.plannedSlot = slot;
                step.planned = table.slot(slot);
            }
            if (bringsBooking(step.action)) {
                statementBrings = true;
                balance += step.booking.SollHaben == u'+' ? Int128{step.booking.Betrag}
                                                          : -Int128{step.booking.Betrag};
            }
            plan.steps.push_back(std::move(step));
        }
        if (statementBrings) {
            const BookingRecord &last = plan.steps.back().booking;
            plan.statementDates.push_back({last.Auszugsjahr, last.Auszugsnr, last.Auszugsdatum});
        }
    }
    const auto after = inRange(balance);
    if (!after)
        return Error{ErrorKind::Overflow,
                     "Der Kontostand nach dem Import überschreitet den darstellbaren Bereich."};
    plan.bookBalanceAfter = *after;
    plan.bookBalanceAtClosing = *after;
    if (!statements.empty() && statements.back().closingBalance) {
        const Statement &last = statements.back();
        plan.closingBalance = last.closingBalance;
        plan.closingDate = last.closingDate.value_or(last.date);
        // An older statement opened after newer ones is compared with the balance of its own
        // day, not with bookings it cannot know of.
        const auto atClosing =
            inRange(balanceOnDay(table, plan.steps, wholeDay(*plan.closingDate)));
        if (!atClosing)
            return Error{ErrorKind::Overflow, "Der Kontostand am Tag des Schlusssaldos "
                                              "überschreitet den darstellbaren Bereich."};
        plan.bookBalanceAtClosing = *atClosing;
    }
    plan.references.assign(references.begin(), references.end());
    return plan;
}

Result<void> ApplyImportPlan(BookingTable &table, const ImportPlan &plan,
                             const std::filesystem::path &accountFile) {
    std::vector<SlotReplacement> replaced;
    std::vector<BookingRecord> added;
    for (const ImportStep &step : plan.steps) {
        if (step.action == ImportAction::Added) {
            added.push_back(step.booking);
        } else if (step.action == ImportAction::Matched) {
            if (step.plannedSlot < 1 || step.plannedSlot > table.count()
                || table.slot(step.plannedSlot) != step.planned)
                return Error{ErrorKind::Invalid,
                             "Die Buchungen haben sich geändert, seit der Kontoauszug gelesen "
                             "wurde. Bitte lesen Sie ihn erneut ein."};
            replaced.push_back({step.plannedSlot, step.booking});
        }
    }
    if (replaced.empty() && added.empty())
        return {};
    return ReplaceAndAddBookings(table, replaced, added, accountFile);
}

} // namespace penvaro::core
