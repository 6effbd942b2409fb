#include "support/records.h"

#include "core/amounttext.h"
#include "core/date.h"
#include "core/interest.h"
#include "core/sortbookingtable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace penvaro;
using core::BookingRecord;
using core::BookingTable;

namespace {

double day(const char *text) {
    return *core::ParseDate(text);
}

BookingTable interestTable(std::vector<BookingRecord> records) {
    records.insert(records.begin(), penvaro::testing::StartValue(0));
    BookingTable table;
    penvaro::testing::Fill(table, records);
    core::SortBookingTable(table, core::InterestOrder);
    return table;
}

std::string euro(std::int64_t amount) {
    return core::FormatEuroText(amount, core::GermanSeparators);
}

constexpr std::int64_t tenThousand = 100000000;  // 10.000,00 €
constexpr std::int64_t dailyAtTwoPercent = 5479; // 5479,45… rounded

// The written rules, day by day and record by record, to check the single pass against.
std::int64_t plainBalanceAt(const BookingTable &table, double whole) {
    int slot = 1;
    while (slot <= table.count()) {
        const auto kind = table.slot(slot).Satzart;
        if (kind == core::BookingKind::StartValue || kind == core::BookingKind::Completed
            || kind == core::BookingKind::Planned)
            break;
        ++slot;
    }
    std::int64_t balance = 0;
    for (; slot <= table.count() && std::trunc(table.slot(slot).Wertdatum) <= whole; ++slot) {
        const BookingRecord &r = table.slot(slot);
        if (r.Satzart != core::BookingKind::Recurring)
            balance += r.SollHaben == u'+' ? r.Betrag : -r.Betrag;
    }
    return balance;
}

core::PeriodInterest plainPeriod(const BookingTable &table, const core::InterestRates &rates,
                                 double from, double to) {
    const auto first = core::FirstBookingDay(table);
    core::PeriodInterest sum;
    for (double d = from; first && d <= to; ++d) {
        if (d < *first)
            continue;
        const double b = static_cast<double>(plainBalanceAt(table, d));
        if (b > 0)
            sum.credit += static_cast<std::int64_t>(std::nearbyint(b * (rates.credit / 36500)));
        if (b < 0)
            sum.debit += static_cast<std::int64_t>(std::nearbyint(b * (rates.debit / 36500)));
    }
    sum.total = sum.credit + sum.debit;
    return sum;
}

} // namespace

TEST(Interest, DailyAmountsRoundEachDayHalfToEven) {
    struct Case {
        const char *name;
        std::int64_t balance;
        double rate;
        std::int64_t credit;
        std::int64_t debit;
    };
    const Case cases[] = {
        {"10.000 € at 2 %", tenThousand, 2.0, dailyAtTwoPercent, 0},
        {"-1.000 € at 9 %", -10000000, 9.0, 0, -2466},
        {"nothing", 0, 9.0, 0, 0},
        {"half rounds down to even", 5, 18250.0, 2, 0},
        {"half rounds up to even", 7, 18250.0, 4, 0},
        {"negative half to even", -5, 18250.0, 0, -2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto credit = core::DailyCreditInterest(c.balance, c.rate);
        const auto debit = core::DailyDebitInterest(c.balance, c.rate);
        ASSERT_TRUE(credit && debit);
        EXPECT_EQ(c.credit, *credit);
        EXPECT_EQ(c.debit, *debit);
    }
    const auto absurd = core::DailyCreditInterest(std::numeric_limits<std::int64_t>::max(), 1e300);
    ASSERT_FALSE(absurd);
    EXPECT_EQ(core::ErrorKind::Overflow, absurd.error().kind);
}

TEST(Interest, MonthsCountFromTheFirstBookingToTheirRealLastDay) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        int year;
        int month;
        std::string credit;
        std::string debit;
    };
    const std::vector<BookingRecord> tenThousandSince2010 = {
        penvaro::testing::Completed(2010, 1, "01.12.2010", tenThousand)};
    const Case cases[] = {
        {"10.000 € in January", tenThousandSince2010, 2011, 1, euro(31 * dailyAtTwoPercent),
         "0,00 €"},
        {"10.000 € in February", tenThousandSince2010, 2011, 2, euro(28 * dailyAtTwoPercent),
         "0,00 €"},
        {"10.000 € in February of a leap year", tenThousandSince2010, 2012, 2,
         euro(29 * dailyAtTwoPercent), "0,00 €"},
        {"-1.000 € at 9 % over 30 days",
         {penvaro::testing::Completed(2011, 1, "01.03.2011", -10000000)},
         2011,
         4,
         "0,00 €",
         "-7,40 €"},
        {"a balance of exactly 0",
         {penvaro::testing::Completed(2011, 1, "01.03.2011", 1000000),
          penvaro::testing::Completed(2011, 1, "01.03.2011", -1000000)},
         2011,
         4,
         "0,00 €",
         "0,00 €"},
        {"first booking 15 March: February",
         {penvaro::testing::Completed(2011, 1, "15.03.2011", tenThousand)},
         2011,
         2,
         "0,00 €",
         "0,00 €"},
        {"first booking 15 March: March",
         {penvaro::testing::Completed(2011, 1, "15.03.2011", tenThousand)},
         2011,
         3,
         euro(17 * dailyAtTwoPercent),
         "0,00 €"},
        {"first booking in December",
         {penvaro::testing::Completed(2011, 1, "10.12.2011", tenThousand)},
         2011,
         12,
         euro(22 * dailyAtTwoPercent),
         "0,00 €"},
        {"first booking 10 February of a leap year",
         {penvaro::testing::Completed(2012, 1, "10.02.2012", tenThousand)},
         2012,
         2,
         euro(20 * dailyAtTwoPercent),
         "0,00 €"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto months = core::MonthlyInterest(interestTable(c.records), {}, c.year);
        ASSERT_TRUE(months);
        const core::PeriodInterest &month = (*months)[static_cast<std::size_t>(c.month - 1)];
        EXPECT_EQ(c.credit, euro(month.credit));
        EXPECT_EQ(c.debit, euro(month.debit));
        EXPECT_EQ(month.credit + month.debit, month.total);
    }
    EXPECT_EQ("16,98 €", euro(31 * dailyAtTwoPercent));
    EXPECT_EQ("15,34 €", euro(28 * dailyAtTwoPercent));
    EXPECT_EQ("15,89 €", euro(29 * dailyAtTwoPercent));
}

TEST(Interest, APeriodCountsFromTheFirstBookingOn) {
    const BookingTable table =
        interestTable({penvaro::testing::Completed(2011, 1, "10.05.2011", tenThousand),
                       penvaro::testing::Planned("01.05.2011", 1)});
    const auto fromFirst = core::InterestForPeriod(table, {}, day("10.05.2011"), day("19.05.2011"));
    const auto dayEarly = core::InterestForPeriod(table, {}, day("09.05.2011"), day("19.05.2011"));
    ASSERT_TRUE(fromFirst && dayEarly);
    EXPECT_EQ(10 * dailyAtTwoPercent, fromFirst->credit);
    EXPECT_EQ(*fromFirst, *dayEarly);

    const auto before = core::InterestForPeriod(table, {}, day("01.01.2011"), day("09.05.2011"));
    const auto reversed = core::InterestForPeriod(table, {}, day("19.05.2011"), day("10.05.2011"));
    ASSERT_TRUE(before && reversed);
    EXPECT_EQ(core::PeriodInterest{}, *before);
    EXPECT_EQ(core::PeriodInterest{}, *reversed);

    EXPECT_FALSE(core::MonthlyInterest(table, {}, 10000));
    EXPECT_FALSE(core::InterestForPeriod(table, {}, std::nan(""), day("10.05.2011")));
}

TEST(Interest, PlannedBookingsCountOnlyWithoutALaterCompletedOne) {
    const std::vector<BookingRecord> early = {
        penvaro::testing::Completed(2011, 1, "01.03.2011", 100000),
        penvaro::testing::Planned("10.03.2011", 50000),
        penvaro::testing::Recurring(5, "05.03.2011")};
    std::vector<BookingRecord> withLaterCompleted = early;
    withLaterCompleted.push_back(penvaro::testing::Completed(2011, 2, "20.03.2011", 10000));
    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        const char *day;
        std::int64_t balance;
    };
    const Case cases[] = {
        {"before every booking", early, "28.02.2011", 0},
        {"the completed booking's own day", early, "01.03.2011", 100000},
        {"planned booking reached", early, "15.03.2011", 150000},
        {"a later completed booking stops the walk", withLaterCompleted, "15.03.2011", 100000},
        {"after the later completed booking", withLaterCompleted, "20.03.2011", 160000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto balance = core::BalanceAt(interestTable(c.records), day(c.day));
        ASSERT_TRUE(balance);
        EXPECT_EQ(c.balance, *balance);
    }
}

TEST(Interest, SinglePassEqualsThePlainWalkOnRandomTables) {
    std::mt19937 rng(1204);
    const double base = day("01.01.2010");
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        std::vector<BookingRecord> records;
        const int count = 1 + static_cast<int>(rng() % 150);
        for (int i = 0; i < count; ++i) {
            static constexpr core::BookingKind kinds[] = {
                core::BookingKind::StartValue, core::BookingKind::Completed,
                core::BookingKind::Completed, core::BookingKind::Planned,
                core::BookingKind::Recurring};
            BookingRecord r;
            r.Satzart = kinds[rng() % 5];
            // Some bookings carry a time of day; only their whole day counts.
            r.Wertdatum = base + static_cast<double>(rng() % 1100) + (rng() % 4 == 0 ? 0.75 : 0.0);
            r.SollHaben = rng() % 2 == 0 ? u'+' : u'-';
            r.Betrag = static_cast<std::int64_t>(rng() % 500000000);
            records.push_back(r);
        }
        BookingTable table;
        penvaro::testing::Fill(table, records);
        // The walk is defined on the table order, whichever order the table has.
        const core::SortOrder order = round % 3 == 0 ? core::SortOrder{} : core::InterestOrder;
        core::SortBookingTable(table, order);
        const core::InterestRates rates{0.5 + static_cast<double>(rng() % 80) / 8.0,
                                        static_cast<double>(rng() % 150) / 10.0};

        const int year = 2010 + static_cast<int>(rng() % 3);
        const auto months = core::MonthlyInterest(table, rates, year);
        ASSERT_TRUE(months);
        core::PeriodInterest sumOfMonths;
        for (int m = 1; m <= 12; ++m) {
            const auto &month = (*months)[static_cast<std::size_t>(m - 1)];
            EXPECT_EQ(plainPeriod(table, rates, core::DayCountFromCivil({year, m, 1}),
                                  core::DayCountFromCivil({year, m, core::DaysInMonth(year, m)})),
                      month)
                << "month " << m;
            sumOfMonths.credit += month.credit;
            sumOfMonths.debit += month.debit;
            sumOfMonths.total += month.total;
        }
        const auto wholeYear =
            core::InterestForPeriod(table, rates, core::DayCountFromCivil({year, 1, 1}),
                                    core::DayCountFromCivil({year, 12, 31}));
        ASSERT_TRUE(wholeYear);
        EXPECT_EQ(sumOfMonths, *wholeYear);

        core::BalanceWalk walk(table);
        for (const double d : {base + 400, base + 401, base + 900, base + 10}) {
            const auto balance = walk.BalanceAt(d);
            ASSERT_TRUE(balance);
            EXPECT_EQ(plainBalanceAt(table, d), *balance) << "day " << d - base;
        }

        const double from = base - 20 + static_cast<double>(rng() % 1200);
        const double to = from + static_cast<double>(rng() % 400);
        const auto period = core::InterestForPeriod(table, rates, from, to);
        ASSERT_TRUE(period);
        EXPECT_EQ(plainPeriod(table, rates, from, to), *period);
    }
}
