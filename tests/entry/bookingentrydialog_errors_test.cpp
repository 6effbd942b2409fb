#include "entrydialogfixture.h"

#include "entry/statementdates.h"
#include "entry/suggestions.h"

#include "platform/registryvalue.h"
#include "platform/settingsstore.h"

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using testing::Day;

class TdatenEingebenFErrorsTest : public testing::EntryDialogTest {
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
};

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
    const QString key = platform::FileSettingsKey(*account.store, account.file());
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

TEST(TdatenEingebenFRegistry, AStoreThatCannotBeOpenedIsNotReportedAgainAndTheBookingIsAdded) {
    testing::Account account(testing::Account::Store::Unusable);
    BookingEntryDialog dialog(*account.state);
    account.ui.setNextModal([](QDialog &shown) {
        testing::ShowActive(shown);
        return QDialog::Rejected;
    });
    dialog.showForKind(BookingKind::Completed);

    // The reason was shown once at start; every lookup and memory of a date fails quietly.
    account.ui.clear();
    testing::Retype(testing::Child<QWidget>(dialog, "EAuszugsnr"), QStringLiteral("7"));
    testing::Retype(testing::Child<QWidget>(dialog, "EBetrag"), QStringLiteral("1"));
    QTest::mouseClick(testing::Child<QWidget>(dialog, "BDatenHinzufuegenClose"), Qt::LeftButton);

    EXPECT_EQ(account.ui.shown(), std::vector<ScriptedUiService::Shown>{});
    EXPECT_EQ(account.onDisk().size(), 1u);
    EXPECT_EQ(account.inTable(), account.onDisk());
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
} // namespace penvaro::entry
