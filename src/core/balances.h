#pragma once

#include "bookingtable.h"
#include "result.h"
#include "sortbookingtable.h"
#include "wideint.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace penvaro::core {

// All balances are exact sums of Betrag, added for "+" and subtracted for any other SollHaben.
// A sum is formed in 128 bits, so the order of the bookings never matters; a result outside
// the 64-bit range is an Overflow error instead of a wrong balance.

// The record's Betrag, added for "+" and subtracted for any other SollHaben.
inline Int128 SignedAmount(const BookingRecord &r) {
    return r.SollHaben == u'+' ? Int128{r.Betrag} : -Int128{r.Betrag};
}

// The start value and the completed bookings among the used slots.
Result<std::int64_t> ComputeBookBalance(const BookingTable &table);

// The planned bookings among the used slots.
Result<std::int64_t> ComputePlannedSum(const BookingTable &table);

struct ProjectedBalance {
    std::int64_t total = 0;
    // The latest Wertdatum of the used slots that are not recurring bookings; on equal dates
    // the first in table order. None when the table holds nothing but recurring bookings.
    std::optional<double> latestValueDate;
    // A table with only a start value has no projected balance to show.
    bool shown = false;
};

// Book balance plus planned sum, dated with the latest value date.
Result<ProjectedBalance> ComputeProjectedBalance(const BookingTable &table,
                                                 std::int64_t bookBalance, std::int64_t plannedSum);

// Start value, completed and planned bookings whose Wertdatum is not after the day count
// today: every booking of today counts, whatever the time of day.
Result<std::int64_t> ComputeTodayBalance(const BookingTable &table, double today);

// One balance per grid row, rows in table order (the r-th record of the grid's kinds is row r).
struct RunningBalances {
    std::vector<std::int64_t> done;    // start value and completed bookings
    std::vector<std::int64_t> planned; // planned bookings, continuing from the book balance
};

// Each run accumulates from its oldest end: from the top when it is ascending ("Sort1",
// "Sort2"), from the bottom when it is descending, so every row shows the balance after its
// own booking whichever way the table was ordered.
Result<RunningBalances> FillRunningBalances(const BookingTable &table, const SortOrder &order);

} // namespace penvaro::core
