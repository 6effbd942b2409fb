#include "core/typedamount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using penvaro::core::ErrorKind;
using penvaro::core::ReadTypedAmount;

TEST(ReadTypedAmount, ReadsTheShownFormExactly) {
    struct Case {
        const char *text;
        std::int64_t amount;
    };
    const Case cases[] = {
        {"1.234,56", 12345600},
        {"100.000", 1000000000},
        {"100.000,00", 1000000000},
        {"12.345.678,90", 123456789000},
        {"1.234", 12340000}, // a dot that groups three digits is a thousands dot
        {"12,5", 125000},
        {"1234,56", 12345600},
        {"800", 8000000},
        {"0,01", 100},
        {"0", 0},
        {",5", 5000},
        {"3,", 30000},
        {"  7,25\t", 72500},
        {"922.337.203.685.477,58", 9223372036854775800},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadTypedAmount(c.text);
        ASSERT_TRUE(read) << read.error().message;
        EXPECT_EQ(c.amount, *read);
    }
}

TEST(ReadTypedAmount, RefusesWithTheExpectedForm) {
    struct Case {
        const char *text;
        const char *message;
    };
    const Case cases[] = {
        {"1.23,45", "Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)"},
        {"1..234", "Unzulässiger Betrag: 1..234 (z. B. 1.234,56)"},
        {"1.2345,00", "Unzulässiger Betrag: 1.2345,00 (z. B. 1.234,56)"},
        {".234", "Unzulässiger Betrag: .234 (z. B. 1.234,56)"},
        {"1.234.", "Unzulässiger Betrag: 1.234. (z. B. 1.234,56)"},
        {"1234.567", "Unzulässiger Betrag: 1234.567 (z. B. 1.234,56)"},
        {"1,234.56", "Unzulässiger Betrag: 1,234.56 (z. B. 1.234,56)"},
        // A decimal point is neither read as a grouping nor as a comma.
        {"25.50", "Unzulässiger Betrag: 25.50 (z. B. 1.234,56)"},
        {"25.5", "Unzulässiger Betrag: 25.5 (z. B. 1.234,56)"},
        {" -50,00 ", "Unzulässiger Betrag: -50,00 (ohne Vorzeichen, z. B. 1.234,56)"},
        {"+5", "Unzulässiger Betrag: +5 (ohne Vorzeichen, z. B. 1.234,56)"},
        {"-0", "Unzulässiger Betrag: -0 (ohne Vorzeichen, z. B. 1.234,56)"},
        {"12,345", "Unzulässiger Betrag: 12,345 (höchstens zwei Nachkommastellen, z. B. 1.234,56)"},
        {"12 €", "Unzulässiger Betrag: 12 € (z. B. 1.234,56)"},
        {"1e3", "Unzulässiger Betrag: 1e3 (z. B. 1.234,56)"},
        {"zehn", "Unzulässiger Betrag: zehn (z. B. 1.234,56)"},
        {"1 234", "Unzulässiger Betrag: 1 234 (z. B. 1.234,56)"},
        {"1,2,3", "Unzulässiger Betrag: 1,2,3 (z. B. 1.234,56)"},
        {",", "Unzulässiger Betrag: , (z. B. 1.234,56)"},
        {"", "Kein Betrag eingegeben (z. B. 1.234,56)"},
        {"   ", "Kein Betrag eingegeben (z. B. 1.234,56)"},
        {"922.337.203.685.477,59",
         "Unzulässiger Betrag: 922.337.203.685.477,59 (zu groß, z. B. 1.234,56)"},
        {"99999999999999999999999999",
         "Unzulässiger Betrag: 99999999999999999999999999 (zu groß, z. B. 1.234,56)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = ReadTypedAmount(c.text);
        ASSERT_FALSE(read) << *read;
        EXPECT_EQ(ErrorKind::Invalid, read.error().kind);
        EXPECT_EQ(std::string(c.message), read.error().message);
    }
}
