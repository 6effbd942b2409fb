#include "clirunner.h"

#include "support/records.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

using namespace penvaro;
using penvaro::testing::RunCli;

TEST(CliPrint, WritesTheBookingListOrAnEvaluationAsPdf) {
    penvaro::testing::TempDir dir;
    // The titles come from a settings store of the test's own.
    const char *previous = std::getenv("XDG_CONFIG_HOME");
    const std::string previousConfig = previous ? previous : "";
    ::setenv("XDG_CONFIG_HOME", dir.path("config").c_str(), 1);
    const auto account = dir.path("giro.p11");
    penvaro::testing::WriteBytes(
        account, penvaro::testing::FileBytes({penvaro::testing::StartValue(500000),
                                              penvaro::testing::Completed(2011, 3, "03.05.2011"),
                                              penvaro::testing::Planned("01.06.2011")}));
    struct Case {
        const char *name;
        std::vector<std::string> args;
        int status;
        std::string error;
    };
    const std::string pdf = dir.path("liste.pdf").string();
    const Case cases[] = {
        {"booking list", {"--list", "--national"}, 0, ""},
        {"evaluation", {"--contains", "abschlag"}, 0, ""},
        {"nothing found", {"--exact", "Miete"}, 1, "Keine Daten zum Ausdrucken gefunden!"},
        {"list and a criterion", {"--list", "--range"}, 2, "nicht beides"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(pdf);
        std::vector<std::string> args{"print", account.string(), "--pdf", pdf};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = RunCli(args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_EQ(std::filesystem::exists(pdf), c.status == 0);
        if (c.status == 0 && std::filesystem::exists(pdf)) {
            const auto bytes = penvaro::testing::ReadBytes(pdf);
            EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
        }
    }
    if (previous)
        ::setenv("XDG_CONFIG_HOME", previousConfig.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST(CliPrint, APdfThatCannotBeWrittenIsAFailureWithItsReason) {
    penvaro::testing::TempDir dir;
    const char *previous = std::getenv("XDG_CONFIG_HOME");
    const std::string previousConfig = previous ? previous : "";
    ::setenv("XDG_CONFIG_HOME", dir.path("config").c_str(), 1);
    const auto account = dir.path("giro.p11");
    penvaro::testing::WriteBytes(
        account, penvaro::testing::FileBytes({penvaro::testing::StartValue(500000),
                                              penvaro::testing::Completed(2011, 3, "03.05.2011")}));
    ASSERT_EQ(0, ::mkfifo(dir.path("pipe.pdf").c_str(), 0600));
    const struct {
        std::string target;
        const char *reason;
    } cases[] = {
        {"/dev/full", "keine gewöhnliche Datei"},
        {dir.path("pipe.pdf").string(), "keine gewöhnliche Datei"},
        {dir.path("fehlt/liste.pdf").string(), "ist nicht vorhanden"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        const auto run = RunCli({"print", account.string(), "--list", "--pdf", c.target});
        EXPECT_EQ(1, run.status);
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("QPainter"), std::string::npos) << run.err;
    }
    if (previous)
        ::setenv("XDG_CONFIG_HOME", previousConfig.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
