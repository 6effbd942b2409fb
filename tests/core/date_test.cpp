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
