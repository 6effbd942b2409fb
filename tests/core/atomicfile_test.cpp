#include "core/atomicfile.h"
#include "core/fileio.h"
#include "core/protectedfiles.h"
#include "core/textencoding.h"

#include "support/filesizelimit.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core = penvaro::core;
using penvaro::testing::ReadBytes;
using penvaro::testing::TempDir;
using penvaro::testing::WriteBytes;

namespace {

const std::vector<std::uint8_t> previous{'a', 'l', 't'};
const std::vector<std::uint8_t> written(5000, 'n');

mode_t modeOf(const std::filesystem::path &path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

bool anyTemporaryFile(const std::filesystem::path &folder) {
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().find(".pv~") != std::string::npos)
            return true;
    return false;
}

} // namespace

// The one writer of the program, on every kind of target: refused with the path named and the
// target as it was, or replaced by a whole file; no temporary file left either way.
TEST(AtomicFile, RefusesWhatItMustNotReplaceAndWritesWholeFilesOnly) {
    TempDir dir;
    const auto account = dir.path("giro.p11");
    WriteBytes(account, previous);
    const core::ProtectedFile open(account);
    std::filesystem::create_symlink(account, dir.path("verweis.p11"));
    std::filesystem::create_hard_link(account, dir.path("hart.p11"));
    ASSERT_EQ(0, ::mkfifo(dir.path("pipe").c_str(), 0600));
    std::filesystem::create_directory(dir.path("ordner"));
    WriteBytes(dir.path("alt.txt"), previous);
    ::chmod(dir.path("alt.txt").c_str(), 0640);
    WriteBytes(dir.path("voll.txt"), previous);
    std::filesystem::create_symlink("alt.txt", dir.path("zu-alt.txt"));

    struct Case {
        const char *name;
        std::filesystem::path target;
        const char *reason; // nullptr: written
        bool full = false;
        bool replacesProtected = false;
    };
    const Case cases[] = {
        {"a new file", dir.path("neu.txt"), nullptr},
        {"a replaced file keeps its permissions", dir.path("alt.txt"), nullptr},
        {"a link leads to the file it replaces", dir.path("zu-alt.txt"), nullptr},
        {"the open account file", account, "geöffnete Datei"},
        {"a symbolic link to it", dir.path("verweis.p11"), "geöffnete Datei"},
        {"a hard link to it", dir.path("hart.p11"), "geöffnete Datei"},
        {"its own save", account, nullptr, false, true},
        {"a device", "/dev/full", "keine gewöhnliche Datei"},
        {"a pipe", dir.path("pipe"), "keine gewöhnliche Datei"},
        {"a folder", dir.path("ordner"), "Ordner, keine Datei"},
        {"a missing folder", dir.path("fehlt/neu.txt"), "ist nicht vorhanden"},
        {"a full file system", dir.path("voll.txt"), "zu groß", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        core::WriteOptions options;
        options.replacesProtectedFile = c.replacesProtected;
        const bool existed = std::filesystem::is_regular_file(c.target);
        const auto before = existed ? ReadBytes(c.target) : std::vector<std::uint8_t>{};
        const mode_t mode = existed ? modeOf(c.target) : 0600;
        core::Result<void> result;
        if (c.full) {
            penvaro::testing::FileSizeLimit limit(1024);
            result = core::WriteFileAtomically(c.target, written, options);
        } else {
            result = core::WriteFileAtomically(c.target, written, options);
        }
        if (c.reason) {
            ASSERT_FALSE(result);
            EXPECT_NE(result.error().message.find(c.target.string()), std::string::npos)
                << result.error().message;
            EXPECT_NE(result.error().message.find(c.reason), std::string::npos)
                << result.error().message;
            if (existed) {
                EXPECT_EQ(before, ReadBytes(c.target));
            }
        } else {
            ASSERT_TRUE(result) << result.error().message;
            EXPECT_EQ(written, ReadBytes(c.target));
            EXPECT_EQ(mode, modeOf(c.target));
        }
        EXPECT_FALSE(anyTemporaryFile(dir.path("")));
    }
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("zu-alt.txt")));
    EXPECT_EQ(previous, ReadBytes(dir.path("hart.p11"))) << "split by the save, never written";
}

// A killed writer leaves its temporary file; one still being written holds its lock.
TEST(AtomicFile, RemovesTheTemporaryFilesOfKilledWritersOnly) {
    TempDir dir;
    const auto abandoned = dir.path(".liste.pdf.pv~a1B2c3");
    const auto writing = dir.path(".liste.pdf.pv~x9Y8z7");
    const auto users = dir.path(".profile.backup");
    for (const auto &path : {abandoned, writing, users})
        WriteBytes(path, previous);
    const int held = ::open(writing.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(0, ::flock(held, LOCK_EX));

    ASSERT_TRUE(core::WriteFileAtomically(dir.path("liste.pdf"), written));
    EXPECT_FALSE(std::filesystem::exists(abandoned));
    EXPECT_TRUE(std::filesystem::exists(writing)) << "a write in progress";
    EXPECT_TRUE(std::filesystem::exists(users)) << "not ours";
    ::close(held);
    core::RemoveAbandonedTemporaryFiles(dir.path(""));
    EXPECT_FALSE(std::filesystem::exists(writing)) << "its writer is gone now";
}

TEST(Utf8Check, FindsTheFirstByteThatIsNoCharacter) {
    const struct {
        std::string text;
        std::optional<std::size_t> offset;
    } cases[] = {
        {"", std::nullopt},
        {"Grün-Weiß € 𝄞", std::nullopt},
        {"A\x80", 1},
        {"M\xFCller", 1},
        {"K\xC3", 1},              // cut
        {"a\xC0\xAF", 1},          // overlong slash
        {"\xE0\x80\xAF", 0},       // overlong in three bytes
        {"\xED\xA0\x80", 0},       // surrogate
        {"\xF4\x90\x80\x80", 0},   // beyond U+10FFFF
        {"ab\xC3\xA4\xE2\x82", 4}, // cut after a valid umlaut
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.offset.value_or(std::string_view::npos), core::FirstMalformedUtf8(c.text));
    }
    EXPECT_EQ("Der Name enthält ein Byte, das nicht zu einem UTF-8-Zeichen gehört (0xFC an "
              "Stelle 2).",
              core::InvalidUtf8Message("M\xFCller", "Der Name"));
}
