#include "support/records.h"
#include "support/tempdir.h"

#include "core/accountfile.h"
#include "core/balances.h"
#include "core/bookingchanges.h"
#include "core/statementbooking.h"
#include "core/statementimport.h"

#include <gtest/gtest.h>

using namespace penvaro;
using core::BookingKind;
using core::BookingRecord;
using core::BookingTable;
using core::ImportAction;
using core::Statement;
using core::StatementEntry;
using penvaro::testing::Day;

namespace {

StatementEntry credit(const std::string &valueDate, std::int64_t amount,
                      const std::string &purpose = "Miete") {
    return {Day(valueDate), std::nullopt, u'+', amount, "Erika Mustermann", purpose, "GUTSCHRIFT"};
}

StatementEntry debit(const std::string &valueDate, std::int64_t amount,
                     const std::string &purpose = "Strom") {
    return {Day(valueDate), std::nullopt, u'-', amount, "Stadtwerke", purpose, "LASTSCHRIFT"};
}

Statement statement(std::uint16_t number, const std::string &date,
                    std::vector<StatementEntry> entries, std::string account = "DE02") {
    return {std::move(account), number, Day(date), std::nullopt, std::move(entries)};
}

// A planned booking typed without a party: amount and date decide.
BookingRecord planned(const std::string &valueDate, std::int64_t signedAmount) {
    BookingRecord r = penvaro::testing::Planned(valueDate, signedAmount);
    r.Absender.setUtf8("");
    return r;
}

BookingRecord plannedFor(const std::string &valueDate, std::int64_t signedAmount,
                         const std::string &party, const std::string &purpose = {},
                         const std::string &category = {}) {
    BookingRecord r = planned(valueDate, signedAmount);
    r.Absender.setUtf8(party);
    r.Verwendungszweck.setUtf8(purpose);
    r.Buchungsart.setUtf8(category);
    return r;
}

StatementEntry payment(const std::string &valueDate, std::int64_t signedAmount,
                       const std::string &party, const std::string &purpose = "Zahlung") {
    return {Day(valueDate),
            std::nullopt,
            signedAmount < 0 ? u'-' : u'+',
            signedAmount < 0 ? -signedAmount : signedAmount,
            party,
            purpose,
            "SEPA-Gutsc"};
}

std::vector<ImportAction> actions(const core::ImportPlan &plan) {
    std::vector<ImportAction> result;
    for (const core::ImportStep &step : plan.steps)
        result.push_back(step.action);
    return result;
}

// The records as the file holds them: what an entry says beyond them is kept beside the file.
std::vector<BookingRecord> used(const BookingTable &table) {
    std::vector<BookingRecord> records(table.used().begin(), table.used().end());
    for (BookingRecord &r : records)
        r.details.reset();
    return records;
}

// An account file on disk and the table loaded from it.
struct Account {
    explicit Account(const std::vector<BookingRecord> &records) {
        penvaro::testing::Fill(table, records);
        EXPECT_TRUE(core::SaveAccountFile(table, file));
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

TEST(CompletedBookingFromEntry, TakesTheStatementDataAndStoresTextsLikeTypedOnes) {
    const Statement s = statement(7, "03.02.2026", {});
    StatementEntry e{Day("01.02.2026"),      Day("02.02.2026"),        u'-',          8500000,
                     "Hausverwaltung Größe", "Miete – 850 € → Whg. 3", "Dauerauftrag"};
    BookingRecord r = core::CompletedBookingFromEntry(s, e);
    EXPECT_EQ(BookingKind::Completed, r.Satzart);
    EXPECT_EQ(2026, r.Auszugsjahr);
    EXPECT_EQ(7, r.Auszugsnr);
    EXPECT_EQ(Day("03.02.2026"), r.Auszugsdatum);
    EXPECT_EQ(Day("01.02.2026"), r.Wertdatum);
    EXPECT_EQ(Day("02.02.2026"), r.Buchungsdatum);
    EXPECT_EQ(u'-', r.SollHaben);
    EXPECT_EQ(8500000, r.Betrag);
    EXPECT_EQ("Hausverwaltung Größe", r.Absender.toUtf8());
    EXPECT_EQ("Miete – 850 € ? Whg. 3", r.Verwendungszweck.toUtf8()) << "no arrow in the code page";
    EXPECT_EQ("", r.Buchungsart.toUtf8()) << "the booking type is no category";

    struct Case {
        const char *name;
        std::string purpose;
        std::string stored;
    };
    const Case cases[] = {
        {"cut to 50", std::string(45, 'x') + "ÄÖÜäöüß", std::string(45, 'x') + "ÄÖÜäö"},
        {"trailing blanks after the cut", std::string(48, 'y') + "   zz", std::string(48, 'y')},
        {"trailing blanks", "Miete   ", "Miete"},
        {"leading blanks stay", "  Miete", "  Miete"},
        {"line breaks and tabs become blanks", "Miete\tMai\r\n2026", "Miete Mai  2026"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        e.purpose = c.purpose;
        r = core::CompletedBookingFromEntry(s, e);
        EXPECT_EQ(c.stored, r.Verwendungszweck.toUtf8());
        EXPECT_TRUE(std::all_of(r.Verwendungszweck.chars.begin() + r.Verwendungszweck.length,
                                r.Verwendungszweck.chars.end(), [](auto b) { return b == 0; }))
            << "no cut-off text behind the length";
    }

    e.bookingDate.reset();
    EXPECT_EQ(Day("01.02.2026"), core::CompletedBookingFromEntry(s, e).Buchungsdatum)
        << "without a booking date the value date stands in";
}

TEST(PlanStatementImport, SettlesAPlannedBookingWithinFiveDaysNearestFirst) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> bookings; // slots 2.. after a start value
        std::vector<StatementEntry> entries;
        std::vector<ImportAction> actions;
        std::vector<int> slots; // the settled slot per entry, 0 for none
    };
    const auto matched = ImportAction::Matched;
    const auto added = ImportAction::Added;
    const Case cases[] = {
        {"five days before",
         {planned("10.01.2026", 5000)},
         {credit("15.01.2026", 5000)},
         {matched},
         {2}},
        {"five days after",
         {planned("20.01.2026", 5000)},
         {credit("15.01.2026", 5000)},
         {matched},
         {2}},
        {"six days is too far",
         {planned("09.01.2026", 5000), planned("21.01.2026", 5000)},
         {credit("15.01.2026", 5000)},
         {added},
         {0}},
        {"the nearest date wins",
         {planned("11.01.2026", 5000), planned("14.01.2026", 5000), planned("12.01.2026", 5000)},
         {credit("15.01.2026", 5000)},
         {matched},
         {3}},
        {"at equal distance the first in table order",
         {planned("18.01.2026", 5000), planned("12.01.2026", 5000)},
         {credit("15.01.2026", 5000)},
         {matched},
         {2}},
        {"one planned booking settles one entry",
         {planned("15.01.2026", 5000)},
         {credit("15.01.2026", 5000), credit("15.01.2026", 5000)},
         {matched, added},
         {2, 0}},
        {"the second entry takes the next nearest",
         {planned("15.01.2026", 5000), planned("17.01.2026", 5000)},
         {credit("15.01.2026", 5000), credit("15.01.2026", 5000)},
         {matched, matched},
         {2, 3}},
        {"the direction must agree",
         {planned("15.01.2026", -5000)},
         {credit("15.01.2026", 5000)},
         {added},
         {0}},
        {"the amount must agree",
         {planned("15.01.2026", 5001)},
         {credit("15.01.2026", 5000)},
         {added},
         {0}},
        {"completed bookings are never settled",
         {penvaro::testing::Completed(2025, 3, "15.01.2026", 5000)},
         {credit("15.01.2026", 5000)},
         {added},
         {0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BookingRecord> records = {penvaro::testing::StartValue(0)};
        records.insert(records.end(), c.bookings.begin(), c.bookings.end());
        BookingTable table;
        penvaro::testing::Fill(table, records);
        const auto plan = core::PlanStatementImport(table, {statement(1, "20.01.2026", c.entries)});
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(c.actions, actions(*plan));
        for (std::size_t i = 0; i < c.slots.size(); ++i) {
            EXPECT_EQ(c.slots[i], plan->steps[i].plannedSlot) << "entry " << i + 1;
            if (c.slots[i] != 0) {
                EXPECT_EQ(table.slot(c.slots[i]), plan->steps[i].planned);
            }
        }
    }
}

TEST(PlanStatementImport, MatchesPlannedBookingsByPartyThenPurposeThenAmountAndDate) {
    struct Case {
        const char *name;
        std::vector<BookingRecord> bookings; // slots 2.. after a start value
        std::vector<StatementEntry> entries;
        std::vector<ImportAction> actions;
        std::vector<int> slots;      // the planned slot per entry, 0 for none
        std::vector<bool> uncertain; // per entry
        bool takeUncertain = false;  // the user's tick on every entry
    };
    const auto matched = ImportAction::Matched;
    const auto added = ImportAction::Added;
    const Case cases[] = {
        {"the party decides between equal amounts",
         {plannedFor("17.12.2026", -3500000, "Maria Lang"),
          plannedFor("18.12.2026", -3500000, "Jörg Weiß")},
         {payment("17.12.2026", -3500000, "JOERG WEISS")},
         {matched},
         {3},
         {false}},
        {"the right party further away before another party on the day",
         {plannedFor("17.12.2026", -3500000, "Maria Lang"),
          plannedFor("21.12.2026", -3500000, "Jörg Weiß")},
         {payment("17.12.2026", -3500000, "Jörg Weiß")},
         {matched},
         {3},
         {false}},
        {"a short typed name is part of the bank's name with legal form",
         {plannedFor("05.01.2027", -800000, "Stadtwerke")},
         {payment("06.01.2027", -800000, "STADTWERKE LEIPZIG GMBH")},
         {matched},
         {2},
         {false}},
        {"the purpose where the planned booking names no party",
         {plannedFor("17.12.2026", -3500000, "", "Hallenmiete"),
          plannedFor("17.12.2026", -3500000, "", "")},
         {payment("17.12.2026", -3500000, "Stadt Leipzig", "HALLENMIETE DEZEMBER")},
         {matched},
         {2},
         {false}},
        {"same amount and day, another party: uncertain and not taken",
         {plannedFor("17.12.2026", -3500000, "Maria Lang")},
         {payment("17.12.2026", -3500000, "Jörg Weiß")},
         {added},
         {2},
         {true}},
        {"the same with the user's tick",
         {plannedFor("17.12.2026", -3500000, "Maria Lang")},
         {payment("17.12.2026", -3500000, "Jörg Weiß")},
         {matched},
         {2},
         {true},
         true},
        {"same party, another amount: uncertain",
         {plannedFor("05.01.2027", -800000, "Stadtwerke")},
         {payment("05.01.2027", -850000, "Stadtwerke Leipzig")},
         {added},
         {2},
         {true}},
        {"a name that only starts like the planned one is another party",
         {plannedFor("05.01.2027", -800000, "Stadt")},
         {payment("05.01.2027", -850000, "Stadtwerke Leipzig")},
         {added},
         {0},
         {false}},
        {"two equal candidates: equal distance goes by table order, then the other",
         {plannedFor("03.01.2027", -800000, "Stadtwerke"),
          plannedFor("07.01.2027", -800000, "Stadtwerke")},
         {payment("05.01.2027", -800000, "Stadtwerke"),
          payment("05.01.2027", -800000, "Stadtwerke")},
         {matched, matched},
         {2, 3},
         {false, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BookingRecord> records = {penvaro::testing::StartValue(0)};
        records.insert(records.end(), c.bookings.begin(), c.bookings.end());
        BookingTable table;
        penvaro::testing::Fill(table, records);
        const auto plan =
            core::PlanStatementImport(table, {statement(1, "20.01.2026", c.entries)}, {}, {},
                                      std::vector<bool>(c.entries.size(), c.takeUncertain));
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(c.actions, actions(*plan));
        for (std::size_t i = 0; i < c.slots.size(); ++i) {
            SCOPED_TRACE("entry " + std::to_string(i + 1));
            EXPECT_EQ(c.slots[i], plan->steps[i].plannedSlot);
            EXPECT_EQ(c.uncertain[i], plan->steps[i].uncertain);
        }
    }
}

TEST(PlanStatementImport, AMatchKeepsWhatTheUserGaveThePlannedBookingAndNothingIsACategory) {
    BookingTable table;
    penvaro::testing::Fill(table, {penvaro::testing::StartValue(0),
                                   plannedFor("17.12.2026", -3500000, "Turnhalle", "", "Halle")});
    const auto plan = core::PlanStatementImport(
        table, {statement(1, "18.12.2026",
                          {payment("17.12.2026", -3500000, "TURNHALLE GMBH", "Miete Dezember"),
                           payment("17.12.2026", 120000, "Erika Mustermann")})});
    ASSERT_TRUE(plan) << plan.error().message;
    ASSERT_EQ((std::vector{ImportAction::Matched, ImportAction::Added}), actions(*plan));
    const BookingRecord &settled = plan->steps[0].booking;
    EXPECT_EQ("Halle", settled.Buchungsart.toUtf8());
    EXPECT_EQ("Turnhalle", settled.Absender.toUtf8());
    EXPECT_EQ("Miete Dezember", settled.Verwendungszweck.toUtf8()) << "the purpose is the bank's";
    EXPECT_EQ(3500000, settled.Betrag);
    EXPECT_EQ("", plan->steps[1].booking.Buchungsart.toUtf8())
        << "the bank's booking type never becomes the category";
}

TEST(PlanStatementImport, RecognisesWhatAnotherFormatBookedAlreadyWithoutReferences) {
    // The CAMT file split a collective entry of four payments (statement 12); the account holds
    // one more credit of that day.
    const Statement camt = statement(12, "15.12.2026",
                                     {payment("15.12.2026", 500000, "Anna Beck", "Beitrag"),
                                      payment("15.12.2026", 600000, "Bernd Roth", "Beitrag"),
                                      payment("15.12.2026", 400000, "Clara Pohl", "Beitrag"),
                                      payment("15.12.2026", 600000, "Dora Kuhn", "Beitrag"),
                                      payment("15.12.2026", 300000, "Emil Faust", "Spende")});
    std::vector<BookingRecord> records = {penvaro::testing::StartValue(0)};
    for (const StatementEntry &entry : camt.entries)
        records.push_back(core::CompletedBookingFromEntry(camt, entry));
    BookingTable table;
    penvaro::testing::Fill(table, records);

    StatementEntry withReference = payment("15.12.2026", 2100000, "TSV Musterstadt", "Sammler");
    withReference.references = {"B 1 + 2100000 X"};
    struct Case {
        const char *name;
        StatementEntry entry;
        ImportAction action;
    };
    const Case cases[] = {
        {"the batch's total", payment("15.12.2026", 2100000, "TSV Musterstadt", "Sammler"),
         ImportAction::Skipped},
        {"another total", payment("15.12.2026", 2150000, "TSV Musterstadt", "Sammler"),
         ImportAction::Added},
        {"another day", payment("16.12.2026", 2100000, "TSV Musterstadt", "Sammler"),
         ImportAction::Added},
        {"an entry with its own reference", withReference, ImportAction::Added},
        {"one payment as the CSV writes its purpose longer",
         payment("15.12.2026", 600000, "Dora Kuhn", "Beitrag 2027 Mitglied 17"),
         ImportAction::Skipped},
        {"the same party and amount for another purpose",
         payment("15.12.2026", 600000, "Dora Kuhn", "Kursgebühr"), ImportAction::Added},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto plan = core::PlanStatementImport(table, {statement(0, "15.12.2026", {c.entry})});
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(c.action, plan->steps[0].action);
    }
}

TEST(PlanStatementImport, PendingEntriesAreShownAndNeverBooked) {
    BookingTable table;
    penvaro::testing::Fill(table, {penvaro::testing::StartValue(0), planned("05.03.2026", -41000)});
    StatementEntry pending = payment("05.03.2026", -41000, "Bäckerei");
    pending.pending = true;
    pending.references = {"E 1 - 41000 P"};
    const auto plan = core::PlanStatementImport(
        table, {statement(0, "05.03.2026", {pending, payment("04.03.2026", 1000, "Erika")})});
    ASSERT_TRUE(plan) << plan.error().message;
    EXPECT_EQ((std::vector{ImportAction::Pending, ImportAction::Added}), actions(*plan));
    EXPECT_EQ(0, plan->steps[0].plannedSlot) << "settles no planned booking";
    EXPECT_EQ(1000, plan->bookBalanceAfter);
    EXPECT_TRUE(plan->references.empty()) << "its reference is not remembered as imported";
}

TEST(PlanStatementImport, SkipsWhatTheAccountHoldsBeforeLookingForPlannedBookings) {
    const Statement s = statement(
        4, "31.01.2026",
        {debit("28.01.2026", 990000), debit("28.01.2026", 990000), credit("29.01.2026", 5000)});
    BookingRecord existing = core::CompletedBookingFromEntry(s, s.entries[0]);
    // Typed by hand: other texts, a blank after the purpose, the value date at noon.
    existing.Absender.setUtf8("Stadtwerke Köln");
    existing.Verwendungszweck.setUtf8("Strom ");
    existing.Wertdatum += 0.5;
    BookingTable table;
    penvaro::testing::Fill(
        table, {penvaro::testing::StartValue(0), existing, planned("28.01.2026", -990000)});

    const auto plan = core::PlanStatementImport(table, {s});
    ASSERT_TRUE(plan) << plan.error().message;
    EXPECT_EQ((std::vector{ImportAction::Skipped, ImportAction::Matched, ImportAction::Added}),
              actions(*plan))
        << "one booking answers for one of two equal entries; the other settles the plan";

    struct Change {
        const char *name;
        void (*apply)(BookingRecord &);
    };
    const Change changes[] = {
        {"statement year", [](BookingRecord &r) { ++r.Auszugsjahr; }},
        {"statement number", [](BookingRecord &r) { ++r.Auszugsnr; }},
        {"value date", [](BookingRecord &r) { r.Wertdatum += 1; }},
        {"direction", [](BookingRecord &r) { r.SollHaben = u'+'; }},
        {"amount", [](BookingRecord &r) { ++r.Betrag; }},
        {"purpose", [](BookingRecord &r) { r.Verwendungszweck.setUtf8("Gas"); }},
        {"kind", [](BookingRecord &r) { r.Satzart = BookingKind::Planned; }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        BookingRecord other = core::CompletedBookingFromEntry(s, s.entries[0]);
        change.apply(other);
        penvaro::testing::Fill(table, {penvaro::testing::StartValue(0), other});
        const auto again =
            core::PlanStatementImport(table, {statement(4, "31.01.2026", {s.entries[0]})});
        ASSERT_TRUE(again);
        EXPECT_NE(ImportAction::Skipped, again->steps[0].action);
    }
}

TEST(PlanStatementImport, RefusesStatementsOfSeveralAccountsNamingThem) {
    BookingTable table;
    const auto plan =
        core::PlanStatementImport(table, {statement(1, "01.01.2026", {}, "DE02120300000000202051"),
                                          statement(2, "02.01.2026", {}, "DE02120300000000202051"),
                                          statement(3, "03.01.2026", {}, "12030000/999")});
    ASSERT_FALSE(plan);
    EXPECT_NE(std::string::npos,
              plan.error().message.find("(DE02120300000000202051, 12030000/999)"))
        << plan.error().message;
}

TEST(ApplyImportPlan, SettlesAddsAndWritesOnceAndASecondImportAddsNothing) {
    Account a({penvaro::testing::StartValue(1000000), planned("03.01.2027", -499500),
               planned("20.01.2027", 8000000)});
    Statement first =
        statement(13, "02.01.2027", {credit("30.12.2026", 8000000), debit("31.12.2026", 499500)});
    first.closingBalance = 17500500;
    const Statement second = statement(14, "05.01.2027", {debit("05.01.2027", 100)});
    const Statement empty = statement(15, "06.01.2027", {});

    const auto plan = core::PlanStatementImport(a.table, {first, second, empty});
    ASSERT_TRUE(plan) << plan.error().message;
    EXPECT_EQ((std::vector{ImportAction::Added, ImportAction::Matched, ImportAction::Added}),
              actions(*plan));
    EXPECT_EQ(std::nullopt, plan->closingBalance) << "the last statement has none";
    EXPECT_EQ(1000000 + 8000000 - 499500 - 100, plan->bookBalanceAfter);
    EXPECT_EQ((std::vector<core::StatementDate>{{2027, 13, Day("02.01.2027")},
                                                {2027, 14, Day("05.01.2027")}}),
              plan->statementDates);

    ASSERT_TRUE(core::ApplyImportPlan(a.table, *plan, a.file));
    EXPECT_EQ(5, a.table.count());
    EXPECT_EQ(plan->steps[1].booking, a.table.slot(2)) << "the settled plan's slot";
    EXPECT_EQ(plan->steps[0].booking, a.table.slot(4));
    EXPECT_EQ(plan->steps[2].booking, a.table.slot(5));
    EXPECT_EQ(used(a.table), a.onDisk());
    EXPECT_EQ(plan->bookBalanceAfter, *core::ComputeBookBalance(a.table));

    const auto bytes = penvaro::testing::ReadBytes(a.file);
    const auto again = core::PlanStatementImport(a.table, {second, first});
    ASSERT_TRUE(again);
    EXPECT_EQ((std::vector{ImportAction::Skipped, ImportAction::Skipped, ImportAction::Skipped}),
              actions(*again));
    EXPECT_TRUE(again->statementDates.empty());
    EXPECT_EQ(17500500, again->closingBalance);
    std::filesystem::remove(a.file); // a plan without changes does not even try to write
    EXPECT_TRUE(core::ApplyImportPlan(a.table, *again, a.file));
    EXPECT_FALSE(std::filesystem::exists(a.file));
    penvaro::testing::WriteBytes(a.file, bytes);
}

TEST(ApplyImportPlan, LeftOutEntriesTakePartInNothing) {
    Account a({penvaro::testing::StartValue(0), planned("10.01.2026", 5000)});
    const Statement s =
        statement(1, "12.01.2026", {credit("10.01.2026", 5000), credit("11.01.2026", 5000)});
    const auto plan = core::PlanStatementImport(a.table, {s}, {true, false});
    ASSERT_TRUE(plan);
    EXPECT_EQ((std::vector{ImportAction::LeftOut, ImportAction::Matched}), actions(*plan));
    EXPECT_EQ(5000, plan->bookBalanceAfter);
    ASSERT_TRUE(core::ApplyImportPlan(a.table, *plan, a.file));
    EXPECT_EQ(2, a.table.count());
    EXPECT_EQ(plan->steps[1].booking, a.table.slot(2));
}

TEST(ApplyImportPlan, RefusesTheWholeImportWhenTheTableIsFullOrTheFileFails) {
    std::vector<BookingRecord> records(core::MaxBookings - 1,
                                       penvaro::testing::Completed(2020, 1, "03.01.2020"));
    records[0] = penvaro::testing::StartValue(0);
    records[1] = planned("10.01.2026", 5000);
    Account a(records);
    const auto bytes = penvaro::testing::ReadBytes(a.file);
    const std::vector<BookingRecord> before = used(a.table);
    const Statement s =
        statement(1, "12.01.2026",
                  {credit("10.01.2026", 5000), credit("11.01.2026", 7), credit("11.01.2026", 8)});
    const auto plan = core::PlanStatementImport(a.table, {s});
    ASSERT_TRUE(plan);

    const auto full = core::ApplyImportPlan(a.table, *plan, a.file);
    ASSERT_FALSE(full);
    EXPECT_EQ(core::TableFullError().message, full.error().message);
    EXPECT_EQ(before, used(a.table)) << "not even the settled plan";
    EXPECT_EQ(bytes, penvaro::testing::ReadBytes(a.file));

    penvaro::testing::Fill(a.table, {penvaro::testing::StartValue(0), planned("10.01.2026", 5000)});
    const auto fits = core::PlanStatementImport(a.table, {s});
    ASSERT_TRUE(fits);
    std::filesystem::remove(a.file);
    std::filesystem::create_directory(a.file);
    EXPECT_FALSE(core::ApplyImportPlan(a.table, *fits, a.file));
    EXPECT_EQ(2, a.table.count());
    EXPECT_EQ(planned("10.01.2026", 5000), a.table.slot(2));
}

TEST(ApplyImportPlan, RefusesAPlanWhoseTableHasChanged) {
    Account a({penvaro::testing::StartValue(0), planned("10.01.2026", 5000)});
    const auto plan = core::PlanStatementImport(
        a.table, {statement(1, "12.01.2026", {credit("10.01.2026", 5000)})});
    ASSERT_TRUE(plan);
    a.table.slot(2).Betrag = 6000;
    const auto bytes = penvaro::testing::ReadBytes(a.file);
    EXPECT_FALSE(core::ApplyImportPlan(a.table, *plan, a.file));
    EXPECT_EQ(bytes, penvaro::testing::ReadBytes(a.file));
}

TEST(CompletedBookingFromEntry, NamesTheOthersOfACollectiveEntryWithinTheField) {
    const Statement s = statement(7, "03.02.2026", {});
    struct Case {
        std::string party;
        int more;
        std::string stored;
    };
    const Case cases[] = {
        {"Bäckerei Schmidt", 2, "Bäckerei Schmidt und 2 weitere"},
        {"Sportverein Grün-Weiß Musterstadt e.V.", 1, "Sportverein und 1 weitere"},
        {"Sportvereinigungsgemeinschaft", 1, "Sportvereinigung und 1 weitere"},
        {"Kirchengemeinde St. Marien", 1, "Kirchengemeinde und 1 weitere"},
        {"", 3, "und 3 weitere"},
        {"Müller\u2011Lüdenscheidt", 0, "Müller-Lüdenscheidt"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.party);
        StatementEntry e = credit("01.02.2026", 100);
        e.party = c.party;
        e.moreParties = c.more;
        EXPECT_EQ(c.stored, core::CompletedBookingFromEntry(s, e).Absender.toUtf8());
    }
}

TEST(PlanStatementImport, ComparesPurposesAsTheOtherFormatOfTheBankWritesThem) {
    struct Case {
        const char *held;
        const char *imported;
        ImportAction action;
    };
    const Case cases[] = {
        {"Miete März – Whg. 3", "Miete März - Whg. 3", ImportAction::Skipped},
        {"Müller—Lüdenscheidt", "Müller\u2011Lüdenscheidt", ImportAction::Skipped},
        {"Rechnung „Wartung“", "Rechnung \"Wartung\"", ImportAction::Skipped},
        {"Rechnung ‚Wartung‘", "Rechnung 'Wartung'", ImportAction::Skipped},
        {"MIETE  MÄRZ ", "Miete März", ImportAction::Skipped},
        {"Miete März", "Miete Mai", ImportAction::Added},
        {"Miete 3", "Miete 3a", ImportAction::Added},
        {"Miete-3", "Miete 3", ImportAction::Added},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.imported);
        const Statement held = statement(4, "31.01.2026", {credit("28.01.2026", 5000, c.held)});
        BookingTable table;
        penvaro::testing::Fill(table, {penvaro::testing::StartValue(0),
                                       core::CompletedBookingFromEntry(held, held.entries[0])});
        const auto plan = core::PlanStatementImport(
            table, {statement(4, "31.01.2026", {credit("28.01.2026", 5000, c.imported)})});
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(std::vector{c.action}, actions(*plan));
    }
}

TEST(EntryReferenceKey, TakesReferencesButNoPlaceholders) {
    const double day = Day("02.03.2026");
    struct Case {
        core::ReferenceKind kind;
        std::string reference;
        std::optional<std::string> key;
    };
    const Case cases[] = {
        {core::ReferenceKind::Bank, "2026030200017", "B 46083 + 4500000 2026030200017"},
        {core::ReferenceKind::EndToEnd, " e2e 4711 ", "E 46083 + 4500000 E2E4711"},
        {core::ReferenceKind::EndToEnd, "NOTPROVIDED", std::nullopt},
        {core::ReferenceKind::EndToEnd, "not provided", std::nullopt},
        {core::ReferenceKind::Bank, "NONREF", std::nullopt},
        {core::ReferenceKind::Bank, "  ", std::nullopt},
        {core::ReferenceKind::Bank, std::string(35, 'X'),
         "B 46083 + 4500000 " + std::string(35, 'X')},
        {core::ReferenceKind::Bank, std::string(36, 'X'), std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.reference);
        EXPECT_EQ(c.key, core::EntryReferenceKey(c.kind, c.reference, day, u'+', 4500000));
    }
    EXPECT_NE(core::EntryReferenceKey(core::ReferenceKind::Bank, "R1", day, u'+', 4500000),
              core::EntryReferenceKey(core::ReferenceKind::Bank, "R1", day + 31, u'+', 4500000))
        << "a payer's reference used every month is no duplicate";
}

TEST(PlanStatementImport, RecognisesAnEntryImportedBeforeByItsReference) {
    // The same payment as the other format writes it: another purpose, another statement number.
    const std::string key = "B 46083 - 4500000 2026030200017";
    StatementEntry entry = debit("02.03.2026", 4500000, "RECHNUNG 2026-03 WARTUNG HEIZUNG");
    entry.references = {"E 46083 - 4500000 E2E4711", key};
    const Statement held = statement(19, "02.03.2026", {debit("02.03.2026", 4500000, "Wartung")});
    const BookingRecord booked = core::CompletedBookingFromEntry(held, held.entries[0]);

    struct Case {
        const char *name;
        std::vector<BookingRecord> bookings;
        std::set<std::string> imported;
        ImportAction action;
    };
    BookingRecord otherDay = booked;
    otherDay.Wertdatum += 1;
    BookingRecord otherDirection = booked;
    otherDirection.SollHaben = u'+';
    const Case cases[] = {
        {"reference remembered", {booked}, {key}, ImportAction::Skipped},
        {"reference not remembered",
         {booked},
         {"B 46083 - 4500000 2026030200018"},
         ImportAction::Added},
        {"the bookings of that day were deleted", {otherDay}, {key}, ImportAction::Added},
        {"only a booking of the other direction", {otherDirection}, {key}, ImportAction::Added},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<BookingRecord> records = {penvaro::testing::StartValue(0)};
        records.insert(records.end(), c.bookings.begin(), c.bookings.end());
        BookingTable table;
        penvaro::testing::Fill(table, records);
        const auto plan = core::PlanStatementImport(table, {statement(20, "02.03.2026", {entry})},
                                                    {}, c.imported);
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(std::vector{c.action}, actions(*plan));
    }

    // Whatever the account holds after the import is remembered, what was left out is not.
    StatementEntry other = credit("02.03.2026", 100);
    other.references = {"B 46083 + 100 X"};
    StatementEntry leftOut = credit("02.03.2026", 200);
    leftOut.references = {"B 46083 + 200 Y"};
    BookingTable table;
    penvaro::testing::Fill(table, {penvaro::testing::StartValue(0), booked});
    const auto plan = core::PlanStatementImport(
        table, {statement(20, "02.03.2026", {entry, other, leftOut})}, {false, false, true}, {key});
    ASSERT_TRUE(plan);
    EXPECT_EQ((std::vector<std::string>{"B 46083 + 100 X", key, "E 46083 - 4500000 E2E4711"}),
              plan->references);
}

TEST(PlanStatementImport, ComparesTheClosingBalanceWithTheBookBalanceOfItsDay) {
    // February's statement opened after March was booked.
    BookingTable table;
    penvaro::testing::Fill(table, {penvaro::testing::StartValue(10000000),
                                   penvaro::testing::Completed(2026, 5, "01.02.2026", 1000000),
                                   penvaro::testing::Completed(2026, 9, "05.03.2026", 500000),
                                   planned("01.02.2026", 70000)});
    struct Case {
        const char *name;
        std::optional<double> closingDate;
        std::int64_t atClosing;
    };
    const Case cases[] = {
        {"the closing balance's own date", Day("02.02.2026"), 10000000 + 1000000 + 2000},
        {"without it the statement's date", std::nullopt, 10000000 + 1000000 + 2000 + 3000},
        {"a day before the statement's bookings", Day("31.01.2026"), 10000000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Statement february =
            statement(6, "03.02.2026", {credit("02.02.2026", 2000), credit("03.02.2026", 3000)});
        february.closingBalance = 11002000;
        february.closingDate = c.closingDate;
        const auto plan = core::PlanStatementImport(table, {february});
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(c.closingDate.value_or(Day("03.02.2026")), plan->closingDate);
        EXPECT_EQ(c.atClosing, plan->bookBalanceAtClosing);
        EXPECT_EQ(10000000 + 1000000 + 500000 + 5000, plan->bookBalanceAfter);
    }
}

TEST(PlanStatementImport, AStatementWithoutNumberMatchesTheBookingOfAnyStatement) {
    struct Case {
        const char *name;
        std::uint16_t heldYear;
        std::uint16_t heldNumber;
        std::uint16_t importedNumber;
        ImportAction action;
    };
    const Case cases[] = {
        {"the same statement", 2026, 4, 4, ImportAction::Skipped},
        {"another statement", 2026, 4, 5, ImportAction::Added},
        {"another year", 2025, 4, 4, ImportAction::Added},
        {"imported without number", 2026, 4, 0, ImportAction::Skipped},
        {"held without number, of the next year", 2027, 0, 4, ImportAction::Skipped},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookingRecord held =
            penvaro::testing::Completed(c.heldYear, c.heldNumber, "28.01.2026", 5000, "Miete");
        BookingTable table;
        penvaro::testing::Fill(table, {penvaro::testing::StartValue(0), held});
        const auto plan = core::PlanStatementImport(
            table, {statement(c.importedNumber, "31.01.2026", {credit("28.01.2026", 5000)})});
        ASSERT_TRUE(plan) << plan.error().message;
        EXPECT_EQ(std::vector{c.action}, actions(*plan));
    }
}
