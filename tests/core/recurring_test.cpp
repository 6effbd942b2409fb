#include "support/records.h"

#include "core/date.h"
#include "core/recurring.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace penvaro;
using core::BookingKind;
using core::BookingRecord;
using core::BookingTable;

namespace {

double day(const std::string &text) {
    return text == "0" ? 0.0 : *core::ParseDate(text);
}

struct CatchUp {
    std::vector<std::string> planned; // value dates in creation order
    std::string nextCheckDay;
};

CatchUp catchUp(const std::vector<BookingRecord> &records, const std::string &lm,
                const std::string &today) {
    BookingTable table;
    penvaro::testing::Fill(table, records);
    const auto result = core::PlanDueRecurringBookings(table, day(lm), day(today));
    EXPECT_TRUE(result);
    EXPECT_FALSE(result->stopped);
    EXPECT_EQ(static_cast<int>(records.size()), table.count()) << "the table stays as it is";
    CatchUp out{{}, core::FormatDate(result->nextCheckDay)};
    for (const BookingRecord &planned : result->planned) {
        EXPECT_EQ(BookingKind::Planned, planned.Satzart);
        out.planned.push_back(core::FormatDate(planned.Wertdatum));
    }
    return out;
}

} // namespace

TEST(RecurringBookings, CatchUpPlansTheDueMonthsOfEachInterval) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        const char *lm;
        const char *today;
        std::vector<std::string> planned;
        const char *nextCheckDay;
    };
    const Case cases[] = {
        {"monthly, due within the checked days",
         {penvaro::testing::Completed(2011, 1, "02.05.2011"),
          penvaro::testing::Recurring(15, "15.06.2011")},
         "10.05.2011",
         "20.05.2011",
         {"15.06.2011"},
         "21.05.2011"},
        {"the same day again creates nothing",
         {penvaro::testing::Recurring(15, "15.06.2011")},
         "21.05.2011",
         "21.05.2011",
         {},
         "22.05.2011"},
        {"opened again on a checked day",
         {penvaro::testing::Recurring(15, "15.06.2011")},
         "21.05.2011",
         "20.05.2011",
         {},
         "21.05.2011"},
        {"first execution more than a month ahead waits",
         {penvaro::testing::Recurring(15, "15.08.2011")},
         "10.05.2011",
         "20.07.2011",
         {"15.08.2011"},
         "21.07.2011"},
        {"day 30 in February moves to 1 March, March keeps its 30th",
         {penvaro::testing::Recurring(30, "30.01.2011")},
         "01.01.2011",
         "30.04.2011",
         {"01.03.2011", "30.03.2011", "30.04.2011", "30.05.2011"},
         "01.05.2011"},
        {"day 29 in a leap year's February",
         {penvaro::testing::Recurring(29, "29.01.2012")},
         "01.01.2012",
         "31.03.2012",
         {"29.02.2012", "29.03.2012", "29.04.2012"},
         "01.04.2012"},
        {"every 2 months from February",
         {penvaro::testing::Recurring(10, "10.02.2011", 2)},
         "01.01.2011",
         "31.12.2011",
         {"10.02.2011", "10.04.2011", "10.06.2011", "10.08.2011", "10.10.2011", "10.12.2011"},
         "01.01.2012"},
        {"every 3 months from January",
         {penvaro::testing::Recurring(15, "15.01.2011", 3)},
         "01.12.2010",
         "30.11.2011",
         {"15.01.2011", "15.04.2011", "15.07.2011", "15.10.2011"},
         "01.12.2011"},
        {"every 6 months from March",
         {penvaro::testing::Recurring(5, "05.03.2011", 6)},
         "01.01.2011",
         "31.12.2011",
         {"05.03.2011", "05.09.2011"},
         "01.01.2012"},
        {"every 12 months from January repeats each January",
         {penvaro::testing::Recurring(20, "20.01.2011", 12)},
         "01.12.2010",
         "31.12.2012",
         {"20.01.2011", "20.01.2012", "20.01.2013"},
         "01.01.2013"},
        {"every 12 months from June",
         {penvaro::testing::Recurring(15, "15.06.2011", 12)},
         "01.01.2011",
         "31.12.2012",
         {"15.06.2011", "15.06.2012"},
         "01.01.2013"},
        {"an interval the dialogs never store",
         {penvaro::testing::Recurring(15, "15.01.2011", 5)},
         "01.01.2011",
         "31.12.2011",
         {},
         "01.01.2012"},
        {"in table order",
         {penvaro::testing::Recurring(9, "09.02.2011"),
          penvaro::testing::Recurring(9, "09.03.2011")},
         "09.02.2011",
         "09.02.2011",
         {"09.03.2011", "09.03.2011"},
         "10.02.2011"},
        {"never checked: from the same day a month earlier",
         {penvaro::testing::Recurring(19, "19.01.2011"),
          penvaro::testing::Recurring(20, "20.01.2011")},
         "0",
         "20.05.2011",
         {"20.05.2011", "19.06.2011", "20.06.2011"},
         "21.05.2011"},
        {"never checked in January: from December",
         {penvaro::testing::Recurring(14, "14.01.2010"),
          penvaro::testing::Recurring(15, "15.01.2010")},
         "0",
         "15.01.2011",
         {"15.01.2011", "14.02.2011", "15.02.2011"},
         "16.01.2011"},
        {"never checked on 31 March: from 28 February",
         {penvaro::testing::Recurring(27, "27.01.2011"),
          penvaro::testing::Recurring(28, "28.01.2011")},
         "0",
         "31.03.2011",
         {"28.03.2011", "27.04.2011", "28.04.2011"},
         "01.04.2011"},
        {"never checked on 31 March of a leap year: from 29 February",
         {penvaro::testing::Recurring(28, "28.01.2012"),
          penvaro::testing::Recurring(29, "29.01.2012")},
         "0",
         "31.03.2012",
         {"29.03.2012", "28.04.2012", "29.04.2012"},
         "01.04.2012"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CatchUp result = catchUp(c.records, c.lm, c.today);
        EXPECT_EQ(c.planned, result.planned);
        EXPECT_EQ(c.nextCheckDay, result.nextCheckDay);
    }
}

TEST(RecurringBookings, ComparisonDateAllowsAFirstExecutionUpToOneDayAfterIt) {
    struct Case {
        const char *checkDay;
        int executionDay;
        const char *comparisonDate;
    };
    const Case cases[] = {
        {"31.01.2011", 31, "01.03.2011"}, {"29.01.2011", 29, "01.03.2011"},
        {"31.03.2011", 31, "30.04.2011"}, {"31.12.2011", 31, "31.01.2012"},
        {"15.05.2011", 15, "15.06.2011"}, {"28.02.2011", 30, "30.03.2011"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.checkDay);
        for (const int daysAfter : {1, 2}) {
            BookingTable table;
            const std::string first =
                core::FormatDate(day(c.comparisonDate) + static_cast<double>(daysAfter));
            penvaro::testing::Fill(table, {penvaro::testing::Recurring(c.executionDay, first)});
            const auto created = core::ApplyRecurringDay(table, day(c.checkDay));
            ASSERT_TRUE(created);
            EXPECT_EQ(daysAfter == 1 ? 1 : 0, *created) << "first execution " << first;
        }
    }
}

TEST(RecurringBookings, APlannedBookingCopiesAmountAndTextsOnly) {
    BookingRecord recurring = penvaro::testing::Recurring(30, "30.01.2011", 3);
    recurring.SollHaben = u'-';
    recurring.Betrag = 6543210;
    BookingTable table;
    penvaro::testing::Fill(table, {recurring});

    ASSERT_TRUE(core::CreatePlannedFromRecurring(table, recurring, 2, 2011));
    BookingRecord expected;
    expected.Satzart = BookingKind::Planned;
    expected.Wertdatum = day("01.03.2011");
    expected.Buchungsart = recurring.Buchungsart;
    expected.Absender = recurring.Absender;
    expected.Verwendungszweck = recurring.Verwendungszweck;
    expected.SollHaben = u'-';
    expected.Betrag = 6543210;
    ASSERT_EQ(2, table.count());
    EXPECT_EQ(expected, table.slot(2));

    ASSERT_TRUE(core::CreatePlannedFromRecurring(table, recurring, 12, 2011));
    EXPECT_EQ(day("30.12.2011"), table.slot(3).Wertdatum);
    EXPECT_FALSE(core::CreatePlannedFromRecurring(table, recurring, 13, 2011));
    EXPECT_EQ(3, table.count());
}

TEST(RecurringBookings, ASingleRecordIsCheckedOnlyWhenItIsRecurring) {
    BookingTable table;
    penvaro::testing::Fill(table, {penvaro::testing::Completed(2011, 1, "15.05.2011")});
    const BookingRecord recurring = penvaro::testing::Recurring(15, "15.06.2011");
    BookingRecord planned = recurring;
    planned.Satzart = BookingKind::Planned;

    EXPECT_EQ(0, *core::ApplyRecurringDayFor(table, planned, day("15.05.2011")));
    EXPECT_EQ(0, *core::ApplyRecurringDayFor(table, recurring, day("14.05.2011")));
    EXPECT_EQ(1, *core::ApplyRecurringDayFor(table, recurring, day("15.05.2011")));
    EXPECT_EQ(2, table.count());
    EXPECT_EQ(day("15.06.2011"), table.slot(2).Wertdatum);
    // The table itself holds no recurring booking, so the whole-table rule finds nothing.
    EXPECT_EQ(0, *core::ApplyRecurringDay(table, day("15.05.2011")));
}

TEST(RecurringBookings, AFullTableStopsBeforeTheDayThatDoesNotFit) {
    std::vector<BookingRecord> records(core::MaxBookings - 4,
                                       penvaro::testing::Completed(2011, 1, "02.05.2011"));
    records.push_back(penvaro::testing::Recurring(14, "14.06.2011"));
    records.push_back(penvaro::testing::Recurring(15, "15.06.2011"));
    records.push_back(penvaro::testing::Recurring(15, "15.06.2011"));
    BookingTable table;
    penvaro::testing::Fill(table, records);

    const auto result = core::PlanDueRecurringBookings(table, day("10.05.2011"), day("20.05.2011"));
    ASSERT_TRUE(result);
    ASSERT_EQ(1u, result->planned.size()) << "one slot was left";
    EXPECT_EQ(day("14.06.2011"), result->planned[0].Wertdatum);
    // 15.05 is left whole for the next opening.
    EXPECT_EQ(day("15.05.2011"), result->nextCheckDay);
    ASSERT_TRUE(result->stopped);
    EXPECT_EQ(core::ErrorKind::TooLarge, result->stopped->kind);
    EXPECT_NE(std::string::npos, result->stopped->message.find("15.05.2011"));

    table.resize(core::MaxBookings);
    EXPECT_FALSE(core::CreatePlannedFromRecurring(table, records.back(), 6, 2011));
    EXPECT_EQ(core::MaxBookings, table.count());
}

TEST(RecurringBookings, DamagedDaysAreHandledSafely) {
    const std::vector<BookingRecord> records = {penvaro::testing::Recurring(20, "20.01.2011")};
    // An "LM" without a calendar date starts over like a never checked account.
    for (const double lm : {std::nan(""), 1e300, -1e300}) {
        SCOPED_TRACE(lm);
        BookingTable table;
        penvaro::testing::Fill(table, records);
        const auto result = core::PlanDueRecurringBookings(table, lm, day("20.05.2011"));
        ASSERT_TRUE(result);
        EXPECT_EQ(2u, result->planned.size());
        EXPECT_EQ(day("21.05.2011"), result->nextCheckDay);
    }
    BookingTable table;
    penvaro::testing::Fill(table, records);
    // Never checked on the calendar's first day: the month before it has no dates.
    const auto first = core::PlanDueRecurringBookings(table, 0.0, day("01.01.0001"));
    ASSERT_TRUE(first);
    EXPECT_EQ(day("02.01.0001"), first->nextCheckDay);
    EXPECT_FALSE(core::PlanDueRecurringBookings(table, 0.0, std::nan("")));
    EXPECT_FALSE(core::ApplyRecurringDay(table, 1e300));
    EXPECT_EQ(1, table.count());
}

TEST(RecurringBookings, AFileWithoutItsCheckDayDoesNotPlanAgainWhatItHolds) {
    // The file was checked on 15.05.2011 elsewhere: it holds the planned booking of June, and
    // the check day stayed behind with the other computer's settings.
    const BookingRecord recurring = penvaro::testing::Recurring(15, "15.06.2011");
    BookingTable checked;
    penvaro::testing::Fill(checked, {recurring});
    ASSERT_TRUE(core::CreatePlannedFromRecurring(checked, recurring, 6, 2011));
    const BookingRecord june = checked.slot(2);
    BookingRecord changedJune = june;
    changedJune.Betrag += 10000;

    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        const char *lm;
        std::vector<std::string> planned;
    };
    const Case cases[] = {
        {"never checked here, June already planned", {recurring, june}, "0", {}},
        {"never checked here, June planned and changed",
         {recurring, changedJune},
         "0",
         {"15.06.2011"}},
        {"never checked here, nothing planned", {recurring}, "0", {"15.06.2011"}},
        // With its check day the file follows the written rule: a day is checked once.
        {"check day known", {recurring, june}, "10.05.2011", {"15.06.2011"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.planned, catchUp(c.records, c.lm, "20.05.2011").planned) << c.name;
}
