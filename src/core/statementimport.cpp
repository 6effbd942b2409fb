#include "statementimport.h"

#include "balances.h"
#include "bookingchanges.h"
#include "statementbooking.h"
#include "wideint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <tuple>

namespace penvaro::core {
namespace {

constexpr std::int64_t MatchingDays = 5;

// The whole day of a stored date; a damaged date that is no day compares with nothing sane.
std::int64_t wholeDay(double date) {
    if (!(std::abs(date) < 1e15))
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::floor(date));
}

using DuplicateKey =
    std::tuple<std::uint16_t, std::uint16_t, std::int64_t, char16_t, std::int64_t, std::string>;

DuplicateKey duplicateKey(const BookingRecord &r) {
    std::string purpose(reinterpret_cast<const char *>(r.Verwendungszweck.chars.data()),
                        r.Verwendungszweck.usedLength());
    // A typed purpose may end in blanks that an imported one has lost.
    purpose.erase(purpose.find_last_not_of(' ') + 1);
    return {r.Auszugsjahr, r.Auszugsnr, wholeDay(r.Wertdatum), r.SollHaben, r.Betrag, purpose};
}

std::map<DuplicateKey, int> completedBookings(const BookingTable &table) {
    std::map<DuplicateKey, int> counts;
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart == BookingKind::Completed)
            ++counts[duplicateKey(record)];
    }
    return counts;
}

// The planned booking an entry settles: same direction and amount, value date within the
// window, the nearest first, then the first in table order. 0 when there is none.
int plannedMatch(const BookingTable &table, const BookingRecord &booking,
                 const std::vector<bool> &taken) {
    int best = 0;
    std::int64_t bestDistance = 0;
    const std::int64_t day = wholeDay(booking.Wertdatum);
    for (int slot = 1; slot <= table.count; ++slot) {
        const BookingRecord &r = table.slot(slot);
        if (r.Satzart != BookingKind::Planned || taken[static_cast<std::size_t>(slot)]
            || r.SollHaben != booking.SollHaben || r.Betrag != booking.Betrag)
            continue;
        const std::int64_t plannedDay = wholeDay(r.Wertdatum);
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

} // namespace

Result<ImportPlan> PlanStatementImport(const BookingTable &table,
                                       const std::vector<Statement> &statements,
                                       const std::vector<bool> &leftOut) {
    for (const Statement &statement : statements) {
        if (statement.accountId != statements.front().accountId)
            return severalAccountsError(statements);
    }
    const auto bookBalance = ComputeBookBalance(table);
    if (!bookBalance)
        return bookBalance.error();

    ImportPlan plan;
    std::map<DuplicateKey, int> existing = completedBookings(table);
    std::vector<bool> taken(static_cast<std::size_t>(table.count) + 1, false);
    Int128 balance = *bookBalance;
    std::size_t entryIndex = 0;
    for (const Statement &statement : statements) {
        bool statementBrings = false;
        for (const StatementEntry &entry : statement.entries) {
            ImportStep step;
            step.booking = CompletedBookingFromEntry(statement, entry);
            const bool left = entryIndex < leftOut.size() && leftOut[entryIndex];
            ++entryIndex;
            if (left) {
                step.action = ImportAction::LeftOut;
            } else if (auto found = existing.find(duplicateKey(step.booking));
                       found != existing.end() && found->second > 0) {
                --found->second;
                step.action = ImportAction::Skipped;
            } else if (const int slot = plannedMatch(table, step.booking, taken)) {
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
    if (!statements.empty())
        plan.closingBalance = statements.back().closingBalance;
    if (balance > std::numeric_limits<std::int64_t>::max()
        || balance < std::numeric_limits<std::int64_t>::min())
        return Error{ErrorKind::Overflow,
                     "Der Kontostand nach dem Import überschreitet den darstellbaren Bereich."};
    plan.bookBalanceAfter = static_cast<std::int64_t>(balance);
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
            if (step.plannedSlot < 1 || step.plannedSlot > table.count
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
