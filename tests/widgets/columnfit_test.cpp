#include "widgets/columnfit.h"

#include <gtest/gtest.h>

#include <numeric>

namespace penvaro::widgets {
namespace {

TEST(FitColumnWidths, FreeTextGivesUpWidthBeforeAmountsAndDates) {
    struct Case {
        const char *what;
        std::vector<ColumnNeed> columns;
        int available;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"everything fits as the user left it",
         {{100, 80, false}, {150, 30, true}, {100, 90, false}},
         350,
         {100, 150, 100}},
        {"room left over goes to the free text by its widths",
         {{100, 80, false}, {100, 30, true}, {300, 30, true}},
         600,
         {100, 125, 375}},
        {"a column narrower than its text is widened",
         {{50, 80, false}, {150, 30, true}},
         230,
         {80, 150}},
        {"the text columns share the shortage by what they have above a comfortable width",
         {{100, 100, false}, {140, 20, true}, {240, 20, true}, {100, 100, false}},
         440,
         {100, 101, 139, 100}},
        {"then the other columns give up what they have beyond their text",
         {{100, 60, false}, {100, 0, true}},
         130,
         {60, 70}},
        {"text columns stop at their floor, the rest is left to scrolling",
         {{100, 100, false}, {150, 20, true}, {100, 100, false}},
         200,
         {100, YieldingFloor, 100}},
        {"without text columns nothing yields",
         {{100, 100, false}, {90, 90, false}},
         100,
         {100, 90}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto widths = FitColumnWidths(c.columns, c.available);
        EXPECT_EQ(c.expected, widths);
        for (std::size_t i = 0; i < widths.size(); ++i)
            EXPECT_GE(widths[i], c.columns[i].minimum);
    }
}

TEST(FitColumnWidths, TheColumnsFillTheWholeWidthAndNoMore) {
    const std::vector<ColumnNeed> columns = {
        {75, 70, false}, {150, 0, true}, {150, 0, true}, {151, 0, true}, {100, 95, false}};
    for (int available = 300; available <= 900; available += 7) {
        const auto widths = FitColumnWidths(columns, available);
        EXPECT_EQ(available, std::accumulate(widths.begin(), widths.end(), 0)) << available;
    }
}

} // namespace
} // namespace penvaro::widgets
