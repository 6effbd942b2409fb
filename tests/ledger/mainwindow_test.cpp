#include "appfixture.h"
#include "support/records.h"
#include "tablecells.h"

#include "app/ledgercommands.h"
#include "app/mainwindow.h"
#include "entry/bookingentrydialog.h"
#include "ledger/ledgerview.h"
#include "platform/accountsession.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace penvaro;
using app::MainWindow;
using penvaro::testing::ScriptedUiService;
using penvaro::testing::TableCells;

namespace {

class MainWindowTest : public penvaro::testing::AppFixture {
protected:
    // A start value of 1000,00 and three bookings, stored out of order.
    std::filesystem::path writeGiro() {
        return writeAccount(QStringLiteral("giro.p11"),
                            {penvaro::testing::Completed(2011, 2, "03.02.2011", -200000),
                             penvaro::testing::Planned("01.07.2011", -300000),
                             penvaro::testing::StartValue(10000000),
                             penvaro::testing::Completed(2011, 1, "05.01.2011", 2500),
                             penvaro::testing::Planned("01.06.2011", 50000)});
    }

    std::unique_ptr<MainWindow> start() {
        auto window = std::make_unique<MainWindow>(*state);
        window->startUp();
        return window;
    }

    static TableCells grid(MainWindow &window, const char *name) {
        return TableCells(*window.findChild<QTableView *>(QString::fromLatin1(name)));
    }

    static QStringList column(const TableCells &grid, int col) { return grid.column(col); }

    static QStringList headers(const TableCells &grid) { return grid.headers(); }

    static QString text(MainWindow &window, const char *name) {
        return window.findChild<QLineEdit *>(QString::fromLatin1(name))->text();
    }
};

} // namespace

TEST_F(MainWindowTest, FirstStartShowsTheWelcomePanelWithoutAnyMessage) {
    auto window = start();
    EXPECT_EQ(MainWindow::FirstStartGeometry(window->screen()->availableGeometry()).size(),
              window->size());
    EXPECT_FALSE(window->ledgerVisible());
    EXPECT_FALSE(window->findChild<QWidget *>(QStringLiteral("PWelcome"))->isHidden());
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

TEST(MainWindowSize, TheFirstStartTakesTwoThirdsOfTheScreenAndAtLeastTheClassicSize) {
    struct Case {
        const char *screen;
        QRect available;
        QSize size;
    };
    const Case cases[] = {
        {"1366 x 768 with a panel", QRect(0, 0, 1366, 740), QSize(911, 550)},
        {"full HD", QRect(0, 28, 1920, 1052), QSize(1280, 701)},
        {"just above the least", QRect(0, 0, 800, 600), QSize(750, 550)},
        {"below it, as at double scale", QRect(0, 0, 683, 360), QSize(683, 360)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.screen);
        const QRect placed = MainWindow::FirstStartGeometry(c.available);
        EXPECT_EQ(c.size, placed.size());
        EXPECT_TRUE(c.available.contains(placed));
        EXPECT_LE(std::abs(placed.center().x() - c.available.center().x()), 1);
        EXPECT_LE(std::abs(placed.center().y() - c.available.center().y()), 1);
    }
}

TEST_F(MainWindowTest, ALastFileThatIsGoneLeavesTheWelcomePanelSilently) {
    setLastFile(accountPath(QStringLiteral("fehlt.p11")));
    auto window = start();
    EXPECT_FALSE(window->ledgerVisible());
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

// Far more bookings than the older limit of 5000: all of them listed, balances to the last.
TEST_F(MainWindowTest, AFullAccountFileOpensWithEveryBookingListed) {
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(10000000)};
    for (int i = 1; i < core::MaxBookings; ++i) {
        records.push_back(i % 10 == 0
                              ? penvaro::testing::Planned("01.07.2030", -100)
                              : penvaro::testing::Completed(2011, 1 + i % 300, "05.01.2011", 100));
    }
    setLastFile(writeAccount(QStringLiteral("gross.p11"), records));
    auto window = start();
    window->show();
    ASSERT_TRUE(window->ledgerVisible());
    EXPECT_FALSE(window->grab().isNull());

    const TableCells completed = grid(*window, "Stringgrid1");
    const TableCells planned = grid(*window, "StringGrid2");
    EXPECT_EQ(1 + 58982, completed.rowCount());
    EXPECT_EQ(1 + 6553, planned.rowCount());
    EXPECT_EQ(QStringLiteral("1.589,81 €"),
              completed.cell(completed.columnCount() - 1, completed.rowCount() - 1));
    EXPECT_EQ(QStringLiteral("1.524,28 €"),
              planned.cell(planned.columnCount() - 1, planned.rowCount() - 1));
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, messages());
}

TEST_F(MainWindowTest, ReopensTheLastFileSortedWithSumsAndBalances) {
    const auto file = writeGiro();
    setLastFile(file);
    auto window = start();
    ASSERT_TRUE(window->ledgerVisible());

    const TableCells completed = grid(*window, "Stringgrid1");
    EXPECT_EQ((QStringList{QStringLiteral("Startwert"), QStringLiteral("1 / 2011"),
                           QStringLiteral("2 / 2011")}),
              column(completed, 0));
    EXPECT_EQ(QStringLiteral("Kontostand"), completed.cell(completed.columnCount() - 1, 0));
    EXPECT_EQ((QStringList{QStringLiteral("1.000,00 €"), QStringLiteral("1.000,25 €"),
                           QStringLiteral("980,25 €")}),
              column(completed, completed.columnCount() - 1));
    EXPECT_EQ(QStringLiteral("20,00 €"), completed.cell(completed.columnCount() - 2, 3))
        << "the amount without its direction";

    const TableCells planned = grid(*window, "StringGrid2");
    EXPECT_EQ((QStringList{QStringLiteral("01.06.2011"), QStringLiteral("01.07.2011")}),
              column(planned, 0));
    EXPECT_EQ((QStringList{QStringLiteral("985,25 €"), QStringLiteral("955,25 €")}),
              column(planned, 6));

    EXPECT_EQ(QStringLiteral("980,25 €"), text(*window, "ESumme"));
    EXPECT_EQ(QStringLiteral("-25,00 €"), text(*window, "ESumme2"));
    EXPECT_EQ(QStringLiteral("955,25 €"), text(*window, "EGesSumme"));
    EXPECT_EQ(QStringLiteral("Kontostand am 01.07.2011:"),
              window->findChild<QLabel *>(QStringLiteral("LSummeGes"))->text());
    EXPECT_EQ(QStringLiteral("985,25 €"),
              window->findChild<QLabel *>(QStringLiteral("STSummeH"))->text())
        << "the planned booking of 01.06. has come, the one of 01.07. not yet";
    EXPECT_TRUE(window->findChild<QGroupBox *>(QStringLiteral("GroupBox1"))
                    ->title()
                    .endsWith(QString::fromStdString(file.string())));
}

TEST_F(MainWindowTest, AfterLoadingTheFirstRowOfEachGridIsCurrentAndSelected) {
    setLastFile(writeGiro());
    auto window = start();
    for (const char *name : {"Stringgrid1", "StringGrid2"}) {
        SCOPED_TRACE(name);
        const TableCells shown = grid(*window, name);
        EXPECT_EQ(1, shown.currentRow());
        EXPECT_EQ(std::vector<int>{1}, shown.selectedRows());
    }
}

TEST_F(MainWindowTest, ColumnsFollowTheOptions) {
    struct Case {
        const char *name;
        int on;
        QStringList completed;
        int plannedColumns;
    };
    const Case cases[] = {
        {"all on",
         1,
         {QStringLiteral("Auszugsnr."), QStringLiteral("Auszugsdatum"), QStringLiteral("Wertdatum"),
          QStringLiteral("Art"), QStringLiteral("Absender/Empfänger"),
          QStringLiteral("Verwendungszweck"), QStringLiteral("Buchungsdatum"),
          QStringLiteral("+/-"), QStringLiteral("Betrag"), QStringLiteral("Kontostand")},
         7},
        {"all off",
         0,
         {QStringLiteral("Wertdatum"), QStringLiteral("Art"), QStringLiteral("Absender/Empfänger"),
          QStringLiteral("Verwendungszweck"), QStringLiteral("+/-"), QStringLiteral("Betrag")},
         6},
    };
    const auto file = writeGiro();
    setLastFile(file);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const char *option : {"AuszugsdatAN", "BuchungsdatAN", "SummeB"})
            setFileValue(file, QString::fromLatin1(option), std::int32_t(c.on));
        auto window = start();
        EXPECT_EQ(c.completed, headers(grid(*window, "Stringgrid1")));
        EXPECT_EQ(c.plannedColumns, grid(*window, "StringGrid2").columnCount());
        EXPECT_EQ(c.on == 1,
                  !window->findChild<QCheckBox *>(QStringLiteral("RBEuroKontostand"))->isHidden());
    }
}

TEST_F(MainWindowTest, DescendingOrderPutsTheStartValueAtTheBottom) {
    const auto file = writeGiro();
    setLastFile(file);
    setFileValue(file, QStringLiteral("Sort1"), std::int32_t(0));
    auto window = start();
    const TableCells completed = grid(*window, "Stringgrid1");
    EXPECT_EQ((QStringList{QStringLiteral("2 / 2011"), QStringLiteral("1 / 2011"),
                           QStringLiteral("Startwert")}),
              column(completed, 0));
    EXPECT_EQ((QStringList{QStringLiteral("980,25 €"), QStringLiteral("1.000,25 €"),
                           QStringLiteral("1.000,00 €")}),
              column(completed, completed.columnCount() - 1));
}

TEST_F(MainWindowTest, CurrencyBoxesSwitchTheAmountsAndAreRemembered) {
    const auto file = writeAccount(QStringLiteral("kasse.p11"),
                                   {penvaro::testing::StartValue(0),
                                    penvaro::testing::Completed(2011, 1, "05.01.2011", 1000000)});
    setLastFile(file);
    auto window = start();
    const TableCells completed = grid(*window, "Stringgrid1");
    const int betrag = completed.columnCount() - 2;
    auto *euro = window->findChild<QCheckBox *>(QStringLiteral("RBEuroBetrag"));
    auto *national = window->findChild<QCheckBox *>(QStringLiteral("RBnatBetrag"));
    EXPECT_EQ(QStringLiteral("DM"), national->text());

    struct Step {
        QCheckBox *box;
        QString cell;
        QString sum;
    };
    const Step steps[] = {
        {national, QStringLiteral("100,00 € = 195,58 DM"), QStringLiteral("100,00 €")},
        {euro, QStringLiteral("195,58 DM"), QStringLiteral("195,58 DM")},
        {national, QStringLiteral("195,58 DM"), QStringLiteral("195,58 DM")},
        {euro, QStringLiteral("100,00 €"), QStringLiteral("100,00 €")},
    };
    for (const Step &step : steps) {
        QTest::mouseClick(step.box, Qt::LeftButton);
        EXPECT_EQ(step.cell, completed.cell(betrag, 2));
        EXPECT_EQ(step.sum, text(*window, "ESumme"));
    }
    EXPECT_TRUE(state->settings().amountsInEuro);
    EXPECT_FALSE(state->settings().amountsInNational);
}

TEST_F(MainWindowTest, CurrencyBoxesAreCaptionedAndStayInPlaceWhenClicked) {
    const auto file = writeAccount(QStringLiteral("kasse.p11"),
                                   {penvaro::testing::StartValue(0),
                                    penvaro::testing::Completed(2011, 1, "05.01.2011", 1000000)});
    setLastFile(file);
    auto window = start();
    window->resize(750, 550);
    QTest::qWait(0);
    const char *names[] = {"RBEuroBetrag", "RBnatBetrag", "RBEuroKontostand", "RBnatKontostand"};
    const auto positions = [&] {
        std::vector<QPoint> at;
        for (const char *name : names)
            at.push_back(window->findChild<QCheckBox *>(QString::fromLatin1(name))
                             ->mapTo(window.get(), QPoint()));
        return at;
    };
    for (auto [caption, box] : {std::pair{QStringLiteral("Beträge in"), "RBEuroBetrag"},
                                std::pair{QStringLiteral("Kontostand in"), "RBEuroKontostand"}}) {
        const auto labels = window->findChildren<QLabel *>();
        const auto label = std::find_if(labels.begin(), labels.end(),
                                        [&](QLabel *l) { return l->text() == caption; });
        ASSERT_NE(labels.end(), label) << caption.toStdString();
        EXPECT_EQ(QString::fromLatin1(box), (*label)->buddy()->objectName());
    }
    const std::vector<QPoint> before = positions();
    // Both currencies make every sum and amount longer; the boxes must not move away from the
    // pointer meanwhile.
    for (const char *name : {"RBnatBetrag", "RBnatKontostand", "RBEuroBetrag", "RBnatBetrag"}) {
        SCOPED_TRACE(name);
        QTest::mouseClick(window->findChild<QCheckBox *>(QString::fromLatin1(name)),
                          Qt::LeftButton);
        QTest::qWait(0);
        EXPECT_EQ(before, positions());
    }
}

TEST_F(MainWindowTest, ABookingJustAddedIsCurrentSelectedAndWhollyInSight) {
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(0)};
    for (int day = 1; day <= 28; ++day) {
        for (int month : {1, 2}) {
            const QString date = QStringLiteral("%1.%2.2011")
                                     .arg(day, 2, 10, QLatin1Char('0'))
                                     .arg(month, 2, 10, QLatin1Char('0'));
            records.push_back(penvaro::testing::Completed(2011, month, date.toStdString().c_str()));
        }
    }
    const auto file = writeAccount(QStringLiteral("giro.p11"), records);
    for (const bool ascending : {true, false}) {
        SCOPED_TRACE(ascending ? "ascending" : "descending");
        setLastFile(file);
        setFileValue(file, QStringLiteral("Sort1"), std::int32_t(ascending ? 1 : 0));
        auto window = start();
        window->resize(750, 550);
        QTest::qWait(0);
        const TableCells completed = grid(*window, "Stringgrid1");
        ASSERT_EQ(1 + 57, completed.rowCount()) << "heading, start value, 56 bookings";

        // The newest booking: last in ascending order, first in descending order.
        const core::BookingRecord added = penvaro::testing::Completed(2011, 3, "01.03.2011");
        core::BookingTable &table = state->table();
        table.append(added);
        state->announceBookingChange(added);
        QTest::qWait(0);
        const int row = ascending ? 58 : 1;
        EXPECT_EQ(row, completed.currentRow());
        EXPECT_EQ(std::vector<int>{row}, completed.selectedRows());
        EXPECT_EQ(QStringLiteral("3 / 2011"), completed.cell(0, row));
        QTableView &view = completed.view();
        const QRect shown = view.visualRect(view.model()->index(row - 1, 0));
        EXPECT_GE(shown.top(), 0);
        EXPECT_LE(shown.bottom(), view.viewport()->height());
    }
}

TEST_F(MainWindowTest, AtTheSmallestSizeNoLedgerHeadingIsCut) {
    setLastFile(writeGiro());
    auto window = start();
    window->resize(750, 550);
    QTest::qWait(0);
    for (const char *name : {"Stringgrid1", "StringGrid2"}) {
        auto *view = window->findChild<QTableView *>(QString::fromLatin1(name));
        for (int col = 0; col < view->model()->columnCount(); ++col) {
            SCOPED_TRACE(view->model()->headerData(col, Qt::Horizontal).toString().toStdString());
            EXPECT_GE(view->columnWidth(col), view->horizontalHeader()->sectionSizeHint(col));
        }
    }
}

// The columns are sized from a few rows picked by their values, not from every text; each
// text a row shows must still fit, whichever row holds the longest one.
TEST_F(MainWindowTest, EveryAmountDateAndBalanceFitsItsColumn) {
    core::BookingRecord huge =
        penvaro::testing::Completed(65535, 65535, "31.12.9999", -9'876'543'210'123);
    huge.Buchungsart.setUtf8("Überweisun");
    core::BookingRecord noDate = penvaro::testing::Completed(2011, 3, "01.03.2011", 123'456'789);
    noDate.Wertdatum = 1e12;
    noDate.Buchungsart.setUtf8("WWWWWWWW"); // shorter than "Überweisun", but wider
    std::vector<core::BookingRecord> records{penvaro::testing::StartValue(10000000), noDate};
    for (int i = 1; i <= 40; ++i)
        records.push_back(penvaro::testing::Completed(2011, i, "05.01.2011", 2500 * i));
    records.push_back(huge);
    records.push_back(penvaro::testing::Planned("01.07.2011", -300000));
    records.push_back(penvaro::testing::Planned("01.08.2011", 99'999'999'999));
    const auto file = writeAccount(QStringLiteral("breit.p11"), records);
    for (const char *option : {"AuszugsdatAN", "BuchungsdatAN", "SummeB"})
        setFileValue(file, QString::fromLatin1(option), std::int32_t(1));
    setLastFile(file);
    auto window = start();
    window->show();
    QTest::qWait(0);
    const QStringList yielding{QStringLiteral("Absender/Empfänger"),
                               QStringLiteral("Verwendungszweck"), QStringLiteral("+/-")};
    for (const char *name : {"Stringgrid1", "StringGrid2"}) {
        const TableCells cells = grid(*window, name);
        for (int col = 0; col < cells.columnCount(); ++col) {
            if (yielding.contains(headers(cells)[col]))
                continue;
            const QFontMetrics metrics(cells.font(col));
            for (int row = 1; row < cells.rowCount(); ++row) {
                const QString text = cells.cell(col, row);
                SCOPED_TRACE(headers(cells)[col].toStdString() + ": " + text.toStdString());
                EXPECT_GT(cells.view().columnWidth(col), metrics.horizontalAdvance(text));
            }
        }
    }
}

TEST_F(MainWindowTest, DeleteAsksAndRemovesTheRowFromTableAndFile) {
    const auto file = writeGiro();
    setLastFile(file);
    auto window = start();
    const TableCells completed = grid(*window, "Stringgrid1");
    completed.setCurrentCell(1, 2);

    ui.setNextAnswer(platform::Answer::No);
    window->commands().deleteCompleted();
    EXPECT_EQ(5, state->table().count());
    ASSERT_FALSE(ui.shown().empty());
    const QString question = ui.shown().back().text;
    EXPECT_TRUE(question.startsWith(
        QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?\n")))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("05.01.2011"))
                && question.contains(QStringLiteral("0,25 €")))
        << "the question names the booking: " << question.toStdString();

    ui.setNextAnswer(platform::Answer::Yes);
    window->commands().deleteCompleted();
    EXPECT_EQ(4, state->table().count());
    EXPECT_EQ((QStringList{QStringLiteral("Startwert"), QStringLiteral("2 / 2011")}),
              column(completed, 0));
    EXPECT_EQ(4u, recordsOnDisk(file).size());

    const TableCells planned = grid(*window, "StringGrid2");
    planned.setCurrentCell(1, 2);
    ui.setNextAnswer(platform::Answer::Yes);
    window->commands().deletePlanned();
    EXPECT_EQ((QStringList{QStringLiteral("01.06.2011")}), column(planned, 0));
    ui.setNextAnswer(platform::Answer::Yes);
    window->commands().deletePlanned();
    EXPECT_EQ(QStringList{QString()}, column(planned, 0)) << "an empty table keeps one empty row";
    EXPECT_EQ(2u, recordsOnDisk(file).size());

    ui.clear();
    window->commands().deletePlanned();
    ASSERT_EQ(1u, ui.shown().size());
    EXPECT_EQ(345, ui.shown()[0].code);
    EXPECT_EQ(QStringLiteral("Keine zu löschenden Daten! "), ui.shown()[0].text);
}

TEST_F(MainWindowTest, OnlyTheStartValueCanBeDeletedToo) {
    const auto file =
        writeAccount(QStringLiteral("neu.p11"), {penvaro::testing::StartValue(500000)});
    setLastFile(file);
    auto window = start();
    EXPECT_EQ(QStringList{QStringLiteral("Startwert")}, column(grid(*window, "Stringgrid1"), 0));
    ui.setNextAnswer(platform::Answer::Yes);
    window->commands().deleteCompleted();
    EXPECT_EQ(0, state->table().count());
    EXPECT_TRUE(recordsOnDisk(file).empty());

    ui.clear();
    window->commands().deleteCompleted();
    ASSERT_EQ(1u, ui.shown().size());
    EXPECT_EQ(342, ui.shown()[0].code);
}

TEST_F(MainWindowTest, TheGroupsShareTheHeightOrTheCompletedOneTakesItAll) {
    const auto file = writeGiro();
    setLastFile(file);
    for (const bool planned : {true, false}) {
        SCOPED_TRACE(planned);
        setFileValue(file, QStringLiteral("TabGepan"), std::int32_t(planned));
        auto window = start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const auto *box1 = window->findChild<QGroupBox *>(QStringLiteral("GroupBox1"));
        const auto *box2 = window->findChild<QGroupBox *>(QStringLiteral("GroupBox2"));
        EXPECT_EQ(!planned, box2->isHidden());
        if (planned)
            EXPECT_NEAR(52.0 / 45.0, double(box1->height()) / box2->height(), 0.05);
        else
            EXPECT_EQ(window->view().height(), box1->height());
    }
}

TEST_F(MainWindowTest, DraggedColumnWidthsAreStoredForTheOpenFile) {
    const auto file = writeGiro();
    setLastFile(file);
    {
        auto window = start();
        window->show();
        const TableCells completed = grid(*window, "Stringgrid1");
        const int absender = headers(completed).indexOf(QStringLiteral("Absender/Empfänger"));
        completed.view().setColumnWidth(absender, 222);
        QTest::mouseRelease(completed.view().viewport(), Qt::LeftButton);
        EXPECT_EQ(222, state->settings().partyWidth);
        window->close();
    }
    const auto stored =
        store->value(platform::FileSettingsKey(*store, QString::fromStdString(file.string())),
                     QStringLiteral("WAbsender"));
    ASSERT_TRUE(stored && *stored);
    EXPECT_EQ(platform::RegistryValue(std::int32_t(222)), **stored);
}

TEST_F(MainWindowTest, WindowSizeAndStateSurviveARestart) {
    {
        auto window = start();
        window->resize(700, 500);
        window->close();
    }
    {
        auto window = start();
        EXPECT_EQ(QSize(700, 500), window->size());
        EXPECT_FALSE(window->isMaximized());
        window->showMinimized();
        window->close();
    }
    const auto stored = store->value(platform::ProductKey(), QStringLiteral("WindowState"));
    ASSERT_TRUE(stored && *stored);
    EXPECT_EQ(platform::RegistryValue(QStringLiteral("wsMaximized")), **stored);
    auto window = start();
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(MainWindowTest, CommandsOpenTheirDialogsOnlyPastTheirGuards) {
    setLastFile(writeAccount(
        QStringLiteral("giro.p11"),
        {penvaro::testing::StartValue(100), penvaro::testing::Completed(2011, 1, "05.01.2011")}));
    auto window = start();
    std::vector<std::string> opened;
    const auto record = [&](QDialog &dialog) {
        std::string name = dialog.objectName().toStdString();
        if (auto *entry = qobject_cast<entry::BookingEntryDialog *>(&dialog))
            name += " " + std::to_string(static_cast<int>(entry->entryKind()));
        opened.push_back(name);
        return int(QDialog::Rejected);
    };
    for (int i = 0; i < 3; ++i)
        ui.setNextModal(record);

    QTest::mouseClick(window->findChild<QToolButton *>(QStringLiteral("SBDatenNeu")),
                      Qt::LeftButton);
    QTest::mouseClick(window->findChild<QToolButton *>(QStringLiteral("SBDatenBNeu2")),
                      Qt::LeftButton);
    const TableCells completed = grid(*window, "Stringgrid1");
    completed.setCurrentCell(1, 1);
    window->commands().editCompleted(); // the start value row
    completed.setCurrentCell(1, 2);
    window->commands().editCompleted();
    window->commands().editPlanned();
    window->commands().transferPlanned();
    EXPECT_EQ(
        (std::vector<std::string>{"TdatenEingebenF 1", "TdatenEingebenF 2", "TDatenBearbeitenF"}),
        opened);

    const auto shown = messages();
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ(344, shown[0].code);
    EXPECT_EQ(QStringLiteral("Keine zu bearbeitenden Daten! "), shown[0].text);
    EXPECT_EQ(346, shown[1].code);
    EXPECT_EQ(QStringLiteral("Keine zu verschiebenden Daten! "), shown[1].text);
}

TEST_F(MainWindowTest, ThePaymentCommandsOpenThePaymentWindowOnTheirPage) {
    auto window = start();
    std::vector<std::string> pages;
    const auto record = [&](QDialog &dialog) {
        pages.push_back(dialog.findChild<QTabWidget *>(QStringLiteral("PageControl1"))
                            ->currentWidget()
                            ->objectName()
                            .toStdString());
        return int(QDialog::Rejected);
    };
    auto *paymentMenu = window->findChild<QMenu *>(QStringLiteral("PopupMenu3"));
    ASSERT_NE(paymentMenu, nullptr);
    auto *zahlungsverkehr = window->findChild<QToolButton *>(QStringLiteral("SBOptionen"));
    EXPECT_TRUE(zahlungsverkehr->isEnabled());

    // Without an account only the account data can be reached, from the main menu.
    QTest::mouseClick(zahlungsverkehr, Qt::LeftButton);
    EXPECT_FALSE(paymentMenu->isVisible());
    paymentMenu->actions().at(0)->trigger();
    ui.setNextModal(record);
    window->findChild<QAction *>(QStringLiteral("Kontodatenerfassenndern1"))->trigger();
    EXPECT_EQ(pages, std::vector<std::string>{"TabSheet4"});

    window->openAccountFileByPath(writeGiro());
    pages.clear();
    for (QAction *item : paymentMenu->actions()) {
        ui.setNextModal(record);
        item->trigger();
    }
    EXPECT_EQ(pages, (std::vector<std::string>{"TabSheet1", "TabSheet3", "TabSheet2", "TabSheet5",
                                               "TabSheet4"}));
    QStringList captions;
    for (const QAction *item : paymentMenu->actions())
        captions << item->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Überweisungen drucken"),
                                     QStringLiteral("Euroschecks ausstellen"),
                                     QStringLiteral("Verrechnungsschecks ausstellen"),
                                     QStringLiteral("Gespeicherte Überweisungen"),
                                     QStringLiteral("Kontodaten/-informationen")}));
}

TEST_F(MainWindowTest, TheMenuOrdnungHoldsItsOneCommandAsOneItem) {
    auto window = start();
    const auto *ordnung = window->findChild<QMenu *>(QStringLiteral("Ordnung1"));
    ASSERT_NE(ordnung, nullptr);
    ASSERT_EQ(ordnung->actions().size(), 1);
    QAction *item = ordnung->actions().constFirst();
    EXPECT_EQ(item->text(),
              QStringLiteral("Gespeicherte Absender/Verwendungszwecke etc. löschen ..."));
    std::vector<QString> opened;
    ui.setNextModal([&](QDialog &dialog) {
        opened.push_back(dialog.objectName());
        return int(QDialog::Rejected);
    });
    item->trigger();
    EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("TVAEBF")});
}

TEST_F(MainWindowTest, PrintCommandsOpenTheirPrintDialogs) {
    auto window = start();
    QTest::mouseClick(window->findChild<QToolButton *>(QStringLiteral("SBDatenDrucken")),
                      Qt::LeftButton);
    for (const auto &shown : ui.shown())
        EXPECT_NE(shown.text, QStringLiteral("TDruckerDialogF")) << "no account file to print";

    setLastFile(writeGiro());
    window = start();
    std::vector<QString> opened;
    for (int i = 0; i < 3; ++i)
        ui.setNextModal([&](QDialog &dialog) {
            opened.push_back(dialog.objectName());
            if (auto *print = dialog.findChild<QToolButton *>(QStringLiteral("SpeedButton1")))
                QTest::mouseClick(print, Qt::LeftButton);
            return int(QDialog::Rejected);
        });
    auto *menuPrint = window->findChild<QAction *>(QStringLiteral("Drucken1"));
    ASSERT_TRUE(menuPrint->isEnabled());
    menuPrint->trigger();
    window->commands().showAccountsOverview();
    EXPECT_EQ(opened,
              (std::vector<QString>{QStringLiteral("TDruckerDialogF"), QStringLiteral("KontenF"),
                                    QStringLiteral("PrintDialog1")}));
    EXPECT_TRUE(messages().empty());
}

TEST_F(MainWindowTest, TheStartWindowStandsOverTheReadyMainWindow) {
    MainWindow window(*state);
    window.setStartFile(writeGiro());
    bool readyUnderneath = false;
    ui.setNextModal([&](QDialog &shown) {
        readyUnderneath = shown.objectName() == QStringLiteral("FirstF") && window.isVisible()
                          && window.ledgerVisible();
        return int(QDialog::Accepted);
    });
    window.startUp();
    EXPECT_TRUE(readyUnderneath);
}

TEST_F(MainWindowTest, ARestoredWindowFitsTheScreen) {
    setValue(platform::ProductKey(), QStringLiteral("Breite"), std::int32_t(5000));
    setValue(platform::ProductKey(), QStringLiteral("Hoehe"), std::int32_t(4000));
    auto window = start();
    const QRect available = window->screen()->availableGeometry();
    EXPECT_LE(window->width(), available.width());
    EXPECT_LE(window->height(), available.height());
    EXPECT_TRUE(available.contains(window->geometry().topLeft()));
}

TEST(MainWindowWithoutSettings, AStoreThatCannotBeUsedGivesNoFurtherMessagesAndPlansNothing) {
    penvaro::testing::TestApp app(penvaro::testing::TestApp::Store::Unusable);
    const auto file = app.writeAccount(
        QStringLiteral("miete.p11"),
        {penvaro::testing::StartValue(0), penvaro::testing::Recurring(15, "15.06.2011")});
    {
        MainWindow window(*app.state);
        window.setStartFile(file);
        window.startUp();
        EXPECT_TRUE(window.ledgerVisible());
        window.close();
    }
    // The reason was shown when the store was opened; the one message left says why the
    // recurring bookings wait.
    const auto shown = app.messages();
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(ScriptedUiService::Kind::Information, shown[0].kind);
    EXPECT_EQ(2u, app.recordsOnDisk(file).size()) << "nothing that would be planned again";
}

TEST_F(MainWindowTest, AFileAnotherProgramWritesIsShownReadOnlyWithoutChangingCommands) {
    const auto giro = writeGiro();
    ASSERT_TRUE(state->session().open(giro));
    platform::AppState second(*store, ui, clock);
    MainWindow window(second);
    ui.setNextAnswer(platform::Answer::Yes);
    window.openAccountFileByPath(giro);

    ASSERT_TRUE(window.ledgerVisible());
    EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("schreibgeschützt")));
    for (const char *name : {"SBDatenNeu", "SBAendern", "SBLoeschen", "SBDatenVerschieben"})
        EXPECT_FALSE(window.findChild<QToolButton *>(QString::fromLatin1(name))->isEnabled())
            << name;
    ui.clear();
    window.commands().enterCompleted();
    window.commands().deleteCompleted();
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, ui.shown()) << "nothing opens or asks";
}
