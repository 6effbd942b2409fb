#include "support/records.h"
#include "support/tempdir.h"

#include "core/bookingchanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace penvaro;
using core::BookingKind;
using core::BookingRecord;
using core::BookingTable;

namespace {

std::vector<BookingRecord> used(const BookingTable &table) {
    return {table.used().begin(), table.used().end()};
}

// An account file on disk and the table loaded from it, which remembers what it read.
struct Account {
    Account() {
        penvaro::testing::Fill(table, {penvaro::testing::StartValue(100000),
                                       penvaro::testing::Completed(2011, 1, "03.01.2011"),
                                       penvaro::testing::Planned("01.02.2011")});
        EXPECT_TRUE(core::SaveAccountFile(table, file));
        EXPECT_TRUE(core::LoadAccountFile(file, table));
    }

    std::vector<BookingRecord> onDisk() const {
        BookingTable loaded;
        EXPECT_TRUE(core::LoadAccountFile(file, loaded));
        return used(loaded);
    }

    penvaro::testing::TempDir dir;
    std::filesystem::path file = dir.path("giro.p11");
    BookingTable table;
};

} // namespace

TEST(BookingChanges, EachChangeReachesTableAndFile) {
    Account a;
    const BookingRecord added = penvaro::testing::Completed(2011, 2, "04.02.2011", 777);
    ASSERT_TRUE(core::AddBooking(a.table, added, a.file));
    EXPECT_EQ(added, a.table.slot(4));
    EXPECT_EQ(used(a.table), a.onDisk());

    BookingRecord changed = added;
    changed.Betrag = 888;
    ASSERT_TRUE(core::ReplaceBooking(a.table, 4, changed, a.file));
    EXPECT_EQ(used(a.table), a.onDisk());

    ASSERT_TRUE(core::DeleteBooking(a.table, 1, a.file));
    EXPECT_EQ(3, a.table.count());
    EXPECT_EQ(changed, a.table.slot(1)) << "the last record moves into the gap";
    EXPECT_EQ(used(a.table), a.onDisk());

    ASSERT_TRUE(core::AddBookings(
        a.table, {penvaro::testing::Planned("01.03.2011"), penvaro::testing::Planned("01.04.2011")},
        a.file));
    EXPECT_EQ(5, a.table.count());
    EXPECT_EQ(used(a.table), a.onDisk());

    const BookingRecord recurring = penvaro::testing::Recurring(15, "15.07.2011");
    ASSERT_TRUE(core::ReplaceAndAddBookings(a.table, 2, recurring,
                                            {penvaro::testing::Planned("15.07.2011")}, a.file));
    EXPECT_EQ(6, a.table.count());
    EXPECT_EQ(recurring, a.table.slot(2));
    EXPECT_EQ(penvaro::testing::Planned("15.07.2011"), a.table.slot(6));
    EXPECT_EQ(used(a.table), a.onDisk());
}

TEST(BookingChanges, WhatAnotherProgramWroteIsReadAgainNeverWrittenOver) {
    using Change = std::function<core::Result<void>(BookingTable &, const std::filesystem::path &)>;
    const struct {
        const char *what;
        Change change;
    } cases[] = {
        {"add",
         [](BookingTable &t, const std::filesystem::path &f) {
             return core::AddBooking(t, penvaro::testing::Planned("01.05.2011"), f);
         }},
        {"add several",
         [](BookingTable &t, const std::filesystem::path &f) {
             return core::AddBookings(t, {penvaro::testing::Planned("01.05.2011")}, f);
         }},
        {"replace",
         [](BookingTable &t, const std::filesystem::path &f) {
             return core::ReplaceBooking(t, 2, penvaro::testing::Planned("01.05.2011"), f);
         }},
        {"delete", [](BookingTable &t,
                      const std::filesystem::path &f) { return core::DeleteBooking(t, 3, f); }},
    };
    const BookingRecord theirs = penvaro::testing::Completed(2011, 3, "05.03.2011", 4242);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Account a;
        BookingTable other;
        ASSERT_TRUE(core::LoadAccountFile(a.file, other));
        ASSERT_TRUE(core::AddBooking(other, theirs, a.file));

        const auto refused = c.change(a.table, a.file);
        ASSERT_FALSE(refused);
        EXPECT_EQ(core::ErrorKind::Changed, refused.error().kind);
        EXPECT_EQ(used(other), a.onDisk()) << "nothing written";
        EXPECT_EQ(used(other), used(a.table)) << "the table holds the file as it is now";

        ASSERT_TRUE(c.change(a.table, a.file)) << "made again, the change is stored";
        EXPECT_EQ(used(a.table), a.onDisk());
        EXPECT_NE(a.onDisk().end(), std::find(a.onDisk().begin(), a.onDisk().end(), theirs));

        a.table.readOnly = true;
        const auto before = a.onDisk();
        const auto readOnly = c.change(a.table, a.file);
        ASSERT_FALSE(readOnly);
        EXPECT_EQ(core::ErrorKind::ReadOnly, readOnly.error().kind);
        EXPECT_EQ(before, a.onDisk());
        EXPECT_EQ(before, used(a.table));
    }
}

TEST(BookingChanges, AFailedWriteLeavesTheTableAsItWas) {
    Account a;
    const std::vector<BookingRecord> before = used(a.table);
    std::filesystem::remove(a.file);
    std::filesystem::create_directory(a.file); // neither appendable nor replaceable

    EXPECT_FALSE(
        core::AddBooking(a.table, penvaro::testing::Completed(2011, 2, "04.02.2011"), a.file));
    EXPECT_FALSE(core::AddBookings(a.table, {penvaro::testing::Planned("01.03.2011")}, a.file));
    EXPECT_FALSE(core::ReplaceBooking(a.table, 2, penvaro::testing::Planned("01.05.2011"), a.file));
    EXPECT_FALSE(core::DeleteBooking(a.table, 1, a.file));
    EXPECT_FALSE(core::ReplaceAndAddBookings(a.table, 1, penvaro::testing::Planned("01.05.2011"),
                                             {penvaro::testing::Planned("01.06.2011")}, a.file));
    EXPECT_EQ(before, used(a.table));
}

TEST(BookingChanges, AFullTableRefusesEveryAddition) {
    Account a;
    std::vector<BookingRecord> records(core::MaxBookings,
                                       penvaro::testing::Completed(2011, 1, "03.01.2011"));
    penvaro::testing::Fill(a.table, records);
    ASSERT_TRUE(core::SaveAccountFile(a.table, a.file));
    const auto bytes = penvaro::testing::ReadBytes(a.file);

    const auto refused = core::AddBooking(a.table, penvaro::testing::Planned("01.02.2011"), a.file);
    ASSERT_FALSE(refused);
    EXPECT_EQ(core::ErrorKind::TooLarge, refused.error().kind);
    EXPECT_FALSE(core::AddBookings(a.table, {penvaro::testing::Planned("01.02.2011")}, a.file));
    const auto replaced =
        core::ReplaceAndAddBookings(a.table, 1, penvaro::testing::Planned("01.03.2011"),
                                    {penvaro::testing::Planned("01.02.2011")}, a.file);
    ASSERT_FALSE(replaced);
    EXPECT_EQ(core::ErrorKind::TooLarge, replaced.error().kind);
    EXPECT_EQ(penvaro::testing::Completed(2011, 1, "03.01.2011"), a.table.slot(1))
        << "nothing half done";
    EXPECT_EQ(core::MaxBookings, a.table.count());
    EXPECT_EQ(bytes, penvaro::testing::ReadBytes(a.file));
}

TEST(BookingChanges, AFullTableCanStillBeChangedAndItsFailuresUndone) {
    Account a;
    std::vector<BookingRecord> records(core::MaxBookings,
                                       penvaro::testing::Completed(2011, 1, "03.01.2011"));
    records.back() = penvaro::testing::Planned("01.02.2011");
    penvaro::testing::Fill(a.table, records);
    ASSERT_TRUE(core::ReplaceBooking(a.table, 1, penvaro::testing::Planned("01.03.2011"), a.file));
    ASSERT_TRUE(core::ReplaceAndAddBookings(a.table,
                                            {{2, penvaro::testing::Planned("01.04.2011")},
                                             {3, penvaro::testing::Planned("01.05.2011")}},
                                            {}, a.file));
    EXPECT_EQ(used(a.table), a.onDisk());

    const std::vector<BookingRecord> before = used(a.table);
    std::filesystem::remove(a.file);
    std::filesystem::create_directory(a.file);
    EXPECT_FALSE(core::ReplaceBooking(a.table, 5, penvaro::testing::Planned("01.06.2011"), a.file));
    EXPECT_FALSE(core::DeleteBooking(a.table, 1, a.file));
    EXPECT_EQ(before, used(a.table));
}
