#include "support/tempdir.h"

#include "core/accountregister.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <thread>
#include <vector>

using namespace penvaro;
using core::AccountRegister;
using core::RegisterEntry;

namespace {

RegisterEntry entry(const std::string &file, std::int64_t balance) {
    RegisterEntry e;
    e.Dateiname.setUtf8(file);
    e.Kontonummer.setUtf8("123456");
    e.Kontobezeichnung.setUtf8("Girokonto");
    e.Kontostand = balance;
    return e;
}

} // namespace

TEST(AccountRegister, EntriesSitAtTheirOffsets) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konten.cb");
    AccountRegister accounts;
    accounts.entries.push_back(entry("/home/anna/Girokonto.p11", -2505000));
    ASSERT_TRUE(core::SaveAccountRegister(accounts, path));
    const auto bytes = penvaro::testing::ReadBytes(path);
    ASSERT_EQ(core::RegisterEntrySize, bytes.size());
    EXPECT_EQ(10, bytes[0]);
    EXPECT_EQ(0, bytes[1]);
    EXPECT_EQ(24, bytes[2]);
    EXPECT_EQ('/', bytes[3]);
    EXPECT_EQ(6, bytes[258]);
    EXPECT_EQ('1', bytes[259]);
    EXPECT_EQ(9, bytes[274]);
    EXPECT_EQ('G', bytes[275]);
    const std::uint64_t balance = static_cast<std::uint64_t>(std::int64_t{-2505000});
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(static_cast<std::uint8_t>(balance >> (8 * i)), bytes[315 + i]) << i;

    const auto loaded = core::LoadAccountRegister(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(accounts.entries, loaded->entries);
}

TEST(AccountRegister, AMissingFileIsCreatedEmptyAndDeletedEntriesAreNotWritten) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konten.cb");
    const auto empty = core::LoadAccountRegister(path);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->entries.empty());
    EXPECT_TRUE(std::filesystem::exists(path));

    AccountRegister accounts;
    accounts.entries = {entry("a.p11", 1), entry("b.p11", 2), entry("c.p11", 3)};
    accounts.entries[1].Belegt = 0;
    ASSERT_TRUE(core::SaveAccountRegister(accounts, path));
    const auto loaded = core::LoadAccountRegister(path);
    ASSERT_EQ(2u, loaded->entries.size());
    EXPECT_EQ("c.p11", loaded->entries[1].Dateiname.toUtf8());
}

TEST(AccountRegister, RecordingTheSameFileTwiceKeepsOneEntryWithTheLatestBalance) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konten.cb");
    ASSERT_TRUE(core::RecordInRegister(path, "/k/giro.p11", "1", "Giro", 100));
    ASSERT_TRUE(core::RecordInRegister(path, "/k/giro.p1", "2", "Kurz", 5));
    ASSERT_TRUE(core::RecordInRegister(path, "/k/giro.p11", "1", "Giro neu", 250));
    ASSERT_TRUE(core::UpdateRegisterBalance(path, "/k/giro.p11", 300));
    ASSERT_TRUE(core::UpdateRegisterBalance(path, "/k/fremd.p11", 999));

    const auto loaded = core::LoadAccountRegister(path);
    ASSERT_EQ(2u, loaded->entries.size());
    EXPECT_EQ("Giro neu", loaded->entries[0].Kontobezeichnung.toUtf8());
    EXPECT_EQ(300, loaded->entries[0].Kontostand);
    EXPECT_EQ(5, loaded->entries[1].Kontostand) << "a name that is a prefix is another file";
}

TEST(AccountRegister, RecordingAnUnchangedEntryLeavesTheFileAlone) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konten.cb");
    const auto inode = [&path] {
        struct stat info {};
        EXPECT_EQ(0, ::stat(path.c_str(), &info));
        return info.st_ino;
    };
    ASSERT_TRUE(core::RecordInRegister(path, "/k/giro.p11", "1", "Giro", 100));
    const auto written = inode();
    ASSERT_TRUE(core::RecordInRegister(path, "/k/giro.p11", "1", "Giro", 100));
    EXPECT_EQ(written, inode()) << "the same entry again is no reason to replace the file";
    ASSERT_TRUE(core::RecordInRegister(path, "/k/giro.p11", "1", "Giro", 101));
    EXPECT_NE(written, inode());
    EXPECT_EQ(101, core::LoadAccountRegister(path)->entries.at(0).Kontostand);
}

TEST(AccountRegister, AFullRegisterRefusesTheNextFileAndKeepsAllEntries) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konten.cb");
    AccountRegister accounts;
    for (std::size_t i = 0; i < core::MaxRegisterEntries; ++i)
        accounts.entries.push_back(entry("/k/konto" + std::to_string(i) + ".p11", 1));
    ASSERT_TRUE(core::SaveAccountRegister(accounts, path));
    const auto before = penvaro::testing::ReadBytes(path);

    const auto refused = core::RecordInRegister(path, "/k/neu.p11", "", "", 0);
    ASSERT_FALSE(refused);
    EXPECT_EQ(core::ErrorKind::TooLarge, refused.error().kind);
    EXPECT_EQ(before, penvaro::testing::ReadBytes(path));
    EXPECT_TRUE(core::RecordInRegister(path, "/k/konto7.p11", "7", "Sieben", 7));

    auto tooLong = before;
    tooLong.resize(tooLong.size() + core::RegisterEntrySize);
    penvaro::testing::WriteBytes(path, tooLong);
    const auto loaded = core::LoadAccountRegister(path);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(core::ErrorKind::TooLarge, loaded.error().kind);
    EXPECT_EQ(tooLong, penvaro::testing::ReadBytes(path));
}

TEST(AccountRegister, ProgramsRecordingAtOnceLoseNoEntry) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konten.cb");
    constexpr int programs = 4;
    constexpr int filesEach = 25;
    std::vector<std::thread> running;
    for (int p = 0; p < programs; ++p) {
        running.emplace_back([&path, p] {
            for (int f = 0; f < filesEach; ++f) {
                const std::string file = "/k/p" + std::to_string(p) + "-" + std::to_string(f);
                EXPECT_TRUE(core::RecordInRegister(path, file, "1", "Konto", f));
            }
        });
    }
    for (std::thread &t : running)
        t.join();
    const auto loaded = core::LoadAccountRegister(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(static_cast<std::size_t>(programs * filesEach), loaded->entries.size());

    ASSERT_TRUE(core::RemoveFromRegister(path, "/k/p0-0"));
    EXPECT_EQ(static_cast<std::size_t>(programs * filesEach - 1),
              core::LoadAccountRegister(path)->entries.size());
}
