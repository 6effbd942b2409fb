#include "support/recordingcanvas.h"
#include "support/records.h"

#include "core/evaluationprintout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace penvaro;
using penvaro::testing::Completed;
using penvaro::testing::Day;
using penvaro::testing::Planned;
using penvaro::testing::RecordingCanvas;

namespace {

using Step = RecordingCanvas::Step;

core::BookingTable tableOf(const std::vector<core::BookingRecord> &records) {
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    return table;
}

core::BookingMatcher wholeYear() {
    return core::BookingMatcher(
        {core::SearchMode::DateRange, "", {}, Day("01.01.2011"), Day("31.12.2011")});
}

core::EvaluationPrintOptions options() {
    core::EvaluationPrintOptions o;
    o.list.fileName = "/home/anna/giro.p11";
    o.list.title1 = "Auswertung";
    o.list.title2 = "Geplant";
    return o;
}

core::Result<core::EvaluationPrintOutcome> print(RecordingCanvas &canvas,
                                                 const core::BookingTable &table,
                                                 const core::EvaluationPrintOptions &o) {
    return core::PrintEvaluation(canvas, table, wholeYear(), o);
}

std::tuple<int, int> at(const std::optional<Step> &step) {
    return step ? std::make_tuple(step->x1, step->y1) : std::make_tuple(0, 0);
}

bool hasTextAt(const RecordingCanvas &canvas, const std::string &text, int x, int y) {
    const auto texts = canvas.texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const Step &s) { return s.text == text && s.x1 == x && s.y1 == y; });
}

} // namespace

TEST(EvaluationPrintout, NothingMatchedPrintsNothing) {
    // The start value and a recurring booking lie in the range but are no bookings to list.
    const auto table =
        tableOf({penvaro::testing::StartValue(10000), penvaro::testing::Recurring(5, "05.01.2011"),
                 Completed(2010, 1, "03.01.2010")});
    RecordingCanvas canvas;
    const auto outcome = print(canvas, table, options());
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, core::EvaluationPrintOutcome::NothingToPrint);
    EXPECT_TRUE(canvas.steps().empty());
}

TEST(EvaluationPrintout, SectionsSumsAndGrandTotalFollowTheRows) {
    struct Case {
        const char *name;
        std::int64_t completed;
        std::int64_t planned;
        const char *grandTotal; // empty: no grand total line
    };
    const Case cases[] = {
        {"a positive sum", 100000, -50000, "5,00 €"},
        {"both sums negative", -100000, -50000, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto table = tableOf(
            {Completed(2011, 7, "03.01.2011", c.completed), Planned("05.02.2011", c.planned)});
        RecordingCanvas canvas;
        ASSERT_EQ(*print(canvas, table, options()), core::EvaluationPrintOutcome::Printed);

        EXPECT_EQ(at(canvas.findText("7 / 2011")), std::make_tuple(100, -350));
        EXPECT_EQ(at(canvas.findText("Auswertung")), std::make_tuple(1050, -50));
        const auto sums = [&] {
            std::vector<Step> found;
            for (const Step &s : canvas.texts())
                if (s.text == "Summe:")
                    found.push_back(s);
            return found;
        }();
        ASSERT_EQ(sums.size(), 2u);
        EXPECT_EQ(std::make_tuple(sums[0].x1, sums[0].y1), std::make_tuple(1394, -500));
        EXPECT_EQ(at(canvas.findText("Geplant")), std::make_tuple(1050, -900));
        EXPECT_EQ(at(canvas.findText("05.02.2011")), std::make_tuple(100, -1240));
        EXPECT_EQ(std::make_tuple(sums[1].x1, sums[1].y1), std::make_tuple(1394, -1390));
        EXPECT_TRUE(hasTextAt(canvas, "-5,00 €", 1666, -1390));
        const auto total = canvas.findText("Gesamtsumme:");
        EXPECT_EQ(total.has_value(), *c.grandTotal != '\0');
        if (total) {
            EXPECT_EQ(at(total), std::make_tuple(930, -1590));
            EXPECT_EQ(total->font.cellHeight, 60);
            EXPECT_TRUE(hasTextAt(canvas, c.grandTotal, 1666, -1590));
        }
        EXPECT_EQ(canvas.jobs(), 1);
    }
}

TEST(EvaluationPrintout, LongSectionsGoOnInNewPrintJobs) {
    const auto completedRows = [](int count) {
        std::vector<core::BookingRecord> records;
        for (int i = 0; i < count; ++i)
            records.push_back(Completed(2011, i + 1, "03.01.2011"));
        records.push_back(Planned("05.02.2011"));
        return tableOf(records);
    };

    RecordingCanvas canvas;
    ASSERT_EQ(*print(canvas, completedRows(45), options()), core::EvaluationPrintOutcome::Printed);
    // 44 rows in the first job, the 45th at -500 in a second whose pages count from 1.
    EXPECT_EQ(canvas.jobs(), 2);
    EXPECT_TRUE(hasTextAt(canvas, "44 / 2011", 100, -2500));
    EXPECT_EQ(at(canvas.findText("45 / 2011")), std::make_tuple(100, -500));
    std::vector<int> pageNumbers;
    for (const Step &s : canvas.texts())
        if (s.text.starts_with("Seite "))
            pageNumbers.push_back(s.page);
    EXPECT_EQ(pageNumbers, (std::vector<int>{1, 1}));
    EXPECT_TRUE(hasTextAt(canvas, "Geplant", 1050, -1050));

    // After exactly 44 rows the sum still follows them, and the planned section, which would
    // begin below the last row's line, opens the next job with its rows, sum and grand total.
    RecordingCanvas full;
    ASSERT_EQ(*print(full, completedRows(44), options()), core::EvaluationPrintOutcome::Printed);
    EXPECT_EQ(full.jobs(), 2);
    EXPECT_TRUE(hasTextAt(full, "Summe:", 1394, -2650));
    EXPECT_TRUE(hasTextAt(full, "Geplant", 1050, -200));
    EXPECT_TRUE(hasTextAt(full, "05.02.2011", 100, -540));
    EXPECT_TRUE(full.findText("Gesamtsumme:"));
    for (const Step &s : full.steps())
        EXPECT_GE(s.y1 - s.font.cellHeight, core::LowestPrintableY) << s.text;
}

TEST(EvaluationPrintout, ColumnsThatAreOffStayEmptyWhateverTheAccountKeeps) {
    auto o = options();
    o.statementData = true;
    o.bookingDates = true;
    o.list.columns = {false, true, false, false, true};
    core::BookingRecord r = Completed(2011, 7, "03.01.2011", 10000, "Miete Mai");
    r.Buchungsdatum = Day("04.01.2011");
    RecordingCanvas canvas;
    ASSERT_EQ(*print(canvas, tableOf({r, Planned("05.02.2011")}), o),
              core::EvaluationPrintOutcome::Printed);

    EXPECT_FALSE(canvas.findText("7 / 2011"));
    EXPECT_FALSE(canvas.findText("Miete Mai"));
    EXPECT_FALSE(canvas.findText("04.01.2011"));
    const core::PrintColumns columns = core::ComputePrintColumns(o.list.columns);
    EXPECT_EQ(canvas.findText("Summe:")->x1, columns.bookingDateLabelX());
    EXPECT_EQ(canvas.findText("Gesamtsumme:")->x1, columns.purposeLabelX());
    EXPECT_LT(columns.bookingDateLabelX(), columns.completed.mark);
}
