#pragma once

#include <initializer_list>
#include <optional>

namespace penvaro::core {

// The five optional columns of the booking list, as the booking print dialog's check boxes
// say; the evaluation printout uses the same choices.
struct PrintColumnChoices {
    bool statementData = true; // statement number / year and statement date
    bool sender = true;
    bool purpose = true;
    bool bookingDate = true;
    bool balance = true;

    friend bool operator==(const PrintColumnChoices &, const PrintColumnChoices &) = default;
};

// x positions in tenths of a millimetre; a column that is off has none.
struct CompletedPrintColumns {
    int width = 0; // the nominal width the shares are taken of
    std::optional<int> statementNumber;
    std::optional<int> statementDate;
    int valueDate = 0;
    int bookingType = 0;
    std::optional<int> sender;
    std::optional<int> purpose;
    std::optional<int> bookingDate;
    int mark = 0;
    int amount = 0;
    std::optional<int> balance;

    // Where a left-aligned text that starts at x is cut: before the next printed column, and
    // before the half of a date or mark centred on that column.
    int textEnd(int x) const;
};

struct PlannedPrintColumns {
    int width = 0;
    int valueDate = 0;
    int bookingType = 0;
    std::optional<int> sender;
    std::optional<int> purpose;
    int mark = 0;
    int amount = 0;
    std::optional<int> balance;

    int textEnd(int x) const;
};

struct PrintColumns {
    CompletedPrintColumns completed;
    PlannedPrintColumns planned;

    // Where "Startwert:" and the evaluation's "Summe:" stand: the booking-date column. When
    // that column is off, the label keeps the booking date's share in front of the mark
    // column, so that it never covers the "+" or "-" beside it.
    int bookingDateLabelX() const;
    // Where the evaluation's "Gesamtsumme:" stands: the purpose column, or, when that is off,
    // one purpose share in front of the next printed column, clear of the sum at the right.
    int purposeLabelX() const;
};

PrintColumns ComputePrintColumns(const PrintColumnChoices &choices);

} // namespace penvaro::core
