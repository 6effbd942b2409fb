#include "clirunner.h"

#include "support/bankcodelines.h"
#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

using namespace penvaro;
using penvaro::testing::BankCodeLine;
using penvaro::testing::RunCli;

namespace {

// Each test has data and configuration folders of its own, with a small bank code file.
class CliAccount : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("XDG_DATA_HOME", m_data.path("").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", m_config.path("").c_str(), 1);
        const std::string banks = BankCodeLine("37040044", "Commerzbank", "Commerzbank Köln",
                                               "50447", "Köln", "COBADEFFXXX");
        std::filesystem::create_directories(m_data.path("penvaro"));
        penvaro::testing::WriteBytes(m_data.path("penvaro/blz.asc"), {banks.begin(), banks.end()});
        penvaro::testing::WriteBytes(
            m_files.path("verein.p11"),
            penvaro::testing::FileBytes({penvaro::testing::StartValue(28640100)}));
    }

    std::string account() const { return m_files.path("verein.p11").string(); }
    std::string file(const std::string &name) const { return m_files.path(name).string(); }

private:
    penvaro::testing::TempDir m_data;
    penvaro::testing::TempDir m_config;
    penvaro::testing::TempDir m_files;
};

std::vector<std::string> lines(const std::string &text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::vector<std::string> fields(const std::string &line) {
    std::vector<std::string> result;
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
        result.push_back(line.substr(from, tab - from));
    result.push_back(line.substr(from));
    return result;
}

TEST_F(CliAccount, SetsCheckedAccountDataAndRefusesAnInvalidValueStoringNothing) {
    const auto empty = RunCli({"account", account()});
    ASSERT_EQ(0, empty.status) << empty.err;
    EXPECT_EQ("holder\t\niban\t\nbic\t\nnumber\t\nbank-code\t\ncreditor-id\t\n", empty.out);

    const auto set =
        RunCli({"account", account(), "--holder", "Sportverein Grün-Weiß e.V.", "--iban",
                "DE89 3704 0044 0532 0130 00", "--creditor-id", "de98zzz09999999999"});
    ASSERT_EQ(0, set.status) << set.err;
    const std::string stored = "holder\tSportverein Grün-Weiß e.V.\niban\tDE89370400440532013000\n"
                               "bic\tCOBADEFFXXX\nnumber\t\nbank-code\t\n"
                               "creditor-id\tDE98ZZZ09999999999\n";
    EXPECT_EQ(stored, set.out);

    struct Case {
        const char *name;
        std::vector<std::string> options;
    };
    const Case refused[] = {
        {"IBAN check digits", {"--iban", "DE88370400440532013000"}},
        {"BIC", {"--bic", "COBA"}},
        {"creditor id", {"--creditor-id", "DE97ZZZ09999999999"}},
        {"number without bank code", {"--number", "532013000"}},
        {"unknown bank code", {"--number", "532013000", "--bank-code", "99999999"}},
        // Nothing is stored when one of several values is wrong.
        {"holder with a wrong IBAN", {"--holder", "Kasse", "--iban", "DE00"}},
    };
    for (const Case &c : refused) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args{"account", account()};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const auto run = RunCli(args);
        EXPECT_EQ(2, run.status);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(stored, RunCli({"account", account()}).out);

    const auto cleared = RunCli({"account", account(), "--bic", "", "--creditor-id", ""});
    ASSERT_EQ(0, cleared.status) << cleared.err;
    EXPECT_EQ("holder\tSportverein Grün-Weiß e.V.\niban\tDE89370400440532013000\nbic\t\n"
              "number\t\nbank-code\t\ncreditor-id\t\n",
              cleared.out);
}

TEST_F(CliAccount, DumpFullPrintsTheSameLinesWithTheTextsWhole) {
    const std::string statement =
        ":20:STARTUMSE\r\n:25:37040044/0532013000\r\n:28C:00021/001\r\n"
        ":60F:C260302EUR286401,00\r\n"
        ":61:2603030303DR117,00NTRFNONREF\r\n"
        ":86:105?00LASTSCHRIFT?20SVWZ+Kundennummer 4711-0815 ?21Abschlag Dezember 2026 "
        "Vert?22ragskonto 123456789 Zaehler?32Stadtwerke Koeln Energie u?33nd Wasser "
        "Versorgung GmbH\r\n"
        ":62F:C260303EUR286284,00\r\n-\r\n";
    penvaro::testing::WriteBytes(file("tag.sta"), {statement.begin(), statement.end()});
    const auto imported = RunCli({"import", "--other-account", account(), file("tag.sta")});
    ASSERT_EQ(0, imported.status) << imported.err;

    const auto cut = lines(RunCli({"dump", account()}).out);
    const auto whole = lines(RunCli({"dump", "--full", account()}).out);
    ASSERT_EQ(3u, cut.size());
    ASSERT_EQ(cut.size(), whole.size());
    EXPECT_EQ(cut[0], whole[0]) << "a booking with nothing more to say";
    EXPECT_EQ(cut[2], whole[2]) << "the runs";
    const auto cutFields = fields(cut[1]);
    const auto wholeFields = fields(whole[1]);
    ASSERT_EQ(12u, wholeFields.size());
    for (std::size_t i = 0; i < cutFields.size(); ++i) {
        if (i < 6 || i > 8) {
            EXPECT_EQ(cutFields[i], wholeFields[i]) << i;
        }
    }
    // The bank's booking type is no category: the field stays for the user.
    EXPECT_EQ("", cutFields[6]);
    EXPECT_EQ("", wholeFields[6]);
    EXPECT_EQ(30u, cutFields[7].size());
    EXPECT_EQ("Stadtwerke Koeln Energie und Wasser Versorgung GmbH", wholeFields[7]);
    EXPECT_EQ(50u, cutFields[8].size());
    EXPECT_TRUE(wholeFields[8].starts_with(cutFields[8])) << wholeFields[8];
    EXPECT_GT(wholeFields[8].size(), 60u) << wholeFields[8];

    // Searched by its whole texts, as the program searches.
    const auto found =
        RunCli({"search", account(), "--contains", "Wasser Versorgung", "--fields", "absender"});
    ASSERT_EQ(0, found.status) << found.err;
    EXPECT_NE(std::string::npos, found.out.find(cut[1].substr(cut[1].find('\t')))) << found.out;
}

} // namespace
