#include "appfixture.h"
#include "widgetlookup.h"

#include "app/startdialog.h"
#include "options/optionsdialog.h"
#include "platform/settingsstore.h"
#include "platform/startpassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace penvaro::options {
namespace {

using testing::Child;
using testing::OnNextModal;
using testing::Retype;
using Shown = testing::ScriptedUiService::Shown;
using Kind = testing::ScriptedUiService::Kind;

const QString differentPasswords =
    QStringLiteral("Bitte geben Sie in beiden Feldern exakt das gleiche Passwort ein!");

const QStringList pageNames = {
    QStringLiteral("TSWaehrungZinsen"), QStringLiteral("TSStartbild"),
    QStringLiteral("TSAuszugsdaten"),   QStringLiteral("TSKontostand"),
    QStringLiteral("TSSummen"),         QStringLiteral("TSGetaetigt"),
    QStringLiteral("TSGeplant"),        QStringLiteral("TSFormulardrucker"),
    QStringLiteral("TSPasswort"),       QStringLiteral("TSSortierung")};

QStringList PageNames(const QWidget &dialog) {
    QStringList names;
    const auto *stack = Child<QStackedWidget>(dialog, "PageControl1");
    for (int i = 0; i < stack->count(); ++i)
        names << stack->widget(i)->objectName();
    return names;
}

QListWidget *Pages(const QWidget &dialog) {
    return Child<QListWidget>(dialog, "LBSeiten");
}

// Chooses a page in the list as the user does.
void ShowPage(const QWidget &dialog, int row) {
    Pages(dialog)->setCurrentRow(row);
}

void ShowPage(const QWidget &dialog, const QString &caption) {
    const QList<QListWidgetItem *> found = Pages(dialog)->findItems(caption, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << caption.toStdString();
    Pages(dialog)->setCurrentItem(found.front());
}

QString PageShown(const QWidget &dialog) {
    return Pages(dialog)->currentItem()->text();
}

std::string StoredPasswordOf(const char16_t *password) {
    return platform::HashStartPassword(QString::fromUtf16(password)).value();
}

void Click(const QWidget &window, const char *name) {
    QTest::mouseClick(Child<QAbstractButton>(window, name), Qt::LeftButton);
}

// The dialog of a program with an open account file, run as the user would run it.
class OptionsTest : public testing::AppFixture {
protected:
    OptionsTest() { state->settings().accountFile = file.string(); }

    // Opens the dialog, lets the user act on it and returns how it was closed: Accepted by
    // "OK", Rejected by anything else (the helper closes a dialog left open).
    int run(std::function<void(OptionsDialog &)> user) {
        OnNextModal<OptionsDialog>(ui, std::move(user));
        return dialog.showModal(true);
    }

    std::optional<platform::RegistryValue> stored(const QString &name, bool ofFile = true) {
        const QString key = ofFile ? platform::FileSettingsKey(
                                *store, QString::fromStdString(state->settings().accountFile))
                                   : platform::ProductKey();
        auto value = store->value(key, name);
        return value ? *value : std::nullopt;
    }

    std::filesystem::path file = accountPath(QStringLiteral("giro.p11"));
    OptionsDialog dialog{*state};
};

TEST_F(OptionsTest, OpensWithTheSettingsInTheirShownFormOnThePrinterPageFirst) {
    run([](OptionsDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Optionen"));
        QStringList captions;
        for (int i = 0; i < Pages(d)->count(); ++i)
            captions << Pages(d)->item(i)->text();
        EXPECT_EQ(captions,
                  (QStringList{
                      QStringLiteral("Währung/Zinsen"), QStringLiteral("Startbildschirm"),
                      QStringLiteral("Auszugs-/Buchungsdaten"), QStringLiteral("Kontostand"),
                      QStringLiteral("Summen"), QStringLiteral("\"Getätigte Buchungen\""),
                      QStringLiteral("\"Geplante Buchungen\""), QStringLiteral("Formulardrucker"),
                      QStringLiteral("Passwort"), QStringLiteral("Sortierung")}));
        EXPECT_EQ(PageShown(d), QStringLiteral("Formulardrucker"));
        EXPECT_EQ(PageNames(d), pageNames) << "the pages keep their names";

        const std::pair<const char *, QString> fields[] = {
            {"EZinsen", QStringLiteral("2,00")},
            {"ESollzinsen", QStringLiteral("9,00")},
            {"EWaehrung", QStringLiteral("DM")},
            {"EEurokurs", QStringLiteral("1,955830")},
            {"EStartbild", QStringLiteral("3")},
            {"EZeilenabGet", QStringLiteral("18")},
            {"EZeilenabGep", QStringLiteral("18")},
            {"EHorKorr", QStringLiteral("0")},
            {"EVerKorr", QStringLiteral("0")},
            {"EPW1", QString()},
            {"EPW2", QString()},
        };
        for (const auto &[name, text] : fields)
            EXPECT_EQ(testing::TextOf(d, name), text) << name;
        EXPECT_EQ(Child<QLabel>(d, "LWaehrung")->text(), QStringLiteral("DM"));

        for (const char *checked :
             {"RBAuszugsdatAn", "RBBuchungsdatAus", "RBKontostTabAn", "RBKontostDruAn",
              "RBSummeGetAn", "RBSummeGepAn", "RBSortGetAuf", "RBTabGepan", "RBSortGepAuf",
              "RBPWaus", "RBSortByAuszugsnr"})
            EXPECT_TRUE(Child<QRadioButton>(d, checked)->isChecked()) << checked;
        EXPECT_TRUE(Child<QWidget>(d, "PPasswort")->isHidden());

        // Every input is reached by its label.
        for (QLineEdit *edit : d.findChildren<QLineEdit *>()) {
            bool labelled = false;
            for (const QLabel *label : d.findChildren<QLabel *>())
                labelled |= label->buddy() == edit;
            EXPECT_TRUE(labelled) << edit->objectName().toStdString();
        }
    });
}

TEST_F(OptionsTest, OkReadsEachFieldOrReportsItsNumberAndStaysOpen) {
    struct Case {
        const char *field;
        QString typed;
        std::int32_t code; // 0: accepted, the dialog closes
        QString message;
        std::function<void(const core::Settings &)> check;
    };
    const Case cases[] = {
        {"EZinsen",
         QStringLiteral("2,5"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.creditInterestRate, 2.5); }},
        {"EZinsen", QStringLiteral("2.5"), 371, QStringLiteral("Ungültiger Zinssatz: 2.5"),
         [](const core::Settings &s) { EXPECT_EQ(s.creditInterestRate, 2.0); }},
        {"ESollzinsen", QStringLiteral("zehn"), 379999, QStringLiteral("Ungültiger Zinssatz: zehn"),
         [](const core::Settings &s) { EXPECT_EQ(s.debitInterestRate, 9.0); }},
        {"ESollzinsen",
         QStringLiteral("-1"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.debitInterestRate, -1.0); }},
        {"EEurokurs",
         QStringLiteral("13,7603"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.nationalPerEuro, 13.7603); }},
        {"EEurokurs", QStringLiteral("1.955,83"), 9999,
         QStringLiteral("Ungültiger Betrag: 1.955,83"),
         [](const core::Settings &s) { EXPECT_EQ(s.nationalPerEuro, 1.95583); }},
        {"EEurokurs", QStringLiteral("1e999"), 9999, QStringLiteral("Ungültiger Betrag: 1e999"),
         [](const core::Settings &s) { EXPECT_EQ(s.nationalPerEuro, 1.95583); }},
        {"EStartbild",
         QStringLiteral("0"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.startScreenSeconds, 0); }},
        {"EStartbild", QStringLiteral("2,5"), 372, QStringLiteral("Ungültiger Anzeigedauer: 2,5"),
         [](const core::Settings &s) { EXPECT_EQ(s.startScreenSeconds, 3); }},
        {"EHorKorr",
         QStringLiteral("-15"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.printOffsetX, -15); }},
        {"EHorKorr", QStringLiteral("1,5"), 990,
         QStringLiteral("Ungültiger Eingabewert: 1,5. Bitte nur ganze Zahlen eingeben!"),
         [](const core::Settings &s) { EXPECT_EQ(s.printOffsetX, 0); }},
        {"EVerKorr", QStringLiteral("99999999999"), 991,
         QStringLiteral("Ungültiger Eingabewert: 99999999999. Bitte nur ganze Zahlen eingeben!"),
         [](const core::Settings &s) { EXPECT_EQ(s.printOffsetY, 0); }},
        {"EZeilenabGet",
         QStringLiteral("abc"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.completedRowHeight, 18); }},
        {"EZeilenabGep",
         QStringLiteral("25"),
         0,
         {},
         [](const core::Settings &s) {
             EXPECT_EQ(s.plannedRowHeight, 25);
             EXPECT_EQ(s.completedRowHeight, 18);
         }},
        {"EWaehrung",
         QStringLiteral("ATS"),
         0,
         {},
         [](const core::Settings &s) { EXPECT_EQ(s.nationalCurrency, "ATS"); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.typed.toStdString());
        testing::TestApp app;
        app.state->settings().accountFile = app.accountPath(QStringLiteral("giro.p11")).string();
        OptionsDialog d(*app.state);
        OnNextModal<OptionsDialog>(app.ui, [&](OptionsDialog &shown) {
            ShowPage(shown, 0);
            Retype(Child<QWidget>(shown, c.field), c.typed);
            Click(shown, "SBOK");
            EXPECT_EQ(shown.isVisible(), c.code != 0);
        });
        const int result = d.showModal(true);

        EXPECT_EQ(result, c.code == 0 ? QDialog::Accepted : QDialog::Rejected);
        const std::vector<Shown> expected =
            c.code == 0 ? std::vector<Shown>{}
                        : std::vector<Shown>{{Kind::ErrorWindow, c.message, c.code}};
        EXPECT_EQ(app.messages(), expected);
        c.check(app.state->settings());
        // What is in memory is what was saved.
        app.state->settingsStore().load();
        c.check(app.state->settings());
    }
}

TEST_F(OptionsTest, EveryErrorIsShownInOrderWhileEverythingReadableIsStoredAndSaved) {
    run([](OptionsDialog &d) {
        Retype(Child<QWidget>(d, "EHorKorr"), QStringLiteral("x"));
        Retype(Child<QWidget>(d, "EVerKorr"), QStringLiteral("y"));
        ShowPage(d, 0);
        Retype(Child<QWidget>(d, "ESollzinsen"), QStringLiteral("s"));
        Retype(Child<QWidget>(d, "EZinsen"), QStringLiteral("z"));
        Retype(Child<QWidget>(d, "EEurokurs"), QStringLiteral("e"));
        Retype(Child<QWidget>(d, "EWaehrung"), QStringLiteral("ATS"));
        ShowPage(d, 1);
        Retype(Child<QWidget>(d, "EStartbild"), QStringLiteral("t"));
        Click(d, "RBSummeGetAus");
        Click(d, "SBOK");
        EXPECT_TRUE(d.isVisible());
    });

    std::vector<std::int32_t> codes;
    for (const Shown &shown : messages())
        codes.push_back(shown.code);
    EXPECT_EQ(codes, (std::vector<std::int32_t>{9999, 371, 379999, 372, 990, 991}));
    EXPECT_EQ(stored(QStringLiteral("Waehrung")), platform::RegistryValue(QStringLiteral("ATS")));
    EXPECT_EQ(stored(QStringLiteral("SummeGan"), false), platform::RegistryValue(0));
    EXPECT_EQ(state->settings().creditInterestRate, 2.0);
}

TEST_F(OptionsTest, ARateNotRetypedKeepsItsFullPrecision) {
    state->settings().nationalPerEuro = 1.9558312345;
    state->settings().creditInterestRate = 2.125;
    run([](OptionsDialog &d) {
        EXPECT_EQ(testing::TextOf(d, "EEurokurs"), QStringLiteral("1,955831"));
        Click(d, "SBOK");
    });
    EXPECT_EQ(state->settings().nationalPerEuro, 1.9558312345);
    EXPECT_EQ(state->settings().creditInterestRate, 2.125);
}

TEST_F(OptionsTest, DifferentPasswordsOnOkBringThePasswordPageAndKeepTheStoredOne) {
    const std::string old = StoredPasswordOf(u"ALT");
    state->settings().storedPassword = old;
    run([](OptionsDialog &d) {
        ShowPage(d, 1);
        Retype(Child<QWidget>(d, "EStartbild"), QStringLiteral("5"));
        ShowPage(d, QStringLiteral("Passwort"));
        Click(d, "RBPWan");
        Retype(Child<QLineEdit>(d, "EPW1"), QStringLiteral("neu"));
        Child<QLineEdit>(d, "EPW2")->setText(QStringLiteral("NEX"));
        Click(d, "SBOK");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(PageShown(d), QStringLiteral("Passwort"));
    });

    EXPECT_EQ(messages(), (std::vector<Shown>{{Kind::Information, differentPasswords}}));
    EXPECT_EQ(state->settings().storedPassword, old);
    EXPECT_EQ(stored(QStringLiteral("StartB"), false), platform::RegistryValue(5))
        << "the other settings are saved all the same";
    EXPECT_EQ(stored(QStringLiteral("Autospeichern"), false), platform::RegistryValue(1));
}

TEST_F(OptionsTest, DifferentPasswordsAreCaughtOnLeavingTheControlFieldAndOnSwitchingPages) {
    run([this](OptionsDialog &d) {
        ShowPage(d, QStringLiteral("Passwort"));
        Click(d, "RBPWan");
        Retype(Child<QLineEdit>(d, "EPW1"), QStringLiteral("eins"));
        Retype(Child<QLineEdit>(d, "EPW2"), QStringLiteral("zwei"));
        QTest::keyClick(Child<QLineEdit>(d, "EPW2"), Qt::Key_Tab);
        QTRY_COMPARE(messages().size(), std::size_t{1});
        EXPECT_EQ(PageShown(d), QStringLiteral("Passwort"));

        ShowPage(d, 0);
        EXPECT_EQ(PageShown(d), QStringLiteral("Passwort"));
    });
    EXPECT_EQ(messages(), (std::vector<Shown>{{Kind::Information, differentPasswords},
                                              {Kind::Information, differentPasswords}}));
    EXPECT_TRUE(state->settings().storedPassword.empty());
}

TEST_F(OptionsTest, AgreeingPasswordsAreTakenOverInUpperCaseAndNeverShownAgain) {
    run([](OptionsDialog &d) {
        ShowPage(d, QStringLiteral("Passwort"));
        Click(d, "RBPWan");
        EXPECT_FALSE(Child<QWidget>(d, "PPasswort")->isHidden());
        Retype(Child<QLineEdit>(d, "EPW1"), QStringLiteral("geheim 7€ß"));
        Retype(Child<QLineEdit>(d, "EPW2"), QStringLiteral("GEHEIM 7SS"));
        EXPECT_EQ(Child<QLineEdit>(d, "EPW1")->text(), QStringLiteral("GEHEIM 7SS"))
            << "upper case, and no character whose stored form could not be kept";
        EXPECT_EQ(Child<QLineEdit>(d, "EPW1")->displayText(), QString(10, u'*'));
        // Taken over on leaving the page already, so that "Abbrechen" keeps it.
        ShowPage(d, 0);
        Click(d, "SBAbbrechen");
    });
    const std::string taken = state->settings().storedPassword;
    EXPECT_TRUE(platform::StartPasswordMatches(taken, QStringLiteral("GEHEIM 7SS"))) << taken;
    EXPECT_EQ(std::string::npos, taken.find("GEHEIM")) << "only its hash is kept";
    EXPECT_FALSE(state->settings().passwordRequired) << "the switch is read by OK only";

    // Opened again, the fields are empty with a note; left empty, they keep the password.
    run([](OptionsDialog &d) {
        ShowPage(d, QStringLiteral("Passwort"));
        Click(d, "RBPWan");
        EXPECT_EQ(Child<QLineEdit>(d, "EPW1")->text(), QString());
        EXPECT_EQ(Child<QLineEdit>(d, "EPW2")->text(), QString());
        EXPECT_TRUE(Child<QLabel>(d, "LPWGesetzt")->isVisible());
        Click(d, "SBOK");
    });
    EXPECT_EQ(state->settings().storedPassword, taken);
    EXPECT_EQ(stored(QStringLiteral("Tabellenformat"), false),
              platform::RegistryValue(QString::fromStdString(taken)));

    // The start window asks for the password as it was set.
    state->settingsStore().load();
    app::StartDialog start(0, true, QString::fromStdString(state->settings().storedPassword));
    testing::ShowActive(start);
    Retype(Child<QWidget>(start, "Edit1"), QStringLiteral("geheim 7ss"));
    Click(start, "Button1");
    EXPECT_EQ(start.result(), QDialog::Accepted);
}

TEST_F(OptionsTest, StatementDataOffAllowsOnlyTheValueDateOrder) {
    run([](OptionsDialog &d) {
        Click(d, "RBSortByAuszugsdat");
        Click(d, "RBAuszugsdatAus");
        EXPECT_FALSE(Child<QRadioButton>(d, "RBSortByAuszugsnr")->isEnabled());
        EXPECT_FALSE(Child<QRadioButton>(d, "RBSortByAuszugsdat")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "RBSortByWertdat")->isChecked());
        Click(d, "RBSortGepAb");
        Click(d, "SBOK");
    });
    EXPECT_EQ(state->settings().completedOrder, "wd");
    EXPECT_FALSE(state->settings().keepStatementData);
    EXPECT_TRUE(state->settings().completedAscending);
    EXPECT_FALSE(state->settings().plannedAscending) << "each table has its own order";

    run([](OptionsDialog &d) {
        EXPECT_FALSE(Child<QRadioButton>(d, "RBSortByAuszugsnr")->isEnabled()) << "as stored";
        Click(d, "RBAuszugsdatAn");
        EXPECT_TRUE(Child<QRadioButton>(d, "RBSortByAuszugsnr")->isEnabled());
        EXPECT_TRUE(Child<QRadioButton>(d, "RBSortByAuszugsnr")->isChecked());
        Click(d, "SBOK");
    });
    EXPECT_EQ(state->settings().completedOrder, "normal");
}

TEST_F(OptionsTest, TheCurrencyLabelFollowsTheNameAsTyped) {
    run([](OptionsDialog &d) {
        ShowPage(d, 0);
        Retype(Child<QWidget>(d, "EWaehrung"), QStringLiteral("ATS"));
        EXPECT_EQ(Child<QLabel>(d, "LWaehrung")->text(), QStringLiteral("ATS"));
    });
    EXPECT_EQ(state->settings().nationalCurrency, "DM") << "cancelled";
}

TEST_F(OptionsTest, CancelReadsNoControlButKeepsAChosenFont) {
    ui.setNextFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    for (const bool escape : {false, true}) {
        run([escape](OptionsDialog &d) {
            ShowPage(d, 1);
            Retype(Child<QWidget>(d, "EStartbild"), QStringLiteral("9"));
            Click(d, "SpeedButton2");
            if (escape)
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                Click(d, "SBAbbrechen");
            EXPECT_FALSE(d.isVisible());
        });
    }
    EXPECT_EQ(state->settings().startScreenSeconds, 3);
    EXPECT_EQ(state->settings().tableFontName, "DejaVu Sans");
    EXPECT_EQ(state->settings().tableFontSize, 12);
    const std::vector<Shown> fonts{{Kind::Font, QStringLiteral("Arial 9")},
                                   {Kind::Font, QStringLiteral("DejaVu Sans 12")}};
    std::vector<Shown> offered;
    for (const Shown &shown : ui.shown())
        if (shown.kind == Kind::Font)
            offered.push_back(shown);
    EXPECT_EQ(offered, fonts) << "the second chooser, cancelled, starts with the chosen font";
}

TEST_F(OptionsTest, TheDialogOpensOnThePageItWasClosedOn) {
    run([](OptionsDialog &d) { ShowPage(d, 3); });
    run([](OptionsDialog &d) { EXPECT_EQ(PageShown(d), QStringLiteral("Kontostand")); });
}

TEST_F(OptionsTest, WithoutAnAccountFileItsValuesAreGreyedOutWithANoteAndNotRead) {
    state->settings().accountFile.clear();
    // One control of each group: whether it can be changed, and the page that shows it.
    const std::tuple<const char *, bool, int> controls[] = {
        {"EZinsen", false, 0},        {"EEurokurs", false, 0},       {"EStartbild", true, 1},
        {"RBAuszugsdatAn", false, 2}, {"RBBuchungsdatAn", false, 2}, {"RBKontostTabAn", false, 3},
        {"RBKontostDruAn", false, 3}, {"RBSummeGetAn", true, 4},     {"RBSummeGepAn", true, 4},
        {"EZeilenabGet", true, 5},    {"RBSortGetAuf", false, 5},    {"RBTabGepan", false, 6},
        {"EZeilenabGep", true, 6},    {"RBSortGepAuf", false, 6},    {"EHorKorr", true, 7},
        {"EVerKorr", true, 7},        {"RBPWan", true, 8},           {"RBSortByWertdat", false, 9},
    };
    OnNextModal<OptionsDialog>(ui, [&](OptionsDialog &d) {
        for (const auto &[name, changeable, page] : controls) {
            ShowPage(d, page);
            EXPECT_EQ(Child<QWidget>(d, name)->isEnabled(), changeable) << name;
            // The note stands beside every page with a value it cannot change.
            if (!changeable) {
                EXPECT_TRUE(Child<QLabel>(d, "LKontodatei")->isVisible()) << name;
            }
        }
        for (const int page : {1, 4, 7, 8}) {
            ShowPage(d, page);
            EXPECT_FALSE(Child<QLabel>(d, "LKontodatei")->isVisible()) << page;
        }
        // What a greyed-out field holds is no value of an account file.
        Child<QLineEdit>(d, "EZinsen")->setText(QStringLiteral("x"));
        Child<QLineEdit>(d, "EWaehrung")->setText(QStringLiteral("ATS"));
        ShowPage(d, 1);
        Retype(Child<QWidget>(d, "EStartbild"), QStringLiteral("7"));
        Click(d, "SBOK");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(dialog.showModal(false), QDialog::Accepted);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(state->settings().startScreenSeconds, 7);
    EXPECT_EQ(stored(QStringLiteral("StartB"), false), platform::RegistryValue(7));
    EXPECT_EQ(state->settings().nationalCurrency, "DM");
    EXPECT_EQ(state->settings().creditInterestRate, 2.0);

    // Once an account file is open, the same dialog lets them be changed again.
    state->settings().accountFile = file.string();
    run([](OptionsDialog &d) {
        ShowPage(d, 0);
        EXPECT_TRUE(Child<QWidget>(d, "EZinsen")->isEnabled());
        EXPECT_FALSE(Child<QLabel>(d, "LKontodatei")->isVisible());
        EXPECT_EQ(testing::TextOf(d, "EZinsen"), QStringLiteral("2,00"));
    });
}

TEST_F(OptionsTest, EveryPageIsReachedFromTheKeyboard) {
    run([](OptionsDialog &d) {
        QListWidget *pages = Pages(d);
        ShowPage(d, 0);
        pages->setFocus();
        QStringList shown;
        for (int i = 0; i < pages->count(); ++i) {
            shown << Child<QStackedWidget>(d, "PageControl1")->currentWidget()->objectName();
            QTest::keyClick(pages, Qt::Key_Down);
        }
        EXPECT_EQ(shown, pageNames);
    });
}

} // namespace
} // namespace penvaro::options
