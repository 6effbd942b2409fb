#include "clifolders.h"
#include "clirunner.h"

#include "core/accountfile.h"
#include "support/bankcodelines.h"
#include "support/fixtures.h"
#include "support/records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using penvaro::testing::RunCli;
using penvaro::testing::WriteBytes;

namespace {

class CliChecks : public ::testing::Test {
protected:
    penvaro::testing::CliFolders folders;
};

const std::vector<std::string> transfer{
    "--name",   "Stadtwerke Köln", "--iban",    "DE02120300000000202051",
    "--amount", "125,50",          "--purpose", "Kunde 4711"};

std::vector<std::string> with(std::vector<std::string> first,
                              const std::vector<std::string> &rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

} // namespace

// Output lost on a full disk is no success: every command that prints checks that it arrived.
TEST_F(CliChecks, OutputThatCannotBeWrittenIsAFailure) {
    const std::string account = folders.payingAccount("giro.p11");
    const std::string statement = penvaro::testing::StatementFixture("mt940-cp1252.sta").string();
    const std::vector<std::vector<std::string>> commands = {
        {"dump", account},
        {"report", account, "--year", "2026"},
        {"balance", account},
        {"search", account, "--range"},
        {"iban-check", "DE89370400440532013000"},
        with({"girocode"}, transfer),
        {"import", "--dry-run", "--other-account", account, statement},
        {"words", "12,00"},
        {"--help"},
        {"dump", "--help"},
    };
    for (const auto &args : commands) {
        SCOPED_TRACE(args.front() + (args.size() > 1 ? " " + args[1] : std::string()));
        ASSERT_EQ(0, RunCli(args).status) << "succeeds with somewhere to write";
        const auto run = RunCli(args, "/dev/full");
        EXPECT_EQ(1, run.status);
        EXPECT_NE(std::string::npos, run.err.find("Die Ausgabe ließ sich nicht schreiben: Auf dem "
                                                  "Datenträger ist kein Platz mehr."))
            << run.err;
    }
}

TEST_F(CliChecks, HelpAfterACommandPrintsItsUsage) {
    const struct {
        std::vector<std::string> args;
        std::string synopsis;
    } cases[] = {
        {{"dump", "--help"}, "  dump DATEI [--sort-by"},
        {{"print", "-h"}, "  print DATEI (--exact WORT"},
        {{"settings", "--help"}, "  settings import DATEI.reg"},
        {{"sepa-transfer", "giro.p11", "--help"}, "  sepa-transfer DATEI.p11 --name NAME"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args.front());
        const auto run = RunCli(c.args);
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_TRUE(run.out.starts_with("Aufruf: penvaro-cli " + c.args.front())) << run.out;
        EXPECT_NE(std::string::npos, run.out.find(c.synopsis)) << run.out;
        EXPECT_EQ(std::string::npos, run.out.find("  balance DATEI")) << "only this command";
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
    EXPECT_EQ(std::string::npos,
              RunCli({"search", "giro.p11", "--exact", "--help"}).out.find("Aufruf"))
        << "a word searched for that reads --help is still a word";
}

// Bytes that are no UTF-8 would pass a length check counted in characters and reach files
// that promise UTF-8: refused where they enter, nothing written or booked.
TEST_F(CliChecks, ArgumentsThatAreNotUtf8AreRefused) {
    const std::string account = folders.payingAccount("giro.p11");
    const std::string xml = folders.file("auftrag.xml");
    const std::string png = folders.file("code.png");
    const std::string continuationBytes = "A" + std::string(100, '\x80');
    const struct {
        const char *name;
        std::vector<std::string> args;
    } cases[] = {
        {"name of continuation bytes",
         {"sepa-transfer", account, "--name", continuationBytes, "--iban", "DE02120300000000202051",
          "--amount", "1,00", "--purpose", "x", "--execution", "31.12.2099", "--xml", xml}},
        {"overlong slash in the purpose",
         {"sepa-transfer", account, "--name", "A", "--iban", "DE02120300000000202051", "--amount",
          "1,00", "--purpose", "a\xC0\xAF", "--execution", "31.12.2099", "--xml", xml}},
        {"Latin-1 umlaut in a GiroCode",
         {"girocode", "--name", "M\xFCller", "--iban", "DE02120300000000202051", "--amount", "1",
          "--purpose", "x", "--png", png}},
        {"cut sequence in a search word", {"search", account, "--contains", "K\xC3"}},
        {"surrogate in a word", {"words", "\xED\xA0\x80"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto run = RunCli(c.args);
        EXPECT_EQ(2, run.status);
        EXPECT_NE(std::string::npos, run.err.find("UTF-8")) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    EXPECT_FALSE(std::filesystem::exists(xml));
    EXPECT_FALSE(std::filesystem::exists(png));
    penvaro::core::BookingTable table;
    ASSERT_TRUE(penvaro::core::LoadAccountFile(account, table));
    EXPECT_EQ(1, table.count());
}

// A damaged own blz.asc would make every German IBAN an unknown bank: it is named and passed
// over for the shipped file.
TEST_F(CliChecks, ADamagedOwnBankCodeFileGivesWayToTheShippedOne) {
    const std::string line = penvaro::testing::BankCodeLine(
        "37040044", "Commerzbank", "Commerzbank Köln", "50447", "Köln", "COBADEFFXXX");
    std::string random(3000, '\0');
    for (std::size_t i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const struct {
        const char *name;
        std::string text;
        std::string reason;
        bool pipe = false;
    } cases[] = {
        {"empty", "", "leer"},
        {"cut short", line + line.substr(0, 60), "Zeile (2) ist unvollständig"},
        {"random bytes", random, "Zeile"},
        {"a line without its code", line + "X" + line.substr(1), "Zeile 2 beginnt nicht"},
        {"a pipe", "", "keine gewöhnliche Datei", true},
    };
    const std::string own = folders.dataFile("penvaro/blz.asc");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(own);
        if (c.pipe) {
            ASSERT_EQ(0, ::mkfifo(own.c_str(), 0600));
        } else {
            WriteBytes(own, {c.text.begin(), c.text.end()});
        }
        const auto run = RunCli({"iban-check", "DE89370400440532013000"});
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_TRUE(run.out.starts_with("valid\tDE89370400440532013000\tCOBADEFFXXX")) << run.out;
        EXPECT_NE(std::string::npos, run.err.find("penvaro/blz.asc")) << run.err;
        EXPECT_NE(std::string::npos, run.err.find(c.reason)) << run.err;
        EXPECT_NE(std::string::npos, run.err.find("die mit dem Programm gelieferte")) << run.err;
    }
}

TEST_F(CliChecks, AnAccountNameTooLongForItsLockIsRefusedBeforeAnythingIsWritten) {
    const std::string name = std::string(246, 'k') + ".p11";
    const std::string account = folders.file(name);
    WriteBytes(account, penvaro::testing::FileBytes({penvaro::testing::StartValue(0)}));
    const auto bytes = penvaro::testing::ReadBytes(account);
    const auto run = RunCli(
        {"import", account, penvaro::testing::StatementFixture("mt940-cp1252.sta").string()});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find("Der Dateiname ist zu lang.")) << run.err;
    EXPECT_EQ(bytes, penvaro::testing::ReadBytes(account));
}
