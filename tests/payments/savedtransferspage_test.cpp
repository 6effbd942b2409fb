#include "paymentfixture.h"
#include "support/bankcodelines.h"
#include "widgetlookup.h"

#include "core/savedtransferfile.h"
#include "core/sepatemplate.h"
#include "payments/bankcodesearchdialog.h"
#include "payments/sepatemplatedialog.h"
#include "payments/sepatransferpanel.h"
#include "payments/transfertemplatedialog.h"
#include "tablecells.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <fstream>
#include <iterator>

namespace penvaro::core {
void PrintTo(const SavedTransferRecord &r, std::ostream *out) {
    *out << "Formular " << r.Formular << " [" << r.AuftraggeberBank.toUtf8() << '|'
         << r.AuftraggeberBLZ.toUtf8() << '|' << r.Empfaenger.toUtf8() << '|'
         << r.EmpfaengerKontonr.toUtf8() << '|' << r.EmpfaengerBLZ.toUtf8() << '|'
         << r.Waehrung.toUtf8() << '|' << r.BetragText.toUtf8() << '|' << r.Verwendung1.toUtf8()
         << '|' << r.Verwendung2.toUtf8() << '|' << r.Auftraggeber.toUtf8() << '|'
         << r.EigeneKontonr.toUtf8() << '|' << int{r.Anschriftweitergabe} << '|'
         << r.Ausfuehrungsdatum.toUtf8() << "] reserved[7] " << int{r.reserved[7]};
}
} // namespace penvaro::core

namespace penvaro::payments {
namespace {

using core::SavedTransferRecord;
using Page = PaymentWindow::Page;
using testing::Child;
using testing::OnNextModal;
using testing::ScriptedUiService;
using testing::TextOf;

SavedTransferRecord Template(std::int16_t form, const char *recipient, const char *code,
                             const char *amount) {
    SavedTransferRecord record;
    record.Formular = form;
    record.Empfaenger.setUtf8(recipient);
    record.EmpfaengerKontonr.setUtf8("4711");
    record.EmpfaengerBLZ.setUtf8(code);
    record.Waehrung.setUtf8("EUR");
    record.BetragText.setUtf8(amount);
    record.Verwendung1.setUtf8("Rechnung 12");
    record.Verwendung2.setUtf8("Kunde 3");
    record.Auftraggeber.setUtf8("Erika Muster");
    record.EigeneKontonr.setUtf8("1234567");
    return record;
}

class TUeberwFSavedTransfersTest : public testing::PaymentFixture {
protected:
    std::filesystem::path file() const {
        auto name = account;
        return name.replace_extension(".pv");
    }

    void writeTemplates(const std::vector<SavedTransferRecord> &records) const {
        std::ofstream out(file(), std::ios::binary);
        for (const SavedTransferRecord &record : records) {
            std::array<std::uint8_t, core::SavedTransferRecordSize> bytes{};
            core::EncodeSavedTransferRecord(record, bytes);
            out.write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        }
    }

    std::vector<SavedTransferRecord> onDisk() const {
        const auto list = core::LoadSavedTransfers(file());
        EXPECT_TRUE(list);
        return list ? list->records : std::vector<SavedTransferRecord>{};
    }

    static QWidget &ListPage(const PaymentWindow &payment) { return PageOf(payment, "TabSheet5"); }

    static testing::TableCells Grid(const PaymentWindow &payment) {
        return testing::TableCells(*Child<QTableView>(ListPage(payment), "SUeberw"));
    }

    // The recipients the list shows, row by row.
    static QStringList Recipients(const PaymentWindow &payment) {
        QStringList names;
        for (int row = 1; row < Grid(payment).rowCount(); ++row)
            names.append(Grid(payment).cell(0, row));
        return names;
    }

    static void Press(const PaymentWindow &payment, const char *button) {
        QTest::mouseClick(Child<QPushButton>(ListPage(payment), button), Qt::LeftButton);
    }

    static void DoubleClickRow(const PaymentWindow &payment, int row) {
        QTableView &grid = Grid(payment).view();
        const QRect cell = grid.visualRect(grid.model()->index(row - 1, 0));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    }

    // The editor's next showing: the test acts in it as the user.
    void inEditor(std::function<void(TransferTemplateDialog &)> user) {
        OnNextModal<TransferTemplateDialog>(ui, std::move(user));
    }
};

TEST_F(TUeberwFSavedTransfersTest, ListsTheSavedTransfersOfTheAccountFile) {
    writeTemplates(
        {Template(20, "Stadtwerke", "37010050", "12,5"), Template(24, "Verein", "10000000", "30")});
    onWindow(Page::SavedTransfers, [](PaymentWindow &payment) {
        EXPECT_EQ(Child<QTabWidget>(payment, "PageControl1")->currentWidget()->objectName(),
                  QStringLiteral("TabSheet5"));
        const testing::TableCells grid = Grid(payment);
        ASSERT_EQ(grid.rowCount(), 3);
        QStringList headers;
        QStringList first;
        for (int col = 0; col < grid.columnCount(); ++col) {
            headers.append(grid.cell(col, 0));
            first.append(grid.cell(col, 1));
        }
        EXPECT_EQ(
            headers,
            (QStringList{QStringLiteral("Empfänger"), QStringLiteral("Kontonummer"),
                         QStringLiteral("Bankleitzahl"), QStringLiteral("Verwendung 1"),
                         QStringLiteral("Verwendung 2"), QStringLiteral("Währung"),
                         QStringLiteral("Betrag"), QStringLiteral("IBAN"), QStringLiteral("BIC")}));
        EXPECT_EQ(first, (QStringList{QStringLiteral("Stadtwerke"), QStringLiteral("4711"),
                                      QStringLiteral("37010050"), QStringLiteral("Rechnung 12"),
                                      QStringLiteral("Kunde 3"), QStringLiteral("EUR"),
                                      QStringLiteral("12,5"), QString(), QString()}));
    });

    // Without a file of saved transfers the list starts empty, with its file.
    std::filesystem::remove(file());
    onWindow(Page::SavedTransfers,
             [](PaymentWindow &payment) { EXPECT_EQ(Grid(payment).rowCount(), 1); });
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);
}

TEST_F(TUeberwFSavedTransfersTest, ADoubleClickMakesTheSavedTransferTheOrderToPrint) {
    SavedTransferRecord withDate = Template(24, "Verein", "10000000", "30");
    withDate.Anschriftweitergabe = 1;
    withDate.Ausfuehrungsdatum.setUtf8("010711");
    writeTemplates({Template(20, "Stadtwerke", "37010050", "12,5"),
                    Template(16, "Unbekannt", "99999999", "1"), withDate});
    struct Case {
        int row;
        const char *radio;
        core::TransferOrder expected;
    };
    const auto order = [](const SavedTransferRecord &record, const char *bank) {
        core::TransferOrder o;
        o.form = static_cast<core::PaymentFormType>(record.Formular);
        o.AuftraggeberBank = record.AuftraggeberBank.toUtf8();
        o.AuftraggeberBLZ = record.AuftraggeberBLZ.toUtf8();
        o.Empfaenger = record.Empfaenger.toUtf8();
        o.Kontonr = "4711";
        o.BLZ = record.EmpfaengerBLZ.toUtf8();
        o.Bank = bank;
        o.DMEUR = "EUR";
        o.Betrag = record.BetragText.toUtf8();
        o.Verwendung1 = "Rechnung 12";
        o.Verwendung2 = "Kunde 3";
        o.Auftraggeber = "Erika Muster";
        o.EigeneKontonr = "1234567";
        o.Ausfuehrungsdatum = record.Ausfuehrungsdatum.toUtf8();
        o.Anschriftweitergabe = record.Anschriftweitergabe != 0;
        o.PostbankB = "  .  .";
        return o;
    };
    const Case cases[] = {
        // The amount stays as typed.
        {1, "RB20", order(Template(20, "Stadtwerke", "37010050", "12,5"), "Postbank Köln")},
        // An unknown bank code leaves the bank's name empty, with a hint beside it.
        {2, "RB16", order(Template(16, "Unbekannt", "99999999", "1"), "")},
        {3, "RB24", order(withDate, "BBk Berlin")},
    };
    onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.row);
            Child<QTabWidget>(payment, "PageControl1")->setCurrentIndex(3);
            DoubleClickRow(payment, c.row);
            EXPECT_EQ(Child<QTabWidget>(payment, "PageControl1")->currentWidget()->objectName(),
                      QStringLiteral("TabSheet1"));
            EXPECT_TRUE(Child<QRadioButton>(PageOf(payment, "TabSheet1"), c.radio)->isChecked());
            EXPECT_EQ(payment.transferOrder(), c.expected);
        }
    });
}

TEST_F(TUeberwFSavedTransfersTest, ANewTemplateIsTypedInTheEditorAndAdded) {
    writeTemplates({Template(20, "Stadtwerke", "37010050", "12,5")});
    // The recipient's box on the form holds 27 characters.
    const QString sixty = QString(60, u'x');
    onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
        inEditor([&](TransferTemplateDialog &editor) {
            testing::ShowActive(editor);
            EXPECT_EQ(editor.windowTitle(),
                      QStringLiteral("Überweisungsvorlafen erfassen / ändern"));
            EXPECT_TRUE(Child<QRadioButton>(editor, "RB20")->isChecked());
            EXPECT_EQ(editor.findChild<QRadioButton *>(QStringLiteral("RB16")), nullptr);
            EXPECT_EQ(TextOf(editor, "EDMEUR"), QStringLiteral("DM"));
            EXPECT_EQ(TextOf(editor, "EEmpfaenger"), QString());
            EXPECT_EQ(TextOf(editor, "EBetrag"), QString());
            QTest::mouseClick(Child<QRadioButton>(editor, "RB18"), Qt::LeftButton);
            EXPECT_TRUE(Child(editor, "EAuftraggeberBank")->isVisibleTo(&editor));
            testing::Retype(Child<QComboBox>(editor, "EEmpfaenger"), sixty);
            testing::Retype(Child<QLineEdit>(editor, "EBLZ"), QStringLiteral("10000000"));
            QTest::keyClick(Child<QLineEdit>(editor, "EBLZ"), Qt::Key_Return);
            EXPECT_EQ(TextOf(editor, "EBank"), QStringLiteral("BBk Berlin"));
            EXPECT_EQ(testing::FocusName(), QStringLiteral("EDMEUR"));
            // An amount a transfer could not print is not kept.
            testing::Retype(Child<QLineEdit>(editor, "EBetrag"), QStringLiteral("12.5"));
            QTest::mouseClick(Child<QPushButton>(editor, "Button2"), Qt::LeftButton);
            EXPECT_TRUE(editor.isVisible());
            EXPECT_EQ(ui.shown().back(),
                      (ScriptedUiService::Shown{ScriptedUiService::Kind::ErrorWindow,
                                                QStringLiteral("Unzulässiger Betrag: 12.5 (z. B. "
                                                               "1.234,56)"),
                                                26591}));
            EXPECT_EQ(testing::FocusName(), QStringLiteral("EBetrag"));
            testing::Retype(Child<QLineEdit>(editor, "EBetrag"), QStringLiteral("12,5"));
            QTest::keyClick(Child<QLineEdit>(editor, "EBetrag"), Qt::Key_Return);
            QTest::mouseClick(Child<QPushButton>(editor, "Button2"), Qt::LeftButton);
            EXPECT_FALSE(editor.isVisible());
        });
        Press(payment, "SpeedButton8");
        EXPECT_EQ(Recipients(payment), (QStringList{QStringLiteral("Stadtwerke"), sixty.left(27)}));
    });
    SavedTransferRecord expected;
    expected.Formular = 18;
    expected.Empfaenger.setUtf8(sixty.left(27).toStdString());
    expected.EmpfaengerBLZ.setUtf8("10000000");
    expected.Waehrung.setUtf8("DM");
    expected.BetragText.setUtf8("12,5");
    EXPECT_EQ(onDisk(), (std::vector{Template(20, "Stadtwerke", "37010050", "12,5"), expected}));
}

TEST_F(TUeberwFSavedTransfersTest, EditingKeepsWhatTheEditorDoesNotShow) {
    SavedTransferRecord postbank = Template(99, "Post", "37010050", "5");
    postbank.reserved[7] = 42;
    writeTemplates({Template(20, "Stadtwerke", "37010050", "12,5"), postbank});
    struct Case {
        const char *radio; // nullptr: the editor's form type stays
        std::int16_t stored;
    };
    const Case cases[] = {{nullptr, 99}, {"RB05", 5}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
            inEditor([&](TransferTemplateDialog &editor) {
                testing::ShowActive(editor);
                EXPECT_EQ(TextOf(editor, "EEmpfaenger"), QStringLiteral("Post"));
                EXPECT_EQ(TextOf(editor, "EBank"), QStringLiteral("Postbank Köln"));
                if (c.radio) {
                    QTest::mouseClick(Child<QRadioButton>(editor, c.radio), Qt::LeftButton);
                } else {
                    for (QRadioButton *button : editor.findChildren<QRadioButton *>())
                        EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
                    EXPECT_TRUE(Child(editor, "LFormularBeibehalten")->isVisibleTo(&editor));
                }
                testing::Retype(Child<QLineEdit>(editor, "EVerwendung1"), QStringLiteral("neu"));
                QTest::mouseClick(Child<QPushButton>(editor, "Button2"), Qt::LeftButton);
            });
            Grid(payment).setCurrentCell(0, 2);
            Press(payment, "SpeedButton9");
        });
        SavedTransferRecord expected = postbank;
        expected.Formular = c.stored;
        // Only the first length bytes of a text count; the editor writes none behind them.
        expected.Verwendung1 = {};
        expected.Verwendung1.setUtf8("neu");
        EXPECT_EQ(onDisk(),
                  (std::vector{Template(20, "Stadtwerke", "37010050", "12,5"), expected}));
        postbank = expected;
    }

    // "Schließen" changes nothing.
    onWindow(Page::SavedTransfers, [this](PaymentWindow &payment) {
        inEditor([](TransferTemplateDialog &editor) {
            testing::ShowActive(editor);
            testing::Retype(Child<QLineEdit>(editor, "EVerwendung1"), QStringLiteral("verworfen"));
            QTest::mouseClick(Child<QPushButton>(editor, "Button7"), Qt::LeftButton);
        });
        Press(payment, "SpeedButton9");
    });
    EXPECT_EQ(onDisk()[0], Template(20, "Stadtwerke", "37010050", "12,5"));
}

TEST_F(TUeberwFSavedTransfersTest, DeletingAsksAndTheRowsBelowMoveUp) {
    const auto a = Template(20, "A", "37010050", "1");
    const auto b = Template(20, "B", "37010050", "2");
    const auto c = Template(20, "C", "37010050", "3");
    writeTemplates({a, b, c});
    onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
        Grid(payment).setCurrentCell(0, 2);
        ui.setNextAnswer(platform::Answer::No);
        Press(payment, "SpeedButton7");
        EXPECT_EQ(onDisk(), (std::vector{a, b, c}));

        ui.setNextAnswer(platform::Answer::Yes);
        Press(payment, "SpeedButton7");
        EXPECT_EQ(ui.shown().back(),
                  (ScriptedUiService::Shown{
                      ScriptedUiService::Kind::Question,
                      QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?")}));
        EXPECT_EQ(onDisk(), (std::vector{a, c}));
        EXPECT_EQ(Recipients(payment), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));

        for (int i = 0; i < 2; ++i) {
            ui.setNextAnswer(platform::Answer::Yes);
            Press(payment, "SpeedButton7");
        }
        EXPECT_EQ(Grid(payment).rowCount(), 1);
        EXPECT_EQ(std::filesystem::file_size(file()), 0u);
        // Nothing left to delete or edit: no question.
        ui.clear();
        Press(payment, "SpeedButton7");
        Press(payment, "SpeedButton9");
        EXPECT_TRUE(ui.shown().empty());
    });
}

TEST_F(TUeberwFSavedTransfersTest, AFullListRefusesANewTemplateAndKeepsTheEditorOpen) {
    writeTemplates(std::vector<SavedTransferRecord>(core::MaxSavedTransfers,
                                                    Template(20, "A", "37010050", "1")));
    onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
        inEditor([&](TransferTemplateDialog &editor) {
            testing::ShowActive(editor);
            testing::Retype(Child<QComboBox>(editor, "EEmpfaenger"), QStringLiteral("Neu"));
            ui.clear();
            QTest::mouseClick(Child<QPushButton>(editor, "Button2"), Qt::LeftButton);
            ASSERT_EQ(ui.shown().size(), 1u);
            EXPECT_EQ(ui.shown()[0].kind, ScriptedUiService::Kind::Failure);
            EXPECT_TRUE(ui.shown()[0].text.startsWith(QStringLiteral("Es können höchstens 2500")));
            EXPECT_TRUE(editor.isVisible());
            EXPECT_EQ(TextOf(editor, "EEmpfaenger"), QStringLiteral("Neu"));
        });
        Press(payment, "SpeedButton8");
    });
    EXPECT_EQ(onDisk().size(), core::MaxSavedTransfers);
}

TEST_F(TUeberwFSavedTransfersTest, AFileThatCannotBeUsedIsReportedAndLeftAlone) {
    struct Case {
        const char *what;
        std::size_t records;
        std::size_t extraBytes;
        ScriptedUiService::Kind told;
        int rows;
        bool changeable;
    };
    const Case cases[] = {
        {"too long", core::MaxSavedTransfers + 1, 0, ScriptedUiService::Kind::Information,
         static_cast<int>(core::MaxSavedTransfers) + 1, true},
        {"truncated", 2, 100, ScriptedUiService::Kind::Failure, 1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeTemplates(std::vector<SavedTransferRecord>(c.records, Template(20, "A", "1", "1")));
        std::ofstream(file(), std::ios::binary | std::ios::app) << std::string(c.extraBytes, 'x');
        const auto size = std::filesystem::file_size(file());
        ui.clear();
        onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
            EXPECT_EQ(Grid(payment).rowCount(), c.rows);
            EXPECT_EQ(Child<QPushButton>(ListPage(payment), "SpeedButton8")->isEnabled(),
                      c.changeable);
            EXPECT_FALSE(Child<QCheckBox>(PageOf(payment, "TabSheet1"), "CBUeberwSave")->isEnabled()
                         && !c.changeable);
            ui.setNextAnswer(platform::Answer::Yes);
            Press(payment, "SpeedButton7");
        });
        ASSERT_FALSE(ui.shown().empty());
        EXPECT_EQ(ui.shown().front().kind, c.told);
        EXPECT_EQ(std::filesystem::file_size(file()), size);
    }
}

TEST_F(TUeberwFSavedTransfersTest, TheBankSearchOfTheEditorFillsTheEditor) {
    writeTemplates({Template(20, "Stadtwerke", "37010050", "12,5")});
    onWindow(Page::SavedTransfers, [this](PaymentWindow &payment) {
        inEditor([this](TransferTemplateDialog &editor) {
            testing::ShowActive(editor);
            OnNextModal<BankCodeSearchDialog>(ui, [](BankCodeSearchDialog &search) {
                testing::Retype(Child<QLineEdit>(search, "EOrt"), QStringLiteral("Hamburg"));
                QTest::mouseClick(Child<QPushButton>(search, "Button1"), Qt::LeftButton);
                auto *grid = Child<QTableView>(search, "StringGrid1");
                const QRect cell = grid->visualRect(grid->model()->index(0, 0));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
            });
            QTest::mouseClick(Child(editor, "BitBtn1"), Qt::LeftButton);
            EXPECT_EQ(TextOf(editor, "EBLZ"), QStringLiteral("20010020"));
            EXPECT_EQ(TextOf(editor, "EBank"), QStringLiteral("Postbank Hamburg"));
            EXPECT_EQ(testing::FocusName(), QStringLiteral("EDMEUR"));
        });
        Press(payment, "SpeedButton9");
        const core::TransferOrder order = payment.transferOrder();
        EXPECT_EQ(order.BLZ, "");
        EXPECT_EQ(order.Bank, "");
    });
}

TEST_F(TUeberwFSavedTransfersTest, ASavedSepaTransferShowsItsIbanAndIsEditedAsASepaTransfer) {
    writeBankCodes({penvaro::testing::BankCodeLine(
        "37050198", "Sparkasse KölnBonn", "Sparkasse KölnBonn", "50667", "KÖLN", "COLSDE33XXX")});
    const core::SepaTemplate saved{"Stadtwerke Köln Energie und Wasser GmbH",
                                   "DE51370501980001900018",
                                   "COLSDE33XXX",
                                   "1.234,50",
                                   "Kundennummer 4711, Abschlag Januar, Zähler 0815 und 0816",
                                   "15.01.2027"};
    const SavedTransferRecord written = Template(20, "Stadtwerke", "37010050", "12,5");
    writeTemplates({written, core::SepaTemplateRecord(saved)});
    const auto errors = [this] {
        std::vector<std::int32_t> codes;
        for (const auto &shown : ui.shown())
            if (shown.kind == ScriptedUiService::Kind::ErrorWindow)
                codes.push_back(shown.code);
        return codes;
    };

    onWindow(Page::SavedTransfers, [&](PaymentWindow &payment) {
        const testing::TableCells grid = Grid(payment);
        EXPECT_EQ(grid.cell(7, 0), QStringLiteral("IBAN"));
        EXPECT_EQ(grid.cell(8, 0), QStringLiteral("BIC"));
        EXPECT_EQ(grid.cell(0, 2), QString::fromStdString(saved.name));
        EXPECT_EQ(grid.cell(3, 2), QString::fromStdString(saved.purpose));
        EXPECT_EQ(grid.cell(5, 2), QStringLiteral("EUR"));
        EXPECT_EQ(grid.cell(7, 2), QStringLiteral("DE51 3705 0198 0001 9000 18"));
        EXPECT_EQ(grid.cell(8, 2), QStringLiteral("COLSDE33XXX"));
        EXPECT_EQ(grid.cell(7, 1), QString());
        // Neither is cut short to the widths the list's other columns keep.
        for (const int col : {7, 8})
            EXPECT_GT(grid.view().columnWidth(col),
                      QFontMetrics(grid.font(col)).horizontalAdvance(grid.cell(col, 2)))
                << grid.cell(col, 0).toStdString();

        OnNextModal<SepaTemplateDialog>(ui, [&](SepaTemplateDialog &editor) {
            testing::ShowActive(editor);
            EXPECT_EQ(TextOf(editor, "ESepaEmpfaenger"), QString::fromStdString(saved.name));
            EXPECT_EQ(TextOf(editor, "EIBAN"), QStringLiteral("DE51 3705 0198 0001 9000 18"));
            EXPECT_EQ(TextOf(editor, "ESepaBetrag"), QStringLiteral("1.234,50"));
            // A wrong IBAN is refused with the SEPA transfer's message, and nothing is stored.
            testing::Retype(Child<QLineEdit>(editor, "EIBAN"),
                            QStringLiteral("DE51370501980001900019"));
            QTest::mouseClick(Child<QPushButton>(editor, "Button2"), Qt::LeftButton);
            EXPECT_EQ(errors(), std::vector<std::int32_t>{SepaTransferPanel::IbanMessage});
            EXPECT_EQ(testing::FocusName(), QStringLiteral("EIBAN"));
            EXPECT_TRUE(editor.isVisible());
            testing::Retype(Child<QLineEdit>(editor, "EIBAN"),
                            QStringLiteral("de51 3705 0198 0001 9000 18"));
            testing::Retype(Child<QLineEdit>(editor, "ESepaBetrag"), QString());
            testing::Retype(Child<QLineEdit>(editor, "ESepaVerwendung"),
                            QStringLiteral("Abschlag Februar für Zähler 0815"));
            QTest::mouseClick(Child<QPushButton>(editor, "Button2"), Qt::LeftButton);
        });
        Grid(payment).setCurrentCell(0, 2);
        Press(payment, "SpeedButton9");
    });

    // The amount may be left to be typed when the template is used; the execution date the
    // editor does not show stays.
    core::SepaTemplate changed = saved;
    changed.amount.clear();
    changed.purpose = "Abschlag Februar für Zähler 0815";
    const auto disk = onDisk();
    ASSERT_EQ(disk.size(), 2u);
    EXPECT_EQ(disk[0], written);
    EXPECT_EQ(disk[1].Formular, core::SepaTemplateForm);
    EXPECT_EQ(core::SepaTemplateOf(disk[1]), changed);
}

} // namespace
} // namespace penvaro::payments
