#include "paymentfixture.h"
#include "support/printedtexts.h"
#include "widgetlookup.h"

#include "core/accountfile.h"
#include "payments/paymentprinter.h"
#include "platform/payeememory.h"
#include "platform/printerchoice.h"
#include "platform/recipientmemory.h"
#include "tablecells.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

namespace penvaro::payments {
namespace {

using Page = PaymentWindow::Page;
using testing::Child;
using testing::PrintedText;
using testing::ScriptedUiService;
using Kind = ScriptedUiService::Kind;

class TUeberwFPrintTest : public testing::PaymentFixture {
protected:
    TUeberwFPrintTest() {
        state->settings().accountHolder = "Erika Muster";
        state->settings().accountNumber = "1234567";
        state->settings().printOffsetX = 20;
        state->settings().printOffsetY = -15;
    }

    std::vector<core::BookingRecord> planned() const {
        std::vector<core::BookingRecord> found;
        for (const core::BookingRecord &record : recordsOnDisk(account))
            if (record.Satzart == core::BookingKind::Planned)
                found.push_back(record);
        return found;
    }

    static void Press(const QWidget &page, const char *button) {
        QTest::mouseClick(Child<QPushButton>(page, button), Qt::LeftButton);
    }

    static void TypeTransfer(const QWidget &page) {
        testing::Retype(Child<QComboBox>(page, "EEmpfaenger"), QStringLiteral("Stadtwerke"));
        testing::Retype(Child<QLineEdit>(page, "EKontonr"), QStringLiteral("999"));
        testing::Retype(Child<QLineEdit>(page, "EBetrag"), QStringLiteral("125,50"));
        testing::Retype(Child<QLineEdit>(page, "EVerwendung1"), QStringLiteral("Abschlag"));
    }

    static void TypeCrossedCheque(const QWidget &page) {
        testing::Retype(Child<QLineEdit>(page, "xEBetrag"), QStringLiteral("100"));
        testing::Retype(Child<QComboBox>(page, "EEmpfaenger1"), QStringLiteral("Verein"));
        testing::Retype(Child<QLineEdit>(page, "EEmpfaenger3"), QStringLiteral("Postfach 7"));
    }

    static void TypeEuroCheque(const QWidget &page) {
        testing::Retype(Child<QLineEdit>(page, "EBetragE"), QStringLiteral("75"));
        testing::Retype(Child<QLineEdit>(page, "EEmpfaengerE"), QStringLiteral("Bäckerei Korn"));
    }
};

TEST_F(TUeberwFPrintTest, APrintedTransferIsBookedRememberedAndKeptAsTemplate) {
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        TypeTransfer(page);
        Child<QCheckBox>(page, "CBUeberwSave")->setChecked(true);
        Press(page, "Button1");

        EXPECT_EQ(canvas.steps().front().text, "Tarvel Software - Überweisungsdrucker");
        EXPECT_EQ((PrintedText{90, -111, "Stadtwerke"}), testing::PrintedTexts(canvas)[0]);
        EXPECT_EQ(state->table().count(), 1);
        EXPECT_EQ(testing::TableCells(*Child<QTableView>(PageOf(payment, "TabSheet5"), "SUeberw"))
                      .cell(0, 1),
                  QStringLiteral("Stadtwerke"));
    });
    const auto booked = planned();
    ASSERT_EQ(booked.size(), 1u);
    EXPECT_EQ(booked[0].Absender.toUtf8(), "Stadtwerke");
    EXPECT_EQ(booked[0].Betrag, 1255000);
    EXPECT_TRUE(messages().empty());

    // Saved once: the box is cleared, and printing the same transfer again, even with the box
    // ticked, keeps no second template.
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        auto *save = Child<QCheckBox>(page, "CBUeberwSave");
        EXPECT_FALSE(save->isChecked());
        TypeTransfer(page);
        testing::Retype(Child<QLineEdit>(page, "EBetrag"), QStringLiteral("125,5"));
        save->setChecked(true);
        Press(page, "Button1");
        EXPECT_FALSE(save->isChecked());
        const testing::TableCells grid(*Child<QTableView>(PageOf(payment, "TabSheet5"), "SUeberw"));
        EXPECT_EQ(grid.cell(0, 1), QStringLiteral("Stadtwerke"));
        EXPECT_EQ(grid.cell(0, 2), QString());
    });
    EXPECT_EQ(planned().size(), 2u);

    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet1");
        EXPECT_EQ(testing::ItemsOf(page, "EEmpfaenger"), QStringList{QStringLiteral("Stadtwerke")});
        auto *recipient = Child<QComboBox>(page, "EEmpfaenger");
        recipient->setCurrentIndex(0);
        Q_EMIT recipient->activated(0);
        EXPECT_EQ(payment.transferOrder().Kontonr, "999");
    });
}

TEST_F(TUeberwFPrintTest, APrinterFailureLeavesAccountMemoryAndTemplatesAlone) {
    struct Case {
        Page page;
        const char *pageName;
        const char *button;
        std::function<void(const QWidget &)> type;
    };
    const Case cases[] = {
        {Page::Transfers, "TabSheet1", "Button1", TypeTransfer},
        {Page::CrossedCheques, "TabSheet2", "Button4", TypeCrossedCheque},
        {Page::EuroCheques, "TabSheet3", "Button6", TypeEuroCheque},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        ui.clear();
        canvas.failBeginWith("Der Drucker ist nicht bereit.");
        onWindow(c.page, [&](PaymentWindow &payment) {
            QWidget &page = PageOf(payment, c.pageName);
            c.type(page);
            if (c.page == Page::Transfers)
                Child<QCheckBox>(page, "CBUeberwSave")->setChecked(true);
            Press(page, c.button);
            EXPECT_EQ(
                testing::TableCells(*Child<QTableView>(PageOf(payment, "TabSheet5"), "SUeberw"))
                    .cell(0, 1),
                QString());
        });
        EXPECT_TRUE(planned().empty());
        EXPECT_EQ(state->table().count(), 0);
        EXPECT_TRUE(store->subkeyNames(platform::RecipientMemory::key())->isEmpty());
        EXPECT_TRUE(store->subkeyNames(platform::PayeeMemory::key())->isEmpty());
        EXPECT_EQ(messages(),
                  (std::vector<ScriptedUiService::Shown>{
                      {Kind::Failure, QStringLiteral("Der Drucker ist nicht bereit.")}}));
    }
}

TEST_F(TUeberwFPrintTest, ChequesAreBookedAndTheCrossedChequesPayeeIsRecalled) {
    onWindow(Page::CrossedCheques, [&](PaymentWindow &payment) {
        QWidget &crossed = PageOf(payment, "TabSheet2");
        TypeCrossedCheque(crossed);
        testing::Retype(Child<QLineEdit>(crossed, "xEDMEUR"), QStringLiteral("DM"));
        Press(crossed, "Button4");
        EXPECT_EQ((PrintedText{70, -159, "*eins*null*null*"}), testing::PrintedTexts(canvas)[0]);

        QWidget &euro = PageOf(payment, "TabSheet3");
        TypeEuroCheque(euro);
        Press(euro, "Button6");
    });
    const auto booked = planned();
    ASSERT_EQ(booked.size(), 2u);
    EXPECT_EQ(booked[0].Absender.toUtf8(), "Verein");
    EXPECT_EQ(booked[0].Verwendungszweck.toUtf8(), "Postfach 7");
    EXPECT_EQ(booked[0].Betrag, 511292);
    EXPECT_EQ(booked[1].Absender.toUtf8(), "Bäckerei Korn");
    EXPECT_EQ(booked[1].Betrag, 750000);
    EXPECT_EQ(canvas.jobs(), 2);

    onWindow(Page::CrossedCheques, [](PaymentWindow &payment) {
        QWidget &page = PageOf(payment, "TabSheet2");
        EXPECT_EQ(testing::TextOf(page, "EEmpfaenger3"), QString());
        EXPECT_EQ(testing::ItemsOf(page, "EEmpfaenger1"), QStringList{QStringLiteral("Verein")});
        auto *payee = Child<QComboBox>(page, "EEmpfaenger1");
        payee->setCurrentIndex(0);
        Q_EMIT payee->activated(0);
        EXPECT_EQ(testing::TextOf(page, "EEmpfaenger3"), QStringLiteral("Postfach 7"));
    });
}

TEST_F(TUeberwFPrintTest, AGroupedAmountIsPrintedInWordsAndFiguresAndBookedWhole) {
    struct Case {
        Page page;
        const char *pageName;
        const char *amountField;
        const char *button;
        std::function<void(const QWidget &)> type;
        const char *amount;
        std::vector<PrintedText> printed; // among the texts, corrected by (20, -15)
        std::int64_t betrag;
    };
    const Case cases[] = {
        {Page::Transfers,
         "TabSheet1",
         "EBetrag",
         "Button1",
         TypeTransfer,
         "1.000,00",
         {{870, -366, "1.000,00"}},
         10000000},
        {Page::CrossedCheques,
         "TabSheet2",
         "xEBetrag",
         "Button4",
         TypeCrossedCheque,
         "1.234,56",
         {{70, -159, "*eins*zwei*drei*"}, {70, -243, "*vier*"}, {1055, -243, "*1.234,56*"}},
         12345600},
        {Page::EuroCheques,
         "TabSheet3",
         "EBetragE",
         "Button6",
         TypeEuroCheque,
         "100.000,00",
         {{230, -105, "*eins*null*null*null*null*null*"}, {1170, -95, "*100.000,00*"}},
         1000000000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.amount);
        onWindow(c.page, [&](PaymentWindow &payment) {
            QWidget &page = PageOf(payment, c.pageName);
            c.type(page);
            testing::Retype(Child<QLineEdit>(page, c.amountField), QString::fromUtf8(c.amount));
            Press(page, c.button);
        });
        const std::vector<PrintedText> texts = testing::PrintedTexts(canvas);
        for (const PrintedText &expected : c.printed)
            EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
        ASSERT_FALSE(planned().empty());
        EXPECT_EQ(planned().back().Betrag, c.betrag);
        EXPECT_TRUE(messages().empty());
    }
}

TEST_F(TUeberwFPrintTest, AnAmountThatCannotBePaidPrintsAndBooksNothing) {
    struct Case {
        Page page;
        const char *pageName;
        const char *amountField;
        const char *button;
        std::function<void(const QWidget &)> type;
    };
    const Case pages[] = {
        {Page::Transfers, "TabSheet1", "EBetrag", "Button1", TypeTransfer},
        {Page::CrossedCheques, "TabSheet2", "xEBetrag", "Button4", TypeCrossedCheque},
        {Page::EuroCheques, "TabSheet3", "EBetragE", "Button6", TypeEuroCheque},
    };
    struct Amount {
        const char *typed;
        const char *message;
    };
    const Amount amounts[] = {
        {"-50,00", "Unzulässiger Betrag: -50,00 (ohne Vorzeichen, z. B. 1.234,56)"},
        {"0", "Unzulässiger Betrag: 0 (mehr als null, z. B. 1.234,56)"},
        {"1.23,45", "Unzulässiger Betrag: 1.23,45 (z. B. 1.234,56)"},
        {"", "Kein Betrag eingegeben (z. B. 1.234,56)"},
    };
    for (const Case &c : pages) {
        for (const Amount &amount : amounts) {
            SCOPED_TRACE(std::string(c.button) + " " + amount.typed);
            ui.clear();
            onWindow(c.page, [&](PaymentWindow &payment) {
                QWidget &page = PageOf(payment, c.pageName);
                c.type(page);
                if (c.page == Page::Transfers)
                    Child<QCheckBox>(page, "CBUeberwSave")->setChecked(true);
                auto *field = Child<QLineEdit>(page, c.amountField);
                testing::Retype(field, QString::fromUtf8(amount.typed));
                Press(page, c.button);
                EXPECT_EQ(testing::FocusName(), QString::fromLatin1(c.amountField));
                EXPECT_EQ(field->selectedText(), field->text());
            });
            EXPECT_EQ(canvas.jobs(), 0);
            EXPECT_TRUE(planned().empty());
            EXPECT_EQ(state->table().count(), 0);
            EXPECT_TRUE(store->subkeyNames(platform::RecipientMemory::key())->isEmpty());
            EXPECT_TRUE(store->subkeyNames(platform::PayeeMemory::key())->isEmpty());
            EXPECT_EQ(messages(),
                      (std::vector<ScriptedUiService::Shown>{
                          {Kind::ErrorWindow, QString::fromUtf8(amount.message), 26590}}));
        }
    }
}

TEST_F(TUeberwFPrintTest, EachFieldTakesWhatItsBoxHolds) {
    struct Case {
        const char *pageName;
        const char *field;
        int length;
    };
    const Case cases[] = {
        {"TabSheet1", "EEmpfaenger", 27},   {"TabSheet1", "EBank", 27},
        {"TabSheet1", "EVerwendung1", 27},  {"TabSheet1", "EVerwendung2", 27},
        {"TabSheet1", "EAuftraggeber", 27}, {"TabSheet1", "EKontonr", 10},
        {"TabSheet1", "EBetrag", 14},       {"TabSheet2", "EEmpfaenger1", 27},
        {"TabSheet2", "EEmpfaenger4", 27},  {"TabSheet2", "xEBetrag", 14},
        {"TabSheet3", "EEmpfaengerE", 27},  {"TabSheet3", "EBetragE", 14},
    };
    const QString typed = QStringLiteral("Hausverwaltung Schaefer Miete Vorauszahlung 1234");
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.field);
            QWidget *field = Child(PageOf(payment, c.pageName), c.field);
            if (auto *combo = qobject_cast<QComboBox *>(field))
                field = combo->lineEdit();
            auto *edit = qobject_cast<QLineEdit *>(field);
            ASSERT_NE(edit, nullptr);
            edit->clear();
            QTest::keyClicks(edit, typed);
            EXPECT_EQ(edit->text().size(), c.length);
        }
    });
}

TEST_F(TUeberwFPrintTest, ReceiptsPrintUncorrectedAndBookNothing) {
    onWindow(Page::Transfers, [&](PaymentWindow &payment) {
        TypeTransfer(PageOf(payment, "TabSheet1"));
        Press(PageOf(payment, "TabSheet1"), "Button7");
        TypeCrossedCheque(PageOf(payment, "TabSheet2"));
        Press(PageOf(payment, "TabSheet2"), "Button10");
        TypeEuroCheque(PageOf(payment, "TabSheet3"));
        Press(PageOf(payment, "TabSheet3"), "Button11");
    });
    std::vector<PrintedText> headings;
    for (const PrintedText &text : testing::PrintedTexts(canvas))
        if (text.y == -100)
            headings.push_back(text);
    EXPECT_EQ(headings, (std::vector<PrintedText>{{700, -100, "Überweisungsbericht"},
                                                  {700, -100, "Verrechnungsscheckbericht"},
                                                  {700, -100, "Euroscheckbericht"}}));
    EXPECT_TRUE(planned().empty());
    EXPECT_TRUE(store->subkeyNames(platform::PayeeMemory::key())->isEmpty());
}

TEST_F(TUeberwFPrintTest, EachPrinterButtonOpensThePrinterSetUp) {
    onWindow(Page::Transfers, [](PaymentWindow &payment) {
        Press(PageOf(payment, "TabSheet1"), "Button2");
        Press(PageOf(payment, "TabSheet2"), "Button5");
        Press(PageOf(payment, "TabSheet3"), "Button3");
    });
    int setUps = 0;
    for (const ScriptedUiService::Shown &shown : ui.shown())
        setUps += shown.kind == Kind::Modal && shown.text == QStringLiteral("PrinterSetupDialog");
    EXPECT_EQ(setUps, 3);
}

TEST(PaymentPrinterTest, WithoutAPrinterTheFormGoesToTheNamedPdfFile) {
    if (platform::PrinterChoice::DefaultName() != platform::PrinterChoice::PdfEntry())
        GTEST_SKIP() << "a printer is installed, and no test prints on a real printer";
    testing::TestApp app;
    PaymentPrinter printer(app.ui);
    int printouts = 0;
    const auto printout = [&](core::Canvas &canvas) {
        ++printouts;
        core::TransferOrder order;
        order.Empfaenger = "Stadtwerke";
        EXPECT_TRUE(core::PrintFormPage(canvas, core::TransferFormPage(order, 0)));
    };

    app.ui.setNextFileName(QString());
    printer.print(printout);
    EXPECT_EQ(printouts, 0) << "cancelling the file name prints nothing";

    const QString pdf = app.dir.filePath(QStringLiteral("ueberweisung"));
    app.ui.setNextFileName(pdf);
    printer.print(printout);
    EXPECT_EQ(printouts, 1);
    QFile file(pdf + QStringLiteral(".pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

} // namespace
} // namespace penvaro::payments
