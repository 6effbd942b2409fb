#include "support/records.h"

#include "core/amounttext.h"
#include "core/balances.h"
#include "core/date.h"
#include "core/sortbookingtable.h"

#include <gtest/gtest.h>

#include <limits>

using namespace penvaro;
using core::BookingRecord;
using core::BookingTable;

namespace {

constexpr std::int64_t maxAmount = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t minAmount = std::numeric_limits<std::int64_t>::min();

double day(const char *text) {
    return *core::ParseDate(text);
}

// The example account: 1000,00 € start, -200,00 €, +50,25 €.
std::vector<BookingRecord> exampleAccount() {
    return {penvaro::testing::StartValue(10000000),
            penvaro::testing::Completed(2011, 1, "10.05.2011", -2000000),
            penvaro::testing::Completed(2011, 2, "20.05.2011", 502500)};
}

BookingRecord withDirection(BookingRecord r, char16_t sollHaben, std::int64_t betrag) {
    r.SollHaben = sollHaben;
    r.Betrag = betrag;
    return r;
}

BookingTable sortedTable(const std::vector<BookingRecord> &records,
                         const core::SortOrder &order = {}) {
    BookingTable table;
    penvaro::testing::Fill(table, records);
    core::SortBookingTable(table, order);
    return table;
}

} // namespace

TEST(Balances, SumsEachKindByItsDirection) {
    auto records = exampleAccount();
    records.push_back(penvaro::testing::Planned("25.05.2011", -300000));
    records.push_back(penvaro::testing::Planned("01.06.2011", 1000000));
    records.push_back(penvaro::testing::Recurring(15, "15.07.2011")); // never counts, never dates
    const BookingTable table = sortedTable(records);

    const auto book = core::ComputeBookBalance(table);
    const auto planned = core::ComputePlannedSum(table);
    ASSERT_TRUE(book && planned);
    EXPECT_EQ(8502500, *book);
    EXPECT_EQ(700000, *planned);
    EXPECT_EQ("850,25 €", core::FormatEuroText(*book, core::GermanSeparators));
    EXPECT_EQ("1.662,94 DM",
              core::FormatNationalText(*book, {*core::ExchangeRateFromDouble(1.95583), "DM"},
                                       core::GermanSeparators));

    const auto projected = core::ComputeProjectedBalance(table, *book, *planned);
    ASSERT_TRUE(projected);
    EXPECT_EQ(9202500, projected->total);
    EXPECT_EQ(day("01.06.2011"), projected->latestValueDate);
    EXPECT_TRUE(projected->shown);
}

TEST(Balances, TodayCountsEveryBookingDatedUpToToday) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> extra;
        std::int64_t today;
    };
    // Today is 20.05.2011; the example account alone gives 850,25 €.
    const Case cases[] = {
        {"planned yesterday counts", {penvaro::testing::Planned("19.05.2011", 10000)}, 8512500},
        {"planned today counts", {penvaro::testing::Planned("20.05.2011", -10000)}, 8492500},
        {"planned tomorrow does not", {penvaro::testing::Planned("21.05.2011", 10000)}, 8502500},
        {"completed tomorrow does not",
         {penvaro::testing::Completed(2011, 3, "21.05.2011", 10000)},
         8502500},
        {"recurring due earlier does not", {penvaro::testing::Recurring(1, "01.01.2011")}, 8502500},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto records = exampleAccount();
        records.insert(records.end(), c.extra.begin(), c.extra.end());
        const BookingTable table = sortedTable(records);
        EXPECT_EQ(c.today, *core::ComputeTodayBalance(table, day("20.05.2011")));
        // A time of day handed in with today changes nothing.
        EXPECT_EQ(c.today, *core::ComputeTodayBalance(table, day("20.05.2011") + 0.75));
    }
}

TEST(Balances, ProjectedBalanceIsDatedAndShownOnlyWithBookings) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        std::optional<double> latest;
        bool shown;
    };
    const Case cases[] = {
        {"empty table", {}, {}, false},
        {"only the start value", {penvaro::testing::StartValue(10000)}, day("01.01.1960"), false},
        {"completed after planned",
         {penvaro::testing::StartValue(0), penvaro::testing::Planned("01.03.2011"),
          penvaro::testing::Completed(2011, 9, "01.04.2011")},
         day("01.04.2011"),
         true},
        {"recurring bookings never date it",
         {penvaro::testing::StartValue(0), penvaro::testing::Completed(2011, 1, "01.02.2011"),
          penvaro::testing::Recurring(1, "01.12.2011")},
         day("01.02.2011"),
         true},
        {"only recurring bookings",
         {penvaro::testing::Recurring(1, "01.12.2011"),
          penvaro::testing::Recurring(5, "05.12.2011")},
         {},
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const BookingTable table = sortedTable(c.records);
        const auto projected = core::ComputeProjectedBalance(table, 0, 0);
        ASSERT_TRUE(projected);
        EXPECT_EQ(c.latest, projected->latestValueDate);
        EXPECT_EQ(c.shown, projected->shown);
    }
}

TEST(Balances, RunningBalancesAccumulateFromTheOldestBookingInEitherOrder) {
    auto records = exampleAccount();
    records.push_back(penvaro::testing::Planned("01.06.2011", 1000000));
    records.push_back(penvaro::testing::Planned("25.05.2011", -300000));
    struct Case {
        const char *name;
        core::SortOrder order;
        std::vector<std::int64_t> done;
        std::vector<std::int64_t> planned;
    };
    const Case cases[] = {
        {"ascending", {}, {10000000, 8000000, 8502500}, {8202500, 9202500}},
        {"descending",
         {core::DoneOrder::Normal, false, false},
         {8502500, 8000000, 10000000},
         {9202500, 8202500}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto running = core::FillRunningBalances(sortedTable(records, c.order), c.order);
        ASSERT_TRUE(running);
        EXPECT_EQ(c.done, running->done);
        EXPECT_EQ(c.planned, running->planned);
    }
}

TEST(Balances, ASumBeyondSixtyFourBitsIsAnErrorNotAWrongBalance) {
    const BookingRecord start = penvaro::testing::StartValue(0);
    const BookingRecord big =
        withDirection(penvaro::testing::Completed(2011, 1, "01.02.2011"), u'+', maxAmount);
    const BookingRecord one = penvaro::testing::Completed(2011, 2, "02.02.2011", 10000);
    const BookingRecord minusTwo = penvaro::testing::Completed(2011, 3, "03.02.2011", -20000);
    const BookingRecord minusMin =
        withDirection(penvaro::testing::Completed(2011, 4, "04.02.2011"), u'-', minAmount);

    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        std::optional<std::int64_t> book;
    };
    const Case cases[] = {
        {"largest amount", {start, big}, maxAmount},
        {"one beyond", {start, big, one}, {}},
        // Only the result has to fit, not a partial sum in table order.
        {"back within range", {start, big, one, minusTwo}, maxAmount - 10000},
        {"debit of the most negative amount", {start, minusMin}, {}},
        {"debit of the most negative amount, balanced",
         {start, minusMin, minusTwo, minusTwo},
         maxAmount - 39999},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto book = core::ComputeBookBalance(sortedTable(c.records));
        ASSERT_EQ(c.book.has_value(), book.hasValue());
        if (c.book)
            EXPECT_EQ(*c.book, *book);
        else
            EXPECT_EQ(core::ErrorKind::Overflow, book.error().kind);
    }

    auto planned = [](std::int64_t amount) {
        return withDirection(penvaro::testing::Planned("01.03.2011"), u'+', amount);
    };
    EXPECT_FALSE(core::ComputePlannedSum(sortedTable({planned(maxAmount), planned(1)})));
    EXPECT_FALSE(
        core::ComputeTodayBalance(sortedTable({start, big, planned(1)}), day("01.04.2011")));
    EXPECT_FALSE(core::ComputeProjectedBalance(sortedTable({start, big}), maxAmount, 1));

    // The book balance fits, but the first planned row does not.
    const auto running = core::FillRunningBalances(sortedTable({start, big, planned(1)}), {});
    ASSERT_FALSE(running);
    EXPECT_NE(std::string::npos, running.error().message.find("Datensatz 3"));
}
