#include "appfixture.h"
#include "support/records.h"
#include "tablecells.h"
#include "widgetlookup.h"

#include "app/mainwindow.h"
#include "options/optionsdialog.h"
#include "platform/settingsstore.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace penvaro::options {
namespace {

using testing::Child;
using testing::OnNextModal;
using testing::Retype;

// The options as the main window opens them from its menu, with an account of one booking of
// 100,00 € shown in euro and in the national currency.
class OptionsInMainWindowTest : public testing::AppFixture {
protected:
    OptionsInMainWindowTest() {
        file = writeAccount(QStringLiteral("kasse.p11"),
                            {testing::StartValue(0),
                             testing::Completed(2011, 1, "05.01.2011", 1000000),
                             testing::Planned("01.07.2011", 50000)});
        setLastFile(file);
        setFileValue(file, QStringLiteral("natBetrag"), std::int32_t{1});
    }

    std::unique_ptr<app::MainWindow> start() {
        auto window = std::make_unique<app::MainWindow>(*state);
        window->startUp();
        return window;
    }

    static void choose(app::MainWindow &window, const char *action) {
        window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
    }

    std::filesystem::path file;
};

TEST_F(OptionsInMainWindowTest, ANewCurrencyNameShowsInTheLabelAtOnceAndInTheLedgerAfterOk) {
    auto window = start();
    const penvaro::testing::TableCells completed(
        *window->findChild<QTableView *>(QStringLiteral("Stringgrid1")));
    const int betrag = completed.columnCount() - 2;
    ASSERT_EQ(completed.cell(betrag, 2), QStringLiteral("100,00 € = 195,58 DM"));

    OnNextModal<OptionsDialog>(ui, [&](OptionsDialog &d) {
        Child<QListWidget>(d, "LBSeiten")->setCurrentRow(0);
        Retype(Child<QWidget>(d, "EWaehrung"), QStringLiteral("ATS"));
        Retype(Child<QWidget>(d, "EEurokurs"), QStringLiteral("13,7603"));
        EXPECT_EQ(Child<QLabel>(d, "LWaehrung")->text(), QStringLiteral("ATS"));
        EXPECT_EQ(completed.cell(betrag, 2), QStringLiteral("100,00 € = 195,58 DM"))
            << "the ledger follows on OK only";
        QTest::mouseClick(Child<QAbstractButton>(d, "SBOK"), Qt::LeftButton);
    });
    choose(*window, "Optionen1");

    EXPECT_EQ(completed.cell(betrag, 2), QStringLiteral("100,00 € = 1.376,03 ATS"));
    EXPECT_EQ(window->findChild<QCheckBox *>(QStringLiteral("RBnatBetrag"))->text(),
              QStringLiteral("ATS"));
}

TEST_F(OptionsInMainWindowTest, TheLedgerFollowsTheTableOptionsAndTheFont) {
    auto window = start();
    ui.setNextFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    OnNextModal<OptionsDialog>(ui, [](OptionsDialog &d) {
        QTest::mouseClick(Child<QAbstractButton>(d, "SpeedButton2"), Qt::LeftButton);
        Child<QListWidget>(d, "LBSeiten")->setCurrentRow(6);
        QTest::mouseClick(Child<QAbstractButton>(d, "RBTabGepaus"), Qt::LeftButton);
        Child<QListWidget>(d, "LBSeiten")->setCurrentRow(5);
        QTest::mouseClick(Child<QAbstractButton>(d, "RBSortGetAb"), Qt::LeftButton);
        Retype(Child<QWidget>(d, "EZeilenabGet"), QStringLiteral("30"));
        QTest::mouseClick(Child<QAbstractButton>(d, "SBOK"), Qt::LeftButton);
    });
    choose(*window, "Optionen1");

    EXPECT_TRUE(window->findChild<QGroupBox *>(QStringLiteral("GroupBox2"))->isHidden());
    const penvaro::testing::TableCells completed(
        *window->findChild<QTableView *>(QStringLiteral("Stringgrid1")));
    EXPECT_EQ(completed.cell(0, 1), QStringLiteral("1 / 2011"))
        << "descending: the start value last";
    EXPECT_EQ(completed.view().font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(completed.view().rowHeight(1), 30);

    // Closing and starting again keeps them.
    window->close();
    window = start();
    EXPECT_TRUE(window->findChild<QGroupBox *>(QStringLiteral("GroupBox2"))->isHidden());
    EXPECT_EQ(state->settings().tableFontName, "DejaVu Serif");
    EXPECT_EQ(state->settings().completedRowHeight, 30);
}

TEST_F(OptionsInMainWindowTest, WithoutAnOpenAccountTheProgramsOptionsCanBeChanged) {
    setLastFile({});
    auto window = start();
    ASSERT_FALSE(window->ledgerVisible());
    ui.clear();
    OnNextModal<OptionsDialog>(ui, [](OptionsDialog &d) {
        Child<QListWidget>(d, "LBSeiten")->setCurrentRow(0);
        EXPECT_FALSE(Child<QWidget>(d, "EWaehrung")->isEnabled());
        EXPECT_TRUE(Child<QLabel>(d, "LKontodatei")->isVisible());
        Child<QListWidget>(d, "LBSeiten")->setCurrentRow(1);
        Retype(Child<QWidget>(d, "EStartbild"), QStringLiteral("6"));
        QTest::mouseClick(Child<QAbstractButton>(d, "SBOK"), Qt::LeftButton);
    });
    choose(*window, "Optionen1");

    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(state->settings().startScreenSeconds, 6);
    EXPECT_FALSE(window->ledgerVisible()) << "no account appears from the options";

    // Opened with an account, the account's values can be changed in the same dialog.
    window->openAccountFileByPath(file);
    ASSERT_TRUE(window->ledgerVisible());
    OnNextModal<OptionsDialog>(ui, [](OptionsDialog &d) {
        EXPECT_EQ(Child<QListWidget>(d, "LBSeiten")->currentItem()->text(),
                  QStringLiteral("Startbildschirm"))
            << "the page shown last";
        Child<QListWidget>(d, "LBSeiten")->setCurrentRow(0);
        EXPECT_TRUE(Child<QWidget>(d, "EWaehrung")->isEnabled());
        EXPECT_FALSE(Child<QLabel>(d, "LKontodatei")->isVisible());
    });
    choose(*window, "Optionen1");
}

} // namespace
} // namespace penvaro::options
