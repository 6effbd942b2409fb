#include "accountfixture.h"
#include "support/recordingcanvas.h"
#include "support/records.h"
#include "tablecells.h"
#include "widgetlookup.h"

#include "report/cellbookingsdialog.h"
#include "report/yearreportmodel.h"
#include "report/yearreportwindow.h"

#include <QBarSet>
#include <QChartView>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <set>

namespace penvaro::report {
namespace {

using core::BookingRecord;
using penvaro::testing::Account;
using penvaro::testing::Child;
using penvaro::testing::ScriptedUiService;
using penvaro::testing::WithTexts;

BookingRecord booked(const char *valueDate, std::int64_t amount, const char *art,
                     const char *party) {
    return WithTexts(penvaro::testing::Completed(2011, 1, valueDate, amount), art, party, "");
}

// Today is 20.06.2011.
std::vector<BookingRecord> household() {
    BookingRecord rent =
        WithTexts(penvaro::testing::Recurring(1, "01.01.2011"), "Miete", "Vermieter", "Miete");
    rent.SollHaben = u'-';
    rent.Betrag = 6500000;
    return {
        penvaro::testing::StartValue(10000000),
        booked("03.01.2011", -6500000, "Miete", "Vermieter"),
        booked("03.02.2011", -6500000, "Miete", "Vermieter"),
        booked("10.02.2011", -123400, "Essen", "Bäcker"),
        booked("12.02.2011", -200000, "Essen", "Markt"),
        booked("28.02.2011", 25000000, "Gehalt", "Firma"),
        booked("28.12.2010", 25000000, "Gehalt", "Firma"),
        WithTexts(penvaro::testing::Planned("01.07.2011", -6500000), "Miete", "Vermieter", ""),
        rent,
    };
}

class YearReportWindowTest : public ::testing::Test, public Account {
protected:
    void Open(const std::function<void()> &user) {
        penvaro::testing::OnNextModal<YearReportWindow>(ui,
                                                        [&user](YearReportWindow &) { user(); });
        window.showModal();
    }
    testing::TableCells Grid() {
        return testing::TableCells(*Child<QTableView>(window, "TabelleJahr"));
    }
    QChart *Chart(const char *name) { return Child<QChartView>(window, name)->chart(); }

    YearReportWindow window{*state};
};

TEST_F(YearReportWindowTest, ShowsTheYearByCategoryOrPartyAndFollowsChanges) {
    open(household());
    Open([&] {
        EXPECT_EQ(QStringLiteral("JahresauswertungF"), window.objectName());
        EXPECT_EQ(2011, Child<QSpinBox>(window, "EJahr")->value());
        EXPECT_EQ((QStringList{u"Art/Kategorie"_qs, u"Jan"_qs, u"Feb"_qs, u"Mär"_qs}),
                  Grid().row(0).mid(0, 4));
        EXPECT_EQ((QStringList{u"Miete"_qs, u"Essen"_qs, u"Gehalt"_qs, u"Summe"_qs}),
                  Grid().column(0));
        EXPECT_EQ((QStringList{u"Miete"_qs, u"-650,00 €"_qs, u"-650,00 €"_qs, u"0,00 €"_qs}),
                  Grid().row(1).mid(0, 4));
        EXPECT_EQ(u"-32,34 €"_qs, Grid().cell(13, 2));
        EXPECT_EQ(u"1.167,66 €"_qs, Grid().cell(13, 4));

        Child<QRadioButton>(window, "RBAbsender")->click();
        EXPECT_EQ(u"Absender/Empfänger"_qs, Grid().cell(0, 0));
        EXPECT_EQ(
            (QStringList{u"Vermieter"_qs, u"Markt"_qs, u"Bäcker"_qs, u"Firma"_qs, u"Summe"_qs}),
            Grid().column(0));

        Child<QSpinBox>(window, "EJahr")->setValue(2010);
        EXPECT_EQ((QStringList{u"Firma"_qs, u"Summe"_qs}), Grid().column(0));

        // A booking entered while the window is open shows at once.
        Child<QSpinBox>(window, "EJahr")->setValue(2011);
        Child<QRadioButton>(window, "RBKategorie")->click();
        core::BookingTable &table = state->table();
        table.append(booked("05.03.2011", -10000, "Kino", "Kino"));
        state->announceBookingChange();
        EXPECT_EQ((QStringList{u"Miete"_qs, u"Essen"_qs, u"Kino"_qs, u"Gehalt"_qs, u"Summe"_qs}),
                  Grid().column(0));

        // Amounts as the ledger shows them: in the national currency when euro is not chosen.
        state->settings().amountsInEuro = false;
        state->announceBookingChange();
        EXPECT_EQ(u"-1.271,29 DM"_qs, Grid().cell(1, 1));
    });
}

TEST_F(YearReportWindowTest, ASumTooLargeToShowIsSaidInsteadOfAWrongFigure) {
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    open({booked("03.01.2011", max, "Lotto", "Glück"), booked("04.01.2011", max, "Lotto", "Glück"),
          booked("03.01.2010", -10000, "Miete", "Vermieter")});
    Open([&] {
        auto *problem = Child<QLabel>(window, "LFehler");
        EXPECT_TRUE(problem->isVisible());
        EXPECT_TRUE(problem->text().contains(u"zu groß"_qs)) << problem->text().toStdString();
        EXPECT_EQ(1, Grid().rowCount()) << "the heading only, no sum that would be wrong";
        EXPECT_FALSE(Child<QPushButton>(window, "BCSV")->isEnabled());
        EXPECT_FALSE(Child<QPushButton>(window, "BDrucken")->isEnabled());

        // Another year of the same file shows again.
        Child<QSpinBox>(window, "EJahr")->setValue(2010);
        EXPECT_FALSE(problem->isVisible());
        EXPECT_EQ((QStringList{u"Miete"_qs, u"Summe"_qs}), Grid().column(0));
        EXPECT_TRUE(Child<QPushButton>(window, "BCSV")->isEnabled());
    });
}

TEST_F(YearReportWindowTest, ChartsReadWithoutColourAndSayWhatTheyShow) {
    open(household());
    Open([&] {
        const auto series = Chart("ChartMonate")->series();
        ASSERT_EQ(2, series.size());
        auto *outgoing = qobject_cast<QStackedBarSeries *>(series[0]);
        auto *incoming = qobject_cast<QStackedBarSeries *>(series[1]);
        ASSERT_TRUE(outgoing && incoming);
        ASSERT_EQ(2, outgoing->count());
        EXPECT_EQ(u"Miete"_qs, outgoing->barSets()[0]->label());
        EXPECT_DOUBLE_EQ(650.0, outgoing->barSets()[0]->at(0));
        EXPECT_DOUBLE_EQ(32.34, outgoing->barSets()[1]->at(1));
        EXPECT_DOUBLE_EQ(2500.0, incoming->barSets()[0]->at(1));
        std::set<Qt::BrushStyle> patterns;
        for (QBarSet *set : outgoing->barSets() + incoming->barSets())
            patterns.insert(set->brush().style());
        EXPECT_EQ(3u, patterns.size()) << "every set its own hatch";
        // February's salary is the highest bar; the outgoing stack alone would cut it.
        const auto axes = Chart("ChartMonate")->axes(Qt::Vertical);
        ASSERT_EQ(1, axes.size());
        EXPECT_GE(qobject_cast<QValueAxis *>(axes[0])->max(), 2500.0);

        const auto lines = Chart("ChartVerlauf")->series();
        ASSERT_EQ(2, lines.size());
        auto *booked = qobject_cast<QLineSeries *>(lines[0]);
        auto *projected = qobject_cast<QLineSeries *>(lines[1]);
        ASSERT_TRUE(booked && projected);
        EXPECT_EQ(171, booked->count());                      // 01.01. to 20.06.
        EXPECT_DOUBLE_EQ(1000.0 + 2500.0, booked->at(0).y()); // with December's salary
        EXPECT_EQ(Qt::SolidLine, booked->pen().style());
        EXPECT_EQ(Qt::DashLine, projected->pen().style());

        const QString months = Child<QChartView>(window, "ChartMonate")->accessibleDescription();
        EXPECT_TRUE(months.contains(
            u"Februar: Ausgaben Miete 650,00 €, Essen 32,34 €; Einnahmen 2.500,00 €"_qs))
            << months.toStdString();
        const QString course = Child<QChartView>(window, "ChartVerlauf")->accessibleDescription();
        EXPECT_TRUE(course.contains(u"Juli 2011: "_qs)) << course.toStdString();
    });
}

TEST_F(YearReportWindowTest, ADoubleClickListsTheBookingsOfACellWithTheirSum) {
    open(household());
    struct Case {
        int row; // model row
        int column;
        QString title;
        int bookings;
        QString sum;
    };
    const Case cases[] = {
        {1, 2, u"Essen – Februar 2011"_qs, 2, u"-32,34 €"_qs},
        {0, 13, u"Miete – 2011"_qs, 2, u"-1.300,00 €"_qs},
        {3, 2, u"Alle Buchungen – Februar 2011"_qs, 4, u"1.817,66 €"_qs},
        {0, 3, u"Miete – März 2011"_qs, 0, QString()},
    };
    Open([&] {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.title.toStdString());
            penvaro::testing::OnNextModal<CellBookingsDialog>(ui, [&](CellBookingsDialog &dialog) {
                EXPECT_EQ(c.title, dialog.windowTitle());
                testing::TableCells list(dialog.table());
                // Heading and the bookings, a single empty row for none; the sum below.
                EXPECT_EQ(c.bookings == 0 ? 2 : c.bookings + 1, list.rowCount());
                EXPECT_EQ(c.sum, penvaro::testing::TextOf(dialog, "ESumme"));
            });
            auto *table = Child<QTableView>(window, "TabelleJahr");
            const QModelIndex index = window.model().index(c.row, c.column);
            table->scrollTo(index);
            const QRect cell = table->visualRect(index);
            ui.clear();
            // A double click is a press, a release and the double click on the same cell.
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            ASSERT_EQ(1u, ui.shown().size());
            EXPECT_EQ(u"TZellBuchungenF"_qs, ui.shown()[0].text);
        }
    });
}

TEST_F(YearReportWindowTest, SavesTheTableAsCsvAndPrintsTableAndCharts) {
    open(household());
    const QString csvPath = dir.filePath(u"jahr.csv"_qs);
    Open([&] {
        ui.setNextFileName(csvPath);
        Child<QPushButton>(window, "BCSV")->click();
        QFile csv(csvPath);
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"
                                     "Art/Kategorie;Januar;"));
        EXPECT_TRUE(bytes.contains("\r\nMiete;-650,00;-650,00;0,00;")) << bytes.toStdString();

        // A file that cannot be written is said so, and nothing else happens.
        ui.clear();
        ui.setNextFileName(dir.filePath(u"fehlt/jahr.csv"_qs));
        Child<QPushButton>(window, "BCSV")->click();
        EXPECT_EQ(ScriptedUiService::Kind::Failure, ui.shown().back().kind);
        EXPECT_FALSE(QFile::exists(dir.filePath(u"fehlt/jahr.csv"_qs)));

        bool asked = false;
        QObject::connect(&window, &YearReportWindow::printRequested, [&] { asked = true; });
        Child<QPushButton>(window, "BDrucken")->click();
        EXPECT_TRUE(asked);
        penvaro::testing::RecordingCanvas canvas;
        ASSERT_TRUE(window.drawPrintout(canvas));
        EXPECT_EQ(2, canvas.pages());
        EXPECT_TRUE(canvas.findText("Miete"));
        EXPECT_TRUE(canvas.findText("Prognose"));

        // Each chart as a picture.
        for (const char *button : {"BMonatePNG", "BVerlaufPNG"}) {
            const QString png = dir.filePath(QString::fromLatin1(button) + u".png"_qs);
            ui.setNextFileName(png);
            Child<QPushButton>(window, button)->click();
            EXPECT_FALSE(QImage(png).isNull()) << button;
        }

        ui.clear();
        Child<QPushButton>(window, "BHilfe")->click();
        // The manual, or where it is expected when it is missing.
        ASSERT_EQ(1u, ui.shown().size());
        EXPECT_NE(ScriptedUiService::Kind::Failure, ui.shown()[0].kind);
    });
}

} // namespace
} // namespace penvaro::report
