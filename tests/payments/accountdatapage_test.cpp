#include "paymentfixture.h"
#include "widgetlookup.h"

#include "core/accountfile.h"
#include "core/accountregister.h"
#include "payments/accountdatapage.h"
#include "payments/paymentwindow.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace penvaro::payments {
namespace {

using Page = PaymentWindow::Page;
using testing::Child;
using testing::ScriptedUiService;
using testing::TextOf;

class TUeberwFAccountDataTest : public testing::PaymentFixture {
protected:
    TUeberwFAccountDataTest() {
        core::BookingRecord start;
        start.Satzart = core::BookingKind::Completed;
        start.SollHaben = u'+';
        start.Betrag = 1255000;
        account = writeAccount(QStringLiteral("giro.p11"), {start});
        EXPECT_TRUE(state->account().load(account, true));
        core::Settings &own = state->settings();
        own.accountHolder = "Erika Muster";
        own.accountNumber = "1234567";
        own.bankCode = "37050198";
        own.bankName = "Sparkasse KölnBonn";
        own.accountName = "Giro";
        own.chequePlace = "Köln";
    }

    QString stored(const QString &key, const char *name) const {
        const auto value = store->value(key, QString::fromLatin1(name));
        if (!value || !*value)
            return QStringLiteral("<fehlt>");
        return std::get<QString>(**value);
    }
    QString fileKey() const {
        return platform::FileSettingsKey(*store, QString::fromStdString(account.string()));
    }
    std::vector<core::RegisterEntry> registerEntries() const {
        const auto accounts = core::LoadAccountRegister(state->registerPath());
        EXPECT_TRUE(accounts);
        return accounts ? accounts->entries : std::vector<core::RegisterEntry>{};
    }
};

TEST_F(TUeberwFAccountDataTest, ShowsTheAccountDataAndStoresThemOnLeavingAField) {
    onWindow(Page::AccountData, [&](PaymentWindow &shown) {
        EXPECT_EQ(Child<QTabWidget>(shown, "PageControl1")->currentWidget()->objectName(),
                  QStringLiteral("TabSheet4"));
        EXPECT_EQ(TextOf(shown, "EKontoinhaber"), QStringLiteral("Erika Muster"));
        EXPECT_EQ(TextOf(shown, "EBankleitzahl"), QStringLiteral("37050198"));
        EXPECT_EQ(TextOf(shown, "EInstitut"), QStringLiteral("Sparkasse KölnBonn"));
        EXPECT_EQ(TextOf(shown, "EeigenerOrt"), QStringLiteral("Köln"));
        EXPECT_EQ(shown.crossedChequeOrder().Ort, "Köln");
        EXPECT_TRUE(registerEntries().empty());

        testing::Retype(Child<QLineEdit>(shown, "EKontoinhaber"), QStringLiteral("Max Muster"));
        testing::Retype(Child<QLineEdit>(shown, "EeigenerOrt"), QStringLiteral("Bonn"));
        testing::Retype(Child<QLineEdit>(shown, "EKontobezeichnung"), QStringLiteral("Haushalt"));
        Child<QLineEdit>(shown, "EKontonummer")->setFocus(Qt::TabFocusReason);

        // In memory, in the settings store, in the forms and in the account register.
        const core::Settings &own = state->settings();
        EXPECT_EQ(own.accountHolder, "Max Muster");
        EXPECT_EQ(own.accountName, "Haushalt");
        EXPECT_EQ(own.chequePlace, "Bonn");
        EXPECT_EQ(stored(fileKey(), "Kontoinhaber"), QStringLiteral("Max Muster"));
        EXPECT_EQ(stored(fileKey(), "Kontobezeichnung"), QStringLiteral("Haushalt"));
        EXPECT_EQ(stored(fileKey(), "Bankleitzahl"), QStringLiteral("37050198"));
        EXPECT_EQ(stored(platform::ProductKey(), "AusstellOrt"), QStringLiteral("Bonn"));
        EXPECT_EQ(stored(fileKey(), "AusstellOrt"), QStringLiteral("<fehlt>"))
            << "one place of issue for every account file";
        EXPECT_EQ(shown.transferOrder().Auftraggeber, "Max Muster");
        EXPECT_EQ(shown.crossedChequeOrder().Ort, "Bonn");
        EXPECT_EQ(shown.euroChequeOrder().Ort, "Bonn");
        const auto entries = registerEntries();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].Dateiname.toUtf8(), account.string());
        EXPECT_EQ(entries[0].Kontonummer.toUtf8(), "1234567");
        EXPECT_EQ(entries[0].Kontobezeichnung.toUtf8(), "Haushalt");
        EXPECT_EQ(entries[0].Kontostand, 1255000);
    });
    EXPECT_TRUE(ui.shown().back().kind == ScriptedUiService::Kind::Modal);
}

TEST_F(TUeberwFAccountDataTest, LeavingTheBankCodeLooksUpTheBankAndStoresNothing) {
    onWindow(Page::AccountData, [&](PaymentWindow &shown) {
        testing::Retype(Child<QLineEdit>(shown, "EBankleitzahl"), QStringLiteral("37010050"));
        QTest::keyClick(Child<QLineEdit>(shown, "EBankleitzahl"), Qt::Key_Return);
        EXPECT_EQ(testing::FocusName(), QStringLiteral("EInstitut"));
        EXPECT_EQ(TextOf(shown, "EInstitut"), QStringLiteral("Postbank Köln"));
        EXPECT_FALSE(Child(shown, "LBankleitzahlUnbekannt")->isVisibleTo(&shown));
        EXPECT_EQ(state->settings().bankCode, "37050198");
        EXPECT_EQ(stored(fileKey(), "Bankleitzahl"), QStringLiteral("<fehlt>"));
        // An unknown code leaves the bank's name to the user and says so beside it.
        testing::Retype(Child<QLineEdit>(shown, "EBankleitzahl"), QStringLiteral("37010051"));
        QTest::keyClick(Child<QLineEdit>(shown, "EBankleitzahl"), Qt::Key_Return);
        EXPECT_EQ(TextOf(shown, "EInstitut"), QStringLiteral("Postbank Köln"));
        EXPECT_TRUE(Child(shown, "LBankleitzahlUnbekannt")->isVisibleTo(&shown));
        testing::Retype(Child<QLineEdit>(shown, "EBankleitzahl"), QStringLiteral("37010050"));
        // Closing stores what the page holds.
        QTest::keyClick(&shown, Qt::Key_Escape);
    });
    EXPECT_EQ(state->settings().bankCode, "37010050");
    EXPECT_EQ(state->settings().bankName, "Postbank Köln");
    EXPECT_EQ(stored(fileKey(), "Institut"), QStringLiteral("Postbank Köln"));
    ASSERT_EQ(registerEntries().size(), 1u);
}

TEST_F(TUeberwFAccountDataTest, EnterMovesThroughTheAccountData) {
    onWindow(Page::AccountData, [](PaymentWindow &shown) {
        const char *order[] = {"EKontoinhaber", "EKontonummer", "EBankleitzahl",
                               "EInstitut",     "EeigenerOrt",  "EKontobezeichnung"};
        Child(shown, order[0])->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            EXPECT_EQ(testing::FocusName(), QString::fromLatin1(order[i]));
        }
    });
}

TEST_F(TUeberwFAccountDataTest, AStoreThatCannotBeWrittenStillChangesMemoryAndForms) {
    testing::TestApp broken(testing::TestApp::Store::Unusable);
    broken.state->settings().accountFile = account.string();
    PaymentWindow unusable(*broken.state);
    testing::OnNextModal<PaymentWindow>(broken.ui, [&](PaymentWindow &shown) {
        broken.ui.clear();
        testing::Retype(Child<QLineEdit>(shown, "EKontonummer"), QStringLiteral("42"));
        Child<QLineEdit>(shown, "EKontoinhaber")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(shown.transferOrder().EigeneKontonr, "42");
    });
    unusable.showPage(Page::AccountData);
    EXPECT_EQ(broken.state->settings().accountNumber, "42");
    for (const ScriptedUiService::Shown &shown : broken.ui.shown())
        EXPECT_NE(shown.kind, ScriptedUiService::Kind::ErrorWindow);
}

} // namespace
} // namespace penvaro::payments

namespace penvaro::payments {
namespace {

TEST_F(TUeberwFAccountDataTest, DerivesTheIbanForTheUserToConfirmAndChecksATypedOne) {
    state->settings().accountNumber = "1900000";
    onWindow(Page::AccountData, [&](PaymentWindow &shown) {
        EXPECT_EQ(TextOf(shown, "EEigeneIBAN"), QStringLiteral("DE52 3705 0198 0001 9000 00"));
        EXPECT_TRUE(Child(shown, "BIBANBestaetigen")->isVisibleTo(&shown));
        // Moving through the page does not confirm it.
        testing::Retype(Child<QLineEdit>(shown, "EKontobezeichnung"), QStringLiteral("Verein"));
        Child(shown, "EEigeneIBAN")->setFocus();
        Child(shown, "EKontoinhaber")->setFocus();
        EXPECT_EQ(stored(fileKey(), "IBAN"), QString());

        QTest::mouseClick(Child<QPushButton>(shown, "BIBANBestaetigen"), Qt::LeftButton);
        EXPECT_EQ(stored(fileKey(), "IBAN"), QStringLiteral("DE52370501980001900000"));
        EXPECT_EQ(state->settings().iban, "DE52370501980001900000");

        testing::Retype(Child<QLineEdit>(shown, "EEigeneIBAN"),
                        QStringLiteral("DE52370501980001900001"));
        Child(shown, "EKontoinhaber")->setFocus();
        ASSERT_FALSE(ui.shown().empty());
        EXPECT_EQ(ui.shown().back().code, AccountDataPage::IbanMessage);
        EXPECT_EQ(testing::FocusName(), QStringLiteral("EEigeneIBAN"));
        EXPECT_EQ(state->settings().iban, "DE52370501980001900000") << "a wrong IBAN is kept out";
    });
}

} // namespace
} // namespace penvaro::payments
