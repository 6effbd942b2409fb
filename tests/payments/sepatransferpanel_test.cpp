#include "paymentfixture.h"
#include "support/bankcodelines.h"
#include "support/printedtexts.h"
#include "widgetlookup.h"

#include "core/date.h"
#include "payments/girocodedialog.h"
#include "payments/sepatransferpanel.h"
#include "platform/paymentrecall.h"
#include "platform/recipientmemory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

namespace penvaro::payments {
namespace {

using Page = PaymentWindow::Page;
using testing::Child;
using testing::PrintedText;
using testing::ScriptedUiService;
using Kind = ScriptedUiService::Kind;

class SepaTransferTest : public testing::PaymentFixture {
protected:
    SepaTransferTest() {
        writeBankCodes(
            {penvaro::testing::BankCodeLine("37050198", "Sparkasse KölnBonn", "Sparkasse KölnBonn",
                                            "50667", "KÖLN", "COLSDE33XXX")});
        core::Settings &own = state->settings();
        own.accountHolder = "Erika Muster";
        own.accountNumber = "1900000";
        own.bankCode = "37050198";
        own.bankName = "Sparkasse KölnBonn";
        own.printOffsetX = 20;
        own.printOffsetY = -15;
    }

    std::vector<core::BookingRecord> planned() const {
        std::vector<core::BookingRecord> found;
        for (const core::BookingRecord &record : recordsOnDisk(account))
            if (record.Satzart == core::BookingKind::Planned)
                found.push_back(record);
        return found;
    }

    struct Typed {
        QString name = QStringLiteral("Stadtwerke Köln");
        QString iban = QStringLiteral("DE51 3705 0198 0001 9000 18");
        QString bic;
        QString amount = QStringLiteral("1.234,50");
        QString purpose = QStringLiteral("Kunde 4711");
        QString execution;
    };

    static void Type(const QWidget &page, const Typed &typed) {
        testing::Retype(Child<QComboBox>(page, "ESepaEmpfaenger"), typed.name);
        testing::Retype(Child<QLineEdit>(page, "EIBAN"), typed.iban);
        testing::Retype(Child<QLineEdit>(page, "EBIC"), typed.bic);
        testing::Retype(Child<QLineEdit>(page, "ESepaBetrag"), typed.amount);
        testing::Retype(Child<QLineEdit>(page, "ESepaVerwendung"), typed.purpose);
        testing::Retype(Child<QLineEdit>(page, "ESepaAusfuehrung"), typed.execution);
    }

    static void Press(const QWidget &page, const char *button) {
        QTest::mouseClick(Child<QPushButton>(page, button), Qt::LeftButton);
    }

    std::vector<ScriptedUiService::Shown> errors() const {
        std::vector<ScriptedUiService::Shown> found;
        for (const auto &shown : ui.shown())
            if (shown.kind == Kind::ErrorWindow || shown.kind == Kind::Failure)
                found.push_back(shown);
        return found;
    }
};

TEST_F(SepaTransferTest, OpensOnTheSepaTransferAndChecksTheIbanAsTyped) {
    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        EXPECT_TRUE(Child<QRadioButton>(page, "RBSepa")->isChecked());
        EXPECT_TRUE(Child(page, "ESepaEmpfaenger")->isVisibleTo(&page));
        EXPECT_FALSE(Child(page, "EEmpfaenger")->isVisibleTo(&page));

        auto *iban = Child<QLineEdit>(page, "EIBAN");
        testing::Retype(iban, QStringLiteral("de51370501980001900018"));
        EXPECT_EQ(QStringLiteral("IBAN gültig: Sparkasse KölnBonn"),
                  Child<QLabel>(page, "LIBANPruefung")->text());
        // Leaving the field shows the IBAN in groups and the bank's BIC, which is not typed.
        Child(page, "EBIC")->setFocus();
        EXPECT_EQ(QStringLiteral("DE51 3705 0198 0001 9000 18"), iban->text());
        EXPECT_EQ(QStringLiteral("COLSDE33XXX"), Child<QLineEdit>(page, "EBIC")->text());
        EXPECT_TRUE(Child<QLineEdit>(page, "EBIC")->isReadOnly());

        testing::Retype(iban, QStringLiteral("DE51370501980001900019"));
        EXPECT_TRUE(Child<QLabel>(page, "LIBANPruefung")
                        ->text()
                        .startsWith(QStringLiteral("Die Prüfziffern der IBAN stimmen nicht")));
    });
}

TEST_F(SepaTransferTest, EachWrongFieldGetsItsMessageAndTheFocus) {
    struct Case {
        const char *name;
        Typed typed;
        SepaTransferPanel::Message code;
        const char *field;
    };
    Typed noName;
    noName.name.clear();
    Typed failingAccount;
    failingAccount.iban = QStringLiteral("DE25370501980001900001");
    Typed abroadWithoutBic;
    abroadWithoutBic.iban = QStringLiteral("GB29NWBK60161331926819");
    Typed signedAmount;
    signedAmount.amount = QStringLiteral("-12,00");
    Typed tooMuch;
    tooMuch.amount = QStringLiteral("1.000.000.000,00");
    Typed lastYear;
    lastYear.execution = QStringLiteral("01.06.2010");
    const Case cases[] = {
        {"no name", noName, SepaTransferPanel::NameMessage, "ESepaEmpfaenger"},
        {"account fails its method", failingAccount, SepaTransferPanel::IbanMessage, "EIBAN"},
        {"abroad without BIC", abroadWithoutBic, SepaTransferPanel::BicMessage, "EBIC"},
        {"amount with a sign", signedAmount, SepaTransferPanel::AmountMessage, "ESepaBetrag"},
        {"amount too large", tooMuch, SepaTransferPanel::AmountMessage, "ESepaBetrag"},
        {"execution in the past", lastYear, SepaTransferPanel::ExecutionMessage,
         "ESepaAusfuehrung"},
    };
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        for (const Case &c : cases) {
            ui.clear();
            Type(page, c.typed);
            Press(page, "BGiroCode");
            const auto shown = errors();
            ASSERT_EQ(1u, shown.size()) << c.name;
            EXPECT_EQ(c.code, shown.front().code) << c.name;
            EXPECT_EQ(QString::fromLatin1(c.field), testing::FocusName()) << c.name;
        }
    });
    EXPECT_TRUE(planned().empty());
}

TEST_F(SepaTransferTest, GiroCodeBooksOnceAndRemembersTheRecipient) {
    testing::OnNextModal<PaymentWindow>(ui, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        Typed typed;
        typed.execution = QStringLiteral("01.07.2011");
        Type(page, typed);
        testing::OnNextModal<GiroCodeDialog>(ui, [](GiroCodeDialog &dialog) {
            const QPixmap code = Child<QLabel>(dialog, "IGiroCode")->pixmap();
            EXPECT_GE(code.width(), 200) << "large enough to scan from the screen";
            EXPECT_TRUE(Child<QLabel>(dialog, "LGiroCodeDaten")
                            ->text()
                            .contains(QStringLiteral("1.234,50 EUR")));
        });
        Press(page, "BGiroCode");
        EXPECT_EQ(QString(), Child<QComboBox>(page, "ESepaEmpfaenger")->currentText())
            << "the form is empty for the next transfer";
    });
    window.showPage(Page::Transfers);
    const auto booked = planned();
    ASSERT_EQ(1u, booked.size());
    EXPECT_EQ("ÜB", booked[0].Buchungsart.toUtf8());
    EXPECT_EQ("Stadtwerke Köln", booked[0].Absender.toUtf8());
    EXPECT_EQ(12345000, booked[0].Betrag);
    EXPECT_EQ(*core::ParseDate("01.07.2011"), booked[0].Wertdatum);
    const auto remembered = platform::RecallRecipient(*state, QStringLiteral("Stadtwerke Köln"));
    EXPECT_EQ(QStringLiteral("DE51370501980001900018"), remembered.iban);
    EXPECT_EQ(QStringLiteral("COLSDE33XXX"), remembered.bic);
    EXPECT_EQ(QStringLiteral("1900018"), remembered.Kontonr);
}

TEST_F(SepaTransferTest, SepaFileWritesTheCollectedTransfersOnce) {
    const QString path = dir.filePath(QStringLiteral("sammel.xml"));
    const QString again = dir.filePath(QStringLiteral("nochmal.xml"));
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        Type(page, {});
        Press(page, "BSammelauftrag");
        Typed second;
        second.name = QStringLiteral("Jörg Müller");
        second.amount = QStringLiteral("12,30");
        Type(page, second);
        Press(page, "BSammelauftrag");
        EXPECT_EQ(2, Child<QTreeWidget>(page, "LBSammelauftrag")->topLevelItemCount());

        ui.setNextFileName(path);
        Press(page, "BSepaDatei");
        const auto *list = Child<QTreeWidget>(page, "LBSammelauftrag");
        ASSERT_EQ(2, list->topLevelItemCount());
        EXPECT_EQ(QStringLiteral("geschrieben"), list->topLevelItem(1)->text(4));

        // Nothing is left to write, and the empty form is no transfer.
        ui.setNextFileName(again);
        Press(page, "BSepaDatei");
        ASSERT_FALSE(errors().empty());
        EXPECT_EQ(SepaTransferPanel::NameMessage, errors().back().code);
    });
    EXPECT_FALSE(QFile::exists(again));
    ASSERT_TRUE(QFile::exists(path));
    QProcess lint;
    lint.setProcessChannelMode(QProcess::MergedChannels);
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("--schema"),
                                           QStringLiteral(PENVARO_SEPA_SCHEMA), path});
    ASSERT_TRUE(lint.waitForFinished(30000));
    EXPECT_EQ(0, lint.exitCode()) << lint.readAll().toStdString();
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    EXPECT_TRUE(text.contains(u"<NbOfTxs>2</NbOfTxs>"));
    // The ordering party's IBAN is derived from the account data.
    EXPECT_TRUE(text.contains(u"<IBAN>DE52370501980001900000</IBAN>"));
    EXPECT_EQ(2u, planned().size());
}

TEST_F(SepaTransferTest, PrintingWritesThePaperFormWithTheCorrectionAndBooks) {
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        Typed longName;
        longName.name = QStringLiteral("Stadtwerke Köln Netzgesellschaft mbH");
        Type(page, longName);
        Press(page, "BSepaDrucken");
        ASSERT_EQ(1u, errors().size());
        EXPECT_EQ(SepaTransferPanel::PaperFormMessage, errors().front().code);
        EXPECT_TRUE(testing::PrintedTexts(canvas).empty());

        Type(page, {});
        Press(page, "BSepaDrucken");
    });
    const auto texts = testing::PrintedTexts(canvas);
    const auto printed = [&](PrintedText text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(printed({90, -111, "Stadtwerke Köln"}));
    EXPECT_TRUE(printed({90, -196, "DE51370501980001900018"}));
    EXPECT_TRUE(printed({90, -281, "COLSDE33XXX"}));
    EXPECT_TRUE(printed({870, -366, "1.234,50"}));
    EXPECT_TRUE(printed({90, -706, "DE52370501980001900000"}));
    EXPECT_EQ(1u, planned().size());
}

TEST_F(SepaTransferTest, ARememberedRecipientFillsIbanAndBic) {
    platform::RecipientMemory memory(*store);
    ASSERT_TRUE(
        memory.remember(QStringLiteral("Stadtwerke"),
                        {QString(), QString(), QString(), QStringLiteral("GB29NWBK60161331926819"),
                         QStringLiteral("NWBKGB2L")}));
    // Recipients of the written forms have their IBAN derived.
    ASSERT_TRUE(memory.remember(QStringLiteral("Verein"),
                                {QStringLiteral("1900018"), QStringLiteral("37050198"),
                                 QStringLiteral("Sparkasse KölnBonn")}));
    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        testing::Retype(Child<QComboBox>(page, "ESepaEmpfaenger"), QStringLiteral("Stadtwerke"));
        Child(page, "EIBAN")->setFocus();
        EXPECT_EQ(QStringLiteral("GB29 NWBK 6016 1331 9268 19"), testing::TextOf(page, "EIBAN"));
        EXPECT_EQ(QStringLiteral("NWBKGB2L"), testing::TextOf(page, "EBIC"));

        testing::Retype(Child<QComboBox>(page, "ESepaEmpfaenger"), QStringLiteral("Verein"));
        Child(page, "EIBAN")->setFocus();
        EXPECT_EQ(QStringLiteral("DE51 3705 0198 0001 9000 18"), testing::TextOf(page, "EIBAN"));
        EXPECT_EQ(QStringLiteral("COLSDE33XXX"), testing::TextOf(page, "EBIC"));
    });
}

TEST_F(SepaTransferTest, AnotherIbanDropsABicThatBelongedToTheOldOne) {
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        auto *iban = Child<QLineEdit>(page, "EIBAN");
        auto *bic = Child<QLineEdit>(page, "EBIC");
        struct Step {
            const char *name;
            const char *typedIban;
            const char *typedBic; // nullptr: left as it is
            const char *bic;      // after leaving the IBAN
            bool readOnly;
        };
        const Step steps[] = {
            {"German bank: its BIC from the file", "DE51370501980001900018", nullptr, "COLSDE33XXX",
             true},
            {"Austrian IBAN: the German bank's BIC goes", "AT611904300234573201", nullptr, "",
             false},
            {"Austrian BIC typed", "AT611904300234573201", "BKAUATWW", "BKAUATWW", false},
            {"Dutch IBAN: the Austrian BIC goes", "NL91ABNA0417164300", nullptr, "", false},
        };
        for (const Step &step : steps) {
            testing::Retype(iban, QString::fromLatin1(step.typedIban));
            if (step.typedBic)
                testing::Retype(bic, QString::fromLatin1(step.typedBic));
            iban->setFocus();
            Child(page, "ESepaBetrag")->setFocus();
            EXPECT_EQ(QString::fromLatin1(step.bic), bic->text()) << step.name;
            EXPECT_EQ(step.readOnly, bic->isReadOnly()) << step.name;
        }
        // A transfer within the EEA goes without a BIC; one outside SEPA does not go at all.
        Typed austria;
        austria.iban = QStringLiteral("AT611904300234573201");
        Type(page, austria);
        Press(page, "BSammelauftrag");
        EXPECT_TRUE(errors().empty());
        EXPECT_EQ(1, Child<QTreeWidget>(page, "LBSammelauftrag")->topLevelItemCount());
        Typed brazil;
        brazil.iban = QStringLiteral("BR1800360305000010009795493C1");
        Type(page, brazil);
        EXPECT_TRUE(Child<QLabel>(page, "LIBANPruefung")->text().contains(u"SEPA"));
        Press(page, "BSammelauftrag");
        ASSERT_EQ(1u, errors().size());
        EXPECT_EQ(SepaTransferPanel::IbanMessage, errors().front().code);
    });
}

TEST_F(SepaTransferTest, TheCollectedListShowsEachExecutionDate) {
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        Typed later;
        later.execution = QStringLiteral("15.01.2027");
        Type(page, later);
        Press(page, "BSammelauftrag");
        Type(page, {});
        Press(page, "BSammelauftrag");
        const auto *list = Child<QTreeWidget>(page, "LBSammelauftrag");
        ASSERT_EQ(2, list->topLevelItemCount());
        EXPECT_EQ(QStringLiteral("Ausführung"), list->headerItem()->text(3));
        EXPECT_EQ(QStringLiteral("15.01.2027"), list->topLevelItem(0)->text(3));
        EXPECT_EQ(QStringLiteral("sofort"), list->topLevelItem(1)->text(3));
        EXPECT_EQ(QStringLiteral("1.234,50"), list->topLevelItem(1)->text(2));
    });
}

TEST_F(SepaTransferTest, APaidTransferKeptAsTemplateComesBackWithItsLongTexts) {
    Typed typed;
    typed.name = QStringLiteral("Förderverein der Grundschule am Stadtpark Köln-Lindenthal e.V.");
    typed.purpose = QStringLiteral("Spende Sommerfest 2011, Mitgliedsnummer 4711, bitte "
                                   "Zuwendungsbestätigung an Erika Muster, Beispielweg 1, Köln");
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        Type(page, typed);
        auto *keep = Child<QCheckBox>(page, "CBSepaVorlage");
        ASSERT_TRUE(keep->isEnabled());
        keep->click();
        Press(page, "BGiroCode");
        EXPECT_EQ(QString(), Child<QComboBox>(page, "ESepaEmpfaenger")->currentText());

        // Using the template from the list fills the SEPA form again.
        QTableView &grid = *Child<QTableView>(PageOf(payment, "TabSheet5"), "SUeberw");
        ASSERT_EQ(1, grid.model()->rowCount());
        const QRect cell = grid.visualRect(grid.model()->index(0, 0));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        EXPECT_TRUE(Child<QRadioButton>(page, "RBSepa")->isChecked());
        EXPECT_EQ(typed.name, Child<QComboBox>(page, "ESepaEmpfaenger")->currentText());
        EXPECT_EQ(typed.iban, testing::TextOf(page, "EIBAN"));
        EXPECT_EQ(typed.amount, testing::TextOf(page, "ESepaBetrag"));
        EXPECT_EQ(typed.purpose, testing::TextOf(page, "ESepaVerwendung"));
    });
    EXPECT_EQ(1u, planned().size());
}

} // namespace
} // namespace penvaro::payments
