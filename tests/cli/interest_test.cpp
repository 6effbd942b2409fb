#include "clirunner.h"

#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

constexpr std::int64_t dailyAtTwoPercent = 5479; // 10.000,00 € × 2 / 36500, rounded

// Each test reads and writes the settings in a fresh configuration folder of its own.
class CliInterest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", m_config.path("").c_str(), 1); }

    std::string account(const std::string &name, const std::vector<core::BookingRecord> &records) {
        const std::string path = m_files.path(name).string();
        penvaro::testing::WriteBytes(path, penvaro::testing::FileBytes(records));
        return path;
    }

    // Stores the two rates in the key the program keeps for the account file.
    void storeRates(const std::string &accountPath, const std::string &creditHex,
                    const std::string &debitHex) {
        const std::string reg = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvel SoftLabs\\Penvaro98\\"
                                + accountPath + "]\r\n\"Zinsen\"=hex:" + creditHex
                                + "\r\n\"Sollzinsen\"=hex:" + debitHex + "\r\n";
        const auto file = m_files.path("zinsen.reg");
        penvaro::testing::WriteBytes(file, {reg.begin(), reg.end()});
        const auto run = RunCli({"settings", "import", file.string()});
        ASSERT_EQ(0, run.status) << run.err;
    }

private:
    penvaro::testing::TempDir m_files;
    penvaro::testing::TempDir m_config;
};

// Twelve month lines of a balance that is the same all year.
std::string constantYear(int year, std::int64_t credit, std::int64_t debit) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::string out;
    for (int m = 1; m <= 12; ++m) {
        const int n = days[m - 1] + (m == 2 && year % 4 == 0 ? 1 : 0);
        out += std::to_string(m) + '\t' + std::to_string(n * credit) + '\t'
               + std::to_string(n * debit) + '\n';
    }
    return out;
}

} // namespace

TEST_F(CliInterest, PrintsThePeriodAndTheMonthsAtTheRatesInUse) {
    const std::string credit =
        account("haben.p11", {penvaro::testing::StartValue(0),
                              penvaro::testing::Completed(2010, 1, "01.12.2010", 100000000)});
    const std::string debit =
        account("soll.p11", {penvaro::testing::StartValue(0),
                             penvaro::testing::Completed(2011, 1, "01.03.2011", -10000000)});
    const std::string stored =
        account("gespeichert.p11", {penvaro::testing::StartValue(100000000),
                                    penvaro::testing::Completed(2010, 1, "01.12.2010", 0)});
    storeRates(stored, "00,00,00,00,00,00,10,40", "00,00,00,00,00,00,14,40"); // 4 and 5
    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {"credit for January",
         {"interest", credit, "--from", "01.01.2011", "--to", "31.01.2011"},
         "credit\t169849\t16,98 €\ndebit\t0\t0,00 €\ntotal\t169849\t16,98 €\n"},
        {"debit for 30 days",
         {"interest", debit, "--from", "01.04.2011", "--to", "30.04.2011"},
         "credit\t0\t0,00 €\ndebit\t-73980\t-7,40 €\ntotal\t-73980\t-7,40 €\n"},
        {"period from before the first booking",
         {"interest", credit, "--from", "01.01.2000", "--to", "01.12.2010"},
         "credit\t5479\t0,55 €\ndebit\t0\t0,00 €\ntotal\t5479\t0,55 €\n"},
        {"months of a leap year",
         {"interest", credit, "--year", "2012"},
         constantYear(2012, dailyAtTwoPercent, 0)},
        {"rates given",
         {"interest", credit, "--year", "2011", "--credit", "4", "--debit", "1,5"},
         constantYear(2011, 10959, 0)},
        {"debit rate given",
         {"interest", debit, "--year", "2012", "--debit", "4,5"},
         constantYear(2012, 0, -1233)},
        {"stored rates", {"interest", stored, "--year", "2011"}, constantYear(2011, 10959, 0)},
        {"a given rate before the stored one",
         {"interest", stored, "--year", "2011", "--credit", "2"},
         constantYear(2011, dailyAtTwoPercent, 0)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_EQ(c.out, run.out);
    }
}

TEST_F(CliInterest, RefusesWrongUsageAndUnreadableFiles) {
    const std::string file = account("giro.p11", {penvaro::testing::StartValue(0)});
    const std::string missing = (std::filesystem::path(file).parent_path() / "fehlt.p11").string();
    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string errContains;
    };
    const Case cases[] = {
        {"end before start",
         {"interest", file, "--from", "02.01.2011", "--to", "01.01.2011"},
         2,
         "Ungültiger Zeitraum!"},
        {"period and year", {"interest", file, "--year", "2011", "--from", "01.01.2011"}, 2, ""},
        {"start only", {"interest", file, "--from", "01.01.2011"}, 2, "--to"},
        {"neither", {"interest", file}, 2, "--year"},
        {"bad year", {"interest", file, "--year", "11"}, 2, "--year"},
        {"bad date", {"interest", file, "--from", "31.02.2011", "--to", "01.03.2011"}, 2, "--from"},
        {"negative rate", {"interest", file, "--year", "2011", "--credit", "-2"}, 2, "--credit"},
        {"missing file", {"interest", missing, "--year", "2011"}, 1, missing},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ("", run.out);
        EXPECT_NE(std::string::npos, run.err.find(c.errContains)) << run.err;
    }
    const auto noBookings = RunCli({"interest", file, "--year", "2011"});
    EXPECT_EQ(0, noBookings.status);
    EXPECT_EQ(constantYear(2011, 0, 0), noBookings.out);
}
