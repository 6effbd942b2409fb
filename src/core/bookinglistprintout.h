#pragma once

#include "bookingtable.h"
#include "canvas.h"
#include "listpage.h"
#include "result.h"

namespace penvaro::core {

// What the booking print dialog chose beyond the shared options.
struct BookingListRange {
    double firstDay = 0.0; // value dates from this day
    double lastDay = 0.0;  // to this day, both included
    // The smallest value date of the completed and planned bookings when the dialog opened:
    // the start value is printed only when the list begins there.
    double earliestValueDate = 0.0;
    bool printCompleted = true; // "CBG", cleared when no completed booking lies in the range
    bool printPlanned = true;   // "CBZ", likewise for planned bookings
};

// The completed and the planned bookings of the range, each table with its sum and, when
// chosen, the running balance, then the grand total. The table must be sorted ascending.
Result<void> PrintBookingList(Canvas &canvas, const BookingTable &table,
                              const ListPrintOptions &options, const BookingListRange &range);

} // namespace penvaro::core
