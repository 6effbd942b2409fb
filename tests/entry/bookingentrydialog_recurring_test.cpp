#include "entrydialogfixture.h"
#include "support/filesizelimit.h"

#include "core/bookingchanges.h"

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using fixture::Day;
using fixture::ErrorShown;
using penvaro::testing::ScriptedUiService;

class TdatenEingebenFRecurringTest : public fixture::EntryDialogTest {
public:
    // A monthly booking on the 15th, first due on 15.06.2011.
    void enterMonthly(const char *firstExecution = "15.06.2011") {
        open(BookingKind::Recurring);
        type("EAuszugsnr", "15");
        type("EWertdatum", firstExecution);
        type("EVerwendungszweck", "Miete");
        selectDirection(1);
        type("EBetrag", "650");
        click("BDatenHinzufuegenClose");
    }

    static BookingRecord Monthly(const char *firstExecution = "15.06.2011") {
        BookingRecord record;
        record.Satzart = BookingKind::Recurring;
        record.Auszugsjahr = 1;
        record.Auszugsnr = 15;
        record.Wertdatum = Day(firstExecution);
        record.Verwendungszweck.setUtf8("Miete");
        record.SollHaben = u'-';
        record.Betrag = 6500000;
        return record;
    }

    static BookingRecord PlannedFrom(const BookingRecord &recurring, const char *date) {
        BookingRecord planned;
        planned.Satzart = BookingKind::Planned;
        planned.Auszugsjahr = 0;
        planned.Wertdatum = Day(date);
        planned.Verwendungszweck = recurring.Verwendungszweck;
        planned.SollHaben = recurring.SollHaben;
        planned.Betrag = recurring.Betrag;
        return planned;
    }
};

TEST_F(TdatenEingebenFRecurringTest, LeavingTheExecutionDayPutsTheFirstExecutionOnIt) {
    struct Case {
        QDate today;
        const char *day;
        const char *firstExecution; // nullptr: refused with 175
    };
    const Case cases[] = {
        {QDate(2011, 6, 20), "15", "15.06.2011"}, {QDate(2011, 6, 20), " 1", "01.06.2011"},
        {QDate(2011, 6, 20), "30", "30.06.2011"}, {QDate(2011, 2, 10), "30", "28.02.2011"},
        {QDate(2012, 2, 10), "30", "29.02.2012"}, {QDate(2011, 6, 20), "0", nullptr},
        {QDate(2011, 6, 20), "31", nullptr},      {QDate(2011, 6, 20), "x", nullptr},
        {QDate(2011, 6, 20), "", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.day);
        account.clock.setToday(c.today);
        open(BookingKind::Recurring);
        const QString today = control<DateEdit>("EWertdatum")->typedText();
        account.ui.clear();
        type("EAuszugsnr", c.day);
        control("EAuszugsjahr")->setFocus(Qt::TabFocusReason);

        if (c.firstExecution) {
            EXPECT_TRUE(account.ui.shown().empty());
            EXPECT_EQ(control<DateEdit>("EWertdatum")->typedText(),
                      QString::fromLatin1(c.firstExecution));
            EXPECT_EQ(focused(), control("EAuszugsjahr"));
        } else {
            EXPECT_EQ(account.ui.shown().back(),
                      ErrorShown(175, QStringLiteral("Unzulässiger Ausführungstag: ")
                                          + QString::fromLatin1(c.day)
                                          + QStringLiteral(" Bitte geben Sie einen Wert "
                                                           "zwischen 1 und 30 ein.")));
            EXPECT_EQ(control<DateEdit>("EWertdatum")->typedText(), today);
            EXPECT_EQ(focused(), control("EAuszugsnr"));
        }
        dialog.hide();
    }
}

TEST_F(TdatenEingebenFRecurringTest, LeavingTheFirstExecutionMovesItOntoTheExecutionDay) {
    struct Case {
        const char *day;
        const char *typed;
        const char *shown;
    };
    const Case cases[] = {
        {"15", "03.06.2011", "15.06.2011"},
        {"30", "3.2.2011", "28.02.2011"},
        {"30", "03.02.2012", "29.02.2012"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        open(BookingKind::Recurring);
        type("EAuszugsnr", c.day);
        type("EWertdatum", c.typed);
        control("EBuchungsart")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(control<DateEdit>("EWertdatum")->typedText(), QString::fromLatin1(c.shown));
        dialog.hide();
    }

    open(BookingKind::Recurring);
    type("EAuszugsnr", "15");
    account.ui.clear();
    type("EWertdatum", "31.06.2011");
    control("EBuchungsart")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(account.ui.shown().back(),
              ErrorShown(163, QStringLiteral("Unzulässiges 1. Ausführungsdatum: 31.06.2011")));
    EXPECT_EQ(control<DateEdit>("EWertdatum")->typedText(), QStringLiteral("31.06.2011"));
}

TEST_F(TdatenEingebenFRecurringTest, TheIntervalTextGivesTheMonthsAndAnyOtherTextOne) {
    const std::pair<const char *, std::uint16_t> cases[] = {
        {"jeden Monat", 1},   {"alle 2 Monate", 2},   {"alle 3 Monate", 3},
        {"alle 6 Monate", 6}, {"alle 12 Monate", 12}, {"alle 5 Monate", 1},
    };
    for (const auto &[interval, months] : cases) {
        SCOPED_TRACE(interval);
        account.open({});
        open(BookingKind::Recurring);
        type("EAuszugsnr", "15");
        type("EAuszugsjahr", interval);
        type("EWertdatum", "15.09.2011");
        type("EBetrag", "1");
        click("BDatenHinzufuegenNotClose");

        ASSERT_EQ(account.onDisk().size(), 1u);
        const BookingRecord stored = account.onDisk().front();
        EXPECT_EQ(stored.Satzart, BookingKind::Recurring);
        EXPECT_EQ(stored.Auszugsjahr, months);
        EXPECT_EQ(stored.Auszugsnr, 15);
        EXPECT_EQ(stored.Wertdatum, Day("15.09.2011"));
        EXPECT_EQ(stored.Auszugsdatum, 0.0);
        EXPECT_EQ(stored.Buchungsdatum, 0.0);
        EXPECT_EQ(text("EAuszugsnr"), QString()) << "the day is cleared for the next one";
        EXPECT_EQ(text("EAuszugsjahr"), QString::fromLatin1(interval)) << "the interval stays";
        dialog.hide();
    }
}

TEST_F(TdatenEingebenFRecurringTest, ThePlannedBookingsDueInTheLastMonthComeWithIt) {
    struct Case {
        const char *what;
        QDate today;
        double nextCheckDay;
        std::vector<const char *> planned;
    };
    const Case cases[] = {
        {"20.06.: the 15th of June plans July",
         QDate(2011, 6, 20),
         Day("21.06.2011"),
         {"15.07.2011"}},
        {"15.06., checked at opening: 15.05. plans June, today plans July",
         QDate(2011, 6, 15),
         Day("16.06.2011"),
         {"15.06.2011", "15.07.2011"}},
        {"15.06., not checked yet: today is left to the next opening",
         QDate(2011, 6, 15),
         Day("15.06.2011"),
         {"15.06.2011"}},
        {"first execution far ahead", QDate(2011, 6, 20), Day("21.06.2011"), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open({});
        account.clock.setToday(c.today);
        account.state->settings().nextCheckDay = c.nextCheckDay;
        account.refreshes = 0;
        const char *first = c.planned.empty() ? "15.09.2011" : "15.06.2011";
        enterMonthly(first);

        std::vector<BookingRecord> expected{Monthly(first)};
        for (const char *date : c.planned)
            expected.push_back(PlannedFrom(Monthly(), date));
        EXPECT_EQ(account.onDisk(), expected);
        std::sort(expected.begin(), expected.end(), [](const auto &a, const auto &b) {
            return a.Satzart == BookingKind::Planned && b.Satzart == BookingKind::Recurring;
        });
        EXPECT_EQ(account.inTable().size(), expected.size());
        EXPECT_EQ(account.refreshes, 1);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(TdatenEingebenFRecurringTest, WithoutRoomOrDiskForItsPlannedBookingsNothingIsStored) {
    struct Case {
        const char *what;
        std::size_t records;
        std::uintmax_t fileLimit; // 0: none
    };
    const Case cases[] = {
        {"room for the booking, not for its planned one",
         static_cast<std::size_t>(core::MaxBookings - 1), 0},
        {"the file cannot be rewritten", 3, 4 * core::BookingRecordSize + 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const BookingRecord other = PlannedFrom(Monthly(), "01.01.2011");
        account.open(std::vector<BookingRecord>(c.records, other));
        account.ui.clear();
        {
            std::optional<test::FileSizeLimit> limit;
            if (c.fileLimit != 0)
                limit.emplace(c.fileLimit);
            enterMonthly();
        }

        ASSERT_EQ(account.ui.shown().size(), 2u) << "the dialog, then one message";
        EXPECT_EQ(account.ui.shown().back().kind, ScriptedUiService::Kind::Failure);
        if (c.fileLimit == 0) {
            EXPECT_EQ(account.ui.shown().back().text,
                      QString::fromStdString(core::TableFullError().message));
        }
        EXPECT_EQ(account.inTable(), std::vector<BookingRecord>(c.records, other));
        EXPECT_EQ(account.onDisk(), account.inTable());
        EXPECT_TRUE(dialog.isVisible());
        dialog.hide();
    }
}

} // namespace
} // namespace penvaro::entry
