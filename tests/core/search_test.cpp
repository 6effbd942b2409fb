#include "support/records.h"

#include "core/date.h"
#include "core/evaluationrows.h"
#include "core/search.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::BookingRecord;
using core::BookingTable;
using core::SearchMode;

namespace {

double day(const char *text) {
    return *core::ParseDate(text);
}

BookingRecord withTexts(const char *art, const char *absender, const char *zweck) {
    BookingRecord r = penvaro::testing::Completed(2011, 7, "10.05.2011");
    r.Buchungsart.setUtf8(art);
    r.Absender.setUtf8(absender);
    r.Verwendungszweck.setUtf8(zweck);
    return r;
}

core::SearchCriteria criteria(SearchMode mode, const char *word, core::SearchFields fields) {
    return {mode, word, fields, day("01.01.2011"), day("31.12.2011")};
}

constexpr core::SearchFields zweckOnly{false, false, true};
constexpr core::SearchFields allFields{true, true, true};

BookingTable tableOf(const std::vector<BookingRecord> &records) {
    BookingTable table;
    penvaro::testing::Fill(table, records);
    return table;
}

} // namespace

TEST(Search, MatchesTheWordAsEachRuleSays) {
    struct Case {
        const char *name;
        SearchMode mode;
        const char *word;
        core::SearchFields fields;
        BookingRecord record;
        bool matches;
    };
    const Case cases[] = {
        {"exact: equal", SearchMode::Exact, "Miete", zweckOnly, withTexts("", "", "Miete"), true},
        {"exact: other case", SearchMode::Exact, "Miete", zweckOnly, withTexts("", "", "miete"),
         false},
        {"exact: more words", SearchMode::Exact, "Miete", zweckOnly, withTexts("", "", "Miete Mai"),
         false},
        {"exact: blanks count", SearchMode::Exact, "Miete ", zweckOnly, withTexts("", "", "Miete"),
         false},
        {"exact: empty word, empty field", SearchMode::Exact, "", zweckOnly,
         withTexts("Dauerauftrag", "Vermieter", ""), true},
        {"exact: umlaut", SearchMode::Exact, "Übertrag", allFields, withTexts("Übertrag", "", ""),
         true},
        {"contained: inside a word", SearchMode::Containing, "miete", zweckOnly,
         withTexts("", "", "Monatsmiete Mai"), true},
        {"contained: capitals", SearchMode::Containing, "miete", zweckOnly,
         withTexts("", "", "MIETE"), true},
        {"contained: umlaut folds", SearchMode::Containing, "über", zweckOnly,
         withTexts("", "", "Übertrag"), true},
        {"contained: ß stays ß", SearchMode::Containing, "strasse", allFields,
         withTexts("", "Hauptstraße 1", "Straße"), false},
        {"contained: accents do not fold", SearchMode::Containing, "café", allFields,
         withTexts("", "CAFÉ", ""), false},
        {"contained: empty word", SearchMode::Containing, "", allFields, withTexts("", "", ""),
         false},
        {"field not ticked", SearchMode::Containing, "miete", zweckOnly,
         withTexts("Miete", "Miete", "Strom"), false},
        {"no field ticked", SearchMode::Containing, "miete", {}, withTexts("", "", "Miete"), false},
        {"range ignores word and fields",
         SearchMode::DateRange,
         "nirgends",
         {},
         withTexts("", "", ""),
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.matches,
                  core::BookingMatcher(criteria(c.mode, c.word, c.fields)).Matches(c.record));
    }
}

TEST(Search, CandidatesAreWholeValueDaysInTheRangeAndNeverRecurring) {
    BookingRecord recurring = withTexts("Miete", "Miete", "Miete");
    recurring.Satzart = core::BookingKind::Recurring;
    BookingRecord lateOnLastDay = penvaro::testing::Completed(2011, 1, "31.12.2011", 1, "Miete");
    lateOnLastDay.Wertdatum += 0.99;
    struct Case {
        const char *name;
        BookingRecord record;
        bool candidate;
    };
    const Case cases[] = {
        {"first day", penvaro::testing::Completed(2011, 1, "01.01.2011", 1, "Miete"), true},
        {"last day, late in the day", lateOnLastDay, true},
        {"day before", penvaro::testing::Completed(2010, 1, "31.12.2010", 1, "Miete"), false},
        {"day after", penvaro::testing::Completed(2012, 1, "01.01.2012", 1, "Miete"), false},
        {"planned", penvaro::testing::Planned("01.06.2011"), true},
        {"recurring", recurring, false},
    };
    core::SearchCriteria range = criteria(SearchMode::DateRange, "", {});
    range.from += 0.5; // the picker's time of day plays no part
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.candidate, core::BookingMatcher(range).MatchesDateRange(c.record));
    }
    const core::BookingMatcher everyText(criteria(SearchMode::Exact, "Miete", allFields));
    EXPECT_FALSE(everyText.MatchesExact(recurring));
    EXPECT_FALSE(everyText.MatchesContaining(recurring));
}

TEST(Search, ListsEachBookingOnceInTableOrderWithTheSignedSum) {
    const BookingTable table = tableOf({
        penvaro::testing::StartValue(500000),
        withTexts("Miete", "Vermieter", "Miete Mai"), // found by two fields, listed once
        penvaro::testing::Completed(2011, 8, "20.05.2011", -2500000, "Nebenkosten Miete"),
        penvaro::testing::Completed(2011, 9, "25.05.2011", 990000, "Gehalt"),
        penvaro::testing::Planned("01.06.2011", 1000000),
    });
    const auto found =
        core::SearchBookings(table, criteria(SearchMode::Containing, "MIETE", allFields));
    ASSERT_TRUE(found);
    EXPECT_EQ((std::vector<int>{2, 3}), found->matches);
    EXPECT_EQ(10000 - 2500000, found->sum);

    const auto credit100debit250 = core::SearchBookings(
        tableOf({penvaro::testing::Completed(2011, 1, "01.02.2011", 1000000),
                 penvaro::testing::Planned("03.02.2011", -400000),
                 penvaro::testing::Completed(2011, 1, "02.02.2011", -2500000)}),
        criteria(SearchMode::DateRange, "", {}));
    ASSERT_TRUE(credit100debit250);
    EXPECT_EQ("-190,00 €", core::EvaluationAmountText(credit100debit250->sum, {}));
    EXPECT_EQ(-400000, credit100debit250->plannedSum) << "what has not moved yet, kept apart";
    EXPECT_EQ(-1500000, credit100debit250->bookedSum());

    const auto range = core::BookingValueDateRange(table);
    ASSERT_TRUE(range);
    EXPECT_EQ(day("10.05.2011"), range->from);
    EXPECT_EQ(day("01.06.2011"), range->to);
    EXPECT_FALSE(core::BookingValueDateRange(tableOf({penvaro::testing::StartValue(1)})));
}

TEST(EvaluationRows, CellsFollowTheLayout) {
    BookingRecord completed =
        penvaro::testing::Completed(2011, 7, "10.05.2011", 1234567800, "Kaufpreis");
    completed.Auszugsdatum = day("12.05.2011");
    completed.Buchungsdatum = day("09.05.2011");
    BookingRecord planned = penvaro::testing::Planned("01.06.2011", -1000000);
    const core::EvaluationLayout euroOnly;
    core::EvaluationLayout withBookingDates;
    withBookingDates.bookingDates = true;
    core::EvaluationLayout noStatements;
    noStatements.statementData = false;
    core::EvaluationLayout national;
    national.euro = false;
    national.national = true;
    core::EvaluationLayout both = national;
    both.euro = true;

    using Cells = std::vector<std::string>;
    struct Case {
        const char *name;
        BookingRecord record;
        core::EvaluationLayout layout;
        Cells cells;
    };
    const Case cases[] = {
        {"completed, to the cent",
         completed,
         euroOnly,
         {"7 / 2011", "12.05.2011", "10.05.2011", "Abbuchung", "Stadtwerke Köln", "Kaufpreis", "+",
          "123.456,78 €"}},
        {"planned: no statement data",
         planned,
         euroOnly,
         {"", "", "01.06.2011", "Abbuchung", "Stadtwerke Köln", "Abschlag 01.06.2011", "-",
          "100,00 €"}},
        {"start value keeps the columns",
         penvaro::testing::StartValue(500000),
         euroOnly,
         {"", "", "01.01.1960", "", "", "", "+", "50,00 €"}},
        {"booking dates",
         completed,
         withBookingDates,
         {"7 / 2011", "12.05.2011", "10.05.2011", "Abbuchung", "Stadtwerke Köln", "Kaufpreis",
          "09.05.2011", "+", "123.456,78 €"}},
        {"no booking date for a planned booking",
         planned,
         withBookingDates,
         {"", "", "01.06.2011", "Abbuchung", "Stadtwerke Köln", "Abschlag 01.06.2011", "", "-",
          "100,00 €"}},
        {"no statement data",
         planned,
         noStatements,
         {"01.06.2011", "Abbuchung", "Stadtwerke Köln", "Abschlag 01.06.2011", "-", "100,00 €"}},
        {"national",
         planned,
         national,
         {"", "", "01.06.2011", "Abbuchung", "Stadtwerke Köln", "Abschlag 01.06.2011", "-",
          "195,58 DM"}},
        {"both currencies",
         planned,
         both,
         {"", "", "01.06.2011", "Abbuchung", "Stadtwerke Köln", "Abschlag 01.06.2011", "-",
          "100,00 € = 195,58 DM"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.cells, core::EvaluationRowCells(c.record, c.layout));
        EXPECT_EQ(static_cast<int>(c.cells.size()), core::EvaluationColumnCount(c.layout));
    }
}

TEST(EvaluationRows, FoundBookingsAreFollowedByAnEmptyRowAndTheSum) {
    const BookingTable table = tableOf({
        penvaro::testing::Completed(2011, 1, "01.02.2011", 1234567800),
        penvaro::testing::Completed(2011, 1, "02.02.2011", -1000000),
        penvaro::testing::Planned("03.02.2011", 1000000),
    });
    const auto all = core::SearchBookings(table, criteria(SearchMode::DateRange, "", {}));
    ASSERT_TRUE(all);
    const core::EvaluationLayout layout;
    const auto rows = core::EvaluationTableRows(table, *all, layout);
    ASSERT_EQ(5u, rows.size()) << "with the heading, 3 bookings give 6 rows";
    EXPECT_EQ(std::vector<std::string>(8), rows[3]);
    EXPECT_EQ((std::vector<std::string>{"", "", "", "", "", "SUMME:", "", "123.456,78 €"}),
              rows[4]);

    const auto onlyBig =
        core::SearchBookings(table, criteria(SearchMode::Exact, "Abschlag 01.02.2011", zweckOnly));
    ASSERT_TRUE(onlyBig);
    const auto bigRows = core::EvaluationTableRows(table, *onlyBig, layout);
    ASSERT_EQ(3u, bigRows.size());
    EXPECT_EQ("123.456,78 €", bigRows[0].back());
    EXPECT_EQ("123.456,78 €", bigRows[2].back());

    const auto none =
        core::SearchBookings(table, criteria(SearchMode::Containing, "nirgends", allFields));
    ASSERT_TRUE(none);
    EXPECT_EQ(1u, core::EvaluationTableRows(table, *none, layout).size());
}
