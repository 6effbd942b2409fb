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

TEST(MatchOwnAccount, ComparesTheIbanWhenTheAccountDataHoldOne) {
    const struct {
        const char *name;
        const char *statement;
        OwnAccount own;
        AccountMatch expected;
    } cases[] = {
        {"another account's IBAN statement against an IBAN only",
         "DE72120300000000202052",
         {"", "", "DE02120300000000202051"},
         AccountMatch::Other},
        {"the own IBAN",
         "DE02 1203 0000 0000 2020 51",
         {"", "", "DE02120300000000202051"},
         AccountMatch::Same},
        {"bank code and number of the own IBAN",
         "12030000/0000202051",
         {"", "", "DE02120300000000202051"},
         AccountMatch::Same},
        {"a foreign IBAN compares whole",
         "AT611904300234573201",
         {"", "", "AT611904300234573202"},
         AccountMatch::Other},
        {"the IBAN outranks an old account number",
         "12030000/0000999999",
         {"12030000", "999999", "DE02120300000000202051"},
         AccountMatch::Other},
        {"without an IBAN, number and bank code as before",
         "12030000/0000202051",
         {"12030000", "202051", ""},
         AccountMatch::Same},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, MatchOwnAccount(c.statement, c.own));
    }
}

TEST(ChooseAccountStatements, TakesTheOwnOrTheChosenAccountAndNamesTheOthers) {
    const std::string first = "50880050/0194787400888";
    const std::string second = "50880050/0194791600888";
    const std::vector<Statement> statements = {
        {first, 1, 1.0, std::nullopt, {}},
        {second, 1, 2.0, std::nullopt, {}},
        {first, 2, 3.0, std::nullopt, {}},
    };
    const struct {
        const char *name;
        OwnAccount own;
        std::string chosen;
        std::vector<std::uint16_t> numbers; // of the statements taken; empty: refused
        std::string message;                // part of the refusal, or the left-out account
    } cases[] = {
        {"the account data's number and bank code",
         {"50880050", "194791600888", ""},
         "",
         {1},
         first},
        {"the chosen account as the file writes it", {}, second, {1}, first},
        {"the chosen account as the file writes it, blanks aside",
         {},
         " 50880050/0194787400888",
         {1, 2},
         second},
        {"nothing to decide by", {}, "", {}, "(" + first + ", " + second + ")"},
        {"an account the file does not hold", {}, "12345", {}, "kein Konto „12345“"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto choice = ChooseAccountStatements(statements, c.own, c.chosen);
        if (c.numbers.empty()) {
            ASSERT_FALSE(choice);
            EXPECT_NE(std::string::npos, choice.error().message.find(c.message))
                << choice.error().message;
            continue;
        }
        ASSERT_TRUE(choice) << choice.error().message;
        std::vector<std::uint16_t> numbers;
        for (const Statement &statement : choice->statements)
            numbers.push_back(statement.number);
        EXPECT_EQ(c.numbers, numbers);
        EXPECT_EQ(std::vector<std::string>{c.message}, choice->leftOutAccounts);
    }

    // A file of one account is taken whole whatever the account data say: the import warns
    // about another account on its own.
    const auto single = ChooseAccountStatements({statements[0]}, {"1", "2", ""}, "");
    ASSERT_TRUE(single);
    EXPECT_EQ(1u, single->statements.size());
    EXPECT_TRUE(single->leftOutAccounts.empty());
    // By IBAN: German account numbers have ten digits.
    const std::vector<Statement> german = {{"12030000/0000202051", 7, 1.0, std::nullopt, {}},
                                           {"DE72120300000000202052", 8, 1.0, std::nullopt, {}}};
    for (const OwnAccount &own : {OwnAccount{"", "", "DE72120300000000202052"}}) {
        const auto byIban = ChooseAccountStatements(german, own, "");
        ASSERT_TRUE(byIban) << byIban.error().message;
        EXPECT_EQ(8, byIban->statements.at(0).number);
    }
    const auto chosenByIban = ChooseAccountStatements(german, {}, "DE02120300000000202051");
    ASSERT_TRUE(chosenByIban) << chosenByIban.error().message;
    EXPECT_EQ(7, chosenByIban->statements.at(0).number);
}

} // namespace
} // namespace penvaro::core
