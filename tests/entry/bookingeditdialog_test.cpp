#include "editdialogfixture.h"
#include "support/records.h"

#include "entry/intervals.h"
#include "entry/suggestions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using namespace penvaro::testing;

TEST_F(EditDialogTest, ChangesTheCompletedBookingOfTheRowInTableAndFile) {
    open({testing::StartValue(100000), testing::Completed(2011, 3, "02.05.2011", 125000),
          testing::Completed(2011, 4, "03.06.2011", 500000)});
    for (const char *purpose : {"Miete", "Abschlag"})
        RememberSuggestions(*store, QString::fromUtf8(purpose), QString(), QString());
    const BookingRecord original = state->table().slot(3);

    OnNextModal<BookingEditDialog>(ui, [&](BookingEditDialog &d) {
        EXPECT_EQ(QStringLiteral("Daten bearbeiten ..."), d.windowTitle());
        EXPECT_EQ(QStringLiteral("Ändern"), TextOf(d, "BDatenHinzufuegen"));
        EXPECT_EQ(QStringLiteral("4"), TextOf(d, "EAuszugsnr"));
        EXPECT_EQ(QStringLiteral("2011"), TextOf(d, "EAuszugsjahr"));
        EXPECT_EQ(
            (QStringList{QStringLiteral("2011"), QStringLiteral("2010"), QStringLiteral("2012")}),
            ItemsOf(d, "EAuszugsjahr"));
        EXPECT_EQ(QStringLiteral("03.06.2011"), TextOf(d, "EAuszugsdatum"));
        EXPECT_EQ(QStringLiteral("03.06.2011"), TextOf(d, "EWertdatum"));
        EXPECT_EQ(QStringLiteral("Abbuchung"), TextOf(d, "EBuchungsart"));
        EXPECT_EQ(QStringLiteral("Stadtwerke Köln"), TextOf(d, "EAbsender"));
        EXPECT_EQ(QStringLiteral("Abschlag 03.06.2011"), TextOf(d, "EVerwendungszweck"));
        EXPECT_EQ((QStringList{QStringLiteral("Abschlag"), QStringLiteral("Miete")}),
                  ItemsOf(d, "EVerwendungszweck"));
        EXPECT_TRUE(Child<QListWidget>(d, "ESollHaben")->item(0)->isSelected());
        EXPECT_EQ(QStringLiteral("50,00"), TextOf(d, "EBetrag"));
        EXPECT_FALSE(Child<QWidget>(d, "EBuchungsdatum")->isEnabled());
        EXPECT_EQ(QStringLiteral("EAuszugsnr"), FocusName());

        Retype(Child<QWidget>(d, "EVerwendungszweck"), QStringLiteral("Nachzahlung"));
        auto *direction = Child<QListWidget>(d, "ESollHaben");
        direction->setFocus(Qt::TabFocusReason);
        QTest::keyClick(direction, Qt::Key_Down);
        Retype(Child<QWidget>(d, "EBetrag"), QStringLiteral("75,5"));
        ClickApply(d);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(dialog.edit(FormState::Completed, 3));

    BookingRecord expected = original;
    expected.Verwendungszweck.setUtf8("Nachzahlung");
    expected.SollHaben = u'-';
    expected.Betrag = 755000;
    EXPECT_EQ(expected, state->table().slot(3));
    EXPECT_EQ(inTable(), reopened());
    EXPECT_EQ(1, refreshes);
    EXPECT_EQ(Day("03.06.2011"), rememberedStatementDate(2011, 4));
    EXPECT_TRUE(ui.shown().size() == 1 && ui.shown()[0].kind == ScriptedUiService::Kind::Modal);
}

TEST_F(EditDialogTest, ChangesThePlannedBookingInItsSlot) {
    open({testing::Planned("01.10.2011"), testing::Completed(2011, 1, "03.01.2011"),
          testing::Planned("01.08.2011"), testing::Planned("01.09.2011"),
          testing::Planned("01.07.2011"), testing::Recurring(15, "15.07.2011")});
    const BookingRecord third = state->table().slot(4);
    ASSERT_EQ(Day("01.09.2011"), third.Wertdatum);

    OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
        for (const char *name : {"EAuszugsnr", "EAuszugsjahr", "EAuszugsdatum", "EBuchungsdatum"})
            EXPECT_FALSE(Child<QWidget>(d, name)->isEnabled()) << name;
        EXPECT_EQ(QString(), TextOf(d, "EAuszugsnr"));
        EXPECT_EQ(QStringLiteral("EWertdatum"), FocusName());
        Retype(Child<QWidget>(d, "EWertdatum"), QStringLiteral("15092011"));
        ClickApply(d);
    });
    EXPECT_TRUE(dialog.edit(FormState::Planned, 4));

    BookingRecord expected = third;
    expected.Wertdatum = Day("15.09.2011"); // the statement fields of a planned booking stay
    EXPECT_EQ(expected, state->table().slot(4));
    EXPECT_EQ(inTable(), reopened());
}

TEST_F(EditDialogTest, SlotsWithoutABookingOfTheStateAreLeftAlone) {
    open({testing::StartValue(100000), testing::Completed(2011, 1, "03.01.2011")});
    const auto before = inTable();
    struct Case {
        const char *what;
        FormState state;
        int slot;
    };
    const Case cases[] = {
        {"the start value has a dialog of its own", FormState::Completed, 1},
        {"past the last booking", FormState::Completed, 3},
        {"a completed booking is no planned one", FormState::Planned, 2},
        {"nor one to transfer", FormState::Transfer, 2},
        {"nor a recurring one", FormState::Recurring, 2},
        {"no slot", FormState::Completed, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(dialog.edit(c.state, c.slot));
        EXPECT_TRUE(ui.shown().empty());
        EXPECT_EQ(before, inTable());
        EXPECT_EQ(before, reopened());
    }
}

TEST_F(EditDialogTest, TransferAsksForTheStatementAndMakesTheBookingACompletedOne) {
    open({testing::StartValue(0), testing::Planned("01.07.2011", -4200000)});
    const BookingRecord planned = state->table().slot(2);

    OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
        EXPECT_EQ(QStringLiteral("Daten verschieben ..."), d.windowTitle());
        EXPECT_EQ(QStringLiteral("Verschieben"), TextOf(d, "BDatenHinzufuegen"));
        EXPECT_EQ(QString(), TextOf(d, "EAuszugsnr"));
        EXPECT_EQ(QStringLiteral(".."), TextOf(d, "EAuszugsdatum"));
        EXPECT_EQ(QStringLiteral("2011"), TextOf(d, "EAuszugsjahr"));
        EXPECT_EQ(
            (QStringList{QStringLiteral("2010"), QStringLiteral("2011"), QStringLiteral("2012")}),
            ItemsOf(d, "EAuszugsjahr"));
        EXPECT_EQ(QStringLiteral("01.07.2011"), TextOf(d, "EWertdatum"));
        EXPECT_TRUE(Child<QListWidget>(d, "ESollHaben")->item(1)->isSelected());
        EXPECT_EQ(QStringLiteral("420,00"), TextOf(d, "EBetrag"));

        Retype(Child<QWidget>(d, "EAuszugsnr"), QStringLiteral("7"));
        Retype(Child<QWidget>(d, "EAuszugsdatum"), QStringLiteral("05072011"));
        ClickApply(d);
    });
    EXPECT_TRUE(dialog.edit(FormState::Transfer, 2));

    BookingRecord expected = planned;
    expected.Satzart = BookingKind::Completed;
    expected.Auszugsjahr = 2011;
    expected.Auszugsnr = 7;
    expected.Auszugsdatum = Day("05.07.2011");
    expected.Buchungsdatum = planned.Wertdatum;
    EXPECT_EQ((std::vector<BookingRecord>{testing::StartValue(0), expected}), inTable());
    EXPECT_EQ(inTable(), reopened());
    EXPECT_EQ(0, state->table().FirstPlanned);
}

TEST_F(EditDialogTest, TransferWithoutStatementDataAsksOnlyForWhatIsKept) {
    struct Case {
        const char *what;
        bool bookingDates;
        bool dialogShown;
        double bookingDate;
    };
    const Case cases[] = {
        {"nothing to add: no dialog", false, false, Day("01.07.2011")},
        {"the booking date is asked for", true, true, Day("04.07.2011")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui.clear();
        state->settings().keepStatementData = false;
        state->settings().keepBookingDate = c.bookingDates;
        open({testing::Planned("01.07.2011")});
        const BookingRecord planned = state->table().slot(1);
        if (c.dialogShown) {
            OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
                EXPECT_FALSE(Child<QWidget>(d, "EAuszugsnr")->isEnabled());
                EXPECT_TRUE(Child<QWidget>(d, "EBuchungsdatum")->isEnabled());
                EXPECT_EQ(QStringLiteral(".."), TextOf(d, "EBuchungsdatum"));
                Retype(Child<QWidget>(d, "EBuchungsdatum"), QStringLiteral("04072011"));
                ClickApply(d);
            });
        }
        EXPECT_TRUE(dialog.edit(FormState::Transfer, 1));
        EXPECT_EQ(c.dialogShown, !ui.shown().empty());

        BookingRecord expected = planned;
        expected.Satzart = BookingKind::Completed;
        expected.Auszugsjahr = 2011;
        expected.Auszugsnr = 1;
        expected.Auszugsdatum = planned.Wertdatum;
        expected.Buchungsdatum = c.bookingDate;
        EXPECT_EQ(std::vector<BookingRecord>{expected}, inTable());
        EXPECT_EQ(inTable(), reopened());
    }
}

TEST_F(EditDialogTest, AFailedConversionLeavesTheBookingAsItWasAndTheDialogOpen) {
    open({testing::StartValue(0), testing::Planned("01.07.2011")});
    const auto before = inTable();

    OnNextModal<BookingEditDialog>(ui, [&](BookingEditDialog &d) {
        Retype(Child<QWidget>(d, "EAuszugsnr"), QStringLiteral("7"));
        Retype(Child<QWidget>(d, "EAuszugsdatum"), QStringLiteral("05072011"));
        Retype(Child<QWidget>(d, "EWertdatum"), QStringLiteral("02072011"));
        Retype(Child<QWidget>(d, "EBetrag"), QStringLiteral("12,3,4"));
        ClickApply(d);

        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(QStringLiteral("EBetrag"), FocusName());
        // Fields read before the amount reach neither the table nor the file.
        EXPECT_EQ(before, inTable());
        EXPECT_EQ(before, reopened());
        QTest::mouseClick(Child<QPushButton>(d, "Button1"), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(dialog.edit(FormState::Transfer, 2));

    EXPECT_EQ((ScriptedUiService::Shown{
                  ScriptedUiService::Kind::ErrorWindow,
                  QStringLiteral("Unzulässiger Betrag: 12,3,4 (z. B. 1.234,56)"), 103}),
              ui.shown().back());
    EXPECT_EQ(before, inTable());
    EXPECT_EQ(before, reopened());
    EXPECT_EQ(0, refreshes);
    EXPECT_EQ(Day("05.07.2011"), rememberedStatementDate(2011, 7))
        << "the statement date is remembered once it was read";
}

TEST_F(EditDialogTest, AmountsShowWithTwoDecimalsAndGoBackRoundedToCents) {
    struct Case {
        std::int64_t stored;
        const char *shown;
        std::int64_t storedAfter;
    };
    const Case cases[] = {
        {12345678900, "1234567,89", 12345678900},
        {123456, "12,35", 123500},
        {125000, "12,50", 125000},
        {std::numeric_limits<std::int64_t>::max(), "922337203685477,58", 9223372036854775800},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        BookingRecord planned = testing::Planned("01.07.2011");
        planned.Betrag = c.stored;
        open({planned});
        OnNextModal<BookingEditDialog>(ui, [&c](BookingEditDialog &d) {
            EXPECT_EQ(QString::fromLatin1(c.shown), TextOf(d, "EBetrag"));
            ClickApply(d);
        });
        EXPECT_TRUE(dialog.edit(FormState::Planned, 1));
        EXPECT_EQ(c.storedAfter, state->table().slot(1).Betrag);
        EXPECT_EQ(inTable(), reopened());
    }
}

TEST_F(EditDialogTest, ARecurringBookingShowsItsDayIntervalAndFirstExecution) {
    struct Case {
        int stored;
        const char *shown;
        const char *chosen;
        int storedAfter;
    };
    const Case cases[] = {
        {1, "jeden Monat", "alle 3 Monate", 3},
        {12, "alle 12 Monate", "alle 6 Monate", 6},
        {5, "5", "alle 5 Monate", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        // Not due within the last 31 days, so that the change plans nothing.
        const BookingRecord recurring = testing::Recurring(15, "15.01.2012", c.stored);
        open({testing::StartValue(0), recurring});
        OnNextModal<BookingEditDialog>(ui, [&c](BookingEditDialog &d) {
            EXPECT_EQ(QStringLiteral("Daten bearbeiten ..."), d.windowTitle());
            EXPECT_EQ(QStringLiteral("Ausführungstag im Monat"), TextOf(d, "LAuszugsnr"));
            EXPECT_EQ(QStringLiteral("Ausführung ..."), TextOf(d, "Laus"));
            EXPECT_EQ(QStringLiteral("Erste Ausführung"), TextOf(d, "LWertdatum"));
            EXPECT_FALSE(Child<QWidget>(d, "EAuszugsdatum")->isVisible());
            EXPECT_FALSE(Child<QWidget>(d, "LAuszugsdatum")->isVisible());
            EXPECT_EQ(QStringLiteral("15"), TextOf(d, "EAuszugsnr"));
            EXPECT_EQ(QString::fromUtf8(c.shown), TextOf(d, "EAuszugsjahr"));
            EXPECT_EQ(IntervalTexts(), ItemsOf(d, "EAuszugsjahr"));
            EXPECT_EQ(QStringLiteral("15.01.2012"), TextOf(d, "EWertdatum"));
            EXPECT_EQ(QStringLiteral("EAuszugsnr"), FocusName());
            Retype(Child<QWidget>(d, "EAuszugsjahr"), QString::fromUtf8(c.chosen));
            ClickApply(d);
        });
        EXPECT_TRUE(dialog.edit(FormState::Recurring, 2));

        BookingRecord expected = recurring;
        expected.Auszugsjahr = static_cast<std::uint16_t>(c.storedAfter);
        // Passing through the execution day did not move the first execution.
        EXPECT_EQ((std::vector<BookingRecord>{testing::StartValue(0), expected}), inTable());
        EXPECT_EQ(inTable(), reopened());
    }
}

class EditDialogWithoutRegistryTest : public EditDialogTest {
protected:
    EditDialogWithoutRegistryTest()
        : EditDialogTest(Store::Unusable) {}
};

TEST_F(EditDialogWithoutRegistryTest, StatementDatesFailQuietlyAndTheChangeGoesOn) {
    open({testing::Completed(2011, 3, "02.05.2011")});
    OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
        Child(d, "EAuszugsjahr")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Child(d, "EAuszugsjahr"), Qt::Key_Tab);
        EXPECT_EQ(QStringLiteral("02.05.2011"), TextOf(d, "EAuszugsdatum"));
        Retype(Child(d, "EBetrag"), QStringLiteral("2"));
        ClickApply(d);
    });
    EXPECT_TRUE(dialog.edit(FormState::Completed, 1));
    EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TDatenBearbeitenF")}}),
              ui.shown());
    EXPECT_EQ(20000, state->table().slot(1).Betrag);
    EXPECT_EQ(inTable(), reopened());
}

} // namespace
} // namespace penvaro::entry
