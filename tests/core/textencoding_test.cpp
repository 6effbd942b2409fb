#include "core/textencoding.h"

#include <gtest/gtest.h>

using namespace penvaro;

TEST(TextEncoding, FindsTheFirstByteThatIsNoUtf8AndTellsBankTextsApart) {
    struct Case {
        const char *name;
        std::string bytes;
        std::size_t malformedAt;
        std::string decoded;
    };
    constexpr auto none = std::string::npos;
    const Case cases[] = {
        {"ASCII", "Miete 3", none, "Miete 3"},
        {"UTF-8 umlauts", "Familie \xC3\x96zt\xC3\xBCrk", none, "Familie Öztürk"},
        {"UTF-8 of three and four bytes", "\xE2\x82\xAC \xF0\x9F\x98\x80", none, "€ 😀"},
        {"Windows-1252 umlauts", "Familie \xD6zt\xFCrk", 8, "Familie Öztürk"},
        {"Windows-1252 euro and dash", "\x80 5 \x96 6", 0, "€ 5 – 6"},
        {"cut-off sequence at the end", "Miete \xC3", 6, "Miete Ã"},
        {"overlong slash", "a\xC0\xAF", 1, "aÀ¯"},
        {"surrogate", "a\xED\xA0\x80", 1, "aí\u00A0€"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", 0, "ô\u0090€€"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.malformedAt, core::FirstMalformedUtf8(c.bytes));
        EXPECT_EQ(c.decoded, core::DecodeBankText(c.bytes));
    }
}
