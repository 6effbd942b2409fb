#pragma once

#include "bookingtable.h"
#include "result.h"
#include "statement.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace penvaro::core {

enum class ImportAction {
    Added,   // a new completed booking
    Matched, // settles a planned booking, whose slot the completed booking takes
    Skipped, // the account holds this booking already
    LeftOut, // the user chose not to import it
    Pending, // the bank has not booked it yet; it is shown and never booked
};

struct ImportStep {
    ImportAction action = ImportAction::Added;
    BookingRecord booking; // the completed booking made from the entry, whatever the action
    // Matched, or Added beside an uncertain candidate: the slot of the planned booking
    int plannedSlot = 0;
    BookingRecord planned; // the planned booking as it stood in that slot
    StatementEntry entry;  // as the bank wrote it, texts at full length
    // The planned booking shares only amount and date with the entry, or only the party: it
    // settles it only when the user ticks it (takeUncertain), and is otherwise the candidate
    // shown beside an added booking.
    bool uncertain = false;
};

struct StatementDate {
    std::uint16_t year = 0;
    std::uint16_t number = 0;
    double date = 0.0;

    friend bool operator==(const StatementDate &, const StatementDate &) = default;
};

struct ImportPlan {
    std::vector<ImportStep> steps; // one per entry, the statements' entries in file order
    std::optional<std::int64_t> closingBalance; // of the last statement of the file
    std::optional<double> closingDate;          // the day that closing balance is for
    std::int64_t bookBalanceAfter = 0;          // start value and completed bookings
    // What the closing balance is compared with: the start value and the completed bookings
    // with a value date up to the closing date; the balance after the import without one.
    std::int64_t bookBalanceAtClosing = 0;
    // The dates of the statements that bring bookings, to be remembered for their numbers.
    std::vector<StatementDate> statementDates;
    // The reference keys of the entries the account holds after the import, to be remembered.
    std::vector<std::string> references;
};

// How the entries of a statement file would change the account in the table (which the caller
// has sorted, so that table order is the order the user sees). Per entry, in this order:
// - a pending entry is shown and takes part in nothing;
// - an entry with a reference key among importedReferences is skipped while the account holds
//   a completed booking of its value date and direction (the user may have deleted the
//   bookings of that day to import them again);
// - an entry equal to a completed booking in the table (value date, direction, amount,
//   purpose compared as FoldedText, and statement year and number unless either number is 0,
//   as files of daily turnovers write it) is skipped; each completed booking answers for one
//   entry, so two equal entries of one statement are not both lost against one booking. Where
//   one format of a bank cuts the purpose of the other or adds to it (one holds the other as
//   whole words, or is cut from it, or is empty), the same party stands in for the equal
//   purpose;
// - an entry without reference whose amount is the sum of two or more completed bookings of
//   one statement, of its value date and direction, is that statement's collective entry
//   already booked split into its payments: skipped;
// - otherwise it settles a planned booking of its direction whose value date lies at most 5
//   days from its own: the one whose party agrees best (CompareParty) at the same amount, the
//   nearest first, then the first in table order. One that agrees only in amount while naming
//   another party, or only in party at another amount, is uncertain: it settles the entry only
//   where takeUncertain flags the entry. Each planned booking settles one entry at most. The
//   booking keeps the planned booking's category and party, the bank's party filling one left
//   empty; the purpose is the bank's, which recognises the entry when it comes again;
// - otherwise it is added, without category: the bank's booking type is no category.
// leftOut and takeUncertain, when given, have one flag per entry in file order; a left-out
// entry takes part in nothing. A file whose statements belong to more than one account is
// refused, naming them (ChooseAccountStatements picks one before).
Result<ImportPlan> PlanStatementImport(const BookingTable &table,
                                       const std::vector<Statement> &statements,
                                       const std::vector<bool> &leftOut = {},
                                       const std::set<std::string> &importedReferences = {},
                                       const std::vector<bool> &takeUncertain = {});

// Puts the plan into the table and writes the file once: all of it or, when the table is full
// or the write fails, nothing. A plan that changes nothing writes nothing. Refused when the
// table no longer holds a planned booking the plan settles where it was.
Result<void> ApplyImportPlan(BookingTable &table, const ImportPlan &plan,
                             const std::filesystem::path &accountFile);

} // namespace penvaro::core
