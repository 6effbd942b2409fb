#include "statementimport.h"

#include "balances.h"
#include "bookingchanges.h"
#include "bookingtexts.h"
#include "foldedtext.h"
#include "partymatch.h"
#include "statementbooking.h"
#include "wideint.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
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

std::string foldedField(const auto &field) {
    return FoldedText({reinterpret_cast<const char *>(field.chars.data()), field.usedLength()});
}

// What a statement entry must share with a completed booking to be one of it: value date,
// direction, amount and a text, the purpose or, where the formats of one bank write the
// purpose each their own way, the party.
using DuplicateKey = std::tuple<std::int64_t, char16_t, std::int64_t, std::string>;

DuplicateKey purposeKey(const BookingRecord &r) {
    // A typed purpose may end in blanks that an imported one has lost; the two formats of one
    // bank write dashes, quotes and blanks each in their own way.
    return {wholeDay(r.Wertdatum), r.SollHaben, r.Betrag, foldedField(r.Verwendungszweck)};
}

DuplicateKey partyKey(const BookingRecord &r) {
    return {wholeDay(r.Wertdatum), r.SollHaben, r.Betrag, foldedField(r.Absender)};
}

struct StatementNumber {
    std::uint16_t year = 0;
    std::uint16_t number = 0;
};

struct HeldBooking {
    StatementNumber statement;
    std::string purpose; // folded
    std::int64_t day = 0;
    char16_t sign = u'+';
    std::int64_t amount = 0;
    bool claimed = false; // answers for an entry already
};

// The completed bookings, each answering for one entry at most, found by either text.
struct HeldBookings {
    std::vector<HeldBooking> bookings;
    std::map<DuplicateKey, std::vector<std::size_t>> byPurpose;
    std::map<DuplicateKey, std::vector<std::size_t>> byParty;
    std::map<std::pair<std::int64_t, char16_t>, std::vector<std::size_t>> byDay;
};

HeldBookings completedBookings(const BookingTable &table) {
    HeldBookings held;
    for (const BookingRecord &record : table.used()) {
        if (record.Satzart != BookingKind::Completed)
            continue;
        const std::size_t index = held.bookings.size();
        held.bookings.push_back({{record.Auszugsjahr, record.Auszugsnr},
                                 foldedField(record.Verwendungszweck),
                                 wholeDay(record.Wertdatum),
                                 record.SollHaben,
                                 record.Betrag});
        held.byPurpose[purposeKey(record)].push_back(index);
        if (record.Absender.usedLength() > 0)
            held.byParty[partyKey(record)].push_back(index);
        held.byDay[{wholeDay(record.Wertdatum), record.SollHaben}].push_back(index);
    }
    return held;
}

// Where the party stands in for the purpose, the purposes must still be those of one payment as
// two formats write them: one cut from the other, one holding the other as whole words, or one
// of them empty. An empty purpose to compare with is any purpose.
bool samePurpose(const std::string &held, const std::string &entry) {
    if (held.empty() || entry.empty() || held == entry)
        return true;
    const std::string &shorter = held.size() < entry.size() ? held : entry;
    const std::string &longer = held.size() < entry.size() ? entry : held;
    // Banks cut a purpose at 27, 35 or more characters, never shorter: "Miete 3" is no cut
    // "Miete 3a".
    constexpr std::size_t shortestCut = 27;
    if (shorter.size() >= shortestCut && longer.starts_with(shorter))
        return true;
    return (' ' + longer + ' ').find(' ' + shorter + ' ') != std::string::npos;
}

// Takes the booking that answers for the entry's booking: one of the same statement, or else
// one where either side has statement number 0, which files of daily turnovers give instead
// of a number (and then a year from another day).
bool takeHeldBooking(HeldBookings &held,
                     const std::map<DuplicateKey, std::vector<std::size_t>> &index,
                     const DuplicateKey &key, const BookingRecord &booking,
                     const std::string &purpose = {}) {
    const auto found = index.find(key);
    if (found == index.end())
        return false;
    const auto free = [&](std::size_t i) {
        return !held.bookings[i].claimed && samePurpose(held.bookings[i].purpose, purpose);
    };
    auto match = std::find_if(found->second.begin(), found->second.end(), [&](std::size_t i) {
        const StatementNumber &n = held.bookings[i].statement;
        return free(i) && n.year == booking.Auszugsjahr && n.number == booking.Auszugsnr;
    });
    if (match == found->second.end())
        match = std::find_if(found->second.begin(), found->second.end(), [&](std::size_t i) {
            return free(i) && (held.bookings[i].statement.number == 0 || booking.Auszugsnr == 0);
        });
    if (match == found->second.end())
        return false;
    held.bookings[*match].claimed = true;
    return true;
}

// The bookings a collective entry was split into by another file: two or more unclaimed
// bookings of one statement, of the entry's day and direction, that add up to its amount.
// Days with many bookings are searched for the statement's whole day only.
bool takeSplitBatch(HeldBookings &held, const BookingRecord &booking) {
    const auto day = held.byDay.find({wholeDay(booking.Wertdatum), booking.SollHaben});
    if (day == held.byDay.end())
        return false;
    std::map<std::pair<std::uint16_t, std::uint16_t>, std::vector<std::size_t>> byStatement;
    for (const std::size_t i : day->second) {
        if (!held.bookings[i].claimed)
            byStatement[{held.bookings[i].statement.year, held.bookings[i].statement.number}]
                .push_back(i);
    }
    constexpr std::size_t searchedSubsets = 12;
    for (const auto &[statement, indices] : byStatement) {
        if (indices.size() < 2)
            continue;
        const std::size_t n = indices.size();
        const std::uint32_t last = n <= searchedSubsets ? (1u << n) - 1 : 0;
        std::vector<std::uint32_t> masks;
        if (n > searchedSubsets)
            masks.push_back(0); // stands for the whole day below
        for (std::uint32_t mask = 1; mask <= last && mask != 0; ++mask)
            masks.push_back(mask);
        for (const std::uint32_t mask : masks) {
            Int128 sum = 0;
            int count = 0;
            for (std::size_t b = 0; b < n; ++b) {
                if (mask == 0 || (mask & (1u << b))) {
                    sum += held.bookings[indices[b]].amount;
                    ++count;
                }
            }
            if (count < 2 || sum != Int128{booking.Betrag})
                continue;
            for (std::size_t b = 0; b < n; ++b) {
                if (mask == 0 || (mask & (1u << b)))
                    held.bookings[indices[b]].claimed = true;
            }
            return true;
        }
    }
    return false;
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

// The planned bookings by direction and value date: an import of many entries into a large
// table then looks at a handful of candidates per entry, not every slot.
using PlannedByDay = std::map<std::pair<char16_t, std::int64_t>, std::vector<int>>;

PlannedByDay plannedBookings(const BookingTable &table) {
    PlannedByDay planned;
    for (int slot = 1; slot <= table.count(); ++slot) {
        const BookingRecord &r = table.slot(slot);
        const std::int64_t day = wholeDay(r.Wertdatum);
        if (r.Satzart == BookingKind::Planned && day != std::numeric_limits<std::int64_t>::min())
            planned[{r.SollHaben, day}].push_back(slot);
    }
    return planned;
}

struct PlannedMatch {
    int slot = 0; // 0: none
    bool uncertain = false;
};

// The rank of a planned booking for an entry, best first; none for one that cannot be meant.
std::optional<int> matchRank(const BookingRecord &planned, const BookingRecord &booking,
                             const StatementEntry &entry) {
    const PartyAgreement agreement =
        CompareParty({{}, planned.Absender.toUtf8(), planned.Verwendungszweck.toUtf8()},
                     {entry.partyIban, entry.party, entry.purpose});
    const bool sameAmount = planned.Betrag == booking.Betrag;
    const bool sameParty = agreement == PartyAgreement::Iban || agreement == PartyAgreement::Name
                           || agreement == PartyAgreement::Purpose;
    if (sameAmount)
        return static_cast<int>(agreement);
    if (sameParty)
        return static_cast<int>(PartyAgreement::Differs) + 1;
    return std::nullopt;
}

bool isUncertainRank(int rank) {
    return rank >= static_cast<int>(PartyAgreement::Differs);
}

// The planned booking an entry settles: within the window, the best rank, then the nearest,
// then the first in table order.
PlannedMatch plannedMatch(const BookingTable &table, const PlannedByDay &planned,
                          const BookingRecord &booking, const StatementEntry &entry,
                          const std::vector<bool> &taken) {
    const std::int64_t day = wholeDay(booking.Wertdatum);
    if (day == std::numeric_limits<std::int64_t>::min())
        return {};
    std::tuple<int, std::int64_t, int> best{0, 0, 0};
    PlannedMatch result;
    for (std::int64_t d = day - MatchingDays; d <= day + MatchingDays; ++d) {
        const auto candidates = planned.find({booking.SollHaben, d});
        if (candidates == planned.end())
            continue;
        for (const int slot : candidates->second) {
            if (taken[static_cast<std::size_t>(slot)])
                continue;
            const auto rank = matchRank(table.slot(slot), booking, entry);
            if (!rank)
                continue;
            const std::tuple<int, std::int64_t, int> key{*rank, d > day ? d - day : day - d, slot};
            if (result.slot == 0 || key < best) {
                best = key;
                result = {slot, isUncertainRank(*rank)};
            }
        }
    }
    return result;
}

// A matched planned booking keeps the category and party the user gave it; the bank fills a
// party left empty. The purpose is the bank's: it is what recognises the entry when the bank
// sends it again, in this format or another, without a reference.
BookingRecord settledBooking(BookingRecord fromBank, const BookingRecord &planned) {
    // The whole texts, not only the record's fields: the bank's details would otherwise
    // speak for the category and party the user gave.
    BookingDetails texts = fromBank.details ? *fromBank.details : BookingDetails{};
    texts.category = CategoryText(planned);
    if (std::string party = PartyText(planned); !party.empty())
        texts.party = std::move(party);
    else
        texts.party = PartyText(fromBank);
    texts.purpose = PurposeText(fromBank);
    SetBookingTexts(fromBank, std::move(texts));
    return fromBank;
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
                                       const std::set<std::string> &importedReferences,
                                       const std::vector<bool> &takeUncertain) {
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
    const PlannedByDay planned = plannedBookings(table);
    std::set<std::string> references;
    const auto flagged = [](const std::vector<bool> &flags, std::size_t index) {
        return index < flags.size() && flags[index];
    };
    // First what the account holds by reference or purpose, so that an entry found only by
    // its party does not take the booking another entry of the file is found by its purpose.
    std::vector<const Statement *> statementOf;
    for (const Statement &statement : statements) {
        for (const StatementEntry &entry : statement.entries) {
            ImportStep step;
            step.booking = CompletedBookingFromEntry(statement, entry);
            step.entry = entry;
            const std::size_t index = plan.steps.size();
            if (flagged(leftOut, index)) {
                step.action = ImportAction::LeftOut;
            } else if (entry.pending) {
                step.action = ImportAction::Pending;
            } else {
                references.insert(entry.references.begin(), entry.references.end());
                if (importedBefore(entry, importedReferences, held)
                    || takeHeldBooking(existing, existing.byPurpose, purposeKey(step.booking),
                                       step.booking))
                    step.action = ImportAction::Skipped;
            }
            plan.steps.push_back(std::move(step));
            statementOf.push_back(&statement);
        }
    }
    const auto open = [](const ImportStep &step) { return step.action == ImportAction::Added; };
    for (ImportStep &step : plan.steps) {
        if (open(step) && step.booking.Absender.usedLength() > 0
            && takeHeldBooking(existing, existing.byParty, partyKey(step.booking), step.booking,
                               foldedField(step.booking.Verwendungszweck)))
            step.action = ImportAction::Skipped;
    }
    for (ImportStep &step : plan.steps) {
        if (open(step) && step.entry.references.empty() && takeSplitBatch(existing, step.booking))
            step.action = ImportAction::Skipped;
    }
    std::vector<bool> taken(static_cast<std::size_t>(table.count()) + 1, false);
    Int128 balance = *bookBalance;
    const Statement *lastBringing = nullptr;
    for (std::size_t index = 0; index < plan.steps.size(); ++index) {
        ImportStep &step = plan.steps[index];
        if (open(step)) {
            const PlannedMatch match =
                plannedMatch(table, planned, step.booking, step.entry, taken);
            if (match.slot != 0) {
                step.plannedSlot = match.slot;
                step.planned = table.slot(match.slot);
                step.uncertain = match.uncertain;
                if (!match.uncertain || flagged(takeUncertain, index)) {
                    taken[static_cast<std::size_t>(match.slot)] = true;
                    step.action = ImportAction::Matched;
                    step.booking = settledBooking(step.booking, step.planned);
                }
            }
        }
        if (bringsBooking(step.action)) {
            balance += step.booking.SollHaben == u'+' ? Int128{step.booking.Betrag}
                                                      : -Int128{step.booking.Betrag};
        }
        const bool lastOfStatement =
            index + 1 == plan.steps.size() || statementOf[index + 1] != statementOf[index];
        if (bringsBooking(step.action))
            lastBringing = statementOf[index];
        if (lastOfStatement && lastBringing == statementOf[index]) {
            const BookingRecord &last = step.booking;
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
