#include "support/recordingcanvas.h"
#include "support/records.h"

#include "core/yearreportprintout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace penvaro;
using penvaro::testing::RecordingCanvas;

namespace {

// Eighty groups spending every month, and a salary: more rows than a page holds.
core::BookingTable longYear() {
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(10000000)};
    for (int g = 1; g <= 80; ++g) {
        for (int m = 1; m <= 12; ++m) {
            core::BookingRecord r = penvaro::testing::Completed(
                2011, m, (m < 10 ? "10.0" : "10.") + std::to_string(m) + ".2011", -10000 * g);
            r.Buchungsart.setUtf8("Gruppe " + std::to_string(g));
            records.push_back(r);
        }
    }
    core::BookingRecord salary = penvaro::testing::Completed(2011, 1, "28.01.2011", 3000000);
    salary.Buchungsart.setUtf8("Gehalt");
    records.push_back(salary);
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    return table;
}

struct Printed {
    RecordingCanvas canvas;
    core::YearReport report;
};

void print(Printed &out, const core::BookingTable &table,
           const core::YearReportPrintOptions &options) {
    auto report = core::BuildYearReport(table, 2011, core::ReportGrouping::Category);
    auto flows = core::BuildMonthlyFlows(table, 2011, core::ReportGrouping::Category);
    auto course = core::BuildBalanceCourse(table, 2011, penvaro::testing::Day("15.06.2011"));
    ASSERT_TRUE(report && flows && course);
    out.report = *report;
    ASSERT_TRUE(core::PrintYearReport(out.canvas, *report, *flows, *course, options));
}

} // namespace

TEST(YearReportPrintout, PrintsEveryRowOnceAndKeepsTheChartsOnThePage) {
    Printed printed;
    print(printed, longYear(), {"Jahresauswertung 2011", core::GermanSeparators, std::nullopt});
    const RecordingCanvas &canvas = printed.canvas;
    EXPECT_EQ("Jahresauswertung 2011", canvas.steps().front().text);
    ASSERT_EQ(3, canvas.pages()); // two of the table, one of the charts

    std::map<std::string, int> names;
    for (const auto &t : canvas.texts()) {
        if (t.x1 == 100 && t.page < 3)
            ++names[t.text];
    }
    for (const auto &row : printed.report.rows)
        EXPECT_EQ(1, names[row.name]) << row.name;
    EXPECT_EQ(1, names["Summe"]);
    const auto sum = canvas.findText("Summe");
    EXPECT_EQ(2, sum->page);
    EXPECT_TRUE(canvas.findText("-80,00")) << "amounts without the currency in the table";
    EXPECT_TRUE(canvas.findText("Summen je Monat (Beträge in €)"));

    // Hatches and lines never leave the printable area of an A4 page.
    for (const auto &l : canvas.lines()) {
        for (const int x : {l.x1, l.x2})
            EXPECT_TRUE(x >= 0 && x <= 2100) << "x " << x << " on page " << l.page;
        for (const int y : {l.y1, l.y2})
            EXPECT_TRUE(y <= 0 && y >= -2970) << "y " << y << " on page " << l.page;
    }
    // The eight largest groups and the rest have a legend entry each on the chart page.
    std::set<std::string> chartTexts;
    for (const auto &t : canvas.texts()) {
        if (t.page == 3)
            chartTexts.insert(t.text);
    }
    for (const char *name : {"Gruppe 80", "Gruppe 73", "Sonstige", "Einnahmen", "Prognose"})
        EXPECT_TRUE(chartTexts.contains(name)) << name;
    EXPECT_FALSE(chartTexts.contains("Gruppe 72")) << "in the rest";
}

TEST(YearReportPrintout, NamesTheNationalCurrencyAndReportsAFailedStart) {
    core::YearReportPrintOptions options{"Jahr", core::GermanSeparators,
                                         core::NationalCurrency{{false, 195583, -5}, "DM"}};
    Printed printed;
    print(printed, longYear(), options);
    EXPECT_TRUE(printed.canvas.findText("Summen je Monat (Beträge in DM)"));
    EXPECT_TRUE(printed.canvas.findText("-156,47")) << "80,00 € in DM, without the name";

    RecordingCanvas failing;
    failing.failBeginWith("Kein Drucker");
    const core::YearReport empty;
    const auto result = core::PrintYearReport(failing, empty, {}, {}, options);
    ASSERT_FALSE(result);
    EXPECT_EQ("Kein Drucker", result.error().message);
}
