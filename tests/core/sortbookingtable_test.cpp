#include "support/records.h"
#include "support/referencesort.h"

#include "core/sortbookingtable.h"

#include <gtest/gtest.h>

#include <random>

using namespace penvaro;
using core::BookingKind;
using core::BookingRecord;
using core::BookingTable;
using core::DoneOrder;
using core::SortOrder;

namespace {

struct Runs {
    int firstDone, lastDone, firstPlanned, lastPlanned, firstRecurring, lastRecurring;
    friend bool operator==(const Runs &, const Runs &) = default;
};

Runs runsOf(const BookingTable &t) {
    return {t.FirstDone,   t.LastDone,       t.FirstPlanned,
            t.LastPlanned, t.FirstRecurring, t.LastRecurring};
}

// Few distinct keys, so that equal keys are common and their order is tested.
BookingRecord randomRecord(std::mt19937 &rng, int serial) {
    static const BookingKind kinds[] = {BookingKind::StartValue, BookingKind::Completed,
                                        BookingKind::Completed, BookingKind::Planned,
                                        BookingKind::Recurring};
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    BookingRecord r;
    r.Satzart = kinds[pick(5)];
    r.Auszugsjahr = static_cast<std::uint16_t>(2010 + pick(2));
    r.Auszugsnr = static_cast<std::uint16_t>(1 + pick(4));
    r.Auszugsdatum = 40500 + pick(5);
    r.Wertdatum = 40500 + pick(3);
    r.Betrag = serial; // tells records apart
    return r;
}

} // namespace

TEST(SortBookingTable, GivesExactlyTheSelectionSortOrderForEveryOrderAndDirection) {
    std::mt19937 rng(20110101);
    for (const DoneOrder done :
         {DoneOrder::Normal, DoneOrder::StatementDate, DoneOrder::ValueDate}) {
        for (const bool doneAscending : {true, false}) {
            for (const bool plannedAscending : {true, false}) {
                for (const int size : {0, 1, 2, 3, 17, 300}) {
                    SCOPED_TRACE(::testing::Message()
                                 << "order " << static_cast<int>(done) << " sort1 " << doneAscending
                                 << " sort2 " << plannedAscending << " size " << size);
                    std::vector<BookingRecord> records;
                    for (int i = 0; i < size; ++i)
                        records.push_back(randomRecord(rng, i));
                    BookingTable fast;
                    BookingTable reference;
                    penvaro::testing::Fill(fast, records);
                    penvaro::testing::Fill(reference, records);
                    const SortOrder order{done, doneAscending, plannedAscending};
                    core::SortBookingTable(fast, order);
                    penvaro::testing::ReferenceSortBookingTable(reference, order);
                    ASSERT_EQ(runsOf(reference), runsOf(fast));
                    ASSERT_TRUE(std::ranges::equal(reference.used(), fast.used()));
                }
            }
        }
    }
}

TEST(SortBookingTable, DamagedDatesSortAsTheSelectionSortDoes) {
    std::mt19937 rng(7);
    std::vector<BookingRecord> records;
    for (int i = 0; i < 60; ++i) {
        BookingRecord r = randomRecord(rng, i);
        r.Satzart = BookingKind::Completed;
        if (i % 7 == 0)
            r.Wertdatum = std::numeric_limits<double>::quiet_NaN();
        if (i % 11 == 0)
            r.Wertdatum = -0.0;
        records.push_back(r);
    }
    for (const bool ascending : {true, false}) {
        BookingTable fast;
        BookingTable reference;
        penvaro::testing::Fill(fast, records);
        penvaro::testing::Fill(reference, records);
        const SortOrder order{DoneOrder::ValueDate, ascending, true};
        core::SortBookingTable(fast, order);
        penvaro::testing::ReferenceSortBookingTable(reference, order);
        for (int slot = 1; slot <= 60; ++slot)
            ASSERT_EQ(reference.slot(slot).Betrag, fast.slot(slot).Betrag) << slot;
    }
}

// After each change the table is in order but for the changed booking, and the sort leaves
// the part before it alone; what it does from there must still be the selection sort's work.
TEST(SortBookingTable, ATableInOrderButForOneChangeGetsTheSelectionSortOrder) {
    std::mt19937 rng(31);
    for (const int size : {2, 40, 900}) {
        for (const int changed : {0, size / 2, size - 1, size}) { // size: one appended
            SCOPED_TRACE(::testing::Message() << "size " << size << " changed " << changed);
            std::vector<BookingRecord> records;
            for (int i = 0; i < size; ++i)
                records.push_back(randomRecord(rng, i));
            // A damaged date in the part that stays, which a NaN-blind check would misjudge.
            records[static_cast<std::size_t>(size / 3)].Wertdatum =
                std::numeric_limits<double>::quiet_NaN();
            BookingTable inOrder;
            penvaro::testing::Fill(inOrder, records);
            const SortOrder order{DoneOrder::ValueDate, true, false};
            penvaro::testing::ReferenceSortBookingTable(inOrder, order);
            BookingRecord change = randomRecord(rng, size);
            if (changed < size) {
                change.Satzart = inOrder.slot(changed + 1).Satzart;
                inOrder.slot(changed + 1) = change;
            } else {
                inOrder.append(change);
            }
            BookingTable fast = inOrder;
            BookingTable reference = inOrder;
            core::SortBookingTable(fast, order);
            penvaro::testing::ReferenceSortBookingTable(reference, order);
            ASSERT_EQ(runsOf(reference), runsOf(fast));
            for (int slot = 1; slot <= reference.count(); ++slot)
                ASSERT_EQ(reference.slot(slot).Betrag, fast.slot(slot).Betrag) << slot;
        }
    }
}

TEST(SortBookingTable, SetsTheRuns) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> records;
        Runs runs;
    };
    const Case cases[] = {
        {"empty table", {}, {0, 0, 0, 0, 0, 0}},
        {"start value and completed only",
         {penvaro::testing::Completed(2011, 2, "01.02.2011"), penvaro::testing::StartValue(0),
          penvaro::testing::Completed(2011, 1, "01.01.2011")},
         {1, 3, 0, 3, 0, 3}},
        {"all kinds",
         {penvaro::testing::Recurring(5, "05.01.2011"), penvaro::testing::Planned("01.03.2011"),
          penvaro::testing::Completed(2011, 1, "01.01.2011"),
          penvaro::testing::Planned("01.02.2011")},
         {1, 1, 2, 3, 4, 4}},
        {"planned only", {penvaro::testing::Planned("01.03.2011")}, {0, 0, 1, 1, 0, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookingTable table;
        penvaro::testing::Fill(table, c.records);
        core::SortBookingTable(table, {});
        EXPECT_EQ(c.runs, runsOf(table));
    }
}

// Far beyond the sizes above, where only a fast sort is bearable: the same exchanges still
// decide the order of the many equal keys.
TEST(SortBookingTable, ALargeTableGetsTheSelectionSortOrderToo) {
    std::mt19937 rng(65535);
    std::vector<BookingRecord> records;
    for (int i = 0; i < 40000; ++i)
        records.push_back(randomRecord(rng, i));
    BookingTable fast;
    BookingTable reference;
    penvaro::testing::Fill(fast, records);
    penvaro::testing::Fill(reference, records);
    const SortOrder order{DoneOrder::Normal, false, true};
    core::SortBookingTable(fast, order);
    penvaro::testing::ReferenceSortBookingTable(reference, order);
    ASSERT_EQ(runsOf(reference), runsOf(fast));
    for (int slot = 1; slot <= 40000; ++slot)
        ASSERT_EQ(reference.slot(slot).Betrag, fast.slot(slot).Betrag) << slot;
}

TEST(SortBookingTable, AFullTableEndsItsLastRunAtTheLastSlot) {
    std::vector<BookingRecord> records;
    for (int i = 0; i < core::MaxBookings; ++i)
        records.push_back(i < 10 ? penvaro::testing::Completed(2011, 1, "01.01.2011")
                                 : penvaro::testing::Planned("01.01.2012"));
    BookingTable table;
    penvaro::testing::Fill(table, records);
    core::SortBookingTable(table, {});
    EXPECT_EQ((Runs{1, 10, 11, core::MaxBookings, 0, core::MaxBookings}), runsOf(table));
}

TEST(SortBookingTable, OrdersEachRunByItsKey) {
    const BookingRecord start = penvaro::testing::StartValue(0);
    const BookingRecord dec2010 = penvaro::testing::Completed(2010, 12, "20.12.2010");
    const BookingRecord jan2011 = penvaro::testing::Completed(2011, 1, "05.01.2011");
    const BookingRecord feb1 = penvaro::testing::Completed(2011, 3, "01.02.2011");
    const BookingRecord feb2 = penvaro::testing::Completed(2011, 3, "02.02.2011");
    const BookingRecord due28 = penvaro::testing::Recurring(28, "28.01.2011");
    const BookingRecord due5 = penvaro::testing::Recurring(5, "05.06.2011");
    const BookingRecord march = penvaro::testing::Planned("01.03.2011");
    const BookingRecord april = penvaro::testing::Planned("01.04.2011");
    const std::vector<BookingRecord> shuffled = {due28, feb2,  april, jan2011, start,
                                                 due5,  march, feb1,  dec2010};
    struct Case {
        const char *name;
        SortOrder order;
        std::vector<BookingRecord> expected;
    };
    const Case cases[] = {
        {"normal ascending",
         {DoneOrder::Normal, true, true},
         {start, dec2010, jan2011, feb1, feb2, march, april, due5, due28}},
        {"normal descending puts the start value last",
         {DoneOrder::Normal, false, false},
         {feb2, feb1, jan2011, dec2010, start, april, march, due5, due28}},
        {"value date",
         {DoneOrder::ValueDate, true, true},
         {start, dec2010, jan2011, feb1, feb2, march, april, due5, due28}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookingTable table;
        penvaro::testing::Fill(table, shuffled);
        core::SortBookingTable(table, c.order);
        EXPECT_EQ(c.expected,
                  std::vector<BookingRecord>(table.used().begin(), table.used().begin() + 9));
        // Sorting a sorted table with distinct keys changes nothing.
        core::SortBookingTable(table, c.order);
        EXPECT_EQ(c.expected,
                  std::vector<BookingRecord>(table.used().begin(), table.used().begin() + 9));
    }
}

TEST(SortBookingTable, AnUnknownSortSettingOrdersAsNormal) {
    EXPECT_EQ(DoneOrder::Normal, core::DoneOrderFromSetting(""));
    EXPECT_EQ(DoneOrder::Normal, core::DoneOrderFromSetting("xyz"));
    EXPECT_EQ(DoneOrder::StatementDate, core::DoneOrderFromSetting("ad"));
    EXPECT_EQ(DoneOrder::ValueDate, core::DoneOrderFromSetting("wd"));
}
