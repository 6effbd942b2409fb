#pragma once

#include "core/settings.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace penvaro::widgets {

enum class LedgerColumn {
    Auszugsnr,
    Auszugsdatum,
    Wertdatum,
    Art,
    Absender,
    Verwendungszweck,
    Buchungsdatum,
    SollHaben,
    Betrag,
    Kontostand,
};

// One column a ledger table shows: what it holds, its heading, alignment and stored width.
struct ShownColumn {
    LedgerColumn column;
    QString header;
    Qt::Alignment alignment;
    // The setting that keeps the column's width; none for a column that keeps its own.
    std::int32_t core::Settings::*width = nullptr;
};

// How a column behaves when the table is narrower than the widths the user gave its columns.
enum class ColumnFit {
    WholeText,   // amounts, dates, balances, statement numbers, kinds: every text stays whole
    WholeHeader, // the direction: the header stays whole
    Yields,      // free text (party, purpose): gives way first
};
ColumnFit FitOf(LedgerColumn column);

// The width the user gave the column: its stored width, or the first column's own.
int PreferredWidth(const ShownColumn &shown, const core::Settings &settings);

// The columns of the completed bookings, as statement data, booking dates and the balance
// column are switched on or off (at most ten).
std::vector<ShownColumn> CompletedColumns(const core::Settings &settings);
// The columns of the planned bookings: six, or seven with the balance column.
std::vector<ShownColumn> PlannedColumns(const core::Settings &settings);

} // namespace penvaro::widgets
