#include "editdialogfixture.h"
#include "support/records.h"
#include "tablecells.h"

#include "entry/recurringbookingsdialog.h"

#include "core/bookingchanges.h"
#include "widgets/manual.h"

#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace penvaro::entry {
namespace {

using core::BookingKind;
using core::BookingRecord;
using penvaro::testing::ScriptedUiService;
using namespace penvaro::testing;

class MonthlyWindowTest : public EditDialogTest {
protected:
    MonthlyWindowTest() {
        rent.Betrag = 1234567800;
        insurance.SollHaben = u'-';
        insurance.Betrag = 125000;
        QObject::connect(&window, &RecurringBookingsDialog::enterRequested, [this] { onEnter(); });
    }

    void ShowWindow() {
        window.fillGrid();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    testing::TableCells Grid() {
        return testing::TableCells(*Child<QTableView>(window, "Stringgrid1"));
    }
    QStringList RowTexts(int row) { return Grid().row(row); }
    void Click(const char *button) {
        QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
    }

    BookingRecord rent = WithTexts(testing::Recurring(1, "01.07.2011"), "ÜB", "Hausverwaltung Ost",
                                   "Miete Wohnung 3");
    BookingRecord insurance =
        WithTexts(testing::Recurring(15, "15.09.2011", 3), "LAS", "Versicherung AG", "Hausrat");
    BookingRecord salary =
        WithTexts(testing::Recurring(28, "28.07.2011"), "ÜB", "Arbeitgeber", "Gehalt");
    std::function<void()> onEnter;
    RecurringBookingsDialog window{*state, dialog};
};

TEST_F(MonthlyWindowTest, ListsTheRecurringBookingsInTableOrder) {
    state->settings().completedRowHeight = 22;
    state->settings().tableFontName = "DejaVu Sans";
    state->settings().tableFontSize = 11;
    open({testing::StartValue(0), insurance, testing::Completed(2011, 3, "02.05.2011"), rent,
          testing::Planned("01.07.2011")});
    window.fillGrid();

    EXPECT_EQ(QStringLiteral("Eine kleine Arbeitserleichterung ..."), window.windowTitle());
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(QStringLiteral("Monatliche Buchungen"), TextOf(window, "LTitel"));
    const testing::TableCells grid = Grid();
    EXPECT_EQ((QStringList{QStringLiteral("Ausführungstag"), QStringLiteral("alle ... Monate"),
                           QStringLiteral("1. Ausführungstag"), QStringLiteral("Buchungsart"),
                           QStringLiteral("Absender"), QStringLiteral("Verwendungszweck"),
                           QStringLiteral("+/-"), QStringLiteral("Betrag")}),
              RowTexts(0));
    const int widths[] = {95, 70, 90, 75, 140, 140, 20, 90};
    EXPECT_EQ(grid.columnWidth(4), 140) << "a title that fits keeps the written width";
    const Qt::Alignment alignments[] = {Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignHCenter,
                                        Qt::AlignHCenter, Qt::AlignLeft,    Qt::AlignLeft,
                                        Qt::AlignHCenter, Qt::AlignRight};
    for (int col = 0; col < 8; ++col) {
        SCOPED_TRACE(col);
        // The written width, or wider where the font would cut the title.
        EXPECT_GE(grid.columnWidth(col), widths[col]);
        EXPECT_GT(grid.columnWidth(col), QFontMetrics(grid.view().horizontalHeader()->font())
                                             .horizontalAdvance(RowTexts(0)[col]));
        EXPECT_EQ(alignments[col], grid.alignment(col));
        EXPECT_EQ(Qt::Alignment(Qt::AlignHCenter), grid.headerAlignment(col));
        EXPECT_FALSE(grid.view().horizontalHeader()->font().bold());
        EXPECT_EQ(col == 6, grid.font(col).bold());
        EXPECT_EQ(QStringLiteral("DejaVu Sans"), grid.font(col).family());
        EXPECT_EQ(11, grid.font(col).pointSize());
    }
    EXPECT_EQ(22, grid.rowHeight());

    // The table is sorted: the booking due on the 1st comes first.
    EXPECT_EQ(3, grid.rowCount());
    EXPECT_EQ((QStringList{QStringLiteral("1. im Monat"), QStringLiteral("1"),
                           QStringLiteral("01.07.2011"), QStringLiteral("ÜB"),
                           QStringLiteral("Hausverwaltung Ost"), QStringLiteral("Miete Wohnung 3"),
                           QStringLiteral("+"), QStringLiteral("123.456,80 €")}),
              RowTexts(1));
    EXPECT_EQ((QStringList{QStringLiteral("15. im Monat"), QStringLiteral("3"),
                           QStringLiteral("15.09.2011"), QStringLiteral("LAS"),
                           QStringLiteral("Versicherung AG"), QStringLiteral("Hausrat"),
                           QStringLiteral("-"), QStringLiteral("12,50 €")}),
              RowTexts(2));

    open({testing::StartValue(0), testing::Planned("01.07.2011")});
    window.fillGrid();
    EXPECT_EQ(2, grid.rowCount()) << "one empty row without recurring bookings";
    EXPECT_EQ(QStringList(8, QString()), RowTexts(1));
}

TEST_F(MonthlyWindowTest, EveryWayToEditOpensTheEditDialogOnTheCurrentRow) {
    open({rent, insurance, salary});
    struct Case {
        const char *what;
        std::function<void()> trigger;
    };
    const Case cases[] = {
        {"button", [this] { Click("SBAendern"); }},
        {"context menu",
         [this] { Child<QMenu>(window, "PopupMenu1")->actions().at(1)->trigger(); }},
        {"double click",
         [this] {
             QWidget *cells = Grid().view().viewport();
             const QRect second = Grid().view().visualRect(Grid().view().model()->index(1, 0));
             // The first click of a double click, then the second one.
             QTest::mouseClick(cells, Qt::LeftButton, {}, second.center());
             QTest::mouseDClick(cells, Qt::LeftButton, {}, second.center());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui.clear();
        ShowWindow();
        Grid().setCurrentCell(0, 2);
        OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
            EXPECT_EQ(QStringLiteral("15"), TextOf(d, "EAuszugsnr"));
            EXPECT_EQ(QStringLiteral("alle 3 Monate"), TextOf(d, "EAuszugsjahr"));
        });
        c.trigger();
        EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                      {ScriptedUiService::Kind::Modal, QStringLiteral("TDatenBearbeitenF")}}),
                  ui.shown());
        EXPECT_EQ(2, dialog.editPosition());
    }
}

TEST_F(MonthlyWindowTest, AnEditedBookingShowsAtOnceAndIsOnDisk) {
    open({rent, insurance});
    ShowWindow();
    Grid().setCurrentCell(0, 2);
    OnNextModal<BookingEditDialog>(ui, [](BookingEditDialog &d) {
        Retype(Child(d, "EBetrag"), QStringLiteral("13,75"));
        ClickApply(d);
    });
    Click("SBAendern");

    EXPECT_EQ(QStringLiteral("13,75 €"), Grid().cell(7, 2));
    insurance.Betrag = 137500;
    EXPECT_EQ((std::vector<BookingRecord>{rent, insurance}), inTable());
    EXPECT_EQ(inTable(), reopened());
}

TEST_F(MonthlyWindowTest, DeletesTheBookingOfTheCurrentRowOnlyWhenConfirmed) {
    struct Case {
        platform::Answer answer;
        std::vector<BookingRecord> left;
    };
    const Case cases[] = {
        {platform::Answer::No, {rent, insurance, salary}},
        {platform::Answer::Yes, {rent, salary}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.answer == platform::Answer::Yes ? "Yes" : "No");
        ui.clear();
        refreshes = 0;
        open({rent, insurance, salary});
        ShowWindow();
        Grid().setCurrentCell(0, 2);
        ui.setNextAnswer(c.answer);
        Click("SBLoeschen");

        EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                      {ScriptedUiService::Kind::Question,
                       QStringLiteral("Wollen Sie wirklich den aktuellen Datensatz löschen?")}}),
                  ui.shown());
        EXPECT_EQ(c.left, inTable());
        EXPECT_EQ(c.left, reopened());
        EXPECT_EQ(static_cast<int>(c.left.size()) + 1, Grid().rowCount());
        EXPECT_EQ(QString::number(c.left.back().Auszugsnr) + QStringLiteral(". im Monat"),
                  Grid().cell(0, Grid().rowCount() - 1));
        EXPECT_EQ(c.left.size() < 3 ? 1 : 0, refreshes);
    }
}

TEST_F(MonthlyWindowTest, WithoutRecurringBookingsThereIsNothingToEditOrDelete) {
    open({testing::StartValue(0), testing::Planned("01.07.2011")});
    ShowWindow();
    struct Case {
        const char *button;
        std::int32_t code;
        const char *message;
    };
    const Case cases[] = {
        {"SBAendern", 192, "Keine zu bearbeitenden Daten! "},
        {"SBLoeschen", 191, "Keine zu löschenden Daten! "},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        ui.clear();
        Click(c.button);
        EXPECT_EQ((std::vector<ScriptedUiService::Shown>{{ScriptedUiService::Kind::ErrorWindow,
                                                          QString::fromUtf8(c.message), c.code}}),
                  ui.shown());
    }
}

TEST_F(MonthlyWindowTest, EnteringRunsTheEntryDialogAndShowsTheNewBooking) {
    open({rent});
    onEnter = [this] {
        // What the entry dialog does with a new recurring booking.
        ASSERT_TRUE(core::AddBooking(state->table(), salary, path));
        state->announceBookingChange();
    };
    ShowWindow();
    Click("SBDatenNeu");
    EXPECT_EQ(3, Grid().rowCount());
    EXPECT_EQ(QStringLiteral("Gehalt"), Grid().cell(5, 2));

    Child<QMenu>(window, "PopupMenu1")->actions().at(0)->trigger();
    EXPECT_EQ(4, Grid().rowCount());
}

TEST_F(MonthlyWindowTest, SchliessenSortsAndRefreshesEscapeOnlyCloses) {
    open({rent, insurance, salary});
    core::BookingTable &table = state->table();
    std::swap(table.slot(1), table.slot(3)); // as a deletion leaves it
    const auto unsorted = inTable();

    ShowWindow();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QDialog::Rejected, window.result());
    EXPECT_EQ(unsorted, inTable());
    EXPECT_EQ(0, refreshes);

    ShowWindow();
    Click("SpeedButton1");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QDialog::Accepted, window.result());
    EXPECT_EQ((std::vector<BookingRecord>{rent, insurance, salary}), inTable());
    EXPECT_EQ(1, refreshes);
}

TEST_F(MonthlyWindowTest, ShowsModallyWithTheGridFilledAndHelpOpensTheManual) {
    open({rent});
    QFile manual(widgets::ManualPath());
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    ui.setNextModal([this](QDialog &shown) {
        EXPECT_EQ(&window, &shown);
        EXPECT_EQ(QStringLiteral("Miete Wohnung 3"), Grid().cell(5, 1));
        QTest::mouseClick(Child<QPushButton>(window, "SpeedButton2"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    window.showModal();
    QFile::remove(widgets::ManualPath());
    EXPECT_EQ((std::vector<ScriptedUiService::Shown>{
                  {ScriptedUiService::Kind::Modal, QStringLiteral("TMonthlyF")},
                  {ScriptedUiService::Kind::Document, widgets::ManualPath()}}),
              ui.shown());
}

TEST_F(MonthlyWindowTest, AFailedWriteKeepsTheDeletedBooking) {
    open({rent, insurance});
    ShowWindow();
    ui.setNextAnswer(platform::Answer::Yes);
    WithFullDisk([this] { Click("SBLoeschen"); });

    ASSERT_EQ(2u, ui.shown().size());
    EXPECT_EQ(ScriptedUiService::Kind::Failure, ui.shown()[1].kind);
    EXPECT_EQ((std::vector<BookingRecord>{rent, insurance}), inTable());
    EXPECT_EQ(3, Grid().rowCount());
    EXPECT_EQ(inTable(), reopened());
    EXPECT_EQ(0, refreshes);
}

} // namespace
} // namespace penvaro::entry
