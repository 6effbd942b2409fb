#include "printfixture.h"
#include "support/records.h"

#include "printing/bookingprintdialog.h"
#include "widgets/datepicker.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace penvaro::testing {
namespace {

template<typename T = QWidget>
T *child(const QWidget &window, const char *name) {
    auto *found = window.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void leave(QLineEdit *field) {
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(field, &focusOut);
}

class TDruckerDialogFTest : public PrintFixture {
protected:
    void SetUp() override {
        open({StartValue(100000), Completed(2011, 1, "03.01.2011", 20000),
              Completed(2011, 2, "10.02.2011", -5000), Planned("05.03.2011", -2500)});
    }
};

TEST_F(TDruckerDialogFTest, OpensWithItsDefaultsAndTheRangeOfTheBookings) {
    QString printerHint;
    onNextDialog([&](QDialog &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("TDruckerDialogF"));
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Daten Drucken ..."));
        auto *printers = child<QListWidget>(d, "ListBox1");
        EXPECT_EQ(printers->item(printers->count() - 1)->text(), QStringLiteral("PDF-Datei"));
        EXPECT_TRUE(printers->selectedItems().isEmpty());
        EXPECT_TRUE(child<QRadioButton>(d, "RBeuro")->isChecked());
        EXPECT_EQ(child<QRadioButton>(d, "RBnat")->text(), QStringLiteral("DM ausgegeben."));
        for (const char *name : {"CBG", "CBZ", "CBDateiname", "CBSeitenzahl", "CBAuszugsdaten",
                                 "CBAbsender", "CBVerwendungszweck", "CBKontostand"})
            EXPECT_TRUE(child<QCheckBox>(d, name)->isChecked()) << name;
        // The account keeps no booking dates by default.
        EXPECT_FALSE(child<QCheckBox>(d, "CBBuchungsdatum")->isChecked());
        EXPECT_EQ(child<widgets::DatePicker>(d, "DateTimePicker1")->date(), QDate(2011, 1, 3));
        EXPECT_EQ(child<widgets::DatePicker>(d, "DateTimePicker2")->date(), QDate(2011, 3, 5));
        EXPECT_EQ(child<QLineEdit>(d, "ETitel1")->text(),
                  QStringLiteral("Penvaro 2011 - Getätigte Buchungen"));
        EXPECT_EQ(child<QLineEdit>(d, "ETitel2")->text(),
                  QStringLiteral("Penvaro 2011 - Geplante Buchungen"));
        EXPECT_TRUE(child<QPushButton>(d, "Button2")->isDefault());
        for (const QLabel *label : d.findChildren<QLabel *>()) {
            if (label->buddy()) {
                EXPECT_FALSE(label->text().isEmpty());
            }
        }
    });
    commands.printBookingList();
    EXPECT_EQ(target.runs, 0);
}

TEST_F(TDruckerDialogFTest, OkPrintsTheListWithTheChosenTitlesAndStoresThem) {
    EXPECT_EQ(storedTitle("Titel1"), QStringLiteral("<fehlt>"));
    onNextDialog([&](QDialog &d) {
        child<QLineEdit>(d, "ETitel2")->setText(QStringLiteral("Daueraufträge"));
        click(d, "Button2");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    commands.printBookingList();

    ASSERT_EQ(target.runs, 1);
    const RecordingCanvas &c = target.canvas;
    EXPECT_TRUE(c.findText("Penvaro 2011 - Getätigte Buchungen"));
    EXPECT_TRUE(c.findText("Daueraufträge"));
    EXPECT_TRUE(c.findText("Startwert:"));
    EXPECT_TRUE(c.findText(state->currentFile().toStdString()));
    EXPECT_TRUE(c.findText("12,00 €")) << "the start value counts in the running balance";
    EXPECT_EQ(storedTitle("Titel1"), QStringLiteral("Penvaro 2011 - Getätigte Buchungen"));
    EXPECT_EQ(storedTitle("Titel2"), QStringLiteral("Daueraufträge"));

    onNextDialog([&](QDialog &d) {
        EXPECT_EQ(child<QLineEdit>(d, "ETitel2")->text(), QStringLiteral("Daueraufträge"));
    });
    commands.printBookingList();
}

TEST_F(TDruckerDialogFTest, AnEmptiedTitleIsStoredEmptyAndOpensAsTheDefault) {
    onNextDialog([&](QDialog &d) {
        auto *title = child<QLineEdit>(d, "ETitel1");
        title->clear();
        leave(title);
    });
    commands.printBookingList();
    EXPECT_EQ(storedTitle("Titel1"), QString());
    onNextDialog([&](QDialog &d) {
        EXPECT_EQ(child<QLineEdit>(d, "ETitel1")->text(),
                  QStringLiteral("Penvaro 2011 - Getätigte Buchungen"));
    });
    commands.printBookingList();
}

TEST_F(TDruckerDialogFTest, TheChoicesOfTheTablesDecideWhatIsPrinted) {
    struct Case {
        const char *name;
        bool completed;
        bool planned;
        QDate from;
        std::vector<std::pair<std::int32_t, QString>> errors;
        int runs;
        bool title1;
        bool title2;
    };
    const QString noTable = QStringLiteral("Keine Tabelle zum Drucken ausgewählt");
    const Case cases[] = {
        {"both", true, true, QDate(2011, 1, 3), {}, 1, true, true},
        {"none", false, false, QDate(2011, 1, 3), {{132, noTable}}, 0, false, false},
        {"no completed booking in the range", true, true, QDate(2011, 3, 1), {}, 1, false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ui.clear();
        target.runs = 0;
        target.canvas = RecordingCanvas();
        bool stayedOpen = false;
        onNextDialog([&](QDialog &d) {
            setChecked(d, "CBG", c.completed);
            setChecked(d, "CBZ", c.planned);
            child<widgets::DatePicker>(d, "DateTimePicker1")->setDate(c.from);
            click(d, "Button2");
            stayedOpen = d.isVisible();
        });
        commands.printBookingList();
        EXPECT_EQ(errors(), c.errors);
        EXPECT_EQ(stayedOpen, c.runs == 0);
        EXPECT_EQ(target.runs, c.runs);
        EXPECT_EQ(target.canvas.findText("Penvaro 2011 - Getätigte Buchungen").has_value(),
                  c.title1);
        EXPECT_EQ(target.canvas.findText("Penvaro 2011 - Geplante Buchungen").has_value(),
                  c.title2);
    }
}

TEST_F(TDruckerDialogFTest, TheAccountsSettingsUntickColumnsAndGreyThePlannedTable) {
    state->settings().showPlannedTable = false;
    state->settings().keepStatementData = false;
    state->settings().printBalanceColumn = false;
    onNextDialog([&](QDialog &d) {
        EXPECT_FALSE(child<QCheckBox>(d, "CBZ")->isEnabled());
        EXPECT_TRUE(child<QCheckBox>(d, "CBZ")->isChecked());
        EXPECT_FALSE(child<QLineEdit>(d, "ETitel2")->isEnabled());
        EXPECT_FALSE(child<QLabel>(d, "LTitel2")->isEnabled());
        EXPECT_FALSE(child<QCheckBox>(d, "CBAuszugsdaten")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(d, "CBKontostand")->isChecked());
        // Ticked by hand, the statement columns print from the records' own fields.
        setChecked(d, "CBAuszugsdaten", true);
        EXPECT_FALSE(child<QLineEdit>(d, "ETitel2")->isEnabled());
        setChecked(d, "CBG", false);
        EXPECT_FALSE(child<QLineEdit>(d, "ETitel1")->isEnabled());
        setChecked(d, "CBG", true);
        EXPECT_TRUE(child<QLineEdit>(d, "ETitel1")->isEnabled());
        click(d, "Button2");
    });
    commands.printBookingList();
    EXPECT_TRUE(target.canvas.findText("1 / 2011"));
    EXPECT_FALSE(target.canvas.findText("Konto-"));
    EXPECT_TRUE(target.canvas.findText("05.03.2011")) << "the planned table is still printed";
}

TEST_F(TDruckerDialogFTest, TheListIsPrintedAscendingAndTheUsersOrderComesBack) {
    state->settings().completedAscending = false;
    state->announceBookingChange();
    const auto before = UsedSlots(state->table());
    int bookingsChanged = 0;
    QObject::connect(state.get(), &platform::AppState::bookingsChanged, [&] { ++bookingsChanged; });
    onNextDialog([&](QDialog &d) {
        EXPECT_TRUE(state->settings().completedAscending);
        click(d, "Button2");
    });
    commands.printBookingList();

    ASSERT_TRUE(target.canvas.findText("10.02.2011"));
    EXPECT_GT(target.canvas.findText("03.01.2011")->y1, target.canvas.findText("10.02.2011")->y1);
    EXPECT_FALSE(state->settings().completedAscending);
    EXPECT_EQ(UsedSlots(state->table()), before);
    EXPECT_EQ(bookingsChanged, 1);
}

TEST_F(TDruckerDialogFTest, TheNationalCurrencyPrintsAmountsInDm) {
    onNextDialog([&](QDialog &d) {
        QTest::mouseClick(child<QRadioButton>(d, "RBnat"), Qt::LeftButton, {}, QPoint(4, 4));
        click(d, "Button2");
    });
    commands.printBookingList();
    EXPECT_TRUE(target.canvas.findText("3,91 DM")) << "2,00 € at 1,95583";
}

TEST_F(TDruckerDialogFTest, TheNationalCurrencyIsOfferedAndPrintedByItsStoredName) {
    state->settings().nationalCurrency = "CHF";
    onNextDialog([&](QDialog &d) {
        EXPECT_EQ(child<QRadioButton>(d, "RBnat")->text(), QStringLiteral("CHF ausgegeben."));
        QTest::mouseClick(child<QRadioButton>(d, "RBnat"), Qt::LeftButton, {}, QPoint(4, 4));
        click(d, "Button2");
    });
    commands.printBookingList();
    EXPECT_TRUE(target.canvas.findText("3,91 CHF"));
}

TEST_F(TDruckerDialogFTest, TypedDaysChooseTheRangeTwoDigitYearsIncluded) {
    onNextDialog([&](QDialog &d) {
        auto *to = child<widgets::DatePicker>(d, "DateTimePicker2");
        to->setFocus();
        to->selectAll();
        QTest::keyClicks(to, QStringLiteral("310111"));
        EXPECT_EQ(to->date(), QDate(2011, 1, 31)) << "typed counts before the field is left";
        click(d, "Button2");
    });
    commands.printBookingList();
    EXPECT_TRUE(target.canvas.findText("03.01.2011"));
    EXPECT_FALSE(target.canvas.findText("10.02.2011")) << "after the typed last day";
}

TEST(TDruckerDialogFWithoutStore, TitlesThatCannotBeReadOrStoredAreReported) {
    TestApp app(TestApp::Store::Unusable);
    QWidget parent;
    RecordingTarget target;
    printing::PrintCommands commands(*app.state, &parent, &target);
    app.state->settings().accountFile = app.accountPath(QStringLiteral("giro.p11")).string();
    app.ui.setNextModal([](QDialog &d) {
        EXPECT_EQ(d.findChild<QLineEdit *>(QStringLiteral("ETitel1"))->text(),
                  QStringLiteral("Penvaro 2011 - Getätigte Buchungen"));
        d.findChild<QPushButton *>(QStringLiteral("Button2"))->click();
        return d.result();
    });
    commands.printBookingList();
    std::vector<std::int32_t> codes;
    for (const auto &shown : app.ui.shown())
        if (shown.kind == ScriptedUiService::Kind::ErrorWindow)
            codes.push_back(shown.code);
    EXPECT_EQ(codes, (std::vector<std::int32_t>{131, 133}));
    EXPECT_EQ(target.runs, 1) << "the printout does not depend on stored titles";
}

} // namespace
} // namespace penvaro::testing
