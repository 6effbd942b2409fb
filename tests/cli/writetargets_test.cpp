#include "clifolders.h"
#include "clirunner.h"

#include "core/accountfile.h"
#include "platform/pdffilewrite.h"
#include "support/bankcodelines.h"
#include "support/filesizelimit.h"
#include "support/tempdir.h"

#include <QDate>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using penvaro::testing::CliRun;
using penvaro::testing::ReadBytes;
using penvaro::testing::RunCli;
using penvaro::testing::WriteBytes;

namespace {

std::string text(const std::vector<std::uint8_t> &bytes) {
    return {bytes.begin(), bytes.end()};
}

std::string inDays(int days) {
    return QDate::currentDate().addDays(days).toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

// One command that writes a file the user names, and what a whole file of it looks like.
struct Writer {
    const char *name;
    // Whether the command has the account file open while it writes.
    bool holdsAccount;
    std::function<std::vector<std::string>(const std::string &account, const std::string &target,
                                           const std::string &bundesbank)>
        args;
    std::function<bool(const std::string &bytes)> isWhole;
};

const std::vector<std::string> transfer{
    "--name",   "Stadtwerke Köln", "--iban",    "DE02120300000000202051",
    "--amount", "125,50",          "--purpose", "Kunde 4711"};

std::vector<std::string> with(std::vector<std::string> first,
                              const std::vector<std::string> &rest) {
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

const Writer writers[] = {
    {"SEPA file", true,
     [](const std::string &account, const std::string &target, const std::string &) {
         return with({"sepa-transfer", account, "--execution", inDays(30), "--xml", target},
                     transfer);
     },
     [](const std::string &bytes) {
         return bytes.starts_with("<?xml") && bytes.find("</Document>") != std::string::npos;
     }},
    {"PDF", true,
     [](const std::string &account, const std::string &target, const std::string &) {
         return std::vector<std::string>{"print", account, "--list", "--pdf", target};
     },
     [](const std::string &bytes) { return penvaro::platform::IsCompletePdf(bytes); }},
    {"PNG", false,
     [](const std::string &, const std::string &target, const std::string &) {
         return with({"girocode", "--png", target}, transfer);
     },
     [](const std::string &bytes) {
         return bytes.starts_with("\x89PNG") && bytes.ends_with("IEND\xAE\x42\x60\x82");
     }},
    {"settings export", false,
     [](const std::string &, const std::string &target, const std::string &) {
         return std::vector<std::string>{"settings", "export", target};
     },
     [](const std::string &bytes) {
         return bytes.starts_with("\xFF\xFE") && bytes.ends_with(std::string("\r\0\n\0", 4));
     }},
    {"blz-import", false,
     [](const std::string &, const std::string &target, const std::string &bundesbank) {
         return std::vector<std::string>{"blz-import", bundesbank, target};
     },
     [](const std::string &bytes) {
         return bytes
                == penvaro::testing::BankCodeLine("10000000", "Bundesbank", "BBk Berlin", "10591",
                                                  "Berlin", "MARKDEF1100");
     }},
};

// Each cell of the table gets fresh files: a writer that may replace a file leaves it changed.
class CliWriteTargets : public ::testing::Test {
protected:
    penvaro::testing::CliFolders folders;
};

struct Target {
    const char *name;
    // Makes the target beside the account and gives its path.
    std::function<std::string(const std::string &account, const penvaro::testing::TempDir &)> make;
    // Refused by a writer that has the account open; by every writer when "always".
    enum { Always, WhenAccountHeld, Either } refused;
    // A file size limit standing in for a full file system.
    bool full = false;
};

} // namespace

// Every cell: refused with a message naming the target and nothing changed, or written whole.
// Never success without a whole file, never a lost account file, never a temporary file left.
TEST_F(CliWriteTargets, EveryWriterRefusesWhatItMustNotReplaceAndWritesWholeFilesOnly) {
    const std::string account = folders.payingAccount("giro.p11");
    const std::vector<std::uint8_t> accountBytes = ReadBytes(account);
    const std::string bundesbank = folders.file("blz_neu.txt");
    const std::string line = "100000001Bundesbank" + std::string(48, ' ') + "10591Berlin"
                             + std::string(29, ' ') + "BBk Berlin" + std::string(17, ' ')
                             + "20100MARKDEF110009011380U000000000\r\n";
    WriteBytes(bundesbank, {line.begin(), line.end()});

    const std::string lockName = "." + std::filesystem::path(account).filename().string() + ".lock";
    const Target targets[] = {
        {"the account file", [](const std::string &a, const auto &) { return a; },
         Target::WhenAccountHeld},
        {"its lock file",
         [&](const std::string &a, const auto &) {
             return (std::filesystem::path(a).parent_path() / lockName).string();
         },
         Target::WhenAccountHeld},
        {"its companion", [](const std::string &a, const auto &) { return a + ".pvdb"; },
         Target::WhenAccountHeld},
        {"a symbolic link to it",
         [](const std::string &a, const penvaro::testing::TempDir &dir) {
             std::filesystem::create_symlink(a, dir.path("link.out"));
             return dir.path("link.out").string();
         },
         Target::WhenAccountHeld},
        {"a hard link to it",
         [](const std::string &a, const penvaro::testing::TempDir &dir) {
             std::filesystem::create_hard_link(a, dir.path("hard.out"));
             return dir.path("hard.out").string();
         },
         Target::WhenAccountHeld},
        {"/dev/full", [](const std::string &, const auto &) { return std::string("/dev/full"); },
         Target::Always},
        {"a pipe",
         [](const std::string &, const penvaro::testing::TempDir &dir) {
             ::mkfifo(dir.path("pipe.out").c_str(), 0600);
             return dir.path("pipe.out").string();
         },
         Target::Always},
        {"a folder",
         [](const std::string &, const penvaro::testing::TempDir &dir) {
             std::filesystem::create_directory(dir.path("ordner.out"));
             return dir.path("ordner.out").string();
         },
         Target::Always},
        {"a file in a read-only folder",
         [](const std::string &, const penvaro::testing::TempDir &dir) {
             std::filesystem::create_directory(dir.path("nurlesen"));
             ::chmod(dir.path("nurlesen").c_str(), 0555);
             return dir.path("nurlesen/ziel.out").string();
         },
         // The superuser writes there all the same.
         ::geteuid() == 0 ? Target::Either : Target::Always},
        {"a file on a full file system",
         [](const std::string &, const penvaro::testing::TempDir &dir) {
             WriteBytes(dir.path("voll.out"), {'a', 'l', 't'});
             return dir.path("voll.out").string();
         },
         Target::Always, true},
    };

    for (const Writer &writer : writers) {
        for (const Target &target : targets) {
            SCOPED_TRACE(std::string(writer.name) + " onto " + target.name);
            WriteBytes(account, accountBytes);
            penvaro::testing::TempDir dir;
            const std::string path = target.make(account, dir);
            struct stat before {};
            const bool existed = ::stat(path.c_str(), &before) == 0;
            const auto previous =
                existed && S_ISREG(before.st_mode) ? ReadBytes(path) : std::vector<std::uint8_t>{};

            CliRun run;
            if (target.full) {
                penvaro::testing::FileSizeLimit limit(64);
                run = RunCli(writer.args(account, path, bundesbank));
            } else {
                run = RunCli(writer.args(account, path, bundesbank));
            }

            const bool mustRefuse =
                target.refused == Target::Always
                || (target.refused == Target::WhenAccountHeld && writer.holdsAccount);
            if (mustRefuse) {
                EXPECT_NE(0, run.status) << run.err;
            }
            struct stat after {};
            const bool exists = ::stat(path.c_str(), &after) == 0;
            if (run.status != 0) {
                if (!target.full) {
                    EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
                }
                if (existed && S_ISREG(before.st_mode)) {
                    EXPECT_EQ(previous, ReadBytes(path));
                } else if (existed) {
                    EXPECT_EQ(before.st_mode & S_IFMT, after.st_mode & S_IFMT);
                } else {
                    EXPECT_FALSE(exists);
                }
            } else {
                ASSERT_TRUE(exists && S_ISREG(after.st_mode));
                EXPECT_TRUE(writer.isWhole(text(ReadBytes(path))));
            }
            if (writer.holdsAccount && mustRefuse) {
                penvaro::core::BookingTable table;
                ASSERT_TRUE(penvaro::core::LoadAccountFile(account, table));
                EXPECT_EQ(1, table.count()) << "neither booked nor overwritten";
            }
            for (const auto &folder :
                 {std::filesystem::path(account).parent_path(), dir.path("")}) {
                for (const auto &entry : std::filesystem::directory_iterator(folder)) {
                    EXPECT_EQ(entry.path().filename().string().find(".pv~"), std::string::npos)
                        << "temporary file left: " << entry.path();
                }
            }
            ::chmod(dir.path("nurlesen").c_str(), 0755);
            std::filesystem::remove(std::filesystem::path(account).parent_path() / lockName);
            std::filesystem::remove(account + ".pvdb");
        }
    }
}
