#include "core/amountinput.h"

#include <gtest/gtest.h>

#include <limits>

using penvaro::core::ParseAmount;

TEST(ParseAmount, ReadsTypedAmountsExactly) {
    struct Case {
        const char *text;
        std::optional<std::int64_t> amount;
    };
    const Case cases[] = {
        {"12,5", 125000},
        {"-5", -50000},
        {"+5", 50000},
        {" 7,25 ", 72500},
        {",5", 5000},
        {"3,", 30000},
        {"12,34567", 123457},
        {"12,34565", 123456}, // an exact half goes to the even neighbour
        {"12,34575", 123458},
        {"12,345650001", 123457},
        {"0,00005", 0},
        {"0,00015", 2},
        {"-0,00005", 0},
        {"1.234,56", {}}, // no thousands separators
        {"12.5", {}},
        {"", {}},
        {"-", {}},
        {",", {}},
        {"1,2,3", {}},
        {"1e3", {}},
        {"922337203685477,5807", std::numeric_limits<std::int64_t>::max()},
        {"922337203685477,5808", {}},
        {"-922337203685477,5808", std::numeric_limits<std::int64_t>::min()},
        {"-922337203685477,5809", {}},
        {"99999999999999999999999999999999999999999", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.amount, ParseAmount(c.text, ','));
    }
    EXPECT_EQ(125000, ParseAmount("12.5", '.'));
}
