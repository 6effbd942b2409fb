#include "support/filesizelimit.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"
#include "core/bookingchanges.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

using namespace penvaro;
using core::BookingRecord;
using core::BookingTable;
using penvaro::testing::ReadBytes;
using penvaro::testing::WriteBytes;

namespace {

std::vector<BookingRecord> manyRecords(int n) {
    std::vector<BookingRecord> records;
    for (int i = 0; i < n; ++i)
        records.push_back(penvaro::testing::Completed(2011, 1 + i % 50, "15.03.2011", 1000 + i));
    return records;
}

std::vector<BookingRecord> used(const BookingTable &table) {
    return {table.used().begin(), table.used().end()};
}

} // namespace

TEST(AccountFile, LoadsWhatWasSavedAndSizesTheFileByTheCount) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("giro.p11");
    const std::vector<BookingRecord> records = {
        penvaro::testing::StartValue(5000000),
        penvaro::testing::Completed(2011, 3, "01.02.2011", -125000, "   "),
        penvaro::testing::Completed(2011, 4, "02.02.2011", 99, "Miete März  Nr. 5"),
        penvaro::testing::Planned("01.07.2011"),
        penvaro::testing::Recurring(28, "28.01.2011", 3),
    };
    BookingTable table;
    penvaro::testing::Fill(table, records);
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    EXPECT_EQ(penvaro::testing::FileBytes(records), ReadBytes(path));

    BookingTable loaded;
    ASSERT_TRUE(core::LoadAccountFile(path, loaded));
    EXPECT_EQ(records, used(loaded));
    EXPECT_EQ("   ", loaded.slot(2).Verwendungszweck.toUtf8());
}

TEST(AccountFile, TheByteWhoseImageIsABlankComesBackAsABlank) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("kasse.p11");
    BookingRecord r = penvaro::testing::Completed(2011, 1, "01.01.2011");
    r.Absender.setUtf8("A\x7F"
                       "B");
    BookingTable table;
    penvaro::testing::Fill(table, {r});
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    EXPECT_EQ(' ', ReadBytes(path)[32 + 2]);
    ASSERT_TRUE(core::LoadAccountFile(path, table));
    EXPECT_EQ("A B", table.slot(1).Absender.toUtf8());
}

TEST(AccountFile, FileSizesDecideTheCount) {
    struct Case {
        const char *name;
        int records;
        std::size_t strayBytes;
        bool loads;
    };
    const Case cases[] = {
        {"empty file", 0, 0, true},
        {"shorter than one record", 0, 131, true},
        {"stray bytes after 1000 records", 1000, 50, true},
        {"full table", core::MaxBookings, 0, true},
        {"one record too many", core::MaxBookings + 1, 0, false},
    };
    penvaro::testing::TempDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir.path("konto.p11");
        auto bytes = penvaro::testing::FileBytes(manyRecords(c.records));
        bytes.resize(bytes.size() + c.strayBytes, 0xAB);
        WriteBytes(path, bytes);

        BookingTable table;
        penvaro::testing::Fill(table, manyRecords(7));
        const auto result = core::LoadAccountFile(path, table);
        EXPECT_EQ(c.loads, result.hasValue());
        EXPECT_EQ(c.loads ? c.records : 0, table.count());
        EXPECT_EQ(static_cast<std::size_t>(table.count()), table.used().size());
        if (!c.loads) {
            EXPECT_EQ(core::ErrorKind::TooLarge, result.error().kind);
        }
    }
}

// Files beyond the older limit of 5000 records up to the count's range: each loads whole (also
// in the older layout), is written back byte for byte, and takes one more booking unless the
// table is full.
TEST(AccountFile, LargeFilesLoadSaveAndGrowUpToTheCountsRange) {
    struct Case {
        int records;
        bool loads;
        bool takesOneMore;
    };
    const Case cases[] = {
        {5000, true, true},   {5001, true, true},    {40000, true, true},
        {65535, true, false}, {65536, false, false},
    };
    penvaro::testing::TempDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.records);
        const auto path = dir.path("gross.p11");
        const auto bytes = penvaro::testing::FileBytes(manyRecords(c.records));
        WriteBytes(path, bytes);

        const auto legacy = dir.path("alt.p02");
        WriteBytes(legacy, penvaro::testing::LegacyFileBytes(manyRecords(c.records)));
        std::filesystem::remove(dir.path("alt.p11"));
        BookingTable converted;
        const auto conversion = core::ConvertLegacyFile(legacy, converted);
        EXPECT_EQ(c.loads, conversion.hasValue());
        if (conversion) {
            EXPECT_EQ(bytes, ReadBytes(*conversion));
        }

        BookingTable table;
        const auto loaded = core::LoadAccountFile(path, table);
        ASSERT_EQ(c.loads, loaded.hasValue());
        if (!c.loads) {
            EXPECT_EQ(core::ErrorKind::TooLarge, loaded.error().kind);
            EXPECT_EQ(0, table.count());
            continue;
        }
        ASSERT_EQ(c.records, table.count());
        EXPECT_EQ(1000 + c.records - 1, table.slot(c.records).Betrag);

        const auto copy = dir.path("kopie.p11");
        ASSERT_TRUE(core::SaveAccountFile(table, copy));
        EXPECT_EQ(bytes, ReadBytes(copy));

        const BookingRecord added = penvaro::testing::Completed(2011, 9, "09.09.2011", 4711);
        const auto result = core::AddBooking(table, added, path);
        EXPECT_EQ(c.takesOneMore, result.hasValue());
        if (c.takesOneMore) {
            EXPECT_EQ(c.records + 1, table.count());
            EXPECT_EQ((c.records + 1) * core::BookingRecordSize, std::filesystem::file_size(path));
        } else {
            EXPECT_EQ(core::ErrorKind::TooLarge, result.error().kind);
            EXPECT_NE(std::string::npos, result.error().message.find("höchstens 65.535"))
                << result.error().message;
            EXPECT_EQ(bytes, ReadBytes(path));
        }
    }
}

TEST(AccountFile, SavingDropsStrayBytesAndAnEmptyTableWritesNothing) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("konto.p11");
    auto bytes = penvaro::testing::FileBytes(manyRecords(3));
    bytes.resize(bytes.size() + 50, 0x11);
    WriteBytes(path, bytes);
    BookingTable table;
    ASSERT_TRUE(core::LoadAccountFile(path, table));
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    EXPECT_EQ(3 * core::BookingRecordSize, std::filesystem::file_size(path));

    table.resize(0);
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    EXPECT_EQ(0u, std::filesystem::file_size(path));
}

TEST(AccountFile, ASmallerFileLeavesTheLaterSlotsEmpty) {
    penvaro::testing::TempDir dir;
    WriteBytes(dir.path("gross.p11"), penvaro::testing::FileBytes(manyRecords(4000)));
    WriteBytes(dir.path("klein.p11"), penvaro::testing::FileBytes(manyRecords(100)));
    BookingTable table;
    ASSERT_TRUE(core::LoadAccountFile(dir.path("gross.p11"), table));
    ASSERT_TRUE(core::LoadAccountFile(dir.path("klein.p11"), table));
    EXPECT_EQ(100, table.count());
    EXPECT_EQ(100u, table.used().size()) << "nothing of the larger file is left";
}

TEST(AccountFile, UnreadableFilesGiveAnErrorNamingTheFile) {
    penvaro::testing::TempDir dir;
    std::filesystem::create_directory(dir.path("ordner.p11"));
    // A pipe would keep a reader waiting for a writer, a device would never end.
    ASSERT_EQ(0, ::mkfifo(dir.path("pipe.p11").c_str(), 0600));
    for (const auto &path : {dir.path("fehlt.p11"), dir.path("ordner.p11"), dir.path("pipe.p11"),
                             std::filesystem::path("/dev/zero")}) {
        SCOPED_TRACE(path);
        BookingTable table;
        penvaro::testing::Fill(table, manyRecords(3));
        const auto result = core::LoadAccountFile(path, table);
        ASSERT_FALSE(result);
        EXPECT_NE(std::string::npos, result.error().message.find(path.string()));
        EXPECT_EQ(0, table.count());
    }
}

TEST(AccountFile, SavingRemovesWhatACrashLeftAndRefusesALinkLoopByItsName) {
    penvaro::testing::TempDir dir;
    BookingTable table;
    penvaro::testing::Fill(table, manyRecords(2));
    const auto left = dir.path(".giro.p11.pv~a1b2c3");
    const auto writing = dir.path(".giro.p11.pv~x9y8z7");
    const auto lock = dir.path(".giro.p11.lock");
    for (const auto &path : {left, writing, lock})
        WriteBytes(path, {1, 2, 3});
    // Another program's write in progress holds its temporary file's lock.
    const int held = ::open(writing.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(0, ::flock(held, LOCK_EX));

    ASSERT_TRUE(core::SaveAccountFile(table, dir.path("giro.p11")));
    EXPECT_FALSE(std::filesystem::exists(left)) << "left by a crash";
    EXPECT_TRUE(std::filesystem::exists(writing)) << "another program's write";
    EXPECT_TRUE(std::filesystem::exists(lock));
    ::close(held);

    std::filesystem::create_symlink("zwei.p11", dir.path("eins.p11"));
    std::filesystem::create_symlink("eins.p11", dir.path("zwei.p11"));
    const auto looped = core::SaveAccountFile(table, dir.path("eins.p11"));
    ASSERT_FALSE(looped);
    EXPECT_NE(std::string::npos, looped.error().message.find(dir.path("eins.p11").string()));
    EXPECT_NE(std::string::npos, looped.error().message.find("symbolische Verknüpfungen"))
        << looped.error().message;
}

TEST(AccountFile, AFailedSaveLeavesThePreviousFileWhole) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("giro.p11");
    const auto previous = penvaro::testing::FileBytes(manyRecords(10));
    WriteBytes(path, previous);
    BookingTable table;
    penvaro::testing::Fill(table, manyRecords(5000));
    {
        penvaro::testing::FileSizeLimit limit(4096);
        const auto result = core::SaveAccountFile(table, path);
        ASSERT_FALSE(result);
        EXPECT_NE(std::string::npos, result.error().message.find("giro.p11"));
    }
    EXPECT_EQ(previous, ReadBytes(path));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path("")),
                               std::filesystem::directory_iterator()));
}

TEST(AccountFile, ANewFileIsPrivateAndAReplacedOneKeepsItsPermissions) {
    penvaro::testing::TempDir dir;
    const auto path = dir.path("giro.p11");
    BookingTable table;
    penvaro::testing::Fill(table, manyRecords(2));
    const auto mode = [&path] {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 0777;
    };
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    EXPECT_EQ(0600u, mode());
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(core::SaveAccountFile(table, path));
    EXPECT_EQ(0640u, mode());
}

TEST(AccountFile, AFileTheUserMayNotWriteIsNeitherReplacedNorAppendedTo) {
    struct Case {
        const char *name;
        mode_t mode;
        bool otherOwner;
    };
    const Case cases[] = {{"read-only", 0444, false}, {"another user's", 0644, true}};
    penvaro::testing::TempDir dir;
    BookingTable table;
    penvaro::testing::Fill(table, manyRecords(3));
    const BookingRecord added = penvaro::testing::Completed(2011, 9, "09.09.2011");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir.path(std::string(c.name) + ".p11");
        const auto bytes = penvaro::testing::FileBytes(manyRecords(2));
        WriteBytes(path, bytes);
        ::chmod(path.c_str(), c.mode);
        // Only the superuser can give a file away; another user is refused by the system anyway.
        if (c.otherOwner && (::geteuid() != 0 || ::chown(path.c_str(), 65534, 65534) != 0))
            continue;
        const auto saved = core::SaveAccountFile(table, path);
        ASSERT_FALSE(saved);
        EXPECT_EQ(core::ErrorKind::ReadOnly, saved.error().kind);
        EXPECT_NE(std::string::npos, saved.error().message.find(path.string()));
        EXPECT_EQ(core::ErrorKind::ReadOnly, core::AppendBooking(added, path).error().kind);
        EXPECT_EQ(bytes, ReadBytes(path));
    }
}

TEST(AppendBooking, AddsOneAlignedRecordAtTheEnd) {
    struct Case {
        const char *name;
        std::size_t strayBytes;
    };
    const Case cases[] = {{"whole records", 0}, {"torn earlier write", 77}};
    penvaro::testing::TempDir dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir.path("giro.p11");
        auto bytes = penvaro::testing::FileBytes(manyRecords(2));
        bytes.resize(bytes.size() + c.strayBytes, 0x55);
        WriteBytes(path, bytes);

        const BookingRecord added = penvaro::testing::Completed(2011, 9, "09.09.2011", 4711, "neu");
        ASSERT_TRUE(core::AppendBooking(added, path));
        EXPECT_EQ(3 * core::BookingRecordSize, std::filesystem::file_size(path));
        BookingTable table;
        ASSERT_TRUE(core::LoadAccountFile(path, table));
        ASSERT_EQ(3, table.count());
        EXPECT_EQ(added, table.slot(3));
    }
}

TEST(AppendBooking, RefusesAMissingFileAndAFullOne) {
    penvaro::testing::TempDir dir;
    const BookingRecord added = penvaro::testing::Completed(2011, 9, "09.09.2011");
    EXPECT_EQ(core::ErrorKind::Io, core::AppendBooking(added, dir.path("fehlt.p11")).error().kind);
    EXPECT_FALSE(std::filesystem::exists(dir.path("fehlt.p11")));

    const auto full = dir.path("voll.p11");
    WriteBytes(full, penvaro::testing::FileBytes(manyRecords(core::MaxBookings)));
    EXPECT_EQ(core::ErrorKind::TooLarge, core::AppendBooking(added, full).error().kind);
    EXPECT_EQ(core::MaxBookings * core::BookingRecordSize, std::filesystem::file_size(full));
}

TEST(ConvertLegacyFile, WritesTheNewLayoutBesideTheOldFile) {
    penvaro::testing::TempDir dir;
    const auto old = dir.path("konto.p02");
    const std::vector<BookingRecord> records = {
        penvaro::testing::StartValue(100),
        penvaro::testing::Completed(1999, 12, "30.12.1999", -5000, "Überweisung Müller"),
        penvaro::testing::Planned("01.02.2000"),
    };
    const auto oldBytes = penvaro::testing::LegacyFileBytes(records);
    WriteBytes(old, oldBytes);

    BookingTable table;
    const auto converted = core::ConvertLegacyFile(old, table);
    ASSERT_TRUE(converted);
    EXPECT_EQ(dir.path("konto.p11"), *converted);
    EXPECT_EQ(records, used(table));
    EXPECT_EQ(penvaro::testing::FileBytes(records), ReadBytes(*converted));
    EXPECT_EQ(oldBytes, ReadBytes(old));
}

TEST(ConvertLegacyFile, NeverReplacesAnExistingTarget) {
    penvaro::testing::TempDir dir;
    WriteBytes(dir.path("konto.p02"), penvaro::testing::LegacyFileBytes(manyRecords(4)));
    const auto existing = penvaro::testing::FileBytes(manyRecords(1));
    WriteBytes(dir.path("konto.p11"), existing);
    BookingTable table;
    penvaro::testing::Fill(table, manyRecords(2));

    const auto converted = core::ConvertLegacyFile(dir.path("konto.p02"), table);
    ASSERT_FALSE(converted);
    EXPECT_EQ(core::ErrorKind::TargetExists, converted.error().kind);
    EXPECT_EQ(existing, ReadBytes(dir.path("konto.p11")));
    EXPECT_EQ(2, table.count());
}

TEST(AccountFileName, TheLastTwoCharactersTellTheLayout) {
    EXPECT_TRUE(core::IsLegacyAccountFileName("/home/a/konto.p02"));
    EXPECT_TRUE(core::IsLegacyAccountFileName("konto2002"));
    EXPECT_FALSE(core::IsLegacyAccountFileName("konto.p11"));
    EXPECT_FALSE(core::IsLegacyAccountFileName("konto.p020"));
    EXPECT_EQ("/home/a/konto.p11", core::ConvertedAccountFileName("/home/a/konto.p02").string());
    EXPECT_EQ("konto2011", core::ConvertedAccountFileName("konto2002").string());
}
