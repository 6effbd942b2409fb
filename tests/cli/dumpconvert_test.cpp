#include "clirunner.h"

#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

// One record of every kind, stored out of order.
std::vector<core::BookingRecord> mixedRecords() {
    return {
        penvaro::testing::Recurring(15, "15.01.2011", 3),
        penvaro::testing::Planned("01.04.2011", 250000),
        penvaro::testing::Completed(2011, 2, "03.02.2011", -125000, "Miete Februar"),
        penvaro::testing::StartValue(8502500),
        penvaro::testing::Completed(2011, 1, "05.01.2011", 4711, "Gehalt"),
    };
}

// The dump fields of each record after the slot number.
const std::string start = "0\t1960\t1\t01.01.1960\t01.01.1960\t\t\t\t01.01.1960\t+\t8502500";
const std::string january = "1\t2011\t1\t05.01.2011\t05.01.2011\tAbbuchung\tStadtwerke Köln\t"
                            "Gehalt\t05.01.2011\t+\t4711";
const std::string february = "1\t2011\t2\t03.02.2011\t03.02.2011\tAbbuchung\tStadtwerke Köln\t"
                             "Miete Februar\t03.02.2011\t-\t125000";
const std::string planned = "2\t2011\t1\t01.04.2011\t01.04.2011\tAbbuchung\tStadtwerke Köln\t"
                            "Abschlag 01.04.2011\t01.04.2011\t+\t250000";
const std::string recurring = "4\t3\t15\t30.12.1899\t15.01.2011\tAbbuchung\tStadtwerke Köln\t"
                              "Abschlag 15.01.2011\t30.12.1899\t+\t10000";

std::string dump(const std::vector<std::string> &records) {
    std::string out;
    for (std::size_t i = 0; i < records.size(); ++i)
        out += std::to_string(i + 1) + "\t" + records[i] + "\n";
    return out + "runs\t1\t3\t4\t4\t5\t5\n";
}

} // namespace

TEST(CliDump, PrintsTheSortedTableAndItsRuns) {
    penvaro::testing::TempDir dir;
    penvaro::testing::WriteBytes(dir.path("giro.p11"), penvaro::testing::FileBytes(mixedRecords()));
    penvaro::testing::WriteBytes(dir.path("alt.p02"),
                                 penvaro::testing::LegacyFileBytes(mixedRecords()));
    const std::string ascending = dump({start, january, february, planned, recurring});

    struct Case {
        const char *name;
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {"default order", {"dump", dir.path("giro.p11")}, ascending},
        {"older layout read by name", {"dump", dir.path("alt.p02")}, ascending},
        {"descending done run",
         {"dump", dir.path("giro.p11"), "--sort-by", "wd", "--sort1", "desc", "--sort2", "asc"},
         dump({february, january, start, planned, recurring})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(0, run.status);
        EXPECT_EQ(c.out, run.out);
        EXPECT_EQ("", run.err);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path("alt.p11")));
}

TEST(CliDump, AnEmptyFilePrintsOnlyTheRuns) {
    penvaro::testing::TempDir dir;
    penvaro::testing::WriteBytes(dir.path("leer.p11"), {});
    const auto run = RunCli({"dump", dir.path("leer.p11")});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("runs\t0\t0\t0\t0\t0\t0\n", run.out);
}

TEST(CliConvert, WritesTheNewFileOnceAndThenRefuses) {
    penvaro::testing::TempDir dir;
    const auto old = dir.path("konto.p02");
    penvaro::testing::WriteBytes(old, penvaro::testing::LegacyFileBytes(mixedRecords()));

    const auto first = RunCli({"convert", old});
    EXPECT_EQ(0, first.status);
    EXPECT_EQ(penvaro::testing::FileBytes(mixedRecords()),
              penvaro::testing::ReadBytes(dir.path("konto.p11")));

    const auto second = RunCli({"convert", old});
    EXPECT_EQ(1, second.status);
    EXPECT_NE(std::string::npos, second.err.find(dir.path("konto.p11").string()));
    EXPECT_TRUE(std::filesystem::exists(old));
}

TEST(Cli, ReportsFileErrorsAndWrongUsage) {
    penvaro::testing::TempDir dir;
    penvaro::testing::WriteBytes(dir.path("giro.p11"), {});
    const auto missing = dir.path("fehlt.p11").string();
    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string errContains;
    };
    const Case cases[] = {
        {"missing file", {"dump", missing}, 1, missing},
        {"missing legacy file", {"convert", dir.path("fehlt.p02")}, 1, "fehlt.p02"},
        {"no command", {}, 2, "Aufruf"},
        {"unknown command", {"drucken"}, 2, "Aufruf"},
        {"unknown option", {"dump", dir.path("giro.p11"), "--farbe", "rot"}, 2, "--farbe"},
        {"bad order", {"dump", dir.path("giro.p11"), "--sort-by", "betrag"}, 2, "--sort-by"},
        {"option without value", {"dump", dir.path("giro.p11"), "--sort1"}, 2, "--sort1"},
        {"two files", {"dump", "a.p11", "b.p11"}, 2, "genau eine"},
        {"convert of a current file", {"convert", dir.path("giro.p11")}, 2, "02"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status);
        EXPECT_EQ("", run.out);
        EXPECT_NE(std::string::npos, run.err.find(c.errContains)) << run.err;
    }
    const auto help = RunCli({"--help"});
    EXPECT_EQ(0, help.status);
    EXPECT_NE(std::string::npos, help.out.find("dump DATEI"));
}
