#include "clirunner.h"

#include "support/bankcodelines.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace penvaro;
using penvaro::testing::BankCodeLine;
using penvaro::testing::RunCli;

namespace {

// Each test gets a data folder of its own, so that the user's blz.asc is never read.
class CliBankCodes : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_DATA_HOME", m_data.path("").c_str(), 1); }

    void useOwnBankCodeFile(const std::string &text) {
        std::filesystem::create_directories(m_data.path("penvaro"));
        penvaro::testing::WriteBytes(m_data.path("penvaro/blz.asc"), {text.begin(), text.end()});
    }

    std::string file(const std::string &name) const { return m_files.path(name).string(); }

private:
    penvaro::testing::TempDir m_data;
    penvaro::testing::TempDir m_files;
};

const std::string fixture =
    BankCodeLine("37050198", "Sparkasse KölnBonn", "Sparkasse KölnBonn", "50667", "Köln")
    + BankCodeLine("37010050", "Postbank Ndl Köln", "Postbank Köln", "50666", "KÖLN")
    + BankCodeLine("37050198", "Sparkasse KölnBonn", "Sparkasse KölnBonn", "51143", "Köln-Porz");

} // namespace

TEST_F(CliBankCodes, LookupAndSearchReadTheDataFoldersFile) {
    useOwnBankCodeFile(fixture);
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {"lookup", {"blz-lookup", "37010050"}, "Postbank Köln\n"},
        {"lookup of an unknown code", {"blz-lookup", "12345678"}, "nicht vorhanden\n"},
        {"lookup of an incomplete code", {"blz-lookup", "3705"}, "nicht vorhanden\n"},
        {"search by place in file order",
         {"blz-search", "--place", "köln"},
         "37050198\tSparkasse KölnBonn\t50667\tKöln\n"
         "37050198\tSparkasse KölnBonn\t51143\tKöln-Porz\n"},
        {"search by name and place",
         {"blz-search", "--name", "postbank", "--place", "KÖLN"},
         "37010050\tPostbank Ndl Köln\t50666\tKÖLN\n"},
        {"search without name or place", {"blz-search"}, ""},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(0, run.status) << c.name << ": " << run.err;
        EXPECT_EQ(c.out, run.out) << c.name;
    }
}

TEST_F(CliBankCodes, WithoutAFileOfItsOwnTheShippedBundesbankDataIsUsed) {
    const auto run = RunCli({"blz-lookup", "20000000"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_EQ("BBk Hamburg\n", run.out);
}

TEST_F(CliBankCodes, ImportConvertsTheBundesbankFile) {
    const std::string bundesbank = "100000001Bundesbank" + std::string(48, ' ') + "10591Berlin"
                                   + std::string(29, ' ') + "BBk Berlin" + std::string(17, ' ')
                                   + "20100MARKDEF110009011380U000000000\r\n";
    penvaro::testing::WriteBytes(file("blz_neu.txt"), {bundesbank.begin(), bundesbank.end()});
    const auto run = RunCli({"blz-import", file("blz_neu.txt"), file("blz.asc")});
    ASSERT_EQ(0, run.status) << run.err;
    const std::string expected =
        BankCodeLine("10000000", "Bundesbank", "BBk Berlin", "10591", "Berlin", "MARKDEF1100");
    EXPECT_EQ(std::vector<std::uint8_t>(expected.begin(), expected.end()),
              penvaro::testing::ReadBytes(file("blz.asc")));
}

TEST_F(CliBankCodes, FailuresAndWrongUse) {
    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
    };
    penvaro::testing::WriteBytes(file("leer.txt"), {});
    const Case cases[] = {
        {"import of a missing file", {"blz-import", file("fehlt.txt"), file("blz.asc")}, 1},
        {"import of an empty file", {"blz-import", file("leer.txt"), file("blz.asc")}, 1},
        {"import without a target", {"blz-import", file("fehlt.txt")}, 2},
        {"lookup without a code", {"blz-lookup"}, 2},
        {"search with an unknown option", {"blz-search", "--bank", "x"}, 2},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status) << c.name;
        EXPECT_TRUE(run.out.empty()) << c.name;
        EXPECT_FALSE(run.err.empty()) << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(file("blz.asc")));
}

TEST(CliWords, PrintsTheWordsOfTheWholeAmountOrRefusesIt) {
    struct Case {
        std::string amount;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"1250,00", 0, "*eins*zwei*fuenf*null*\n", ""},
        {"1.234,56", 0, "*eins*zwei*drei*vier*\n", ""},
        {"100.000,00", 0, "*eins*null*null*null*null*null*\n", ""},
        {"0,50", 0, "*null*\n", ""},
        {"1.23,45", 2, "", "Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)"},
        {"-5", 2, "", "Unzulässiger Betrag: -5 (ohne Vorzeichen, z. B. 1.234,56)"},
        {"25.50", 2, "", "Unzulässiger Betrag: 25.50 (z. B. 1.234,56)"},
        {"", 2, "", "Kein Betrag eingegeben (z. B. 1.234,56)"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        const auto run = RunCli({"words", c.amount});
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ(c.out, run.out);
        EXPECT_NE(std::string::npos, run.err.find(c.err)) << run.err;
    }
    EXPECT_EQ(2, RunCli({"words"}).status);
}
