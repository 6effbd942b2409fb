#include "entrydialogfixture.h"

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using testing::Day;
using testing::ErrorShown;

class TdatenEingebenFRecurringTest : public testing::EntryDialogTest {};

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

} // namespace
} // namespace penvaro::entry
