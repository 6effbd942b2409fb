#include "entrydialogfixture.h"
#include "support/filesizelimit.h"

#include "entry/statementdates.h"
#include "entry/suggestions.h"

#include "core/bookingchanges.h"
#include "platform/registryvalue.h"
#include "platform/settingsstore.h"

#include <functional>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using fixture::Day;
using fixture::ErrorShown;
using penvaro::testing::ScriptedUiService;

class TdatenEingebenFErrorsTest : public fixture::EntryDialogTest {
protected:
    // A complete, valid booking of the kind; each case then spoils one field.
    void fillValid(BookingKind kind) {
        open(kind);
        if (kind == BookingKind::Recurring) {
            type("EAuszugsnr", "15");
            type("EAuszugsjahr", "alle 2 Monate");
        } else if (kind == BookingKind::Completed) {
            type("EAuszugsnr", "7");
            type("EAuszugsdatum", "03.05.2011");
        }
        type("EWertdatum", "02.05.2011");
        if (kind == BookingKind::Completed)
            type("EBuchungsdatum", "02.05.2011");
        type("EBetrag", "10");
    }

    BookingRecord existing() const {
        BookingRecord record;
        record.Satzart = BookingKind::Planned;
        record.Wertdatum = Day("01.07.2011");
        record.Betrag = 777;
        return record;
    }
};

TEST_F(TdatenEingebenFErrorsTest, TheFirstUnreadableFieldIsNamedByNumberAndTextAndGetsTheFocus) {
    struct Case {
        const char *what;
        BookingKind kind;
        std::function<void(TdatenEingebenFErrorsTest &)> spoil;
        std::int32_t code;
        QString message;
        const char *focus; // nullptr: where it was
    };
    const auto typing = [](const char *name, const char *typed) {
        return [=](TdatenEingebenFErrorsTest &t) { t.type(name, typed); };
    };
    const Case cases[] = {
        {"174 year", BookingKind::Completed, typing("EAuszugsjahr", "65536"), 174,
         QStringLiteral("Unzulässiges Auszugsjahr: 65536"), nullptr},
        {"172 statement number", BookingKind::Completed, typing("EAuszugsnr", "7a"), 172,
         QStringLiteral("Unzulässige Auszugsnummer: 7a"), "EAuszugsnr"},
        {"172 before 171", BookingKind::Completed,
         [](TdatenEingebenFErrorsTest &t) {
             t.type("EAuszugsdatum", "31.02.2011");
             t.type("EAuszugsnr", "-1");
         },
         172, QStringLiteral("Unzulässige Auszugsnummer: -1"), "EAuszugsnr"},
        {"171 statement date", BookingKind::Completed, typing("EAuszugsdatum", "31.02.2011"), 171,
         QStringLiteral("Unzulässiges Auszugsdatum: 31.02.2011"), "EAuszugsdatum"},
        {"169 value date", BookingKind::Completed, typing("EWertdatum", "00.05.2011"), 169,
         QStringLiteral("Unzulässiges Wertdatum: 00.05.2011"), "EWertdatum"},
        {"169 empty value date, planned", BookingKind::Planned, typing("EWertdatum", ""), 169,
         QStringLiteral("Unzulässiges Wertdatum: .."), "EWertdatum"},
        {"170 empty first execution", BookingKind::Recurring,
         [](TdatenEingebenFErrorsTest &t) { t.control<QLineEdit>("EWertdatum")->clear(); }, 170,
         QStringLiteral("Unzulässiges Datum: .."), "EWertdatum"},
        {"173 execution day", BookingKind::Recurring,
         [](TdatenEingebenFErrorsTest &t) {
             t.control<QLineEdit>("EAuszugsnr")->setText(QStringLiteral("31"));
         },
         173, QStringLiteral("Unzulässiger Ausführungstag: 31"), "EAuszugsnr"},
        {"165 booking date", BookingKind::Completed, typing("EBuchungsdatum", "1.13.2011"), 165,
         QStringLiteral("Unzulässiges Buchungsdatum: 1.13.2011"), "EBuchungsdatum"},
        {"164 amount", BookingKind::Recurring, typing("EBetrag", "zehn"), 164,
         QStringLiteral("Unzulässiger Betrag: zehn"), "EBetrag"},
    };
    account.state->settings().BuchungsdatAN = true;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open({existing()});
        fillValid(c.kind);
        c.spoil(*this);
        account.ui.clear();
        QWidget *before = control("BDatenHinzufuegenNotClose");
        before->setFocus(Qt::TabFocusReason);
        QTest::keyClick(before, Qt::Key_Return);

        ASSERT_FALSE(account.ui.shown().empty());
        EXPECT_EQ(account.ui.shown().back(), ErrorShown(c.code, c.message));
        EXPECT_EQ(focused(), c.focus ? control(c.focus) : before);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(account.inTable(), std::vector<BookingRecord>{existing()});
        EXPECT_EQ(account.onDisk(), std::vector<BookingRecord>{existing()});
        dialog.hide();
    }
}

TEST_F(TdatenEingebenFErrorsTest, AStatementDateIsOfferedAgainForItsYearAndNumber) {
    fillValid(BookingKind::Completed);
    click("BDatenHinzufuegenNotClose");
    ASSERT_EQ(account.onDisk().size(), 1u);

    open(BookingKind::Completed);
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("20.06.2011"));
    type("EAuszugsnr", "8");
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("20.06.2011"))
        << "a number never used keeps the date shown";
    type("EAuszugsnr", "07");
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("03.05.2011"));

    type("EAuszugsdatum", "01.01.2011");
    type("EAuszugsjahr", "2010");
    type("EWertdatum", "");
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("01.01.2011"))
        << "statement 7 of 2010 is unknown";
    ASSERT_TRUE(RememberStatementDate(*account.store, account.file(), 7, 2010, Day("02.01.2010")));
    type("EAuszugsjahr", "2010");
    type("EWertdatum", "");
    EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("02.01.2010"))
        << "leaving the year looks the date up";
    EXPECT_TRUE(account.ui.shown().back().kind == ScriptedUiService::Kind::Modal);
}

TEST_F(TdatenEingebenFErrorsTest, AStoredValueThatIsNoDateIsIgnored) {
    const QString key = platform::FileSettingsKey(account.file());
    ASSERT_TRUE(account.store->createKey(key));
    ASSERT_TRUE(account.store->setValue(key, QStringLiteral("20117"), std::int32_t{40666}));
    ASSERT_TRUE(
        account.store->setValue(key, QStringLiteral("20118"), platform::BinaryFromDouble(1.0e300)));
    open(BookingKind::Completed);
    for (const char *number : {"7", "8"}) {
        type("EAuszugsnr", number);
        EXPECT_EQ(control<DateEdit>("EAuszugsdatum")->typedText(), QStringLiteral("20.06.2011"));
    }
}

TEST(TdatenEingebenFRegistry, AStoreThatCannotBeOpenedIsReportedButTheBookingIsAdded) {
    fixture::Account account(fixture::Account::Store::Unusable);
    BookingEntryDialog dialog(*account.state);
    account.ui.setNextModal([](QDialog &shown) {
        fixture::ShowActive(shown);
        return QDialog::Rejected;
    });
    dialog.showForKind(BookingKind::Completed);

    fixture::Retype(fixture::Child<QWidget>(dialog, "EAuszugsnr"), QStringLiteral("7"));
    EXPECT_EQ(account.ui.shown().back(), ErrorShown(161, QStringLiteral("Registry Fehler")));
    fixture::Retype(fixture::Child<QWidget>(dialog, "EBetrag"), QStringLiteral("1"));
    account.ui.clear();
    QTest::mouseClick(fixture::Child<QWidget>(dialog, "BDatenHinzufuegenClose"), Qt::LeftButton);

    EXPECT_EQ(account.ui.shown(), std::vector<ScriptedUiService::Shown>{
                                      ErrorShown(162, QStringLiteral("Registry Fehler"))});
    EXPECT_EQ(account.onDisk().size(), 1u);
    EXPECT_EQ(account.inTable(), account.onDisk());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TdatenEingebenFErrorsTest, AFullTableOrAFailedWriteLeavesTableAndFileAsTheyWere) {
    struct Case {
        const char *what;
        std::size_t records;
        std::uintmax_t fileLimit; // 0: none
    };
    const Case cases[] = {
        {"full table", static_cast<std::size_t>(core::MaxBookings), 0},
        {"disk full part-way", 2, 2 * core::BookingRecordSize + 100},
        {"disk full at once", 2, 2 * core::BookingRecordSize},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        account.open(std::vector<BookingRecord>(c.records, existing()));
        fillValid(BookingKind::Planned);
        type("EVerwendungszweck", "Neu");
        account.ui.clear();
        {
            std::optional<test::FileSizeLimit> limit;
            if (c.fileLimit != 0)
                limit.emplace(c.fileLimit);
            click("BDatenHinzufuegenClose");
        }

        ASSERT_EQ(account.ui.shown().size(), 1u);
        EXPECT_EQ(account.ui.shown().front().kind, ScriptedUiService::Kind::Failure);
        if (c.fileLimit == 0) {
            EXPECT_EQ(account.ui.shown().front().text,
                      QString::fromStdString(core::TableFullError().message));
        }
        EXPECT_EQ(account.inTable().size(), c.records);
        EXPECT_EQ(account.onDisk(), account.inTable());
        EXPECT_TRUE(dialog.isVisible()) << "the typed booking stays for another try";
        EXPECT_EQ(text("EVerwendungszweck"), QStringLiteral("Neu"));
        EXPECT_EQ(account.refreshes, 0);
        EXPECT_EQ(ReadSuggestions(*account.store, SuggestionList::Purposes), QStringList{})
            << "nothing stored, nothing remembered";
        dialog.hide();
    }
}

} // namespace
} // namespace penvaro::entry
