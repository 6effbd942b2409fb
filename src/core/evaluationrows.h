#pragma once

#include "amounttext.h"
#include "bookingrecord.h"
#include "bookingtable.h"
#include "search.h"
#include "settings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace penvaro::core {

// How the result table of a search shows its rows, the columns of the ledger's table of
// completed bookings without the balance column.
struct EvaluationLayout {
    bool statementData = true; // "AuszugsdatAN": statement number / year and statement date
    bool bookingDates = false; // "BuchungsdatAN"
    bool euro = true;          // "RBEuroBetrag"
    bool national = false;     // "RBnatBetrag"
    NationalCurrency currency{{false, 195583, -5}, "DM"};
    NumberSeparators separators = GermanSeparators;
};

// The layout from the account's settings, numbers in the user's locale. A rate that cannot be
// read shows national amounts as zero rather than a wrong figure.
EvaluationLayout EvaluationLayoutFromSettings(const Settings &settings,
                                              const NumberSeparators &separators);

int EvaluationColumnCount(const EvaluationLayout &layout);

// An amount to the cent: in euro, in the national currency when euro is off, or both. A
// booking's row and the sum row use the same text, so that a row never shows an amount the
// booking does not have.
std::string EvaluationAmountText(std::int64_t amount, const EvaluationLayout &layout);

// One cell per column. Only a completed booking has statement data and a booking date; the
// other kinds, the start value included, leave those cells empty so that every row keeps its
// columns. The amount is shown without sign; the direction column carries it.
std::vector<std::string> EvaluationRowCells(const BookingRecord &record,
                                            const EvaluationLayout &layout);

// "SUMME:" in the third column from the right and the signed sum in the last column.
std::vector<std::string> EvaluationSumRowCells(std::int64_t sum, const EvaluationLayout &layout);

// The rows below the heading: one per found booking in table order, an empty row and the sum
// row; a single empty row when nothing was found.
std::vector<std::vector<std::string>> EvaluationTableRows(const BookingTable &table,
                                                          const SearchResult &result,
                                                          const EvaluationLayout &layout);

} // namespace penvaro::core
