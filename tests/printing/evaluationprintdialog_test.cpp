#include "printfixture.h"
#include "support/records.h"

#include "printing/evaluationprintdialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace penvaro::testing {
namespace {

core::SearchCriteria search(core::SearchMode mode, const char *word) {
    return {mode, word, {true, true, true}, Day("01.01.2011"), Day("31.12.2011")};
}

class TAuswertDruckenDialogFTest : public PrintFixture {
protected:
    void SetUp() override {
        open({Completed(2011, 1, "03.01.2011", 20000, "Miete Januar"),
              Planned("05.03.2011", -2500)});
    }
};

TEST_F(TAuswertDruckenDialogFTest, PrintsTheFoundBookingsWithItsOwnTitles) {
    onNextDialog([&](QDialog &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("TAuswertDruckenDialogF"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Drucken einer erstellten Auswertung"));
        EXPECT_TRUE(d.findChild<QRadioButton *>(QStringLiteral("RBeuro"))->isChecked());
        auto *title = d.findChild<QLineEdit *>(QStringLiteral("ETitel1"));
        EXPECT_EQ(title->text(), QStringLiteral("Penvaro 2011 - Getätigte Buchungen"));
        title->setText(QStringLiteral("Mieten 2011"));
        click(d, "Button2");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    commands.printEvaluation(search(core::SearchMode::Containing, "miete"));

    ASSERT_EQ(target.runs, 1);
    EXPECT_TRUE(target.canvas.findText("Mieten 2011"));
    EXPECT_TRUE(target.canvas.findText("Miete Januar"));
    EXPECT_FALSE(target.canvas.findText("05.03.2011"));
    EXPECT_EQ(storedTitle("Titel1"), QStringLiteral("<fehlt>")) << "its titles are not stored";
}

TEST_F(TAuswertDruckenDialogFTest, NothingFoundIsReportedByTheRuleOfTheSearch) {
    struct Case {
        core::SearchMode mode;
        std::int32_t code;
    };
    for (const Case &c :
         {Case{core::SearchMode::Exact, 531}, Case{core::SearchMode::Containing, 532},
          Case{core::SearchMode::DateRange, 532}}) {
        ui.clear();
        auto criteria = search(c.mode, "Versicherung");
        criteria.from = criteria.to = Day("01.01.2010");
        onNextDialog([&](QDialog &d) { click(d, "Button2"); });
        commands.printEvaluation(criteria);
        EXPECT_EQ(errors(), (std::vector<std::pair<std::int32_t, QString>>{
                                {c.code, QStringLiteral("Keine Daten zum Ausdrucken gefunden!")}}));
    }
    EXPECT_EQ(target.runs, 0);
}

TEST_F(TAuswertDruckenDialogFTest, ColumnsComeFromTheBookingPrintDialogAndTheCurrencyStays) {
    onNextDialog([&](QDialog &d) {
        setChecked(d, "CBVerwendungszweck", false);
        click(d, "Button3");
    });
    commands.printBookingList();
    onNextDialog([&](QDialog &d) {
        QTest::mouseClick(d.findChild<QRadioButton *>(QStringLiteral("RBnat")), Qt::LeftButton, {},
                          QPoint(4, 4));
        click(d, "Button2");
    });
    commands.printEvaluation(search(core::SearchMode::DateRange, ""));

    EXPECT_FALSE(target.canvas.findText("Miete Januar"));
    EXPECT_TRUE(target.canvas.findText("3,91 DM"));
    onNextDialog([&](QDialog &d) {
        EXPECT_TRUE(d.findChild<QRadioButton *>(QStringLiteral("RBnat"))->isChecked());
    });
    commands.printEvaluation(search(core::SearchMode::DateRange, ""));
}

TEST(TAuswertDruckenDialogFWithoutStore, TitlesThatCannotBeReadAreReported) {
    TestApp app(TestApp::Store::Unusable);
    QWidget parent;
    RecordingTarget target;
    printing::PrintCommands commands(*app.state, &parent, &target);
    commands.printEvaluation(search(core::SearchMode::DateRange, ""));
    ASSERT_FALSE(app.ui.shown().empty());
    EXPECT_EQ(app.ui.shown().front().code, 533);
    EXPECT_EQ(app.ui.shown().front().text, QStringLiteral("Registry-Fehler"));
}

} // namespace
} // namespace penvaro::testing
