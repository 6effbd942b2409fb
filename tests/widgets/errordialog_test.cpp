#include "scripteduiservice.h"
#include "widgets/desktopuiservice.h"
#include "widgets/errordialog.h"
#include "widgets/manual.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace penvaro::widgets {
namespace {

using testing::ScriptedUiService;

template<typename T>
T *Child(const QWidget &parent, const char *name) {
    auto *child = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

class ErrorDialogTest : public ::testing::Test {
protected:
    void TearDown() override { QFile::remove(ManualPath()); }

    ScriptedUiService ui;
    ErrorDialog window{ui};
};

TEST_F(ErrorDialogTest, ShowsTheNumberAndTheTextWithTheFixedCaptions) {
    window.setError(348, QStringLiteral("Keine Daten eingegeben"));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fehlermeldung"));
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(224, 224, 224));
    EXPECT_EQ(Child<QLabel>(window, "Label2")->text(), QStringLiteral("Fehlernummer:"));
    EXPECT_EQ(Child<QLabel>(window, "STNr")->text(), QStringLiteral("348"));
    EXPECT_EQ(Child<QLabel>(window, "STNr")->toolTip(),
              QStringLiteral("Hier wird eine individuelle Fehlernummer angezeigt, die Sie uns "
                             "bitte bei Fragen mitteilen!"));
    EXPECT_EQ(Child<QLabel>(window, "LArt")->text(), QStringLiteral("Keine Daten eingegeben"));
    EXPECT_EQ(Child<QPushButton>(window, "SpeedButton1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(Child<QPushButton>(window, "SpeedButton3")->text(), QStringLiteral("Hilfe aufrufen"));
    EXPECT_EQ(Child<QPushButton>(window, "SpeedButton3")->toolTip(),
              QStringLiteral("Hier können Sie die Hilfe aufrufen"));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(ErrorDialogTest, AScreenReaderHearsTheNumberItself) {
    window.setError(164, QStringLiteral("Unzulässiger Betrag: 12a"));
    QAccessibleInterface *number =
        QAccessible::queryAccessibleInterface(Child<QLabel>(window, "STNr"));
    ASSERT_NE(number, nullptr);
    EXPECT_TRUE(number->text(QAccessible::Name).contains(QStringLiteral("164")))
        << number->text(QAccessible::Name).toStdString();
}

TEST_F(ErrorDialogTest, ShowsTheTextAsTypedNeverAsMarkup) {
    window.setError(165, QStringLiteral("Ungültiger Betrag: <b>12</b>"));
    EXPECT_EQ(Child<QLabel>(window, "LArt")->textFormat(), Qt::PlainText);
}

TEST_F(ErrorDialogTest, OkAndEscapeCloseTheWindowAndKeepTheValues) {
    struct Case {
        const char *what;
        std::function<void(ErrorDialog &)> close;
    };
    const Case cases[] = {
        {"OK",
         [](ErrorDialog &w) {
             QTest::mouseClick(Child<QPushButton>(w, "SpeedButton1"), Qt::LeftButton);
         }},
        {"Return", [](ErrorDialog &w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Escape", [](ErrorDialog &w) { QTest::keyClick(&w, Qt::Key_Escape); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        window.setError(311, QStringLiteral("Registry-Fehler"));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        c.close(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.errorCode(), 311);
        EXPECT_EQ(window.errorText(), QStringLiteral("Registry-Fehler"));
    }
}

TEST_F(ErrorDialogTest, HelpOpensTheManualWhenThereIsOneAndLeavesTheWindowOpen) {
    window.setError(312, QStringLiteral("Registry-Fehler"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *help = Child<QPushButton>(window, "SpeedButton3");

    QTest::mouseClick(help, Qt::LeftButton);
    ASSERT_EQ(1u, ui.shown().size()) << "a missing manual is named, not ignored";
    EXPECT_EQ(ScriptedUiService::Kind::Information, ui.shown()[0].kind);
    EXPECT_TRUE(ui.shown()[0].text.contains(ManualPath()));
    ui.clear();

    QFile manual(ManualPath());
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(ui.shown(), (std::vector<ScriptedUiService::Shown>{
                              {ScriptedUiService::Kind::Document, ManualPath()}}));

    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Child<QLabel>(window, "STNr")->text(), QStringLiteral("312"));
}

// The real service shows the window modally; a zero-timer plays the user.
TEST(DesktopUiServiceTest, ShowsTwoErrorsInTurnEachWithItsOwnNumberAndText) {
    DesktopUiService ui;
    QStringList seen;
    const auto closeWhenShown = [&seen] {
        QTimer::singleShot(0, [&seen] {
            auto *window = qobject_cast<ErrorDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            seen.append(Child<QLabel>(*window, "STNr")->text() + u' '
                        + Child<QLabel>(*window, "LArt")->text());
            QTest::mouseClick(Child<QPushButton>(*window, "SpeedButton1"), Qt::LeftButton);
        });
    };

    closeWhenShown();
    platform::ShowError(ui, 371, QStringLiteral("Ungültiger Eurokurs: "));
    closeWhenShown();
    platform::ShowError(ui, 372, QStringLiteral("Ungültiger Zinssatz: 1,2,3"));

    EXPECT_EQ(seen, (QStringList{QStringLiteral("371 Ungültiger Eurokurs: "),
                                 QStringLiteral("372 Ungültiger Zinssatz: 1,2,3")}));
}

TEST(DesktopUiServiceTest, AFileNameWithMarkupIsShownAsItIs) {
    DesktopUiService ui;
    const QString text = QStringLiteral("Die Datei <h1>GROSS<i>kursiv.p11 fehlt.");
    const std::pair<const char *, std::function<void()>> boxes[] = {
        {"information", [&] { ui.information(text); }},
        {"failure", [&] { ui.showFailure(text); }},
        {"question", [&] { (void)ui.askYesNo(text, platform::Answer::No); }},
    };
    for (const auto &[what, show] : boxes) {
        SCOPED_TRACE(what);
        bool seen = false;
        QTimer::singleShot(0, [&seen, &text] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(Qt::PlainText, box->textFormat());
            EXPECT_EQ(text, box->text());
            seen = true;
            box->reject();
        });
        show();
        EXPECT_TRUE(seen);
    }
}

} // namespace
} // namespace penvaro::widgets
