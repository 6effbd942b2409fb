#include "clirunner.h"

#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

// 1000,00 € start, -200,00 € and +50,25 € completed, -30,00 € and +100,00 € planned and a
// recurring booking, stored out of order.
std::vector<core::BookingRecord> giroRecords() {
    return {
        penvaro::testing::Planned("01.06.2011", 1000000),
        penvaro::testing::Completed(2011, 2, "20.05.2011", 502500),
        penvaro::testing::Recurring(15, "15.07.2011"),
        penvaro::testing::StartValue(10000000),
        penvaro::testing::Planned("25.05.2011", -300000),
        penvaro::testing::Completed(2011, 1, "10.05.2011", -2000000),
    };
}

core::BookingRecord rent() {
    core::BookingRecord r = penvaro::testing::Recurring(15, "15.06.2011");
    r.Buchungsart.setUtf8("Abbuchung");
    r.Absender.setUtf8("Hausverwaltung Rhein");
    r.Verwendungszweck.setUtf8("Miete");
    r.SollHaben = u'-';
    r.Betrag = 65000;
    return r;
}

std::string plannedRent(int slot, const std::string &valueDate) {
    return std::to_string(slot) + "\t2\t0\t0\t30.12.1899\t" + valueDate
           + "\tAbbuchung\tHausverwaltung Rhein\tMiete\t30.12.1899\t-\t65000\n";
}

// The plain dump of the file with one more field on each record line.
std::string dumpWithBalances(const std::vector<std::string> &dumpArgs,
                             const std::vector<std::string> &balances) {
    std::istringstream plain(RunCli(dumpArgs).out);
    std::string out;
    std::string line;
    for (std::size_t i = 0; std::getline(plain, line); ++i)
        out += line + (i < balances.size() ? "\t" + balances[i] : "") + '\n';
    return out;
}

} // namespace

TEST(CliBalances, PrintsBalancesRunningBalancesAndDueRecurringBookings) {
    penvaro::testing::TempDir dir;
    const std::string giro = dir.path("giro.p11");
    const std::string start = dir.path("start.p11");
    const std::string empty = dir.path("leer.p11");
    const std::string rentFile = dir.path("miete.p11");
    const std::string full = dir.path("voll.p11");
    const std::string overflow = dir.path("zuviel.p11");
    const std::string missing = dir.path("fehlt.p11");
    penvaro::testing::WriteBytes(giro, penvaro::testing::FileBytes(giroRecords()));
    penvaro::testing::WriteBytes(
        start, penvaro::testing::FileBytes({penvaro::testing::StartValue(10000)}));
    penvaro::testing::WriteBytes(empty, {});
    penvaro::testing::WriteBytes(
        rentFile, penvaro::testing::FileBytes({penvaro::testing::StartValue(0), rent()}));

    // Room for one more planned booking: the one due on the 14th fits, the two on the 15th not.
    std::vector<core::BookingRecord> fullRecords(
        core::MaxBookings - 4, penvaro::testing::Completed(2011, 1, "02.05.2011"));
    core::BookingRecord early = rent();
    early.Auszugsnr = 14;
    fullRecords.insert(fullRecords.end(), {early, rent(), rent()});
    penvaro::testing::WriteBytes(full, penvaro::testing::FileBytes(fullRecords));

    core::BookingRecord huge = penvaro::testing::Completed(2011, 1, "10.05.2011");
    huge.Betrag = std::numeric_limits<std::int64_t>::max();
    penvaro::testing::WriteBytes(
        overflow, penvaro::testing::FileBytes({penvaro::testing::StartValue(10000), huge}));

    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string errContains;
    };
    const Case cases[] = {
        {"balances",
         {"balance", giro, "--today", "20.05.2011"},
         0,
         "book\t8502500\t850,25 €\n"
         "planned\t700000\t70,00 €\n"
         "projected\t01.06.2011\t9202500\t920,25 €\n"
         "today\t8502500\t850,25 €\n",
         ""},
        {"balances with the national currency",
         {"balance", giro, "--today", "25.05.2011", "--rate", "1,95583"},
         0,
         "book\t8502500\t850,25 €\t1.662,94 DM\n"
         "planned\t700000\t70,00 €\t136,91 DM\n"
         "projected\t01.06.2011\t9202500\t920,25 €\t1.799,85 DM\n"
         "today\t8202500\t820,25 €\t1.604,27 DM\n",
         ""},
        {"another currency",
         {"balance", start, "--today", "20.05.2011", "--currency", "ATS", "--rate", "13.7603"},
         0,
         "book\t10000\t1,00 €\t13,76 ATS\n"
         "planned\t0\t0,00 €\t0,00 ATS\n"
         "projected\t01.01.1960\t10000\t1,00 €\t13,76 ATS\n"
         "today\t10000\t1,00 €\t13,76 ATS\n",
         ""},
        {"empty file",
         {"balance", empty, "--today", "20.05.2011"},
         0,
         "book\t0\t0,00 €\nplanned\t0\t0,00 €\nprojected\t-\t0\t0,00 €\ntoday\t0\t0,00 €\n",
         ""},
        {"running balances",
         {"dump", giro, "--balances"},
         0,
         dumpWithBalances({"dump", giro},
                          {"10000000", "8000000", "8502500", "8202500", "9202500", ""}),
         ""},
        {"running balances in descending order",
         {"dump", giro, "--sort1", "desc", "--balances", "--sort2", "desc"},
         0,
         dumpWithBalances({"dump", giro, "--sort1", "desc", "--sort2", "desc"},
                          {"8502500", "8000000", "10000000", "9202500", "8202500", ""}),
         ""},
        {"recurring booking due",
         {"recurring", rentFile, "--lm", "10.05.2011", "--today", "20.05.2011"},
         0,
         plannedRent(3, "15.06.2011") + "LM\t21.05.2011\n",
         ""},
        {"never checked",
         {"recurring", rentFile, "--lm", "0", "--today", "20.07.2011"},
         0,
         plannedRent(3, "15.08.2011") + "LM\t21.07.2011\n",
         ""},
        {"already checked today",
         {"recurring", rentFile, "--lm", "21.05.2011", "--today", "20.05.2011"},
         0,
         "LM\t21.05.2011\n",
         ""},
        {"full table",
         {"recurring", full, "--lm", "10.05.2011", "--today", "20.05.2011"},
         0,
         plannedRent(core::MaxBookings, "14.06.2011") + "LM\t15.05.2011\n",
         "15.05.2011"},
        {"today at the end of the calendar",
         {"recurring", rentFile, "--lm", "14.12.9999", "--today", "15.12.9999"},
         2,
         "LM\t15.12.9999\n",
         "1/10000"},
        {"balance overflow", {"balance", overflow, "--today", "20.05.2011"}, 1, "", overflow},
        {"running balance overflow", {"dump", overflow, "--balances"}, 1, "", "Datensatz 2"},
        {"missing file", {"balance", missing}, 1, "", missing},
        {"missing file for recurring",
         {"recurring", missing, "--lm", "0", "--today", "20.05.2011"},
         1,
         "",
         missing},
        {"impossible today", {"balance", giro, "--today", "31.02.2011"}, 2, "", "--today"},
        {"bad rate", {"balance", giro, "--rate", "1,9,5"}, 2, "", "--rate"},
        {"rate with a sign", {"balance", giro, "--rate", "-2"}, 2, "", "--rate"},
        {"empty rate", {"balance", giro, "--rate", ""}, 2, "", "--rate"},
        {"two files", {"balance", giro, start}, 2, "", "genau eine"},
        {"no check day", {"recurring", rentFile, "--today", "20.05.2011"}, 2, "", "--lm"},
        {"bad check day",
         {"recurring", rentFile, "--lm", "1.1.11", "--today", "20.05.2011"},
         2,
         "",
         "--lm"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ(c.out, run.out);
        EXPECT_NE(std::string::npos, run.err.find(c.errContains)) << run.err;
    }
    // recurring only shows what would be created.
    EXPECT_EQ(penvaro::testing::FileBytes({penvaro::testing::StartValue(0), rent()}),
              penvaro::testing::ReadBytes(rentFile));
}

TEST(CliBalances, TodayDefaultsToTheCurrentDate) {
    penvaro::testing::TempDir dir;
    const std::string file = dir.path("giro.p11");
    // Dated long before and long after any day this test runs on.
    penvaro::testing::WriteBytes(
        file, penvaro::testing::FileBytes({penvaro::testing::StartValue(10000),
                                           penvaro::testing::Planned("01.01.2000", 20000),
                                           penvaro::testing::Planned("01.01.2999", 40000)}));
    const auto run = RunCli({"balance", file});
    EXPECT_EQ(0, run.status);
    EXPECT_NE(std::string::npos, run.out.find("today\t30000\t3,00 €\n")) << run.out;
}
