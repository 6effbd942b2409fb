#include "appfixture.h"
#include "paintedtexts.h"
#include "support/records.h"
#include "tablecells.h"

#include "app/mainwindow.h"

#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

using namespace penvaro;
using penvaro::testing::ScriptedUiService;

namespace {

class MainWindowEvaluationTest : public penvaro::testing::AppFixture {
protected:
    std::unique_ptr<app::MainWindow> start(const std::vector<core::BookingRecord> &records) {
        setLastFile(writeAccount(QStringLiteral("giro.p11"), records));
        auto window = std::make_unique<app::MainWindow>(*state);
        window->startUp();
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ui.clear();
        return window;
    }

    static QToolButton &interestButton(app::MainWindow &window) {
        return *window.findChild<QToolButton *>(QStringLiteral("SpeedButton1"));
    }

    static QStringList headings(QTableView &table) {
        return penvaro::testing::TableCells(table).headers();
    }
};

} // namespace

TEST_F(MainWindowEvaluationTest, ZinsberechnungSaysMomentInRedUntilTheWindowHasComputed) {
    auto window = start({penvaro::testing::StartValue(0),
                         penvaro::testing::Completed(2011, 1, "03.01.2011", 10000)});
    QToolButton &button = interestButton(*window);
    ASSERT_TRUE(button.isEnabled());
    // Only a button in sight is painted; where it is depends on the desktop's font.
    window->findChild<QScrollArea *>(QStringLiteral("PRahmen"))->ensureWidgetVisible(&button);
    ASSERT_FALSE(button.visibleRegion().isEmpty());
    const penvaro::testing::PaintedTexts painted(button);
    ui.setNextModal([&](QDialog &dialog) {
        EXPECT_EQ(QStringLiteral("Zinsberechnung"), button.text());
        EXPECT_NE(QColor(Qt::red), button.palette().color(QPalette::ButtonText));
        return int(dialog.result());
    });
    button.click();

    EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TZinsenF")}}),
              ui.shown());
    ASSERT_FALSE(painted.painted().empty());
    EXPECT_EQ((penvaro::testing::PaintedTexts::Painted{QStringLiteral("MOMENT !"), Qt::red}),
              painted.painted().front());
}

TEST_F(MainWindowEvaluationTest, ZinsberechnungWithoutBookingsSays348) {
    struct Case {
        const char *what;
        std::vector<core::BookingRecord> records;
        std::vector<ScriptedUiService::Shown> shown;
    };
    const Case cases[] = {
        {"only the start value",
         {penvaro::testing::StartValue(0), penvaro::testing::Recurring(1, "01.07.2015")},
         {{ScriptedUiService::Kind::ErrorWindow, QStringLiteral("Keine Daten eingegeben"), 348}}},
        {"nothing at all", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        auto window = start(c.records);
        interestButton(*window).click();
        EXPECT_EQ(c.shown, ui.shown());
    }
}

TEST_F(MainWindowEvaluationTest, SuchenOpensTheSearchWindowWithTheLedgersColumns) {
    auto window = start({penvaro::testing::Completed(2011, 1, "03.01.2011", 10000)});
    const QStringList ledgerHeadings =
        headings(*window->findChild<QTableView *>(QStringLiteral("Stringgrid1")));
    ASSERT_EQ(QStringLiteral("Kontostand"), ledgerHeadings.back());
    const auto searchOpened = [&](QDialog &dialog) {
        EXPECT_EQ(ledgerHeadings.sliced(0, ledgerHeadings.size() - 1),
                  headings(*dialog.findChild<QTableView *>(QStringLiteral("Stringgrid1"))));
        return int(QDialog::Rejected);
    };
    const std::function<void()> commands[] = {
        [&] { window->findChild<QToolButton *>(QStringLiteral("SBGrafik"))->click(); },
        [&] { window->findChild<QAction *>(QStringLiteral("Suchen1"))->trigger(); },
    };
    for (const auto &command : commands) {
        ui.clear();
        ui.setNextModal(searchOpened);
        command();
        EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                      {ScriptedUiService::Kind::Modal, QStringLiteral("TAuswertF")}}),
                  ui.shown());
    }

    // "Drucken" of the search window opens the evaluation print dialog.
    ui.clear();
    ui.setNextModal([](QDialog &dialog) {
        dialog.findChild<QPushButton *>(QStringLiteral("BDrucken"))->click();
        return int(QDialog::Rejected);
    });
    window->findChild<QAction *>(QStringLiteral("Suchen1"))->trigger();
    EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TAuswertF")},
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TAuswertDruckenDialogF")}}),
              ui.shown());

    // Without an open account there is nothing to search.
    window->showWelcome();
    ui.clear();
    window->findChild<QAction *>(QStringLiteral("Suchen1"))->trigger();
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, ui.shown());
}

TEST_F(MainWindowEvaluationTest, AuswertungOpensTheYearReportAndPrintsItThroughThePrintDialog) {
    auto window = start({penvaro::testing::Completed(2011, 1, "03.01.2011", 10000)});
    const std::function<void()> commands[] = {
        [&] { window->findChild<QToolButton *>(QStringLiteral("SBAuswertung"))->click(); },
        [&] { window->findChild<QAction *>(QStringLiteral("Auswertung1"))->trigger(); },
    };
    for (const auto &command : commands) {
        ui.clear();
        ui.setNextModal([](QDialog &dialog) {
            dialog.findChild<QPushButton *>(QStringLiteral("BDrucken"))->click();
            return int(QDialog::Rejected);
        });
        command();
        EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                      {ScriptedUiService::Kind::Modal, QStringLiteral("JahresauswertungF")},
                      {ScriptedUiService::Kind::Modal, QStringLiteral("PrintDialog1")}}),
                  ui.shown());
    }

    window->showWelcome();
    ui.clear();
    window->findChild<QAction *>(QStringLiteral("Auswertung1"))->trigger();
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>{}, ui.shown());
}
