#include "entrydialogfixture.h"

#include "entry/statementdates.h"
#include "entry/suggestions.h"

#include "core/bookingtexts.h"
#include "platform/registryvalue.h"
#include "platform/settingsstore.h"

#include <QLabel>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using testing::Day;
using testing::ItemsOf;

class TdatenEingebenFTest : public testing::EntryDialogTest {};

TEST_F(TdatenEingebenFTest, EveryInputHasItsLabelAndTheTabOrderFollowsTheForm) {
    open(BookingKind::Completed);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Daten eingeben ..."));
    const std::pair<const char *, const char *> labels[] = {
        {"EAuszugsnr", "Kontoauszugsnr."},         {"EAuszugsjahr", "aus"},
        {"EAuszugsdatum", "Kontoauszugsdatum"},    {"EWertdatum", "Wertdatum"},
        {"EBuchungsart", "Art/Kategorie"},         {"EAbsender", "Empfänger/Absender"},
        {"EVerwendungszweck", "Verwendungszweck"}, {"EBuchungsdatum", "Buchungsdatum"},
        {"ESollHaben", "Soll/Haben (-/+)"},        {"EBetrag", "Betrag"},
    };
    for (const auto &[name, caption] : labels) {
        bool labelled = false;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labelled |=
                label->buddy() == control(name) && label->text() == QString::fromUtf8(caption);
        EXPECT_TRUE(labelled) << name;
    }
    const std::pair<const char *, const char *> buttons[] = {
        {"BDatenHinzufuegenNotClose", "Nur Hinzufügen"},
        {"BDatenHinzufuegenClose", "Hinzufügen -> Schließen"},
        {"Button1", "Schließen"},
        {"SpeedButton1", "HILFE"},
    };
    for (const auto &[name, caption] : buttons)
        EXPECT_EQ(control<QPushButton>(name)->text(), QString::fromUtf8(caption));

    QStringList order;
    QWidget *widget = control("EAuszugsnr");
    for (int i = 0; i < 14; ++i, widget = widget->nextInFocusChain()) {
        while (!(widget->focusPolicy() & Qt::TabFocus) || widget->objectName().isEmpty()
               || widget->objectName().startsWith(u'q'))
            widget = widget->nextInFocusChain();
        order.append(widget->objectName());
    }
    EXPECT_EQ(order.join(u' ').toStdString(),
              std::string("EAuszugsnr EAuszugsjahr EAuszugsdatum EWertdatum EBuchungsart "
                          "EAbsender EVerwendungszweck EBuchungsdatum ESollHaben EBetrag "
                          "BDatenHinzufuegenNotClose BDatenHinzufuegenClose Button1 "
                          "SpeedButton1"));
}

TEST_F(TdatenEingebenFTest, KindAndSettingsDecideWhichFieldsAreOpen) {
    struct Case {
        const char *what;
        BookingKind kind;
        bool statementData;
        bool bookingDates;
        bool statementOpen;
        const char *statementDate; // nullptr: hidden
        const char *numberLabel;
        QStringList years;
        bool bookingDateOpen;
        const char *focus;
    };
    const QStringList years{QStringLiteral("2011"), QStringLiteral("2010"), QStringLiteral("2012")};
    const QStringList intervals{QStringLiteral("jeden Monat"), QStringLiteral("alle 2 Monate"),
                                QStringLiteral("alle 3 Monate"), QStringLiteral("alle 6 Monate"),
                                QStringLiteral("alle 12 Monate")};
    const Case cases[] = {
        {"completed", BookingKind::Completed, true, false, true, "20.06.2011", "Kontoauszugsnr.",
         years, false, "EAuszugsnr"},
        {"completed with booking dates", BookingKind::Completed, true, true, true, "20.06.2011",
         "Kontoauszugsnr.", years, true, "EAuszugsnr"},
        {"completed without statements",
         BookingKind::Completed,
         false,
         true,
         false,
         "..",
         "Kontoauszugsnr.",
         {},
         true,
         "EWertdatum"},
        {"planned",
         BookingKind::Planned,
         true,
         true,
         false,
         "..",
         "Kontoauszugsnr.",
         {},
         false,
         "EWertdatum"},
        {"recurring", BookingKind::Recurring, false, true, true, nullptr, "Ausführungstag im Monat",
         intervals, false, "EAuszugsnr"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.state->settings().keepStatementData = c.statementData;
        account.state->settings().keepBookingDate = c.bookingDates;
        open(c.kind);

        for (const char *name : {"EAuszugsnr", "LAuszugsnr", "EAuszugsjahr", "LAus"})
            EXPECT_EQ(control(name)->isEnabled(), c.statementOpen) << name;
        EXPECT_EQ(control("EAuszugsdatum")->isVisible(), c.statementDate != nullptr);
        EXPECT_EQ(control("LAuszugsdatum")->isVisible(), c.statementDate != nullptr);
        if (c.statementDate) {
            EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(),
                      QString::fromLatin1(c.statementDate));
            EXPECT_EQ(control("EAuszugsdatum")->isEnabled(), c.statementOpen);
        }
        EXPECT_EQ(control<QLabel>("LAuszugsnr")->text(), QString::fromUtf8(c.numberLabel));
        QStringList items;
        for (int i = 0; i < control<QComboBox>("EAuszugsjahr")->count(); ++i)
            items.append(control<QComboBox>("EAuszugsjahr")->itemText(i));
        EXPECT_EQ(items, c.years);
        EXPECT_EQ(text("EAuszugsjahr"), c.years.value(0));
        EXPECT_EQ(text("EAuszugsnr"), QString());
        EXPECT_EQ(control<DateEdit>("EWertdatum")->typedText(), QStringLiteral("20.06.2011"));
        EXPECT_EQ(control("EBuchungsdatum")->isEnabled(), c.bookingDateOpen);
        EXPECT_EQ(control("Label7")->isEnabled(), c.bookingDateOpen);
        EXPECT_TRUE(control<QListWidget>("ESollHaben")->item(0)->isSelected());
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(c.focus));
        dialog.hide();
    }
}

TEST_F(TdatenEingebenFTest, ABookingFromAStatementReachesTableFileAndStatementMemory) {
    open(BookingKind::Completed);
    type("EAuszugsnr", "7");
    type("EAuszugsdatum", "03.05.2011");
    type("EWertdatum", "02.05.2011");
    type("EBuchungsart", "ÜB");
    type("EAbsender", "Stadtwerke");
    type("EVerwendungszweck", "Abschlag Mai");
    selectDirection(1);
    type("EBetrag", "12,5");
    click("BDatenHinzufuegenClose");

    BookingRecord expected;
    expected.Satzart = BookingKind::Completed;
    expected.Auszugsjahr = 2011;
    expected.Auszugsnr = 7;
    expected.Auszugsdatum = Day("03.05.2011");
    expected.Wertdatum = expected.Buchungsdatum = Day("02.05.2011");
    expected.Buchungsart.setUtf8("ÜB");
    expected.Absender.setUtf8("Stadtwerke");
    expected.Verwendungszweck.setUtf8("Abschlag Mai");
    expected.SollHaben = u'-';
    expected.Betrag = 125000;
    EXPECT_EQ(account.inTable(), std::vector<BookingRecord>{expected});
    EXPECT_EQ(account.onDisk(), std::vector<BookingRecord>{expected});
    EXPECT_EQ(account.refreshes, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(account.ui.shown().back().kind == ScriptedUiService::Kind::Modal) << "no message";

    const auto remembered = account.store->value(
        platform::FileSettingsKey(*account.store, account.file()), QStringLiteral("20117"));
    ASSERT_TRUE(remembered && remembered->has_value());
    EXPECT_EQ(platform::TypeOf(**remembered), platform::RegistryType::Binary);
    EXPECT_EQ(platform::DoubleFromBinary(**remembered), Day("03.05.2011"));
    EXPECT_EQ(ReadSuggestions(*account.store, SuggestionList::Purposes),
              QStringList{QStringLiteral("Abschlag Mai")});
}

TEST_F(TdatenEingebenFTest, StatementAndBookingDatesAreTakenOrDerivedAsTheSettingsSay) {
    struct Case {
        const char *what;
        BookingKind kind;
        bool statementData;
        bool bookingDates;
        const char *bookingDate; // typed after leaving the value date; nullptr: not typed
        std::uint16_t year;
        std::uint16_t number;
        const char *statementDate;
        const char *storedBookingDate;
    };
    const Case cases[] = {
        {"statements off", BookingKind::Completed, false, false, nullptr, 2010, 1, "30.12.2010",
         "30.12.2010"},
        {"booking date copied from the value date", BookingKind::Completed, false, true, nullptr,
         2010, 1, "30.12.2010", "30.12.2010"},
        {"booking date typed", BookingKind::Completed, true, true, "04.01.2011", 2011, 9,
         "05.01.2011", "04.01.2011"},
        {"planned ignores both", BookingKind::Planned, true, true, nullptr, 2010, 1, "30.12.2010",
         "30.12.2010"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open({});
        account.state->settings().keepStatementData = c.statementData;
        account.state->settings().keepBookingDate = c.bookingDates;
        open(c.kind);
        if (c.kind == BookingKind::Completed && c.statementData) {
            type("EAuszugsnr", "9");
            type("EAuszugsdatum", "05.01.2011");
        }
        type("EWertdatum", "30.12.2010");
        type("EBetrag", "1");
        if (c.bookingDate)
            type("EBuchungsdatum", c.bookingDate);
        click("BDatenHinzufuegenClose");

        ASSERT_EQ(account.onDisk().size(), 1u);
        const BookingRecord stored = account.onDisk().front();
        EXPECT_EQ(stored, account.inTable().front());
        EXPECT_EQ(stored.Satzart, c.kind);
        EXPECT_EQ(stored.Auszugsjahr, c.year);
        EXPECT_EQ(stored.Auszugsnr, c.number);
        EXPECT_EQ(stored.Auszugsdatum, Day(c.statementDate));
        EXPECT_EQ(stored.Wertdatum, Day("30.12.2010"));
        EXPECT_EQ(stored.Buchungsdatum, Day(c.storedBookingDate));
    }
}

TEST_F(TdatenEingebenFTest, AmountsAreReadAsShownOrRefusedWith164) {
    struct Case {
        const char *typed;
        std::optional<std::int64_t> betrag;
        const char *message = "";
    };
    const Case cases[] = {
        {"12,5", 125000},
        {"1.234,56", 12345600},
        {"12,34567",
         {},
         "Unzulässiger Betrag: 12,34567 (höchstens zwei Nachkommastellen, z. B. "
         "1.234,56)"},
        {"", {}, "Kein Betrag eingegeben (z. B. 1.234,56)"},
        {"12.5", {}, "Unzulässiger Betrag: 12.5 (z. B. 1.234,56)"},
    };
    account.state->settings().keepStatementData = false;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        account.open({});
        account.ui.clear();
        open(BookingKind::Planned);
        type("EBetrag", c.typed);
        click("BDatenHinzufuegenClose");

        if (c.betrag) {
            ASSERT_EQ(account.onDisk().size(), 1u);
            EXPECT_EQ(account.onDisk().front().Betrag, *c.betrag);
            EXPECT_EQ(account.inTable(), account.onDisk());
        } else {
            EXPECT_EQ(account.ui.shown().back(),
                      testing::ErrorShown(164, QString::fromUtf8(c.message)));
            EXPECT_EQ(focused(), control("EBetrag"));
            EXPECT_TRUE(account.inTable().empty());
            EXPECT_TRUE(account.onDisk().empty());
            EXPECT_TRUE(dialog.isVisible());
        }
        dialog.hide();
    }
}

TEST_F(TdatenEingebenFTest, TextFieldsTakeTheWholeTextsAndTheRecordWhatItsFieldsHold) {
    const QString sixty = QStringLiteral("Vertragsnummer 4711-0815 Abschlag für Strom und Gas Jun"
                                         "i 11.");
    ASSERT_EQ(sixty.size(), 60);
    struct Case {
        const char *field;
        QString typed;
        QString inRecord;
        std::string (*whole)(const BookingRecord &);
    };
    const Case cases[] = {
        {"EBuchungsart", QStringLiteral("Lebensmittel"), QStringLiteral("Lebensmitt"),
         core::CategoryText},
        {"EAbsender", sixty, sixty.left(30), core::PartyText},
        {"EVerwendungszweck", sixty, sixty.left(50), core::PurposeText},
    };
    account.state->settings().keepStatementData = false;
    open(BookingKind::Planned);
    for (const Case &c : cases) {
        type(c.field, c.typed);
        EXPECT_EQ(text(c.field), c.typed) << c.field << ": typing is not cut off";
    }
    type("EBetrag", "1");
    click("BDatenHinzufuegenNotClose");

    ASSERT_EQ(account.onDisk().size(), 1u);
    const BookingRecord stored = account.onDisk().front();
    EXPECT_EQ(QString::fromStdString(stored.Buchungsart.toUtf8()), cases[0].inRecord);
    EXPECT_EQ(QString::fromStdString(stored.Absender.toUtf8()), cases[1].inRecord);
    EXPECT_EQ(QString::fromStdString(stored.Verwendungszweck.toUtf8()), cases[2].inRecord);
    ASSERT_EQ(account.state->table().count(), 1);
    for (const Case &c : cases) {
        EXPECT_EQ(QString::fromStdString(c.whole(account.state->table().slot(1))), c.typed)
            << c.field;
        EXPECT_EQ(ItemsOf(dialog, c.field), QStringList{c.typed}) << c.field;
    }
}

TEST_F(TdatenEingebenFTest, ALongerSuggestionFromAnOlderListIsCutWhenChosen) {
    const QString tooLong(150, u'V');
    RememberSuggestions(*account.store, tooLong, QString(), QString());
    open(BookingKind::Planned);
    auto *purpose = control<QComboBox>("EVerwendungszweck");
    purpose->setCurrentIndex(purpose->findText(tooLong));
    EXPECT_EQ(purpose->currentText(), tooLong.left(140));
}

TEST_F(TdatenEingebenFTest, DatesTypedWithATwoDigitYearAreReadAroundThisYear) {
    account.clock.setToday(QDate(2011, 6, 20));
    account.state->settings().keepBookingDate = true;
    open(BookingKind::Completed);
    type("EAuszugsnr", "1");
    type("EAuszugsdatum", "11.12.26");
    type("EWertdatum", "1.1.32");
    type("EBuchungsdatum", "31.12.99");
    type("EBetrag", "1");
    click("BDatenHinzufuegenNotClose");

    ASSERT_EQ(account.onDisk().size(), 1u);
    const BookingRecord stored = account.onDisk().front();
    EXPECT_EQ(stored.Auszugsdatum, Day("11.12.2026"));
    EXPECT_EQ(stored.Wertdatum, Day("01.01.1932"));
    EXPECT_EQ(stored.Buchungsdatum, Day("31.12.1999"));
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->displayText(), QStringLiteral("11.12.2026"))
        << "shown with its century";
}

TEST_F(TdatenEingebenFTest, NurHinzufuegenKeepsTheStatementAndStartsTheNextBooking) {
    account.clock.setToday(QDate(2011, 6, 21));
    open(BookingKind::Completed);
    type("EAuszugsnr", "12");
    control<QComboBox>("EAuszugsjahr")->setCurrentIndex(1);
    type("EAuszugsdatum", "01.06.2010");
    type("EWertdatum", "31.05.2010");
    type("EBuchungsart", "EC");
    type("EAbsender", "Vermieter");
    type("EVerwendungszweck", "Miete Mai");
    selectDirection(1);
    type("EBetrag", "650");
    click("BDatenHinzufuegenNotClose");

    EXPECT_EQ(account.onDisk().size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(text("EAuszugsnr"), QStringLiteral("12"));
    EXPECT_EQ(text("EAuszugsjahr"), QStringLiteral("2010"));
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("01.06.2010"));
    EXPECT_EQ(control<DateEdit>("EWertdatum")->typedText(), QStringLiteral("21.06.2011"));
    for (const char *name : {"EBuchungsart", "EAbsender", "EVerwendungszweck", "EBetrag"})
        EXPECT_EQ(text(name), QString()) << name;
    EXPECT_TRUE(control<QListWidget>("ESollHaben")->item(0)->isSelected());
    EXPECT_EQ(control<QComboBox>("EVerwendungszweck")->findText(QStringLiteral("Miete Mai")), 0);
    EXPECT_EQ(focused(), control("EAuszugsnr"));

    type("EBetrag", "20");
    click("BDatenHinzufuegenClose");
    ASSERT_EQ(account.onDisk().size(), 2u);
    EXPECT_EQ(account.onDisk().back().Auszugsnr, 12);
    EXPECT_EQ(account.onDisk().back().Auszugsdatum, Day("01.06.2010"));
    EXPECT_EQ(account.onDisk().back().Absender.usedLength(), 0u);
}

TEST_F(TdatenEingebenFTest, EnterMovesToTheNextFieldAndNeverAdds) {
    struct Case {
        BookingKind kind;
        const char *from;
        const char *to;
    };
    const Case cases[] = {
        {BookingKind::Completed, "EAuszugsnr", "EAuszugsjahr"},
        {BookingKind::Completed, "EAuszugsjahr", "EAuszugsdatum"},
        {BookingKind::Recurring, "EAuszugsjahr", "EWertdatum"},
        {BookingKind::Completed, "EAuszugsdatum", "EWertdatum"},
        {BookingKind::Completed, "EWertdatum", "EBuchungsart"},
        {BookingKind::Completed, "EBuchungsart", "EAbsender"},
        {BookingKind::Completed, "EAbsender", "EVerwendungszweck"},
        {BookingKind::Completed, "EVerwendungszweck", "ESollHaben"},
        {BookingKind::Completed, "ESollHaben", "EBetrag"},
        {BookingKind::Completed, "EBetrag", "BDatenHinzufuegenClose"},
    };
    account.state->settings().keepBookingDate = true;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.from);
        open(c.kind);
        type("EAuszugsnr", "3");
        type("EBetrag", "1");
        control(c.from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control(c.from), Qt::Key_Return);
        EXPECT_EQ(focused()->objectName(), QString::fromLatin1(c.to));
        dialog.hide();
    }
    open(BookingKind::Completed);
    type("EBuchungsdatum", "01.01.2011");
    QTest::keyClick(control("EBuchungsdatum"), Qt::Key_Return);
    EXPECT_EQ(focused(), control("EBuchungsdatum"));

    type("EBetrag", "1");
    type("EAuszugsnr", "3");
    QTest::keyClick(control("EBetrag"), Qt::Key_Return);
    EXPECT_TRUE(account.onDisk().empty()) << "no field's Enter adds";
    EXPECT_EQ(focused(), control("BDatenHinzufuegenClose"));
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(account.onDisk().size(), 1u) << "Enter on the button adds";
}

TEST_F(TdatenEingebenFTest, ClosingAsksBeforeTypedValuesAreDropped) {
    struct Case {
        const char *how;
        const char *typed;                      // into EBetrag; nullptr: nothing typed
        std::optional<platform::Answer> answer; // nothing: no question
        bool closed;
    };
    const Case cases[] = {
        {"Escape", nullptr, {}, true},
        {"Button1", nullptr, {}, true},
        {"Escape", "5", platform::Answer::No, false},
        {"Button1", "5", platform::Answer::No, false},
        {"Escape", "5", platform::Answer::Yes, true},
        {"Button1", "5", platform::Answer::Yes, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.how) + (c.typed ? " after typing" : " untouched"));
        open(BookingKind::Planned);
        if (c.typed)
            type("EBetrag", c.typed);
        account.ui.clear();
        if (c.answer)
            account.ui.setNextAnswer(*c.answer);
        if (QString::fromLatin1(c.how) == QStringLiteral("Escape"))
            QTest::keyClick(control("EBetrag"), Qt::Key_Escape);
        else
            click(c.how);
        if (c.answer) {
            EXPECT_EQ(account.ui.shown(), (std::vector<ScriptedUiService::Shown>{
                                              {ScriptedUiService::Kind::Question,
                                               QStringLiteral("Die Eingaben verwerfen?")}}));
            EXPECT_EQ(account.ui.lastDefaultAnswer(), platform::Answer::No);
        } else {
            EXPECT_TRUE(account.ui.shown().empty());
        }
        EXPECT_EQ(dialog.isVisible(), !c.closed);
        if (!c.closed) {
            EXPECT_EQ(text("EBetrag"), QStringLiteral("5")) << "the values stay as typed";
        }
        EXPECT_TRUE(account.onDisk().empty());
        dialog.hide();
    }
}

TEST_F(TdatenEingebenFTest, WhatStaysAfterNurHinzufuegenClosesWithoutAQuestion) {
    open(BookingKind::Completed);
    type("EAuszugsnr", "12");
    type("EBetrag", "650");
    click("BDatenHinzufuegenNotClose");
    account.ui.clear();
    click("Button1");
    EXPECT_TRUE(account.ui.shown().empty());
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace penvaro::entry
