#include "paymentfixture.h"
#include "widgetlookup.h"

#include "payments/bankcodesearchdialog.h"
#include "payments/paymentwindow.h"
#include "platform/payeememory.h"
#include "platform/recipientmemory.h"
#include "platform/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <optional>

namespace penvaro::payments {
namespace {

using core::PaymentFormType;
using core::TransferOrder;
using Page = PaymentWindow::Page;
using testing::Child;
using testing::ScriptedUiService;
using testing::TextOf;

class TUeberwFTransferTest : public testing::PaymentFixture {
protected:
    TUeberwFTransferTest() {
        core::Settings &own = state->settings();
        own.accountHolder = "Erika Muster";
        own.accountNumber = "1234567";
        own.bankCode = "37050198";
        own.bankName = "Sparkasse KölnBonn";
    }

    void remember(const QString &name, const QString &kontonr, const QString &blz,
                  const QString &bank) {
        const QString key = name.isEmpty() ? platform::RecipientMemory::key()
                                           : platform::RecipientMemory::key() + u'\\' + name;
        setValue(key, QStringLiteral("Kontonr"), kontonr);
        setValue(key, QStringLiteral("BLZ"), blz);
        setValue(key, QStringLiteral("Institut"), bank);
    }

    static void Click(const QWidget &window, const char *radio) {
        QTest::mouseClick(Child<QRadioButton>(window, radio), Qt::LeftButton);
    }

    static bool Shown(const QWidget &window, const char *name) {
        return Child(window, name)->isVisibleTo(&window);
    }

    // The page with its forms of a number, which the SEPA transfer keeps behind it.
    static QWidget &WrittenForms(const PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        QTest::mouseClick(Child<QRadioButton>(page, "RBVordruck"), Qt::LeftButton);
        return page;
    }

    static QString Label(const QWidget &window, const char *name) {
        return Child<QLabel>(window, name)->text();
    }
};

TEST_F(TUeberwFTransferTest, OpensOnForm20WithTheOwnAccountAsOrderingParty) {
    remember(QStringLiteral("Stadtwerke"), QStringLiteral("999"), QStringLiteral("10000000"),
             QStringLiteral("BBk Berlin"));
    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        QWidget &shown = PageOf(payment, "TabSheet1");
        EXPECT_EQ(payment.windowTitle(),
                  QStringLiteral("Überweisungen/Schecks drucken / Kontodaten verwalten"));
        EXPECT_EQ(Child<QTabWidget>(payment, "PageControl1")->currentWidget()->objectName(),
                  QStringLiteral("TabSheet1"));
        EXPECT_TRUE(Child<QRadioButton>(shown, "RB20")->isChecked());
        const TransferOrder order = payment.transferOrder();
        EXPECT_EQ(order.form, PaymentFormType::Transfer20);
        EXPECT_EQ(order.Auftraggeber, "Erika Muster");
        EXPECT_EQ(order.EigeneKontonr, "1234567");
        EXPECT_EQ(order.AuftraggeberBLZ, "37050198");
        EXPECT_EQ(order.AuftraggeberBank, "Sparkasse KölnBonn");
        EXPECT_EQ(order.DMEUR, "EUR");
        EXPECT_EQ(testing::ItemsOf(shown, "EEmpfaenger"),
                  QStringList{QStringLiteral("Stadtwerke")});
        EXPECT_EQ(TextOf(shown, "EEmpfaenger"), QString());

        Click(shown, "RB24");
        testing::Retype(Child<QComboBox>(shown, "EEmpfaenger"), QStringLiteral("Verein"));
        testing::Retype(Child<QLineEdit>(shown, "EBetrag"), QStringLiteral("12,50"));
        testing::Retype(Child<QLineEdit>(shown, "EVerwendung1"), QStringLiteral("Beitrag"));
    });

    // Each opening starts a new order on form 20.
    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        QWidget &shown = PageOf(payment, "TabSheet1");
        EXPECT_TRUE(Child<QRadioButton>(shown, "RB20")->isChecked());
        const TransferOrder order = payment.transferOrder();
        EXPECT_EQ(order.form, PaymentFormType::Transfer20);
        EXPECT_EQ(order.Empfaenger, "");
        EXPECT_EQ(order.Betrag, "");
        EXPECT_EQ(order.Verwendung1, "");
        EXPECT_FALSE(Shown(shown, "EAusfuehrungsdatum"));
    });
}

TEST_F(TUeberwFTransferTest, EachFormTypeShowsItsFieldsAndStartsItsOrder) {
    struct Case {
        const char *radio;
        std::vector<const char *> shownFields; // of the fields that come and go
        const char *recipientLabel;
        const char *ownAccountLabel;
        TransferOrder expected;
    };
    const std::string soleName = "Erika Muster";
    TransferOrder own;
    own.Auftraggeber = soleName;
    own.EigeneKontonr = "1234567";
    own.AuftraggeberBLZ = "37050198";
    own.AuftraggeberBank = "Sparkasse KölnBonn";
    own.DMEUR = "EUR";
    own.PostbankB = "  .  .";
    const auto typed = [&](std::int16_t code) {
        TransferOrder order = own;
        order.form = static_cast<PaymentFormType>(code);
        return order;
    };
    TransferOrder cashOnDelivery = typed(51);
    cashOnDelivery.Auftraggeber = "";
    cashOnDelivery.EigeneKontonr = "";
    cashOnDelivery.DMEUR = "";
    cashOnDelivery.Empfaenger = soleName;
    cashOnDelivery.Kontonr = "1234567";
    cashOnDelivery.BLZ = "37050198";
    cashOnDelivery.Bank = "Sparkasse KölnBonn";
    TransferOrder postbank = typed(99);
    postbank.Auftraggeber = "";
    postbank.EigeneKontonr = "";

    const Case cases[] = {
        {"RB05",
         {"EEigeneKontonr"},
         "Zahlungspflichtiger: Name, Vorname / Firma",
         "Konto-Nr. des Zahlungsempfängers",
         typed(5)},
        {"RB16",
         {"EAuftraggeberBLZ", "EEigeneKontonr"},
         "Empfänger: Name, Vorname / Firma",
         "Konto-Nr. des Auftraggebers",
         typed(16)},
        {"RB18",
         {"EAuftraggeberBank", "EAuftraggeberBLZ", "EEigeneKontonr"},
         "Empfänger: Name, Vorname / Firma",
         "Konto-Nr. des Auftraggebers",
         typed(18)},
        {"RB24",
         {"EAuftraggeberBLZ", "EEigeneKontonr", "EAusfuehrungsdatum", "CBAnschriftweitergabe"},
         "Empfänger: Name, Vorname / Firma",
         "Konto-Nr. des Auftraggebers",
         typed(24)},
        {"RB51",
         {},
         "Empfänger: Name, Vorname / Firma",
         "Konto-Nr. des Auftraggebers",
         cashOnDelivery},
        {"RBPostbank",
         {"EEigeneKontonr", "EPostbankA", "EPostbankB", "EPostbankC"},
         "Empfänger: Name, Vorname / Firma",
         "Konto-Nr. des Auftraggebers",
         postbank},
        {"RB20",
         {"EEigeneKontonr"},
         "Empfänger: Name, Vorname / Firma",
         "Konto-Nr. des Auftraggebers",
         typed(20)},
    };
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        for (const Case &c : cases) {
            SCOPED_TRACE(c.radio);
            // What the previous type filled in for the recipient goes.
            testing::Retype(Child<QLineEdit>(shown, "EKontonr"), QStringLiteral("555"));
            Click(shown, c.radio);
            for (const char *field :
                 {"EAuftraggeberBank", "EAuftraggeberBLZ", "EEigeneKontonr", "EAusfuehrungsdatum",
                  "CBAnschriftweitergabe", "EPostbankA", "EPostbankB", "EPostbankC"}) {
                const bool expected = std::ranges::any_of(c.shownFields, [&](const char *name) {
                    return std::string_view(name) == field;
                });
                EXPECT_EQ(Shown(shown, field), expected) << field;
            }
            EXPECT_EQ(Label(shown, "LEmpfaenger"), QString::fromUtf8(c.recipientLabel));
            EXPECT_EQ(Label(shown, "LEigeneKontonr"), QString::fromUtf8(c.ownAccountLabel));
            EXPECT_EQ(payment.transferOrder(), c.expected);
        }
    });
}

TEST_F(TUeberwFTransferTest, LeavingTheBankCodeLooksTheBankUpAndHintsAtAnUnknownOne) {
    struct Case {
        const char *code;
        const char *bank;
        bool hint;
    };
    const Case cases[] = {
        {"37010050", "Postbank Köln", false},
        {"37010051", "Meine Bank", true},
        {"3701", "Meine Bank", true},
        {"", "Meine Bank", false},
    };
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        for (const Case &c : cases) {
            SCOPED_TRACE(c.code);
            testing::Retype(Child<QLineEdit>(shown, "EBank"), QStringLiteral("Meine Bank"));
            testing::Retype(Child<QLineEdit>(shown, "EBLZ"), QString::fromLatin1(c.code));
            QTest::keyClick(Child<QLineEdit>(shown, "EBLZ"), Qt::Key_Return);
            EXPECT_EQ(TextOf(shown, "EBank"), QString::fromUtf8(c.bank));
            EXPECT_EQ(Shown(shown, "LBLZUnbekannt"), c.hint);
            EXPECT_EQ(testing::FocusName(), QStringLiteral("EDMEUR"));
        }
        // The hint is no part of the order.
        EXPECT_EQ(payment.transferOrder().Bank, "Meine Bank");
    });
}

TEST_F(TUeberwFTransferTest, AnUnreadableBankCodeFileIsReportedAndTheBankNameStays) {
    removeBankCodes();
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        testing::Retype(Child<QLineEdit>(shown, "EBank"), QStringLiteral("Meine Bank"));
        testing::Retype(Child<QLineEdit>(shown, "EBLZ"), QStringLiteral("37010050"));
        ui.clear();
        Child<QLineEdit>(shown, "EBetrag")->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(ui.shown().size(), 1u);
        EXPECT_EQ(ui.shown().front().kind, ScriptedUiService::Kind::Failure);
        EXPECT_EQ(TextOf(shown, "EBank"), QStringLiteral("Meine Bank"));
        // An incomplete code needs no file.
        ui.clear();
        testing::Retype(Child<QLineEdit>(shown, "EBLZ"), QStringLiteral("37"));
        Child<QLineEdit>(shown, "EBetrag")->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(ui.shown().empty());
        EXPECT_EQ(TextOf(shown, "EBank"), QStringLiteral("Meine Bank"));
        EXPECT_TRUE(Shown(shown, "LBLZUnbekannt"));
    });
}

TEST_F(TUeberwFTransferTest, ARecipientChosenOrLeftRecallsItsAccount) {
    remember(QStringLiteral("Stadtwerke"), QStringLiteral("999"), QStringLiteral("10000000"),
             QStringLiteral("BBk Berlin"));
    remember(QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        auto *recipient = Child<QComboBox>(shown, "EEmpfaenger");
        recipient->setFocus(Qt::TabFocusReason);
        recipient->setCurrentIndex(0);
        Q_EMIT recipient->activated(0);
        TransferOrder order = payment.transferOrder();
        EXPECT_EQ(order.Kontonr, "999");
        EXPECT_EQ(order.BLZ, "10000000");
        EXPECT_EQ(order.Bank, "BBk Berlin");

        struct Case {
            const char *name;
            const char *kontonr;
            const char *blz;
            const char *bank;
        };
        const Case cases[] = {
            {"Stadtwerke", "999", "10000000", "BBk Berlin"},
            // A name never printed leaves the three fields as they are.
            {"Unbekannt", "999", "10000000", "BBk Berlin"},
            // An empty name finds what the memory's key itself holds.
            {"", "1", "2", "3"},
        };
        for (const Case &c : cases) {
            SCOPED_TRACE(c.name);
            testing::Retype(recipient, QString::fromUtf8(c.name));
            QTest::keyClick(recipient, Qt::Key_Return);
            EXPECT_EQ(testing::FocusName(), QStringLiteral("EKontonr"));
            order = payment.transferOrder();
            EXPECT_EQ(order.Kontonr, c.kontonr);
            EXPECT_EQ(order.BLZ, c.blz);
            EXPECT_EQ(order.Bank, c.bank);
        }
    });
}

TEST_F(TUeberwFTransferTest, LeavingTheRecipientKeepsBankDataTheUserTypedOrPicked) {
    remember(QStringLiteral("Stadtwerke"), QStringLiteral("999"), QStringLiteral("10000000"),
             QStringLiteral("BBk Berlin"));
    struct Case {
        const char *name;
        const char *recipient;
        std::optional<platform::Answer> answer; // the question asked, and its answer
        const char *kontonr;
        const char *bank;
    };
    const Case cases[] = {
        {"a new recipient, even unchanged", "Neuer Verein", {}, "4711", "Postbank Hamburg"},
        {"a remembered one, kept", "Stadtwerke", platform::Answer::No, "4711", "Postbank Hamburg"},
        {"a remembered one, replaced", "Stadtwerke", platform::Answer::Yes, "999", "BBk Berlin"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        onWindow(Page::Transfers, [&](PaymentWindow &payment) {
            QWidget &shown = PageOf(payment, "TabSheet1");
            auto *recipient = Child<QComboBox>(shown, "EEmpfaenger");
            testing::Retype(recipient, QString::fromUtf8(c.recipient));
            testing::Retype(Child<QLineEdit>(shown, "EKontonr"), QStringLiteral("4711"));
            // The bank is picked in the search.
            testing::OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &search) {
                testing::Retype(Child<QLineEdit>(search, "EOrt"), QStringLiteral("Hamburg"));
                QTest::mouseClick(Child<QPushButton>(search, "Button1"), Qt::LeftButton);
                auto *grid = Child<QTableView>(search, "StringGrid1");
                const QRect cell = grid->visualRect(grid->model()->index(0, 0));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            });
            QTest::mouseClick(Child(shown, "BitBtn1"), Qt::LeftButton);
            ASSERT_EQ(payment.transferOrder().Bank, "Postbank Hamburg");
            ui.clear();
            if (c.answer)
                ui.setNextAnswer(*c.answer);

            recipient->setFocus(Qt::TabFocusReason);
            Child(shown, "EVerwendung1")->setFocus(Qt::TabFocusReason);

            EXPECT_EQ(ui.shown().size(), c.answer ? 1u : 0u);
            const TransferOrder order = payment.transferOrder();
            EXPECT_EQ(order.Kontonr, c.kontonr);
            EXPECT_EQ(order.Bank, c.bank);
        });
    }
}

TEST_F(TUeberwFTransferTest, EnterMovesThroughTheOrder) {
    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        struct Case {
            const char *radio;
            const char *from;
            const char *to;
        };
        const Case cases[] = {
            {"RB18", "EAuftraggeberBank", "EAuftraggeberBLZ"},
            {"RB18", "EAuftraggeberBLZ", "EEmpfaenger"},
            {"RB20", "EKontonr", "EBLZ"},
            {"RB20", "EDMEUR", "EBetrag"},
            {"RB20", "EBetrag", "EVerwendung1"},
            {"RB20", "EVerwendung2", "EAuftraggeber"},
            {"RB20", "EAuftraggeber", "EEigeneKontonr"},
            {"RB20", "EEigeneKontonr", "Button1"},
            {"RB24", "EEigeneKontonr", "EAusfuehrungsdatum"},
            {"RB24", "EAusfuehrungsdatum", "Button1"},
            {"RB51", "EAuftraggeber", "Button1"},
        };
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.radio) + " " + c.from);
            Click(shown, c.radio);
            QWidget *from = Child(shown, c.from);
            from->setFocus(Qt::TabFocusReason);
            QTest::keyClick(from, Qt::Key_Return);
            EXPECT_EQ(testing::FocusName(), QString::fromLatin1(c.to));
        }
    });
}

TEST_F(TUeberwFTransferTest, TheBankSearchFillsTheBankFieldsOfThePage) {
    onWindow(Page::Transfers, [this](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        testing::OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &search) {
            testing::Retype(Child<QLineEdit>(search, "EOrt"), QStringLiteral("Hamburg"));
            QTest::mouseClick(Child<QPushButton>(search, "Button1"), Qt::LeftButton);
            auto *grid = Child<QTableView>(search, "StringGrid1");
            const QRect cell = grid->visualRect(grid->model()->index(0, 0));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        });
        QTest::mouseClick(Child(shown, "BitBtn1"), Qt::LeftButton);
        EXPECT_EQ(TextOf(shown, "EBLZ"), QStringLiteral("20010020"));
        EXPECT_EQ(TextOf(shown, "EBank"), QStringLiteral("Postbank Hamburg"));
        EXPECT_EQ(testing::FocusName(), QStringLiteral("EDMEUR"));
    });
}

TEST_F(TUeberwFTransferTest, AStoreThatCannotBeOpenedIsReportedAndTheOrderGoesOn) {
    testing::TestApp broken(testing::TestApp::Store::Unusable);
    broken.state->settings().accountFile = account.string();
    PaymentWindow unusable(*broken.state);
    testing::OnNextModal<PaymentWindow>(broken.ui, [&](PaymentWindow &payment) {
        QWidget &shown = WrittenForms(payment);
        testing::Retype(Child<QComboBox>(shown, "EEmpfaenger"), QStringLiteral("Stadtwerke"));
        testing::Retype(Child<QLineEdit>(shown, "EKontonr"), QStringLiteral("42"));
        EXPECT_EQ(payment.transferOrder().Kontonr, "42");
    });
    unusable.showPage(Page::Transfers);
    std::vector<std::int32_t> codes;
    for (const ScriptedUiService::Shown &shown : broken.ui.shown())
        if (shown.kind == ScriptedUiService::Kind::ErrorWindow) {
            codes.push_back(shown.code);
            EXPECT_EQ(shown.text, "Registry-Fehler");
        }
    EXPECT_EQ(codes, (std::vector<std::int32_t>{platform::RecipientMemory::ListErrorCode,
                                                platform::PayeeMemory::ListErrorCode,
                                                platform::RecipientMemory::RememberErrorCode}));
}

} // namespace
} // namespace penvaro::payments
