#pragma once

#include "bookingtable.h"
#include "result.h"

#include <cstdint>
#include <vector>

namespace penvaro::core {

struct BalancePoint {
    double day = 0.0;
    std::int64_t balance = 0; // at the end of the day

    friend bool operator==(const BalancePoint &, const BalancePoint &) = default;
};

// Where a year's balance went and where it is heading, one point per day.
struct BalanceCourse {
    // The book balance (start value and completed bookings up to the day) on every day of the
    // year up to today.
    std::vector<BalancePoint> booked;
    // From today, or from the 1st of a later year, through the same day twelve months after
    // today: today's balance (the planned bookings due by then included), continued with the
    // planned bookings and those the recurring bookings will make. Empty for a past year.
    std::vector<BalancePoint> projected;
};

// The last day of the projection: the same day twelve months after today, or the last day of
// that month when it is shorter.
double ProjectionEnd(double today);

// Fails (Overflow) when a balance leaves the 64-bit range.
Result<BalanceCourse> BuildBalanceCourse(const BookingTable &table, int year, double today);

} // namespace penvaro::core
