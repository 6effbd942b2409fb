#include "core/creditorid.h"

#include <gtest/gtest.h>

namespace penvaro::core {
namespace {

TEST(CreditorId, ChecksTheDigitsWithoutTheBusinessCode) {
    struct Case {
        const char *typed;
        const char *normalised; // empty: refused
    };
    const Case cases[] = {
        {"DE98ZZZ09999999999", "DE98ZZZ09999999999"},
        {"de98 zzz 0999 9999 999", "DE98ZZZ09999999999"},
        // The business code may be anything: it is not part of the check.
        {"DE98ABC09999999999", "DE98ABC09999999999"},
        {"DE97ZZZ09999999999", ""},
        {"DE98ZZZ09999999998", ""},
        {"1E98ZZZ09999999999", ""},
        {"DEX8ZZZ09999999999", ""},
        {"DE98ZZZ", ""},
        {"DE98ZZZ0999999-999", ""},
        {"", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const auto id = CheckCreditorId(c.typed);
        if (*c.normalised == '\0') {
            ASSERT_FALSE(id);
            EXPECT_EQ(ErrorKind::Invalid, id.error().kind);
        } else {
            ASSERT_TRUE(id) << id.error().message;
            EXPECT_EQ(c.normalised, *id);
        }
    }
}

} // namespace
} // namespace penvaro::core
