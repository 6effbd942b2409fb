#include "core/statementaccount.h"

#include <gtest/gtest.h>

namespace penvaro::core {
namespace {

TEST(MatchStatementAccount, ComparesWhatBothSidesNameAndNothingElse) {
    const struct {
        const char *statement;
        const char *bankCode;
        const char *number;
        AccountMatch expected;
    } cases[] = {
        {"DE02120300000000202051", "12030000", "202051", AccountMatch::Same},
        {"DE02 1203 0000 0000 2020 51", "1203 0000", "0000202051", AccountMatch::Same},
        {"de02120300000000202051", "", "202051", AccountMatch::Same},
        {"12030000/0000202051", "12030000", "202051", AccountMatch::Same},
        {"12030000/0000202051EUR", "12030000", "202051", AccountMatch::Same},
        {"0000202051", "37050198", "202051", AccountMatch::Same},
        {"DE02120300000000202051", "12030000", "DE02120300000000202051", AccountMatch::Same},
        {"12030000/202051", "", "DE02 1203 0000 0000 2020 51", AccountMatch::Same},

        {"DE02120300000000202052", "12030000", "202051", AccountMatch::Other},
        {"DE02370501980000202051", "12030000", "202051", AccountMatch::Other},
        {"37050198/202051", "12030000", "202051", AccountMatch::Other},
        {"0000202052", "12030000", "202051", AccountMatch::Other},
        {"12030000/202051", "", "DE02370501980000202051", AccountMatch::Other},

        {"DE02120300000000202051", "12030000", "", AccountMatch::Unknown},
        {"", "12030000", "202051", AccountMatch::Unknown},
        {"AT611904300234573201", "", "202051", AccountMatch::Unknown},
        {"DE0212030000000020205", "", "202051", AccountMatch::Unknown},
        {"DE02120300000000202051", "12030000", "202-051", AccountMatch::Unknown},
        {"1203/202051", "", "202051", AccountMatch::Unknown},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.statement) + " | " + c.bankCode + " | " + c.number);
        EXPECT_EQ(c.expected, MatchStatementAccount(c.statement, c.bankCode, c.number));
    }
}

} // namespace
} // namespace penvaro::core
