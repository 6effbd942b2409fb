#include "clirunner.h"

#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

core::BookingRecord booking(const char *valueDate, std::int64_t amount, const char *art,
                            const char *party) {
    core::BookingRecord r = penvaro::testing::Completed(2011, 1, valueDate, amount);
    r.Buchungsart.setUtf8(art);
    r.Absender.setUtf8(party);
    return r;
}

std::vector<core::BookingRecord> records() {
    return {
        booking("20.12.2011", 250000, "Gehalt", "Firma"),
        penvaro::testing::StartValue(500000),
        booking("03.01.2011", -65000, "Miete", "Vermieter"),
        booking("03.02.2011", -65000, "Miete", "Vermieter"),
        booking("10.02.2011", -3000, "", "Bäcker\tMeier"),
        booking("10.02.2012", -3000, "Miete", "Vermieter"),
        penvaro::testing::Planned("01.03.2011", -99000),
    };
}

} // namespace

TEST(CliReport, PrintsOneLinePerGroupAndTheMonthTotals) {
    penvaro::testing::TempDir dir;
    const std::string file = dir.path("giro.p11");
    penvaro::testing::WriteBytes(file, penvaro::testing::FileBytes(records()));
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"report", file, "--year", "2011"},
         "Miete\t-65000\t-65000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-130000\n"
         "(ohne)\t0\t-3000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-3000\n"
         "Gehalt\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t250000\t250000\n"
         "sum\t-65000\t-68000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t250000\t117000\n"},
        {{"report", file, "--by", "absender", "--year", "2011"},
         "Vermieter\t-65000\t-65000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-130000\n"
         "Bäcker Meier\t0\t-3000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t-3000\n"
         "Firma\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t250000\t250000\n"
         "sum\t-65000\t-68000\t0\t0\t0\t0\t0\t0\t0\t0\t0\t250000\t117000\n"},
        {{"report", file, "--year", "1999", "--by", "art"},
         "sum\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_EQ(c.out, run.out) << c.args[2];
    }
}

TEST(CliReport, RefusesWrongUsageAndUnreadableFiles) {
    penvaro::testing::TempDir dir;
    const std::string file = dir.path("giro.p11");
    penvaro::testing::WriteBytes(file, penvaro::testing::FileBytes(records()));
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"report", file}, 2},
        {{"report", "--year", "2011"}, 2},
        {{"report", file, "--year", "11"}, 2},
        {{"report", file, "--year", "2011x"}, 2},
        {{"report", file, "--year", "2011", "--by", "zweck"}, 2},
        {{"report", file, "--year", "2011", "--sort-by", "wd"}, 2},
        {{"report", file, file, "--year", "2011"}, 2},
        {{"report", dir.path("fehlt.p11"), "--year", "2011"}, 1},
    };
    for (const Case &c : cases) {
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status) << c.args.back();
        EXPECT_TRUE(run.out.empty()) << c.args.back();
        EXPECT_FALSE(run.err.empty()) << c.args.back();
    }
}
