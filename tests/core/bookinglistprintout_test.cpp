#include "support/recordingcanvas.h"
#include "support/records.h"

#include "core/bookinglistprintout.h"
#include "core/printcolumns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace penvaro;
using core::TextAlign;
using penvaro::testing::Completed;
using penvaro::testing::Day;
using penvaro::testing::Planned;
using penvaro::testing::RecordingCanvas;
using penvaro::testing::StartValue;

namespace {

using Step = RecordingCanvas::Step;

core::BookingTable tableOf(const std::vector<core::BookingRecord> &records) {
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    return table;
}

core::ListPrintOptions options() {
    core::ListPrintOptions o;
    o.fileName = "/home/anna/Konten/giro.p11";
    o.title1 = "Getätigt";
    o.title2 = "Geplant";
    return o;
}

core::BookingListRange range(const char *from, const char *to, const char *earliest) {
    return {Day(from), Day(to), Day(earliest), true, true};
}

bool hasTextAt(const RecordingCanvas &canvas, const std::string &text, int x, int y) {
    const auto texts = canvas.texts();
    return std::any_of(texts.begin(), texts.end(),
                       [&](const Step &s) { return s.text == text && s.x1 == x && s.y1 == y; });
}

std::vector<Step> textsOf(const RecordingCanvas &canvas, const std::string &text) {
    std::vector<Step> found;
    for (const Step &s : canvas.texts())
        if (s.text == text)
            found.push_back(s);
    return found;
}

std::tuple<int, int> at(const std::optional<Step> &step) {
    return step ? std::make_tuple(step->x1, step->y1) : std::make_tuple(0, 0);
}

std::vector<int> xsOf(const core::CompletedPrintColumns &c) {
    std::vector<int> xs;
    for (const auto &x : {c.statementNumber, c.statementDate, std::optional<int>(c.valueDate),
                          std::optional<int>(c.bookingType), c.sender, c.purpose, c.bookingDate,
                          std::optional<int>(c.mark), std::optional<int>(c.amount), c.balance})
        if (x)
            xs.push_back(*x);
    return xs;
}

std::vector<int> xsOf(const core::PlannedPrintColumns &c) {
    std::vector<int> xs;
    for (const auto &x :
         {std::optional<int>(c.valueDate), std::optional<int>(c.bookingType), c.sender, c.purpose,
          std::optional<int>(c.mark), std::optional<int>(c.amount), c.balance})
        if (x)
            xs.push_back(*x);
    return xs;
}

} // namespace

TEST(PrintColumns, LaysOutTheChosenColumnsByTheirShares) {
    struct Case {
        const char *name;
        core::PrintColumnChoices choices;
        int width1;
        std::vector<int> completed;
        std::vector<int> planned;
    };
    const Case cases[] = {
        {"all on",
         {},
         1950,
         {100, 238, 394, 511, 628, 930, 1394, 1511, 1706, 1930},
         {100, 255, 410, 811, 1407, 1666, 1964}},
        {"all off", {false, false, false, false, false}, 3860, {100, 332, 564, 950}, {}},
        {"no statement data",
         {false, true, true, true, true},
         2450,
         {100, 247, 394, 774, 1357, 1504, 1749, 2031},
         {100, 255, 410, 811, 1407, 1666, 1964}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const core::PrintColumns columns = core::ComputePrintColumns(c.choices);
        EXPECT_EQ(columns.completed.width, c.width1);
        EXPECT_EQ(xsOf(columns.completed), c.completed);
        if (!c.planned.empty()) {
            EXPECT_EQ(xsOf(columns.planned), c.planned);
        }
    }
}

TEST(PrintColumns, LabelsOfColumnsThatAreOffStayClearOfTheirNeighbours) {
    const core::PrintColumns all = core::ComputePrintColumns({});
    EXPECT_EQ(all.bookingDateLabelX(), 1394);
    EXPECT_EQ(all.purposeLabelX(), 930);

    // Booking date and purpose off: W1 = 2740; the mark column moves to 1267.
    const core::PrintColumns off = core::ComputePrintColumns({true, true, false, false, true});
    EXPECT_EQ(off.completed.mark, 1267);
    EXPECT_EQ(off.bookingDateLabelX(), 1267 - 164);
    EXPECT_EQ(off.purposeLabelX(), 1267 - 652);
    EXPECT_LT(off.purposeLabelX(), off.planned.amount - 500);
}

TEST(BookingListPrintout, FirstPageHeaderHasTheFileTitleAndHeadings) {
    RecordingCanvas canvas;
    const auto table = tableOf({Completed(2011, 1, "03.01.2011")});
    ASSERT_TRUE(core::PrintBookingList(canvas, table, options(),
                                       range("03.01.2011", "03.01.2011", "03.01.2011")));

    EXPECT_EQ(canvas.steps().front().text, "Getätigt") << "the job is named after its title";
    EXPECT_EQ(at(canvas.findText("/home/anna/Konten/giro.p11")), std::make_tuple(10, -10));
    EXPECT_EQ(canvas.findText("Seite 1")->font.cellHeight, 30);
    EXPECT_EQ(at(canvas.findText("Seite 1")), std::make_tuple(1800, -10));
    const auto title = canvas.findText("Getätigt");
    EXPECT_EQ(at(title), std::make_tuple(1050, -50));
    EXPECT_EQ(title->font.cellHeight, 60);
    EXPECT_EQ(title->align, TextAlign::Centre);

    const auto statementHeadings = textsOf(canvas, "Auszugs-");
    ASSERT_EQ(statementHeadings.size(), 1u) << "once over both statement columns";
    EXPECT_EQ(statementHeadings[0].x1, (100 + 238 + 12) / 2);
    EXPECT_EQ(at(canvas.findText("nummer")), std::make_tuple(100, -240));
    EXPECT_EQ(at(canvas.findText("datum")), std::make_tuple(238 + 12, -240));
    EXPECT_EQ(at(canvas.findText("Buchungs-")), std::make_tuple(511 - 65, -200));
    EXPECT_EQ(at(canvas.findText("art")), std::make_tuple(511 + 10, -240));
    EXPECT_TRUE(canvas.findText("art")->font.bold);
    EXPECT_EQ(at(canvas.findText("Betrag")), std::make_tuple(1706, -240));
    EXPECT_EQ(at(canvas.findText("Konto-")), std::make_tuple(1930, -200));

    std::vector<int> headerRules;
    for (const Step &s : canvas.lines())
        if (s.y1 > -350)
            headerRules.push_back(s.y1);
    EXPECT_EQ(headerRules, (std::vector<int>{-50, -120, -300}));
    EXPECT_EQ(canvas.lines().front().x2, 2100);
}

TEST(BookingListPrintout, RecordTextsAreCutWhereTheNextColumnBegins) {
    struct Case {
        const char *what;
        core::PrintColumnChoices choices;
        const char *text;
        int x;
        int edge;
    };
    // The widths follow from the shares of the layout: with every column 1950, without the
    // booking date 2090.
    const Case cases[] = {
        {"type before the sender", {}, "Abbuchung", 511, 628 - 20},
        {"sender before the purpose", {}, "Stadtwerke Köln", 628, 930 - 20},
        {"purpose before the centred booking date", {}, "Abschlag", 930, 1394 - 90},
        {"purpose before the mark", {true, true, true, false, true}, "Abschlag", 989, 1486 - 20},
        {"type before the purpose", {true, false, true, true, true}, "Abbuchung", 579, 715 - 20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RecordingCanvas canvas;
        core::ListPrintOptions o = options();
        o.columns = c.choices;
        const auto table = tableOf({Completed(2011, 1, "03.01.2011", 10000, "Abschlag")});
        ASSERT_TRUE(core::PrintBookingList(canvas, table, o,
                                           range("03.01.2011", "03.01.2011", "03.01.2011")));
        const auto cell = canvas.findText(c.text);
        ASSERT_TRUE(cell);
        EXPECT_EQ(std::make_tuple(cell->x1, cell->x2), std::make_tuple(c.x, c.edge));
    }
}

TEST(BookingListPrintout, FortyFourRowsFillAPageAndTheNextPageRepeatsTheHeader) {
    std::vector<core::BookingRecord> records;
    for (int i = 0; i < 45; ++i)
        records.push_back(Completed(2011, i + 1, "03.01.2011"));
    RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintBookingList(canvas, tableOf(records), options(),
                                       range("03.01.2011", "03.01.2011", "03.01.2011")));

    const auto dates = textsOf(canvas, "03.01.2011");
    std::vector<Step> valueDates;
    std::copy_if(dates.begin(), dates.end(), std::back_inserter(valueDates),
                 [](const Step &s) { return s.x1 == 394 && s.font.cellHeight == 33; });
    ASSERT_EQ(valueDates.size(), 45u);
    EXPECT_EQ(std::make_tuple(valueDates[0].y1, valueDates[0].page), std::make_tuple(-350, 1));
    EXPECT_EQ(std::make_tuple(valueDates[43].y1, valueDates[43].page), std::make_tuple(-2500, 1));
    EXPECT_EQ(std::make_tuple(valueDates[44].y1, valueDates[44].page), std::make_tuple(-350, 2));
    EXPECT_EQ(canvas.findText("Seite 2")->page, 2);
    EXPECT_EQ(textsOf(canvas, "Getätigt").size(), 2u);
}

TEST(BookingListPrintout, StartValueAndRunningBalanceFollowTheRange) {
    const auto table = tableOf({StartValue(1000000), Completed(2011, 1, "03.01.2011", 500000),
                                Completed(2011, 2, "04.01.2011", -20000)});
    struct Case {
        const char *name;
        const char *firstDay;
        bool startValueLine;
        int lastRowY;
    };
    const Case cases[] = {
        {"from the earliest day", "03.01.2011", true, -450},
        {"one day later", "04.01.2011", false, -350},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingCanvas canvas;
        ASSERT_TRUE(core::PrintBookingList(canvas, table, options(),
                                           range(c.firstDay, "31.12.2011", "03.01.2011")));
        const auto label = canvas.findText("Startwert:");
        EXPECT_EQ(label.has_value(), c.startValueLine);
        if (label) {
            EXPECT_EQ(at(label), std::make_tuple(1394, -350));
            EXPECT_TRUE(label->font.bold);
            const auto amount = canvas.findText("100,00 €");
            EXPECT_EQ(at(amount), std::make_tuple(1930, -350));
        }
        // The booking before the first day still counts in the balance of the later row.
        EXPECT_EQ(at(canvas.findText("148,00 €")), std::make_tuple(1930, c.lastRowY));
    }
}

TEST(BookingListPrintout, SumsAndGrandTotalStandWhereTheListsEnd) {
    const auto table = tableOf({Completed(2011, 1, "03.01.2011", 20000),
                                Planned("05.01.2011", -5000), Planned("06.01.2011", -2500)});
    RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintBookingList(canvas, table, options(),
                                       range("03.01.2011", "31.12.2011", "02.01.2011")));

    const auto sums = textsOf(canvas, "Summe:");
    ASSERT_EQ(sums.size(), 2u);
    // One row at -350: the first sum at -500, the planned heading at -900, rows from -1175.
    EXPECT_EQ(std::make_tuple(sums[0].x1, sums[0].y1), std::make_tuple(1500, -500));
    EXPECT_TRUE(hasTextAt(canvas, "2,00 €", 1900, -500));
    EXPECT_EQ(at(canvas.findText("Geplant")), std::make_tuple(1050, -900));
    EXPECT_EQ(at(canvas.findText("06.01.2011")), std::make_tuple(100, -1225));
    EXPECT_EQ(std::make_tuple(sums[1].x1, sums[1].y1), std::make_tuple(1500, -1375));
    EXPECT_EQ(at(canvas.findText("-0,75 €")), std::make_tuple(1950, -1375));
    // The planned balance starts from every completed booking.
    EXPECT_TRUE(hasTextAt(canvas, "1,50 €", 1964, -1175));
    EXPECT_EQ(at(canvas.findText("Gesamtsumme:")), std::make_tuple(1400, -1575));
    EXPECT_EQ(canvas.findText("Gesamtsumme:")->font.cellHeight, 50);
    EXPECT_TRUE(hasTextAt(canvas, "1,25 €", 1900, -1575));
    EXPECT_EQ(canvas.pages(), 1);
}

TEST(BookingListPrintout, TablesLeftOutChangeWhereThePrintoutStarts) {
    const auto table = tableOf({Completed(2011, 1, "03.01.2011"), Planned("05.01.2011")});

    RecordingCanvas plannedOnly;
    auto r = range("03.01.2011", "31.12.2011", "03.01.2011");
    r.printCompleted = false;
    ASSERT_TRUE(core::PrintBookingList(plannedOnly, table, options(), r));
    EXPECT_EQ(at(plannedOnly.findText("Geplant")), std::make_tuple(1050, -60));
    EXPECT_FALSE(plannedOnly.findText("Seite 1"));
    EXPECT_FALSE(plannedOnly.findText("/home/anna/Konten/giro.p11"));

    RecordingCanvas neither;
    r.printPlanned = false;
    ASSERT_TRUE(core::PrintBookingList(neither, table, options(), r));
    ASSERT_EQ(neither.texts().size(), 2u);
    EXPECT_EQ(at(neither.findText("Gesamtsumme:")), std::make_tuple(1400, -210));
    EXPECT_EQ(at(neither.findText("0,00 €")), std::make_tuple(1900, -210));
    EXPECT_EQ(neither.lines().front().y1, -80);
}

TEST(BookingListPrintout, PageBreaksKeepPlannedRowsAndTheGrandTotalOnThePaper) {
    std::vector<core::BookingRecord> records;
    for (int i = 0; i < 44; ++i)
        records.push_back(Completed(2011, i + 1, "03.01.2011"));
    records.push_back(Planned("05.01.2011"));

    RecordingCanvas both;
    ASSERT_TRUE(core::PrintBookingList(both, tableOf(records), options(),
                                       range("03.01.2011", "31.12.2011", "03.01.2011")));
    // The planned table begins a new page with its heading, file name and page number.
    const auto title2 = both.findText("Geplant");
    EXPECT_EQ(std::make_tuple(title2->x1, title2->y1, title2->page), std::make_tuple(1050, -50, 2));
    EXPECT_EQ(both.findText("Seite 2")->page, 2);
    EXPECT_EQ(at(both.findText("05.01.2011")), std::make_tuple(100, -350));

    RecordingCanvas completedOnly;
    auto r = range("03.01.2011", "31.12.2011", "03.01.2011");
    r.printPlanned = false;
    ASSERT_TRUE(core::PrintBookingList(completedOnly, tableOf(records), options(), r));
    // Below the 44th row the grand total would stand at -3200: it takes the next page.
    const auto total = completedOnly.findText("Gesamtsumme:");
    EXPECT_EQ(std::make_tuple(total->y1, total->page), std::make_tuple(-210, 2));
    for (const Step &s : completedOnly.steps())
        EXPECT_GE(s.y1 - s.font.cellHeight, core::LowestPrintableY) << s.text;
}

TEST(BookingListPrintout, NationalCurrencyAndColumnsOffShapeTheRows) {
    auto o = options();
    o.national = true;
    o.columns = {false, false, false, false, false};
    core::BookingRecord withStatement = Completed(2011, 7, "03.01.2011", 100000);
    RecordingCanvas canvas;
    ASSERT_TRUE(core::PrintBookingList(canvas, tableOf({withStatement}), o,
                                       range("03.01.2011", "03.01.2011", "01.01.2011")));
    EXPECT_EQ(at(canvas.findText("19,56 DM")), std::make_tuple(950, -350));
    EXPECT_FALSE(canvas.findText("7 / 2011"));
    EXPECT_FALSE(canvas.findText("Stadtwerke Köln"));
    EXPECT_FALSE(canvas.findText("Konto-"));
    EXPECT_EQ(at(canvas.findText("+")), std::make_tuple(564, -350));
}

TEST(BookingListPrintout, AmountsTooLargeToSumPrintNothing) {
    const auto table = tableOf(
        {Completed(2011, 1, "03.01.2011", INT64_MAX), Completed(2011, 2, "04.01.2011", INT64_MAX)});
    RecordingCanvas canvas;
    const auto printed = core::PrintBookingList(canvas, table, options(),
                                                range("03.01.2011", "31.12.2011", "03.01.2011"));
    ASSERT_FALSE(printed);
    EXPECT_EQ(printed.error().kind, core::ErrorKind::Overflow);
    EXPECT_TRUE(canvas.steps().empty());
}
