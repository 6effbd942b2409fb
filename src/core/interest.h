#pragma once

#include "bookingtable.h"
#include "result.h"
#include "settings.h"
#include "sortbookingtable.h"
#include "wideint.h"

#include <array>
#include <cstdint>
#include <optional>

namespace penvaro::core {

// Interest is estimated from the balance at the end of every day. All amounts are
// ten-thousandths of a euro; days are whole day counts.

// Annual rates in percent: "Zinsen" for a positive balance, "Sollzinsen" for a negative one.
struct InterestRates {
    double credit = 2.0;
    double debit = 9.0;
};

inline InterestRates InterestRatesFromSettings(const Settings &settings) {
    return {settings.creditInterestRate, settings.debitInterestRate};
}

// The order the interest computation relies on: value date, both runs ascending. The window
// sorts the table into it on opening and restores the user's order on closing.
inline constexpr SortOrder InterestOrder{DoneOrder::ValueDate, true, true};

// The balance at the end of each day, for days that never decrease from one call to the next.
// It walks the used slots from the first start value, completed or planned booking in table
// order, adding each record (a recurring one adds nothing) until the first record dated later
// than the day. In the interest order the planned bookings therefore count only while no
// completed booking lies after the day. The walk resumes where the previous day stopped, so a
// whole period costs one pass over the table instead of one per day.
class BalanceWalk {
public:
    explicit BalanceWalk(const BookingTable &table);

    // Fails (Overflow) when the balance leaves the 64-bit range. A day before the previous
    // one starts the walk afresh.
    Result<std::int64_t> BalanceAt(double day);

private:
    const BookingTable &m_table;
    int m_first = 0; // the slot the walk starts at; beyond count when nothing counts
    int m_next = 0;  // the slot the walk looks at next
    Int128 m_balance = 0;
    std::optional<double> m_lastDay;
};

// One day's balance on its own.
Result<std::int64_t> BalanceAt(const BookingTable &table, double day);

// balance × (rate / 36500), the factor a 64-bit float, rounded to the nearest ten-thousandth,
// an exact half to even; 0 unless the balance is positive (credit) or negative (debit).
// Fails (Overflow) when the product leaves the 64-bit range, as only an absurd rate makes it.
Result<std::int64_t> DailyCreditInterest(std::int64_t balance, double rate);
Result<std::int64_t> DailyDebitInterest(std::int64_t balance, double rate);

// The value date of the first completed or planned booking in table order (in the interest
// order the earliest completed one, or the earliest planned one without completed bookings),
// as a whole day; interest is counted from this day on. None without such a booking.
std::optional<double> FirstBookingDay(const BookingTable &table);

// Daily amounts added as integers: credit ≥ 0, debit ≤ 0 (it costs).
struct PeriodInterest {
    std::int64_t credit = 0;
    std::int64_t debit = 0;
    std::int64_t total = 0; // credit + debit

    friend bool operator==(const PeriodInterest &, const PeriodInterest &) = default;
};

// The days from "from" to "to", both included, that are not before the first booking. A
// period that begins earlier counts from the first booking on; one whose end lies before its
// start, or before the first booking, has no days and gives 0.
Result<PeriodInterest> InterestForPeriod(const BookingTable &table, const InterestRates &rates,
                                         double from, double to);

// Each calendar month of the year with its real last day, so that the twelve months add up
// to the year. Fails (Invalid) for a year outside 1 to 9999.
Result<std::array<PeriodInterest, 12>> MonthlyInterest(const BookingTable &table,
                                                       const InterestRates &rates, int year);

} // namespace penvaro::core
