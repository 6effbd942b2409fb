#include "interest.h"

#include "date.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace penvaro::core {
namespace {

Error overflow(const std::string &what) {
    return {ErrorKind::Overflow, what + " liegt außerhalb des darstellbaren Bereichs."};
}

bool countsInBalance(BookingKind kind) {
    return kind == BookingKind::StartValue || kind == BookingKind::Completed
           || kind == BookingKind::Planned;
}

// The whole day of a day count: the fraction is a time of day, whatever the sign.
double wholeDay(double dayCount) {
    return std::trunc(dayCount);
}

Result<std::int64_t> dailyInterest(std::int64_t balance, double rate) {
    const double factor = rate / 36500.0;
    // The default floating-point rounding mode rounds an exact half to even.
    const double rounded = std::nearbyint(static_cast<double>(balance) * factor);
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!(rounded >= -limit && rounded < limit))
        return overflow("Der Tageszins");
    return static_cast<std::int64_t>(rounded);
}

// Adds the daily interest of the days from "from" to "to" that are not before "first". The
// walk must not have seen a later day than "from".
Result<PeriodInterest> sumDays(BalanceWalk &walk, const InterestRates &rates, double from,
                               double to, double first) {
    Int128 credit = 0;
    Int128 debit = 0;
    for (double day = std::max(from, first); day <= to; day += 1.0) {
        const auto balance = walk.BalanceAt(day);
        if (!balance)
            return balance.error();
        const auto dayCredit = DailyCreditInterest(*balance, rates.credit);
        if (!dayCredit)
            return dayCredit.error();
        const auto dayDebit = DailyDebitInterest(*balance, rates.debit);
        if (!dayDebit)
            return dayDebit.error();
        credit += *dayCredit;
        debit += *dayDebit;
    }
    if (!FitsInt64(credit) || !FitsInt64(debit) || !FitsInt64(credit + debit))
        return overflow("Der Zinsbetrag");
    return PeriodInterest{static_cast<std::int64_t>(credit), static_cast<std::int64_t>(debit),
                          static_cast<std::int64_t>(credit + debit)};
}

Error outsideCalendar(const std::string &what) {
    return {ErrorKind::Invalid, what + " liegt außerhalb des Kalenders."};
}

} // namespace

BalanceWalk::BalanceWalk(const BookingTable &table)
    : m_table(table) {
    m_first = 1;
    while (m_first <= m_table.count() && !countsInBalance(m_table.slot(m_first).Satzart))
        ++m_first;
    m_next = m_first;
}

Result<std::int64_t> BalanceWalk::BalanceAt(double day) {
    day = wholeDay(day);
    if (m_lastDay && day < *m_lastDay) {
        m_next = m_first;
        m_balance = 0;
    }
    m_lastDay = day;
    for (; m_next <= m_table.count(); ++m_next) {
        const BookingRecord &r = m_table.slot(m_next);
        if (!(wholeDay(r.Wertdatum) <= day))
            break;
        if (r.Satzart != BookingKind::Recurring)
            m_balance += r.SollHaben == u'+' ? Int128{r.Betrag} : -Int128{r.Betrag};
    }
    if (!FitsInt64(m_balance))
        return overflow("Der Kontostand am " + FormatDate(day));
    return static_cast<std::int64_t>(m_balance);
}

Result<std::int64_t> BalanceAt(const BookingTable &table, double day) {
    BalanceWalk walk(table);
    return walk.BalanceAt(day);
}

Result<std::int64_t> DailyCreditInterest(std::int64_t balance, double rate) {
    return balance > 0 ? dailyInterest(balance, rate) : Result<std::int64_t>(0);
}

Result<std::int64_t> DailyDebitInterest(std::int64_t balance, double rate) {
    return balance < 0 ? dailyInterest(balance, rate) : Result<std::int64_t>(0);
}

std::optional<double> FirstBookingDay(const BookingTable &table) {
    for (const BookingRecord &r : table.used()) {
        if (r.Satzart == BookingKind::Completed || r.Satzart == BookingKind::Planned)
            return wholeDay(r.Wertdatum);
    }
    return std::nullopt;
}

Result<PeriodInterest> InterestForPeriod(const BookingTable &table, const InterestRates &rates,
                                         double from, double to) {
    if (!CivilFromDayCount(from))
        return outsideCalendar("Der Beginn des Zeitraums");
    if (!CivilFromDayCount(to))
        return outsideCalendar("Das Ende des Zeitraums");
    const auto first = FirstBookingDay(table);
    if (!first)
        return PeriodInterest{};
    BalanceWalk walk(table);
    return sumDays(walk, rates, wholeDay(from), wholeDay(to), *first);
}

Result<std::array<PeriodInterest, 12>> MonthlyInterest(const BookingTable &table,
                                                       const InterestRates &rates, int year) {
    if (year < 1 || year > 9999)
        return outsideCalendar("Das Jahr " + std::to_string(year));
    std::array<PeriodInterest, 12> months{};
    const auto first = FirstBookingDay(table);
    if (!first)
        return months;
    BalanceWalk walk(table);
    for (int month = 1; month <= 12; ++month) {
        const double from = DayCountFromCivil({year, month, 1});
        const double to = DayCountFromCivil({year, month, DaysInMonth(year, month)});
        auto sum = sumDays(walk, rates, from, to, *first);
        if (!sum)
            return sum.error();
        months[static_cast<std::size_t>(month - 1)] = *sum;
    }
    return months;
}

} // namespace penvaro::core
