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
};

struct ImportStep {
    ImportAction action = ImportAction::Added;
    BookingRecord booking; // the completed booking made from the entry, whatever the action
    int plannedSlot = 0;   // Matched: the slot of the planned booking
    BookingRecord planned; // Matched: the planned booking as it stands in that slot
    StatementEntry entry;  // as the bank wrote it, texts at full length
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
// - an entry with a reference key among importedReferences is skipped while the account holds
//   a completed booking of its value date and direction (the user may have deleted the
//   bookings of that day to import them again);
// - an entry equal to a completed booking in the table (value date, direction, amount,
//   purpose compared as FoldedText, and statement year and number unless either number is 0,
//   as files of daily turnovers write it) is skipped; each completed booking answers for one
//   entry, so two equal entries of one statement are not both lost against one booking;
// - otherwise it settles the planned booking with its direction and amount whose value date
//   lies at most 5 days from its own, the nearest first, then the first in table order; each
//   planned booking settles one entry at most;
// - otherwise it is added.
// leftOut, when given, has one flag per entry in file order; a flagged entry takes part in
// nothing. A file whose statements belong to more than one account is refused, naming them.
Result<ImportPlan> PlanStatementImport(const BookingTable &table,
                                       const std::vector<Statement> &statements,
                                       const std::vector<bool> &leftOut = {},
                                       const std::set<std::string> &importedReferences = {});

// Puts the plan into the table and writes the file once: all of it or, when the table is full
// or the write fails, nothing. A plan that changes nothing writes nothing. Refused when the
// table no longer holds a planned booking the plan settles where it was.
Result<void> ApplyImportPlan(BookingTable &table, const ImportPlan &plan,
                             const std::filesystem::path &accountFile);

} // namespace penvaro::core
