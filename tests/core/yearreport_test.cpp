#include "support/records.h"

#include "core/balancecourse.h"
#include "core/date.h"
#include "core/yearreport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace penvaro;
using core::BookingRecord;
using core::ReportGrouping;
using penvaro::testing::Day;

namespace {

BookingRecord booked(const std::string &valueDate, std::int64_t amount, const std::string &art,
                     const std::string &party = "Stadtwerke Köln") {
    BookingRecord r = penvaro::testing::Completed(2011, 1, valueDate, amount);
    r.Buchungsart.setUtf8(art);
    r.Absender.setUtf8(party);
    return r;
}

// Slots 1 to 13, as the cell tests name them.
std::vector<BookingRecord> yearFixture() {
    BookingRecord planned = penvaro::testing::Planned("15.03.2011", -999900);
    planned.Buchungsart.setUtf8("Miete");
    BookingRecord recurring = penvaro::testing::Recurring(1, "01.01.2011");
    recurring.Buchungsart.setUtf8("Miete");
    BookingRecord lateEvening = booked("31.12.2011", 2000000, "Gehalt", "Firma");
    lateEvening.Wertdatum += 0.9; // a time of day does not move it into the next year
    return {
        penvaro::testing::StartValue(1000000),               // 1
        booked("31.12.2010", -50000, "Miete"),               // 2 the year before
        booked("01.01.2011", -50000, "Miete", "Vermieter"),  // 3
        booked("01.02.2011", -50000, "Miete ", "Vermieter"), // 4 a trailing blank
        lateEvening,                                         // 5
        booked("01.01.2012", -50000, "Miete"),               // 6 the year after
        planned,                                             // 7
        recurring,                                           // 8
        booked("10.03.2011", -3000, ""),                     // 9 no category
        booked("12.03.2011", -2000, "  ", ""),               // 10 blanks only
        booked("20.03.2011", -10000, "Bäcker"),              // 11 equal totals ...
        booked("21.03.2011", -10000, "Apotheke"),            // 12 ... ordered by name
        booked("05.03.2011", 0, "Apotheke"),                 // 13
    };
}

// "name: month sums ... = total", months without bookings as "."
std::vector<std::string> rowTexts(const core::YearReport &report) {
    std::vector<std::string> out;
    auto text = [](const core::YearReportRow &row) {
        std::string line = row.name + ":";
        for (const std::int64_t m : row.months)
            line += ' ' + (m == 0 ? std::string(".") : std::to_string(m));
        return line + " = " + std::to_string(row.total);
    };
    for (const auto &row : report.rows)
        out.push_back(text(row));
    out.push_back(text(report.sum));
    return out;
}

} // namespace

TEST(YearReport, SumsTheCompletedBookingsOfTheYearPerGroupAndMonth) {
    core::BookingTable table;
    penvaro::testing::Fill(table, yearFixture());
    struct Case {
        ReportGrouping grouping;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {ReportGrouping::Category,
         {"Miete: -50000 -50000 . . . . . . . . . . = -100000",
          "Apotheke: . . -10000 . . . . . . . . . = -10000",
          "Bäcker: . . -10000 . . . . . . . . . = -10000",
          "(ohne): . . -5000 . . . . . . . . . = -5000",
          "Gehalt: . . . . . . . . . . . 2000000 = 2000000",
          "Summe: -50000 -50000 -25000 . . . . . . . . 2000000 = 1875000"}},
        {ReportGrouping::Party,
         {"Vermieter: -50000 -50000 . . . . . . . . . . = -100000",
          "Stadtwerke Köln: . . -23000 . . . . . . . . . = -23000",
          "(ohne): . . -2000 . . . . . . . . . = -2000",
          "Firma: . . . . . . . . . . . 2000000 = 2000000",
          "Summe: -50000 -50000 -25000 . . . . . . . . 2000000 = 1875000"}},
    };
    for (const Case &c : cases) {
        const auto report = core::BuildYearReport(table, 2011, c.grouping);
        ASSERT_TRUE(report);
        EXPECT_EQ(c.rows, rowTexts(*report)) << static_cast<int>(c.grouping);
    }
    const auto empty = core::BuildYearReport(table, 2013, ReportGrouping::Category);
    ASSERT_TRUE(empty);
    EXPECT_EQ(std::vector<std::string>{"Summe: . . . . . . . . . . . . = 0"}, rowTexts(*empty));
}

TEST(YearReport, ASumBeyondSixtyFourBitsIsAnErrorNotAWrongFigure) {
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
    };
    const Case cases[] = {
        {"one month", {booked("01.01.2011", max, "A"), booked("02.01.2011", 1, "A")}},
        {"the year of one group", {booked("01.01.2011", max, "A"), booked("01.02.2011", 1, "A")}},
        {"the month total of two groups",
         {booked("01.01.2011", max, "A"), booked("02.01.2011", 1, "B")}},
    };
    for (const Case &c : cases) {
        core::BookingTable table;
        penvaro::testing::Fill(table, c.records);
        const auto report = core::BuildYearReport(table, 2011, ReportGrouping::Category);
        ASSERT_FALSE(report) << c.name;
        EXPECT_EQ(core::ErrorKind::Overflow, report.error().kind) << c.name;
    }
}

TEST(YearReport, ACellListsTheBookingsItSums) {
    core::BookingTable table;
    penvaro::testing::Fill(table, yearFixture());
    struct Case {
        std::optional<std::string> group;
        std::optional<int> month;
        std::vector<int> slots;
    };
    const Case cases[] = {
        {"Miete", 2, {4}},
        {"Miete", std::nullopt, {3, 4}},
        {"(ohne)", 3, {9, 10}},
        {"Apotheke", 3, {12, 13}},
        {std::nullopt, 3, {9, 10, 11, 12, 13}},
        {std::nullopt, std::nullopt, {3, 4, 5, 9, 10, 11, 12, 13}},
        {"Miete", 3, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.slots,
                  core::YearReportSlots(table, 2011, ReportGrouping::Category, c.group, c.month))
            << c.group.value_or("all") << " " << c.month.value_or(0);
}

TEST(YearReport, MonthlyFlowsChartTheEightLargestOutgoingGroupsAndTheRest) {
    std::vector<BookingRecord> records;
    // Groups G1 to G10 spend 1 to 10 euro in January; G10 also receives money.
    for (int g = 1; g <= 10; ++g)
        records.push_back(booked("05.01.2011", -10000 * g, "G" + std::to_string(g)));
    records.push_back(booked("06.01.2011", 500000, "G10"));
    records.push_back(booked("06.02.2011", 70000, "Gehalt"));
    core::BookingTable table;
    penvaro::testing::Fill(table, records);

    const auto flows = core::BuildMonthlyFlows(table, 2011, ReportGrouping::Category);
    ASSERT_TRUE(flows);
    std::vector<std::string> names;
    for (const auto &series : flows->outgoing)
        names.push_back(series.name + "=" + std::to_string(series.months[0]));
    EXPECT_EQ(
        (std::vector<std::string>{"G10=100000", "G9=90000", "G8=80000", "G7=70000", "G6=60000",
                                  "G5=50000", "G4=40000", "G3=30000", "Sonstige=30000"}),
        names);
    EXPECT_EQ(500000, flows->incoming[0]);
    EXPECT_EQ(70000, flows->incoming[1]);
    EXPECT_EQ(0, flows->incoming[2]);
}

TEST(BalanceCourse, BooksTheYearAndProjectsTheNextTwelveMonths) {
    BookingRecord rent = penvaro::testing::Recurring(1, "01.01.2011");
    rent.SollHaben = u'-';
    rent.Betrag = 50000;
    BookingRecord salary = penvaro::testing::Recurring(28, "28.01.2011", 3);
    salary.Betrag = 200000;
    const std::vector<BookingRecord> records = {
        penvaro::testing::StartValue(100000),
        penvaro::testing::Completed(2010, 9, "30.12.2010", 10000),
        penvaro::testing::Completed(2011, 1, "01.01.2011", 20000),
        penvaro::testing::Completed(2011, 2, "10.06.2011", -5000),
        penvaro::testing::Planned("01.06.2011", -50000), // overdue: counts from today on
        penvaro::testing::Planned("01.07.2011", -50000), // planned when the file was opened
        rent,
        salary,
    };
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    const double today = Day("15.06.2011");

    const auto course = core::BuildBalanceCourse(table, 2011, today);
    ASSERT_TRUE(course);
    ASSERT_EQ(166u, course->booked.size()); // 01.01. to 15.06.
    auto at = [](const std::vector<core::BalancePoint> &points, const std::string &day) {
        for (const auto &p : points) {
            if (p.day == Day(day))
                return p.balance;
        }
        ADD_FAILURE() << "no point on " << day;
        return std::int64_t{-1};
    };
    EXPECT_EQ(130000, at(course->booked, "01.01.2011"));
    EXPECT_EQ(130000, at(course->booked, "09.06.2011"));
    EXPECT_EQ(125000, at(course->booked, "15.06.2011"));

    ASSERT_EQ(Day("15.06.2011"), course->projected.front().day);
    ASSERT_EQ(Day("15.06.2012"), course->projected.back().day);
    EXPECT_EQ(75000, at(course->projected, "15.06.2011"));
    EXPECT_EQ(25000, at(course->projected, "01.07.2011"));
    EXPECT_EQ(25000, at(course->projected, "27.07.2011"));
    EXPECT_EQ(225000, at(course->projected, "28.07.2011")); // salary, every third month
    EXPECT_EQ(175000, at(course->projected, "01.08.2011")); // the first forecast rent
    // Four salaries and eleven rents until then.
    EXPECT_EQ(25000 + 4 * 200000 - 11 * 50000, at(course->projected, "15.06.2012"));

    // A year that is over has no projection; one two years ahead has nothing to show.
    const auto past = core::BuildBalanceCourse(table, 2010, today);
    ASSERT_TRUE(past);
    EXPECT_EQ(365u, past->booked.size());
    EXPECT_EQ(110000, past->booked.back().balance);
    EXPECT_TRUE(past->projected.empty());
    const auto far = core::BuildBalanceCourse(table, 2013, today);
    ASSERT_TRUE(far);
    EXPECT_TRUE(far->booked.empty());
    EXPECT_TRUE(far->projected.empty());
}

TEST(BalanceCourse, ProjectionEndsTwelveMonthsOnWithinTheMonth) {
    EXPECT_EQ(Day("28.02.2013"), core::ProjectionEnd(Day("29.02.2012")));
    EXPECT_EQ(Day("31.12.2012"), core::ProjectionEnd(Day("31.12.2011")));
}
