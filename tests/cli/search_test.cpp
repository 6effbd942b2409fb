#include "clirunner.h"

#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace penvaro;
using penvaro::testing::RunCli;

namespace {

core::BookingRecord booking(const char *valueDate, std::int64_t amount, const char *art,
                            const char *zweck) {
    core::BookingRecord r = penvaro::testing::Completed(2011, 3, valueDate, amount, zweck);
    r.Buchungsart.setUtf8(art);
    return r;
}

// Stored out of order: the slots of the output are those after sorting.
std::vector<core::BookingRecord> records() {
    core::BookingRecord recurring = booking("01.05.2011", -65000, "Miete", "Miete");
    recurring.Satzart = core::BookingKind::Recurring;
    return {
        booking("20.05.2011", 1234567800, "Gutschrift", "Verkauf Haus"),
        booking("03.05.2011", -6500000, "Miete", "Monatsmiete Mai"), // two fields, listed once
        penvaro::testing::StartValue(500000),
        recurring,
        booking("10.05.2011", -300000, "Abbuchung", "MIETE Garage"),
        penvaro::testing::Planned("01.06.2011", 1000000),
    };
}

// The lines of "dump" for the given slots, in the order of the dump.
std::string dumpLines(const std::vector<std::string> &dumpArgs, const std::vector<int> &slots) {
    std::istringstream dump(RunCli(dumpArgs).out);
    std::string out;
    for (std::string line; std::getline(dump, line);) {
        for (const int slot : slots) {
            if (line.starts_with(std::to_string(slot) + '\t'))
                out += line + '\n';
        }
    }
    return out;
}

} // namespace

TEST(CliSearch, PrintsTheMatchingBookingsAndTheirSum) {
    penvaro::testing::TempDir dir;
    const std::string file = dir.path("giro.p11");
    const std::string missing = dir.path("fehlt.p11");
    penvaro::testing::WriteBytes(file, penvaro::testing::FileBytes(records()));
    // Sorted: 1 start value, 2 03.05., 3 10.05., 4 20.05., 5 planned 01.06., 6 recurring.
    const std::vector<std::string> dump = {"dump", file};
    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"contained in any field",
         {"search", file, "--contains", "miete"},
         0,
         dumpLines(dump, {2, 3}) + "sum\t-6800000\t-680,00 €\n"},
        {"exact, one field",
         {"search", file, "--exact", "Miete", "--fields", "zweck"},
         0,
         "sum\t0\t0,00 €\n"},
        {"exact, kind field",
         {"search", file, "--exact", "Miete", "--fields", "art,zweck"},
         0,
         dumpLines(dump, {2}) + "sum\t-6500000\t-650,00 €\n"},
        {"range of the completed and planned bookings",
         {"search", file, "--range"},
         0,
         dumpLines(dump, {2, 3, 4, 5}) + "sum\t1228767800\t122.876,78 €\n"},
        {"both ends included",
         {"search", file, "--range", "--from", "10.05.2011", "--to", "20.05.2011"},
         0,
         dumpLines(dump, {3, 4}) + "sum\t1234267800\t123.426,78 €\n"},
        {"start value reached",
         {"search", file, "--range", "--from", "01.01.1960", "--to", "02.05.2011"},
         0,
         dumpLines(dump, {1}) + "sum\t500000\t50,00 €\n"},
        {"in the order asked for",
         {"search", file, "--contains", "MIETE", "--sort1", "desc"},
         0,
         dumpLines({"dump", file, "--sort1", "desc"}, {2, 3}) + "sum\t-6800000\t-680,00 €\n"},
        {"two criteria", {"search", file, "--range", "--contains", "x"}, 2, ""},
        {"no criterion", {"search", file}, 2, ""},
        {"unknown field", {"search", file, "--contains", "x", "--fields", "art,text"}, 2, ""},
        {"bad date", {"search", file, "--range", "--to", "32.05.2011"}, 2, ""},
        {"bad order", {"search", file, "--range", "--sort-by", "x"}, 2, ""},
        {"missing file", {"search", missing, "--range"}, 1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(c.status, run.status) << run.err;
        EXPECT_EQ(c.out, run.out);
        EXPECT_EQ(c.status != 0, !run.err.empty()) << run.err;
    }
}
