#include "core/date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace penvaro::core;

TEST(Date, ParsesTypedDatesAndRefusesImpossibleOnes) {
    struct Case {
        const char *text;
        std::optional<double> dayCount;
    };
    const Case cases[] = {
        {"01.01.2011", 40544.0}, {"1.1.2011", 40544.0}, {"30.12.1899", 0.0},
        {"29.02.2012", 40968.0}, {"29.02.2011", {}},    {"31.02.2011", {}},
        {"00.05.2011", {}},      {"31.04.2011", {}},    {"1.13.2011", {}},
        {"01.01.11", {}},        {"01.01.2011 ", {}},   {"", {}},
        {"001.01.2011", {}},     {"01-01-2011", {}},    {"31.12.9999", 2958465.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.dayCount, ParseDate(c.text));
    }
}

TEST(Date, FormatsTheWholeDay) {
    struct Case {
        double dayCount;
        const char *text;
    };
    const Case cases[] = {
        {0.0, "30.12.1899"},
        {40544.75, "01.01.2011"},
        {-0.5, "30.12.1899"}, // the day part of a negative count is its integer part
        {-1.0, "29.12.1899"},
        {21916.0, "01.01.1960"},
        {std::numeric_limits<double>::quiet_NaN(), "-"},
        {std::numeric_limits<double>::infinity(), "-"},
        {1e300, "-"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.text, FormatDate(c.dayCount));
    }
}

TEST(Date, ATypedTwoDigitYearFallsWithinTwentyYearsAfterThisYear) {
    struct Case {
        const char *text;
        int thisYear;
        const char *read; // nullptr: refused
    };
    const Case cases[] = {
        {"11.12.26", 2026, "11.12.2026"},   {"1.1.00", 2026, "01.01.2000"},
        {"31.12.46", 2026, "31.12.2046"},   {"01.01.47", 2026, "01.01.1947"},
        {"01.01.99", 2026, "01.01.1999"},   {"01.01.47", 2027, "01.01.2047"},
        {"29.02.00", 2026, "29.02.2000"},   {"29.02.27", 2026, nullptr},
        {"31.12.2026", 2026, "31.12.2026"}, {"31.12.0026", 2026, "31.12.0026"},
        {"01.01.202", 2026, nullptr},       {"01.01.6", 2026, nullptr},
        {"01.01.", 2026, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto day = ParseTypedDate(c.text, c.thisYear);
        if (c.read)
            EXPECT_EQ(FormatDate(day.value_or(-1e9)), c.read);
        else
            EXPECT_FALSE(day);
    }
}
