#include "accountfixture.h"
#include "paintedtexts.h"
#include "support/records.h"
#include "tablecells.h"
#include "widgetlookup.h"

#include "evaluation/searchwindow.h"
#include "widgets/datepicker.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace penvaro::evaluation {
namespace {

using core::BookingRecord;
using penvaro::testing::Account;
using penvaro::testing::Child;
using penvaro::testing::ScriptedUiService;
using penvaro::testing::WithTexts;
using widgets::DatePicker;

constexpr std::int64_t Euro = 10000;

struct LedgerColumn {
    const char16_t *header;
    int width;
    Qt::Alignment alignment;
    // Where the ledger keeps the column's width; the first column keeps its own.
    std::int32_t core::Settings::*setting;
};

// The ledger's completed bookings with statement data and the balance column, as the main
// window lays them out, each width its own so that a copied width shows where it came from.
const std::vector<LedgerColumn> FullLedger = {
    {u"Auszugsnr.", 75, Qt::AlignHCenter, nullptr},
    {u"Auszugsdatum", 81, Qt::AlignHCenter, &core::Settings::statementWidth},
    {u"Wertdatum", 91, Qt::AlignHCenter, &core::Settings::valueDateWidth},
    {u"Art", 51, Qt::AlignHCenter, &core::Settings::kindWidth},
    {u"Absender/Empfänger", 151, Qt::AlignLeft, &core::Settings::partyWidth},
    {u"Verwendungszweck", 161, Qt::AlignLeft, &core::Settings::purposeWidth},
    {u"+/-", 27, Qt::AlignHCenter, &core::Settings::signWidth},
    {u"Betrag", 103, Qt::AlignRight, &core::Settings::amountWidth},
    {u"Kontostand", 111, Qt::AlignRight, &core::Settings::balanceWidth},
};

// The widths the user gave the ledger's columns, kept in the settings of the file.
void LayOut(core::Settings &settings, const std::vector<LedgerColumn> &columns) {
    for (const LedgerColumn &c : columns) {
        if (c.setting)
            settings.*c.setting = c.width;
    }
}

const ScriptedUiService::Shown NoFieldTicked{
    ScriptedUiService::Kind::Information,
    QStringLiteral("Bitte mindestens ein Feld ankreuzen, in dem der Suchbegriff gesucht werden "
                   "soll: Buchungsart, Absender/Empfänger oder Verwendungszweck.")};

class SearchWindowTest : public ::testing::Test, public Account {
protected:
    SearchWindowTest() { LayOut(state->settings(), FullLedger); }

    // Opens the window as the main window does and lets the test act in it.
    void Open(const std::function<void()> &user) {
        penvaro::testing::OnNextModal<SearchWindow>(ui, [&user](SearchWindow &) { user(); });
        window.showModal();
    }

    testing::TableCells Grid() {
        return testing::TableCells(*Child<QTableView>(window, "Stringgrid1"));
    }
    QStringList Row(int row) {
        QStringList texts;
        for (int col = 0; col < Grid().columnCount(); ++col)
            texts.append(Grid().cell(col, row));
        return texts;
    }
    // The purposes of the found bookings; an empty result shows a single empty row.
    QStringList FoundPurposes() {
        QStringList purposes;
        for (int row = 1; row < Grid().rowCount(); ++row) {
            if (Row(row) != QStringList(Grid().columnCount(), QString()))
                purposes.append(Grid().cell(5, row));
        }
        return purposes;
    }
    QString Sum(const char *name) { return penvaro::testing::TextOf(window, name); }
    // Clicks near the left edge, where radio buttons and check boxes have their box, however
    // wide the layout makes them.
    void Click(const char *name) {
        auto *button = Child<QAbstractButton>(window, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }
    DatePicker &Picker(const char *name) { return *Child<DatePicker>(window, name); }

    SearchWindow window{*state};
};

TEST_F(SearchWindowTest, OpensWithTheLedgersColumnsWithoutBalanceAndEveryCriterionReset) {
    struct Case {
        const char *what;
        bool balance;
        std::vector<LedgerColumn> ledgerColumns;
    };
    const std::vector<LedgerColumn> shortLedger(FullLedger.begin() + 2, FullLedger.end() - 1);
    const Case cases[] = {
        {"statement data and balance", true, FullLedger},
        {"neither", false, shortLedger},
    };
    state->settings().tableFontName = "DejaVu Sans";
    state->settings().tableFontSize = 11;
    state->settings().completedRowHeight = 23;
    open({testing::StartValue(0), testing::Completed(2011, 1, "03.02.2011"),
          testing::Planned("01.07.2011"), testing::Completed(2011, 2, "28.01.2011"),
          testing::Recurring(1, "01.01.2015")});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        state->settings().showBalanceColumn = c.balance;
        state->settings().keepStatementData = c.balance;
        LayOut(state->settings(), c.ledgerColumns);
        Open([&] {
            EXPECT_EQ(QStringLiteral("Auswertungen der Buchungen ..."), window.windowTitle());
            const std::size_t shown = c.ledgerColumns.size() - (c.balance ? 1 : 0);
            ASSERT_EQ(static_cast<int>(shown), Grid().columnCount());
            for (int col = 0; col < Grid().columnCount(); ++col) {
                const LedgerColumn &expected = c.ledgerColumns[static_cast<std::size_t>(col)];
                EXPECT_EQ(QString::fromUtf16(expected.header), Grid().cell(col, 0));
                // Wider only where the heading would be cut.
                const int heading = Grid().view().horizontalHeader()->sectionSizeHint(col);
                EXPECT_EQ(std::max(expected.width, heading), Grid().columnWidth(col));
                EXPECT_EQ(expected.alignment, Grid().alignment(col));
                EXPECT_EQ(Qt::Alignment(Qt::AlignHCenter), Grid().headerAlignment(col));
            }
            EXPECT_EQ(QStringLiteral("DejaVu Sans"), Grid().view().font().family());
            EXPECT_EQ(23, Grid().rowHeight());
            int columnsWidth = 0;
            for (const LedgerColumn &column : c.ledgerColumns)
                columnsWidth += column.width;
            EXPECT_GT(window.width(), columnsWidth - (c.balance ? 111 : 0))
                << "as wide as the ledger's columns";

            // The range of the completed and planned bookings, without start value and
            // recurring bookings.
            EXPECT_EQ(QDate(2011, 1, 28), Picker("Datevon").date());
            EXPECT_EQ(QDate(2011, 7, 1), Picker("Datebis").date());
            EXPECT_EQ(QStringLiteral("SUCHTEXT"), penvaro::testing::TextOf(window, "Suchstring"));
            EXPECT_TRUE(Child<QRadioButton>(window, "RBSuchstring")->isChecked());
            EXPECT_TRUE(Child<QRadioButton>(window, "RBmit")->isChecked());
            for (const char *field : {"CBBuchungsart", "CBAbsender", "CBVerwendung"})
                EXPECT_FALSE(Child<QCheckBox>(window, field)->isChecked()) << field;
            EXPECT_EQ(2, Grid().rowCount());

            Click("BSTART");
            EXPECT_EQ(2, Grid().rowCount()) << "no field ticked searches nothing";
            EXPECT_EQ(QStringList(Grid().columnCount(), QString()), Row(1));
            EXPECT_EQ(NoFieldTicked, messages().back()) << "and says so";
            EXPECT_TRUE(Sum("ESumme").isEmpty());
            // What this opening changes, the next one resets.
            Click("CBVerwendung");
            Click("RBexakt");
            Click("RBDatenbereich");
            Click("BSTART");
            EXPECT_EQ(3 + 1, Grid().rowCount());
        });
    }
    EXPECT_EQ(std::vector<ScriptedUiService::Shown>(2, NoFieldTicked), messages())
        << "once per opening";
}

TEST_F(SearchWindowTest, ASearchWordFindsEachBookingOnceByTheRulesOfItsMode) {
    const char *purposes[] = {"Miete", "miete",    "Miete Mai", "Monatsmiete Mai",
                              "MIETE", "Übertrag", "Straße 5"};
    std::vector<BookingRecord> records;
    for (const char *purpose : purposes) {
        const int number = static_cast<int>(records.size()) + 1;
        records.push_back(WithTexts(testing::Completed(2011, number, "01.03.2011", Euro), "ÜB",
                                    "Hausverwaltung", purpose));
    }
    records.push_back(WithTexts(testing::Planned("01.07.2011"), "Miete", "Miete", "Miete Juni"));
    records.push_back(WithTexts(testing::Recurring(1, "01.04.2011"), "Miete", "Miete", "Miete"));
    open(records);

    struct Case {
        const char *mode;
        QString word;
        std::vector<const char *> fields;
        QStringList found;
    };
    const Case cases[] = {
        {"RBexakt", QStringLiteral("Miete"), {"CBVerwendung"}, {QStringLiteral("Miete")}},
        {"RBmit",
         QStringLiteral("miete"),
         {"CBVerwendung"},
         {QStringLiteral("Miete"), QStringLiteral("miete"), QStringLiteral("Miete Mai"),
          QStringLiteral("Monatsmiete Mai"), QStringLiteral("MIETE"),
          QStringLiteral("Miete Juni")}},
        {"RBexakt",
         QStringLiteral("Miete"),
         {"CBBuchungsart", "CBAbsender", "CBVerwendung"},
         {QStringLiteral("Miete"), QStringLiteral("Miete Juni")}},
        {"RBmit", QStringLiteral("über"), {"CBVerwendung"}, {QStringLiteral("Übertrag")}},
        {"RBmit", QStringLiteral("strasse"), {"CBVerwendung"}, {}},
        {"RBmit", QStringLiteral("Hausverwaltung"), {"CBBuchungsart"}, {}},
        {"RBmit", QString(), {"CBVerwendung"}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode + (" " + c.word.toStdString()));
        Open([&] {
            penvaro::testing::Retype(Child(window, "Suchstring"), c.word);
            Click(c.mode);
            for (const char *field : c.fields)
                Click(field);
            Click("BSTART");
            EXPECT_EQ(c.found, FoundPurposes());
            EXPECT_EQ(c.found.isEmpty() ? 2 : c.found.size() + 1, Grid().rowCount());
        });
    }
}

TEST_F(SearchWindowTest, ARangeListsBothEndsTheStartValueAndTheSumsBookedAndPlannedApart) {
    open({testing::StartValue(500 * Euro), testing::Completed(2011, 1, "28.02.2011"),
          testing::Completed(2011, 2, "01.03.2011", 100 * Euro),
          testing::Completed(2011, 3, "15.03.2011", -300 * Euro),
          testing::Planned("31.03.2011", 50 * Euro), testing::Completed(2011, 4, "01.04.2011"),
          testing::Recurring(15, "15.03.2011")});
    Open([this] {
        Click("RBDatenbereich");
        Picker("Datevon").setDate(QDate(2011, 3, 1));
        Picker("Datebis").setDate(QDate(2011, 3, 31));
        Click("BSTART");
        ASSERT_EQ(4, Grid().rowCount()) << "heading and three bookings; the sums are below";
        EXPECT_EQ(
            (QStringList{QStringLiteral("2 / 2011"), QStringLiteral("01.03.2011"),
                         QStringLiteral("01.03.2011"), QStringLiteral("Abbuchung"),
                         QStringLiteral("Stadtwerke Köln"), QStringLiteral("Abschlag 01.03.2011"),
                         QStringLiteral("+"), QStringLiteral("100,00 €")}),
            Row(1));
        EXPECT_EQ(QStringLiteral("-"), Grid().cell(6, 2));
        EXPECT_EQ(QStringLiteral("300,00 €"), Grid().cell(7, 2)) << "the direction has the sign";
        EXPECT_EQ((QStringList{QString(), QString(), QStringLiteral("31.03.2011"),
                               QStringLiteral("Abbuchung"), QStringLiteral("Stadtwerke Köln"),
                               QStringLiteral("Abschlag 31.03.2011"), QStringLiteral("+"),
                               QStringLiteral("50,00 €")}),
                  Row(3))
            << "a planned booking has no statement data";
        const QAbstractItemModel &model = *Grid().view().model();
        for (int row = 0; row < 3; ++row) {
            SCOPED_TRACE(row);
            const bool planned = row == 2;
            EXPECT_EQ(planned, model.index(row, 3).data(Qt::FontRole).value<QFont>().italic());
            EXPECT_EQ(planned ? QStringLiteral("Geplante Buchung, noch nicht gebucht") : QString(),
                      model.index(row, 5).data(Qt::AccessibleDescriptionRole).toString());
        }
        EXPECT_EQ(QStringLiteral("3 Buchungen gefunden."),
                  penvaro::testing::TextOf(window, "LErgebnis"));
        EXPECT_EQ(QStringLiteral("-200,00 €"), Sum("ESummeGebucht"));
        EXPECT_EQ(QStringLiteral("50,00 €"), Sum("ESummeGeplant"));
        EXPECT_EQ(QStringLiteral("-150,00 €"), Sum("ESumme"));

        // Back to the start value's day: it shows as in the ledger and counts in the sum.
        Picker("Datevon").setDate(QDate(1960, 1, 1));
        Click("BSTART");
        EXPECT_EQ(
            (QStringList{QStringLiteral("Startwert"), QString(), QString(), QString(), QString(),
                         QString(), QStringLiteral("+"), QStringLiteral("500,00 €")}),
            Row(1));
        EXPECT_EQ(QStringLiteral("351,00 €"), Sum("ESumme"));
        EXPECT_EQ(QStringLiteral("301,00 €"), Sum("ESummeGebucht"));

        Picker("Datevon").setDate(QDate(2012, 1, 1));
        Picker("Datebis").setDate(QDate(2012, 12, 31));
        Click("BSTART");
        EXPECT_EQ(QStringLiteral("Keine Buchung gefunden."),
                  penvaro::testing::TextOf(window, "LErgebnis"));
        EXPECT_TRUE(Sum("ESumme").isEmpty());
    });
}

TEST_F(SearchWindowTest, AmountsShowToTheCentInTheChosenCurrencies) {
    struct Case {
        const char *what;
        bool euro;
        bool national;
        std::int64_t amount;
        QString shown;
    };
    const Case cases[] = {
        {"euro", true, false, 1234567800, QStringLiteral("123.456,78 €")},
        {"both", true, true, 100 * Euro, QStringLiteral("100,00 € = 195,58 DM")},
        {"national", false, true, 100 * Euro, QStringLiteral("195,58 DM")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        state->settings().amountsInEuro = c.euro;
        state->settings().amountsInNational = c.national;
        open({testing::Completed(2011, 1, "01.03.2011", c.amount)});
        Open([&] {
            Click("RBDatenbereich");
            Click("BSTART");
            EXPECT_EQ(c.shown, Grid().cell(7, 1));
            EXPECT_GT(Grid().columnWidth(7),
                      QFontMetrics(Grid().font(7)).horizontalAdvance(c.shown))
                << "the column widens rather than cut the amount";
            EXPECT_EQ(c.shown, Sum("ESumme"));
        });
    }
}

TEST_F(SearchWindowTest, TheDateRangeCriterionSwitchesTheWordControlsOff) {
    open({testing::Completed(2011, 1, "01.03.2011")});
    Open([this] {
        const char *wordControls[] = {"Suchstring",    "RBmit",      "RBexakt",
                                      "CBBuchungsart", "CBAbsender", "CBVerwendung"};
        for (const bool byRange : {true, false}) {
            SCOPED_TRACE(byRange ? "range" : "word");
            Click(byRange ? "RBDatenbereich" : "RBSuchstring");
            for (const char *name : wordControls)
                EXPECT_EQ(!byRange, Child(window, name)->isEnabled()) << name;
            for (const QString &sentence : {QStringLiteral("als"), QStringLiteral("haben.")}) {
                const auto labels = window.findChildren<QLabel *>();
                const auto label = std::find_if(labels.begin(), labels.end(),
                                                [&](QLabel *l) { return l->text() == sentence; });
                ASSERT_NE(labels.end(), label);
                EXPECT_EQ(!byRange, (*label)->isVisible()) << sentence.toStdString();
            }
            EXPECT_TRUE(Picker("Datevon").isEnabled());
            EXPECT_TRUE(Picker("Datebis").isEnabled());
        }
    });
}

TEST_F(SearchWindowTest, StartSaysMomentWhileSearchingAndPrintingTakesTheCriteriaAsTheyStand) {
    open({testing::Completed(2011, 1, "01.03.2011")});
    Open([this] {
        auto *start = Child<QPushButton>(window, "BSTART");
        const penvaro::testing::PaintedTexts painted(*start);
        Click("RBDatenbereich");
        Click("BSTART");
        EXPECT_TRUE(std::ranges::any_of(painted.painted(), [](const auto &shown) {
            return shown.text == QStringLiteral("Moment");
        }));
        EXPECT_EQ(QStringLiteral("START"), start->text());
        EXPECT_EQ(1 + 1, Grid().rowCount());

        // Enter in the word field searches too.
        Click("RBSuchstring");
        Click("CBVerwendung");
        penvaro::testing::Retype(Child(window, "Suchstring"), QStringLiteral("nichts"));
        QTest::keyClick(Child(window, "Suchstring"), Qt::Key_Return);
        EXPECT_EQ(QStringList{}, FoundPurposes());
        EXPECT_EQ(QStringLiteral("Keine Buchung gefunden."),
                  penvaro::testing::TextOf(window, "LErgebnis"));
        EXPECT_TRUE(window.isVisible());

        auto *print = Child<QPushButton>(window, "BDrucken");
        EXPECT_EQ(QStringLiteral("Auswertung auf dem Drucker starten"), print->toolTip());
        std::vector<core::SearchMode> printed;
        const auto connection = QObject::connect(
            &window, &SearchWindow::printRequested,
            [&](const core::SearchCriteria &criteria) { printed.push_back(criteria.mode); });
        Click("RBSuchstring");
        Click("BDrucken");
        QObject::disconnect(connection);
        EXPECT_EQ(std::vector<core::SearchMode>{core::SearchMode::Containing}, printed);

        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
    });
}

} // namespace
} // namespace penvaro::evaluation
