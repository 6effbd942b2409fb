#include "appfixture.h"
#include "support/fixtures.h"
#include "support/records.h"
#include "support/tempdir.h"
#include "tablecells.h"

#include "app/mainwindow.h"
#include "entry/statementdates.h"
#include "entry/suggestions.h"
#include "import/statementimportdialog.h"
#include "platform/account.h"
#include "platform/accountsession.h"
#include "platform/appstate.h"

#include <QAction>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using namespace penvaro;
using app::MainWindow;
using penvaro::testing::ScriptedUiService;

namespace {

// What the preview showed when the test looked at it.
struct Preview {
    QStringList actions;
    QString closing;
    QString bookBalance;
    bool bookBalanceRed = false;
    QString difference; // empty while hidden
    bool importEnabled = false;
};

template<typename Widget>
Widget *child(QWidget &parent, const char *name) {
    auto *found = parent.findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

Preview look(QDialog &dialog) {
    Preview preview;
    const QAbstractItemModel *model = child<QTableView>(dialog, "SGImport")->model();
    for (int row = 0; row < model->rowCount(); ++row)
        preview.actions << model->index(row, 1).data().toString();
    preview.closing = child<QLabel>(dialog, "EEndsaldo")->text();
    auto *balance = child<QLabel>(dialog, "EKontostand");
    preview.bookBalance = balance->text();
    preview.bookBalanceRed = balance->palette().color(QPalette::WindowText) == QColor(Qt::red);
    auto *difference = child<QLabel>(dialog, "EDifferenz");
    if (!difference->isHidden())
        preview.difference = difference->text();
    preview.importEnabled = child<QPushButton>(dialog, "BImportieren")->isEnabled();
    return preview;
}

void showActive(QDialog &dialog) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

int click(QDialog &dialog, const char *button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
    return dialog.result();
}

QString fixture(const char *name) {
    return QString::fromStdString(penvaro::testing::StatementFixture(name).string());
}

const QString camt = fixture("camt053-001-02.xml");

class StatementImportTest : public penvaro::testing::AppFixture {
protected:
    // 1000,00 to start with, the card payment of statement 7 typed in by hand already, and the
    // rent planned two days before the bank booked it. The statement's three booked entries
    // then bring the balance to the statement's closing balance of 2.604,01.
    void SetUp() override {
        core::BookingRecord card = penvaro::testing::Completed(2026, 7, "01.02.2026", -459900);
        card.Verwendungszweck.setUtf8("");
        core::BookingRecord rent = penvaro::testing::Planned("30.01.2026", -8500000);
        rent.Absender.setUtf8("Hausverwaltung Größe");
        m_file = writeAccount(QStringLiteral("giro.p11"),
                              {penvaro::testing::StartValue(10000000), card, rent});
        setLastFile(m_file);
        m_window = std::make_unique<MainWindow>(*state);
        m_window->startUp();
        ASSERT_TRUE(m_window->ledgerVisible());
        m_before = penvaro::testing::ReadBytes(m_file);
        ui.clear();
    }

    std::vector<std::uint8_t> fileBytes() const { return penvaro::testing::ReadBytes(m_file); }

    std::optional<double> rememberedDate() {
        const auto date = entry::LookUpStatementDate(*store, state->currentFile(),
                                                     QStringLiteral("2026"), QStringLiteral("7"));
        EXPECT_TRUE(date.hasValue());
        return date ? *date : std::nullopt;
    }

    QStringList parties() {
        return entry::ReadSuggestions(*store, entry::SuggestionList::Parties)
            .value_or(QStringList{});
    }

    std::vector<ScriptedUiService::Kind> kindsShown() const {
        std::vector<ScriptedUiService::Kind> kinds;
        for (const auto &shown : ui.shown())
            kinds.push_back(shown.kind);
        return kinds;
    }

    std::filesystem::path m_file;
    std::vector<std::uint8_t> m_before;
    std::unique_ptr<MainWindow> m_window;
};

} // namespace

TEST_F(StatementImportTest, PreviewShowsWhatEachEntryDoesAndCancelWritesNothing) {
    Preview shown, leftOut, takenAgain;
    ui.setNextModal([&](QDialog &dialog) {
        shown = look(dialog);
        // The box of a row, as the mouse ticks it.
        QAbstractItemModel *model = child<QTableView>(dialog, "SGImport")->model();
        model->setData(model->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        leftOut = look(dialog);
        model->setData(model->index(0, 0), Qt::Checked, Qt::CheckStateRole);
        takenAgain = look(dialog);
        return click(dialog, "BAbbrechen");
    });
    m_window->importStatementFile(camt);

    EXPECT_EQ((QStringList{QStringLiteral("neu"),
                           QStringLiteral("ersetzt geplante Buchung vom 30.01.2026"),
                           QStringLiteral("schon vorhanden")}),
              shown.actions)
        << "the pending entry of the statement is not shown";
    EXPECT_EQ(QStringLiteral("2.604,01 €"), shown.closing);
    EXPECT_EQ(QStringLiteral("2.604,01 €"), shown.bookBalance);
    EXPECT_FALSE(shown.bookBalanceRed);
    EXPECT_EQ(QString(), shown.difference);
    EXPECT_TRUE(shown.importEnabled);

    EXPECT_EQ(QStringLiteral("ausgelassen"), leftOut.actions.front());
    EXPECT_EQ(QStringLiteral("104,01 €"), leftOut.bookBalance);
    EXPECT_TRUE(leftOut.bookBalanceRed);
    EXPECT_EQ(QStringLiteral("2.500,00 €"), leftOut.difference);
    EXPECT_EQ(shown.actions, takenAgain.actions);
    EXPECT_EQ(QString(), takenAgain.difference);

    EXPECT_EQ(m_before, fileBytes());
    EXPECT_EQ(std::nullopt, rememberedDate());
    EXPECT_FALSE(parties().contains(QStringLiteral("Hausverwaltung Größe")));
    EXPECT_EQ(3, state->table().count());
    EXPECT_EQ(std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::Modal}, kindsShown());
}

TEST_F(StatementImportTest, ImportsWhatIsTickedInOneWriteAndShowsItInTheLedger) {
    Preview afterSpace;
    ui.setNextModal([&](QDialog &dialog) {
        showActive(dialog);
        auto *grid = child<QTableView>(dialog, "SGImport");
        EXPECT_EQ(grid, QApplication::focusWidget());
        // Leaves the salary out from any cell of its row.
        grid->setCurrentIndex(grid->model()->index(0, 6));
        QTest::keyClick(grid, Qt::Key_Space);
        afterSpace = look(dialog);
        return click(dialog, "BImportieren");
    });
    m_window->importStatementFile(camt);
    EXPECT_EQ((QStringList{QStringLiteral("ausgelassen"),
                           QStringLiteral("ersetzt geplante Buchung vom 30.01.2026"),
                           QStringLiteral("schon vorhanden")}),
              afterSpace.actions);

    const std::vector<core::BookingRecord> stored = recordsOnDisk(m_file);
    ASSERT_EQ(3u, stored.size());
    const core::BookingRecord &rent = stored[2];
    EXPECT_EQ(core::BookingKind::Completed, rent.Satzart) << "in the planned booking's slot";
    EXPECT_EQ(7, rent.Auszugsnr);
    EXPECT_EQ(2026, rent.Auszugsjahr);
    EXPECT_EQ(penvaro::testing::Day("02.02.2026"), rent.Auszugsdatum);
    EXPECT_EQ(penvaro::testing::Day("01.02.2026"), rent.Wertdatum);
    EXPECT_EQ(u'-', rent.SollHaben);
    EXPECT_EQ(8500000, rent.Betrag);
    EXPECT_EQ("Hausverwaltung Größe", rent.Absender.toUtf8());
    EXPECT_EQ("Miete Februar – 850 € ? Whg. 3", rent.Verwendungszweck.toUtf8());

    EXPECT_EQ(penvaro::testing::Day("02.02.2026"), rememberedDate());
    EXPECT_TRUE(parties().contains(QStringLiteral("Hausverwaltung Größe")));
    EXPECT_FALSE(parties().contains(QStringLiteral("Müller & Söhne GmbH")))
        << "what was left out is not suggested";

    const penvaro::testing::TableCells completed(
        *m_window->findChild<QTableView *>(QStringLiteral("Stringgrid1")));
    EXPECT_EQ(QStringLiteral("7 / 2026"), completed.cell(0, 3));
    EXPECT_EQ(QStringLiteral("104,01 €"),
              m_window->findChild<QLineEdit *>(QStringLiteral("ESumme"))->text());
    EXPECT_EQ(QStringLiteral("0,00 €"),
              m_window->findChild<QLineEdit *>(QStringLiteral("ESumme2"))->text());
    EXPECT_EQ(std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::Modal}, kindsShown());
}

TEST_F(StatementImportTest, TheSameStatementAgainFindsEverythingThereAndOffersNoImport) {
    ui.setNextModal([](QDialog &dialog) { return click(dialog, "BImportieren"); });
    m_window->importStatementFile(camt);
    const auto imported = fileBytes();
    ASSERT_NE(m_before, imported);

    Preview again;
    ui.setNextModal([&](QDialog &dialog) {
        again = look(dialog);
        return click(dialog, "BAbbrechen");
    });
    m_window->importStatementFile(camt);
    EXPECT_EQ(QStringList(3, QStringLiteral("schon vorhanden")), again.actions);
    EXPECT_FALSE(again.importEnabled);
    EXPECT_EQ(QString(), again.difference);
    EXPECT_EQ(imported, fileBytes());
}

TEST_F(StatementImportTest, AStatementOfAnotherAccountIsImportedOnlyWhenTheUserSaysSo) {
    // The statement is of DE02 1203 0000 0000 2020 51.
    const struct {
        const char *bankCode;
        const char *number;
        bool warned;
    } cases[] = {
        {"12030000", "202051", false},         {"", "", false},
        {"", "DE02120300000000202051", false}, {"12030000", "202052", true},
        {"37050198", "202051", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.bankCode) + " " + c.number);
        state->settings().bankCode = c.bankCode;
        state->settings().accountNumber = c.number;
        bool warned = false;
        ui.setNextModal([&](QDialog &dialog) {
            warned = !child<QLabel>(dialog, "LAnderesKonto")->isHidden();
            return click(dialog, "BAbbrechen");
        });
        m_window->importStatementFile(camt);
        EXPECT_EQ(c.warned, warned);
    }

    ui.clear();
    ui.setNextAnswer(platform::Answer::No);
    ui.setNextAnswer(platform::Answer::Yes);
    ui.setNextModal([&](QDialog &dialog) {
        EXPECT_EQ(QDialog::Rejected, click(dialog, "BImportieren")) << "the user said no";
        EXPECT_EQ(m_before, fileBytes());
        return click(dialog, "BImportieren");
    });
    m_window->importStatementFile(camt);
    EXPECT_NE(m_before, fileBytes());
    EXPECT_EQ((std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::Modal,
                                                    ScriptedUiService::Kind::Question,
                                                    ScriptedUiService::Kind::Question}),
              kindsShown());
}

TEST_F(StatementImportTest, AStatementWithoutClosingBalanceShowsNoDifference) {
    // Its last statement, number 14, ends without a closing balance.
    Preview shown;
    ui.setNextModal([&](QDialog &dialog) {
        shown = look(dialog);
        return click(dialog, "BAbbrechen");
    });
    m_window->importStatementFile(fixture("mt940-cp1252.sta"));
    EXPECT_EQ(6, shown.actions.size());
    EXPECT_EQ(QStringLiteral("nicht angegeben"), shown.closing);
    EXPECT_FALSE(shown.bookBalanceRed);
    EXPECT_EQ(QString(), shown.difference);
}

TEST_F(StatementImportTest, AnImportTakesAnAccountPastFiveThousandBookings) {
    std::vector<core::BookingRecord> records = recordsOnDisk(m_file);
    while (records.size() < 5000)
        records.push_back(penvaro::testing::Completed(2011, 1, "05.01.2011", 100));
    writeAccount(QStringLiteral("giro.p11"), records);
    ASSERT_TRUE(state->session().open(m_file));
    ui.clear();

    ui.setNextModal([](QDialog &dialog) { return click(dialog, "BImportieren"); });
    m_window->importStatementFile(camt);

    // The rent settles its planned booking in place; the salary is booking 5001.
    const std::vector<core::BookingRecord> stored = recordsOnDisk(m_file);
    ASSERT_EQ(5001u, stored.size());
    EXPECT_EQ(25000000, stored.back().Betrag);
    EXPECT_EQ(core::BookingKind::Completed, stored[2].Satzart);
    EXPECT_EQ(5001, state->table().count());
    EXPECT_EQ(std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::Modal}, kindsShown());
}

TEST_F(StatementImportTest, AFullTableRefusesTheWholeImportAndKeepsThePreviewOpen) {
    // The rent settles its planned booking in place; the salary needs a slot of its own.
    std::vector<core::BookingRecord> records = recordsOnDisk(m_file);
    while (records.size() < core::MaxBookings)
        records.push_back(penvaro::testing::Completed(2011, 1, "05.01.2011", 100));
    writeAccount(QStringLiteral("giro.p11"), records);
    ASSERT_TRUE(state->session().open(m_file));
    const auto full = fileBytes();

    bool openAfterRefusal = false;
    ui.setNextModal([&](QDialog &dialog) {
        showActive(dialog);
        click(dialog, "BImportieren");
        openAfterRefusal = dialog.isVisible();
        return click(dialog, "BAbbrechen");
    });
    m_window->importStatementFile(camt);

    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(2u, ui.shown().size());
    EXPECT_EQ(ScriptedUiService::Kind::Failure, ui.shown()[1].kind);
    EXPECT_TRUE(ui.shown()[1].text.contains(QStringLiteral("Buchungstabelle ist voll")))
        << ui.shown()[1].text.toStdString();
    EXPECT_EQ(full, fileBytes());
    EXPECT_EQ(core::MaxBookings, state->table().count());
    EXPECT_EQ(std::nullopt, rememberedDate());
}

TEST_F(StatementImportTest, RefusedFilesNameTheirFaultAndChangeNothing) {
    penvaro::testing::TempDir dir;
    auto write = [&](const char *name, const std::string &text) {
        penvaro::testing::WriteBytes(dir.path(name), {text.begin(), text.end()});
        return QString::fromStdString(dir.path(name).string());
    };
    const std::string mt940Head = ":20:STARTUMSE\r\n:25:12030000/0000202051\r\n:28C:00013/001\r\n";
    const struct {
        const char *name;
        QString file;
        QStringList named; // what the message must name
    } cases[] = {
        {"broken XML",
         write("kaputt.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Document xmlns="
                             "\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\">\n"
                             "<BkToCstmrStmt>\n<Stmt>\n</Document>\n"),
         {QStringLiteral("kaputt.xml"), QStringLiteral("Zeile 5")}},
        {"wrong amount",
         write("betrag.sta", mt940Head + ":61:2601020102C12x,00NTRFNONREF\r\n-\r\n"),
         {QStringLiteral("betrag.sta"), QStringLiteral("Zeile 4")}},
        {"missing file",
         QString::fromStdString(dir.path("fehlt.sta").string()),
         {QStringLiteral("fehlt.sta")}},
        {"two accounts",
         write("zwei.sta", mt940Head + ":61:2601020102C1,00NTRFNONREF\r\n-\r\n"
                               + ":20:STARTUMSE\r\n:25:37040044/0532013000\r\n:28C:2\r\n"
                                 ":61:2601020102C1,00NTRFNONREF\r\n-\r\n"),
         {QStringLiteral("12030000/0000202051"), QStringLiteral("37040044/0532013000")}},
        {"dollars",
         write("dollar.sta", mt940Head
                                 + ":61:2601020102C1,00NTRFNONREF\r\n"
                                   ":62F:C260228USD1234,56\r\n-\r\n"),
         {QStringLiteral("dollar.sta"), QStringLiteral("Zeile 5"), QStringLiteral("„USD“")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ui.clear();
        m_window->importStatementFile(c.file);
        ASSERT_EQ(std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::Failure},
                  kindsShown());
        for (const QString &part : c.named)
            EXPECT_TRUE(ui.shown().front().text.contains(part))
                << ui.shown().front().text.toStdString();
        EXPECT_EQ(m_before, fileBytes());
        EXPECT_EQ(3, state->table().count());
    }
}

TEST_F(StatementImportTest, ACollectiveEntryShowsEachPaymentAndTheOtherFormatFindsThemAll) {
    QStringList parties;
    QString caption;
    ui.setNextModal([&](QDialog &dialog) {
        const QAbstractItemModel *model = child<QTableView>(dialog, "SGImport")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            parties << model->index(row, 5).data().toString();
        caption = child<QLabel>(dialog, "LKontostand")->text();
        return click(dialog, "BImportieren");
    });
    m_window->importStatementFile(fixture("camt053-same-day.xml"));
    EXPECT_EQ(
        (QStringList{QStringLiteral("Heizungsbau Özdemir GmbH"), QStringLiteral("Familie Öztürk"),
                     QStringLiteral("Erika Mustermann"), QStringLiteral("Hans Meier")}),
        parties);
    EXPECT_EQ(QStringLiteral("Kontostand am 02.03.2026 nach dem Import:"), caption);
    const auto imported = fileBytes();

    Preview again;
    ui.setNextModal([&](QDialog &dialog) {
        again = look(dialog);
        return click(dialog, "BAbbrechen");
    });
    m_window->importStatementFile(fixture("mt940-same-day.sta"));
    EXPECT_EQ(QStringList(3, QStringLiteral("schon vorhanden")), again.actions);
    EXPECT_FALSE(again.importEnabled);
    EXPECT_EQ(imported, fileBytes());
}

TEST_F(StatementImportTest, ACsvExportShowsItsPendingRowAndAnUncertainMatchWaitsForTheTick) {
    const QString csv = dir.filePath(QStringLiteral("umsaetze.csv"));
    QFile out(csv);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("\"Buchungsdatum\";\"Wertstellung\";\"Status\";\"Zahlungspflichtige*r\";"
              "\"Zahlungsempfänger*in\";\"Verwendungszweck\";\"Umsatztyp\";\"IBAN\";"
              "\"Betrag (€)\"\n"
              "\"31.01.26\";\"31.01.26\";\"Gebucht\";\"Erika\";\"Jörg Weiß\";"
              "\"Miete\";\"Ausgang\";\"\";\"-850\"\n"
              "\"02.02.26\";\"02.02.26\";\"Vorgemerkt\";\"Erika\";\"Bäckerei\";"
              "\"Brötchen\";\"Ausgang\";\"\";\"-4,1\"\n");
    out.close();
    Preview shown, ticked;
    Qt::ItemFlags pendingTake;
    ui.setNextModal([&](QDialog &dialog) {
        shown = look(dialog);
        QAbstractItemModel *model = child<QTableView>(dialog, "SGImport")->model();
        pendingTake = model->flags(model->index(1, 0));
        model->setData(model->index(0, 1), Qt::Checked, Qt::CheckStateRole);
        ticked = look(dialog);
        return click(dialog, "BAbbrechen");
    });
    m_window->importStatementFile(csv);

    EXPECT_EQ((QStringList{QStringLiteral("neu; unsicher: geplante Buchung vom 30.01.2026 "
                                          "(Hausverwaltung Größe)?"),
                           QStringLiteral("vorgemerkt, wird nicht gebucht")}),
              shown.actions);
    EXPECT_FALSE(pendingTake & Qt::ItemIsUserCheckable) << "a pending row is never booked";
    EXPECT_EQ(QStringLiteral("ersetzt geplante Buchung vom 30.01.2026 (unsicher)"),
              ticked.actions.front());
    EXPECT_EQ(m_before, fileBytes());
}

TEST_F(StatementImportTest, ADroppedStatementFileOpensThePreview) {
    const struct {
        const char *name;
        QList<QUrl> urls;
        bool accepted;
    } cases[] = {
        {"one statement file", {QUrl::fromLocalFile(camt)}, true},
        {"two files at once", {QUrl::fromLocalFile(camt), QUrl::fromLocalFile(camt)}, false},
        {"no local file", {QUrl(QStringLiteral("https://bank.example/auszug.xml"))}, false},
        {"no file at all", {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ui.clear();
        QMimeData data;
        data.setUrls(c.urls);
        const QPoint centre = m_window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(m_window.get(), &enter);
        EXPECT_EQ(c.accepted, enter.isAccepted());
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(m_window.get(), &drop);
        EXPECT_EQ(c.accepted, drop.isAccepted());
        const std::vector<ScriptedUiService::Shown> preview = {
            {ScriptedUiService::Kind::Modal, QStringLiteral("TAuszugImportF")}};
        EXPECT_EQ(c.accepted ? preview : std::vector<ScriptedUiService::Shown>{}, ui.shown());
    }
    EXPECT_EQ(m_before, fileBytes()) << "the preview was cancelled";
}

TEST_F(StatementImportTest, TheMenuAsksForTheFileAndNeedsAnOpenAccount) {
    QAction *command = m_window->findChild<QAction *>(QStringLiteral("Kontoauszugimportieren1"));
    ASSERT_NE(nullptr, command);
    EXPECT_EQ(QStringLiteral("Kontoauszug importieren ..."), command->text());

    ui.setNextFileName(camt);
    command->trigger();
    EXPECT_EQ(
        (std::vector<ScriptedUiService::Shown>{
            {ScriptedUiService::Kind::OpenFile, QStringLiteral("Kontoauszug importieren ...")},
            {ScriptedUiService::Kind::Modal, QStringLiteral("TAuszugImportF")}}),
        ui.shown());

    ui.clear();
    command->trigger(); // cancelled in the chooser
    EXPECT_EQ(std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::OpenFile},
              kindsShown());

    ui.clear();
    m_window->showWelcome();
    command->trigger();
    EXPECT_EQ(std::vector<ScriptedUiService::Kind>{ScriptedUiService::Kind::Information},
              kindsShown());
    EXPECT_EQ(m_before, fileBytes());
}

TEST(StatementImportRegistry, ASettingsStoreThatFailsKeepsTheBookingsAndSaysSo) {
    penvaro::testing::TestApp app(penvaro::testing::TestApp::Store::Unusable);
    const auto file =
        app.writeAccount(QStringLiteral("giro.p11"), {penvaro::testing::StartValue(10000000)});
    app.state->settings().accountFile = file.string();
    ASSERT_TRUE(app.state->account().load(file, true));
    import::StatementImportDialog dialog(*app.state);

    app.ui.setNextModal([](QDialog &shown) { return click(shown, "BImportieren"); });
    EXPECT_EQ(QDialog::Accepted, dialog.importFile(camt));
    EXPECT_EQ(4u, app.recordsOnDisk(file).size()) << "the start value and three new bookings";
    EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TAuszugImportF")},
                  {ScriptedUiService::Kind::ErrorWindow, QStringLiteral("Registry Fehler"), 162}}),
              app.ui.shown());
}
