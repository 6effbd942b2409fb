#include "core/amounttext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace penvaro::core;

namespace {

constexpr std::int64_t maxAmount = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t minAmount = std::numeric_limits<std::int64_t>::min();

NationalCurrency currency(double rate, const char *name = "DM") {
    return {*ExchangeRateFromDouble(rate), name};
}

} // namespace

TEST(AmountText, RoundsOnceInDecimalToTwoDecimalsOrTheSignificantDigits) {
    struct Case {
        std::int64_t amount;
        SignificantDigits digits;
        const char *text;
    };
    using enum SignificantDigits;
    const Case cases[] = {
        {0, Standard, "0,00 €"},
        {8502500, Standard, "850,25 €"},
        {12345600, Standard, "1.234,56 €"},
        {-173000, Standard, "-17,30 €"},
        {1000000, Standard, "100,00 €"},
        {10050, Standard, "1,01 €"}, // an exact half goes away from zero
        {-10050, Standard, "-1,01 €"},
        {10049, Standard, "1,00 €"},
        {-49, Standard, "0,00 €"}, // rounds to zero: no sign
        {-50, Standard, "-0,01 €"},
        {99950, Standard, "10,00 €"}, // the carry reaches a new digit
        {1234567891250, Standard, "123.456.789,13 €"},
        {12345678901260, Standard, "1.234.567.890,10 €"},   // 11 significant digits
        {123456789012345, Standard, "12.345.678.901,00 €"}, // 11 integer digits
        {999999999994999, Standard, "99.999.999.999,00 €"}, // the largest fixed form
        {999999999995000, Standard, "1E+11 €"},             // rounds up to 12 digits
        {1234567890123400, Standard, "1,2345678901E+11 €"}, // 12 integer digits
        {-1234567890123400, Standard, "-1,2345678901E+11 €"},
        {maxAmount, Standard, "9,2233720369E+14 €"},
        {minAmount, Standard, "-9,2233720369E+14 €"},
        {12345678900, Overview, "1.234.567,90 €"},
        {123456789000, Overview, "12.345.679,00 €"},
        {1234567890000, Overview, "1,2345679E+08 €"},
        {1234567800, Cell, "123.456,80 €"},
        {99999995000, Cell, "1E+07 €"},
        {123456780000, Cell, "1,234568E+07 €"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(c.text, FormatEuroText(c.amount, GermanSeparators, c.digits));
    }
}

TEST(AmountText, UsesTheLocalesSeparators) {
    EXPECT_EQ("1,234,567.89 €", FormatEuroText(12345678900, {".", ","}));
    EXPECT_EQ("-1\u202F234,56 €", FormatEuroText(-12345600, {",", "\u202F"}));
    EXPECT_EQ("1.5E+11 €", FormatEuroText(1500000000000000, {".", ","}));
}

TEST(AmountText, ConvertsToTheNationalCurrencyExactly) {
    struct Case {
        const char *name;
        std::int64_t amount;
        double rate;
        const char *text;
    };
    const Case cases[] = {
        {"default rate", 8502500, 1.95583, "1.662,94 DM"},
        {"negative amount", -8502500, 1.95583, "-1.662,94 DM"},
        // 500 € × 1.95583 is exactly 977,915; the nearest double to 977.915 lies below it.
        {"half a cent in the exact product", 5000000, 1.95583, "977,92 DM"},
        {"rate 1 keeps every cent", 1234567800, 1.0, "123.456,78 DM"},
        {"rate 0", 8502500, 0.0, "0,00 DM"},
        {"largest amount", maxAmount, 1.95583, "1,8039347731E+15 DM"},
        {"huge rate", 10000, 1e300, "1E+300 DM"},
        {"tiny rate", maxAmount, 1e-300, "0,00 DM"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.text, FormatNationalText(c.amount, currency(c.rate), GermanSeparators));
    }
    EXPECT_EQ("1.234,56 € = 2.414,59 DM",
              FormatCombinedText(12345600, currency(1.95583), GermanSeparators));
    EXPECT_EQ("123.456,80 € = 241.460,50 ATS",
              FormatCombinedText(1234567800, currency(1.95583, "ATS"), GermanSeparators,
                                 SignificantDigits::Cell));
}

TEST(ExchangeRate, TakesTheShortestDecimalOfTheDouble) {
    struct Case {
        double rate;
        ExchangeRate decimal;
    };
    const Case cases[] = {
        {1.95583, {false, 195583, -5}}, {13.7603, {false, 137603, -4}}, {1.0, {false, 1, 0}},
        {0.1, {false, 1, -1}},          {0.0, {false, 0, 0}},           {-0.0, {false, 0, 0}},
        {-2.5, {true, 25, -1}},         {1e300, {false, 1, 300}},       {1250.0, {false, 125, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rate);
        const auto rate = ExchangeRateFromDouble(c.rate);
        ASSERT_TRUE(rate);
        EXPECT_EQ(c.decimal, *rate);
    }
    EXPECT_FALSE(ExchangeRateFromDouble(std::nan("")));
    EXPECT_FALSE(ExchangeRateFromDouble(std::numeric_limits<double>::infinity()));
}
