#include "appfixture.h"
#include "support/records.h"

#include "app/ledgercommands.h"
#include "app/mainwindow.h"
#include "app/windowshots.h"
#include "options/backupdialog.h"
#include "options/optionsdialog.h"
#include "widgets/desktopuiservice.h"
#include "widgets/helpkey.h"
#include "widgets/manual.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>

using namespace penvaro;
using penvaro::testing::ScriptedUiService;

namespace {

// The manual as a reader finds it: the text of the PDF the build made.
QString ManualText() {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral(PENVARO_MANUAL_PDF), QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST(ManualPdfTest, HasAContentsAndASectionForEveryWindowAndTheMessages) {
    const QString text = ManualText();
    ASSERT_FALSE(text.isEmpty()) << "pdftotext could not read " PENVARO_MANUAL_PDF;
    // A page break is a form feed before the first line of the page.
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\n\f]")));
    // Headings stand on lines of their own; the contents repeats each once more.
    const auto headingCount = [&lines](const QString &heading) { return lines.count(heading); };
    const char *const sections[] = {
        "Inhalt",
        "Erste Schritte",
        "Der erste Start",
        "Eine neue Kontodatei anlegen",
        "Der Startwert",
        "Die ersten Buchungen vom Kontoauszug",
        "Geplante und monatliche Buchungen",
        "Die Kontostände und was sie bedeuten",
        "Die erste Überweisung",
        "Das Hauptfenster",
        "Buchungen eingeben",
        "Buchungen bearbeiten und geplante Buchungen übertragen",
        "Monatliche Buchungen",
        "Vorschlagslisten aufräumen",
        "Die Kontenübersicht",
        "Suchen und Auswerten",
        "Die Jahresauswertung",
        "Die Zinsberechnung",
        "Die Buchungsliste drucken",
        "Das Ergebnis einer Suche drucken",
        "Kontodaten",
        "SEPA-Überweisung",
        "Überweisung auf einem Vordruck",
        "Bankleitzahl suchen",
        "Schecks",
        "Gespeicherte Überweisungen",
        "Optionen",
        "Währung/Zinsen",
        "Startbildschirm",
        "Formulardrucker",
        "Passwort",
        "Sortierung",
        "Daten sichern",
        "Einen Kontoauszug einlesen",
        "Fehlermeldungen",
        "Die Meldungen nach Nummern",
        "Dateien und Ordner",
        "Umzug auf einen neuen Computer",
        "Penvaro ohne Fenster: penvaro-cli",
    };
    for (const char *section : sections) {
        const QString heading = QString::fromUtf8(section);
        // "Inhalt" has no entry of its own in the contents.
        EXPECT_GE(headingCount(heading), heading == QStringLiteral("Inhalt") ? 1 : 2) << section;
    }

    // Every page but the title page carries its number.
    for (int page = 2; page <= 20; ++page)
        EXPECT_TRUE(lines.contains(QStringLiteral("Seite %1").arg(page))) << page;

    // The table lists each number in a cell of its own, the registry messages among them.
    const QString table = text.mid(text.lastIndexOf(QStringLiteral("Die Meldungen nach Nummern")));
    for (const char *number :
         {"101", "132", "164", "175", "192",  "310",   "346",   "348",   "379999", "431",
          "461", "501", "532", "991", "9999", "26581", "26591", "26601", "26608",  "26609"})
        EXPECT_TRUE(table.contains(QRegularExpression(
            QStringLiteral("(^|[\\n\\f])%1\\n").arg(QString::fromLatin1(number)))))
            << number;
}

// A window the program can draw but the manual never shows would be a hole in the manual; a
// picture that is not taken fails the build of the manual itself.
TEST(ManualPdfTest, ShowsEveryPictureTheProgramTakes) {
    QString markdown;
    const QDir docs(QStringLiteral(PENVARO_DOCS_DIR));
    for (const QString &name : docs.entryList({QStringLiteral("*.md")})) {
        QFile file(docs.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        markdown += QString::fromUtf8(file.readAll());
    }
    for (const app::WindowShot &shot : app::WindowShots())
        EXPECT_TRUE(
            markdown.contains(QStringLiteral("](") + shot.picture + QStringLiteral(".png)")))
            << shot.picture.toStdString();
}

using WindowPageTest = penvaro::testing::AppFixture;

// A picture of a page shows it chosen where its user chooses it: its tab stays on the page, and
// so does its row in the list of pages.
TEST_F(WindowPageTest, ThePageShownIsTheOneItsTabOrListRowChooses) {
    options::BackupDialog backupDialog(*state);
    options::OptionsDialog optionsDialog(*state);
    struct Case {
        QDialog &window;
        const char *page;
        std::function<int()> chosen;
    };
    const Case cases[] = {
        {backupDialog, "TSEinstellungen",
         [&] {
             return backupDialog.findChild<QTabWidget *>(QStringLiteral("PageControl1"))
                 ->tabBar()
                 ->currentIndex();
         }},
        {optionsDialog, "TSPasswort",
         [&] {
             return optionsDialog.findChild<QListWidget *>(QStringLiteral("LBSeiten"))
                 ->currentRow();
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.page);
        const QString name = QString::fromLatin1(c.page);
        app::ShowPage(c.window, name);
        auto *page = c.window.findChild<QWidget *>(name);
        ASSERT_NE(page, nullptr);
        auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
        ASSERT_NE(stack, nullptr);
        EXPECT_EQ(page, stack->currentWidget());
        EXPECT_EQ(stack->indexOf(page), c.chosen());
    }
}

class HelpTest : public penvaro::testing::AppFixture {
protected:
    void SetUp() override {
        QFile manual(widgets::ManualPath());
        ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
        qApp->installEventFilter(&helpKey);
    }
    void TearDown() override {
        qApp->removeEventFilter(&helpKey);
        QFile::remove(widgets::ManualPath());
    }

    // As the program installs it.
    widgets::HelpKey helpKey{ui};

    std::unique_ptr<app::MainWindow> start() {
        setLastFile(writeAccount(QStringLiteral("giro.p11"),
                                 {penvaro::testing::StartValue(10000000),
                                  penvaro::testing::Completed(2011, 1, "05.01.2011", 2500)}));
        auto window = std::make_unique<app::MainWindow>(*state);
        window->startUp();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ui.clear();
        return window;
    }

    // Opens the window modally, as the desktop shows it, and presses F1 in it: the main window
    // behind it takes no key then.
    void pressF1In(const std::function<void()> &open) {
        ui.setNextModal([](QDialog &dialog) {
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog,
                            Qt::Key_F1);
            dialog.hide();
            return int(QDialog::Rejected);
        });
        open();
    }

    // Opens the window modally and clicks its help button as a user would.
    void clickHelpIn(const std::function<void()> &open, const char *button) {
        ui.setNextModal([button](QDialog &dialog) {
            auto *help = dialog.findChild<QPushButton *>(QString::fromLatin1(button));
            EXPECT_NE(help, nullptr) << button;
            if (help)
                QTest::mouseClick(help, Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        open();
    }
};

TEST_F(HelpTest, F1InEveryWindowTheMenuAndTheHilfeButtonsHandTheManualToTheDesktopOnce) {
    auto window = start();
    struct Case {
        const char *what;
        std::function<void()> ask;
    };
    const Case cases[] = {
        {"F1", [&] { QTest::keyClick(window.get(), Qt::Key_F1); }},
        {"Hilfe → Handbuch aufrufen",
         [&] { window->findChild<QAction *>(QStringLiteral("Hilfeaufrufen1"))->trigger(); }},
        {"F1 in Buchungen eingeben",
         [&] { pressF1In([&] { window->commands().enterCompleted(); }); }},
        {"F1 in Monatliche Buchungen",
         [&] { pressF1In([&] { window->commands().showRecurringBookings(); }); }},
        {"Hilfe in Auswertungen und Suchen",
         [&] { clickHelpIn([&] { window->commands().showSearch(); }, "BHilfe"); }},
        {"HILFE im Zahlungsverkehr",
         [&] {
             clickHelpIn(
                 [&] { window->commands().showPayments(payments::PaymentWindow::Page::Transfers); },
                 "BHilfe");
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ui.clear();
        c.ask();
        std::vector<QString> documents;
        for (const ScriptedUiService::Shown &shown : ui.shown())
            if (shown.kind == ScriptedUiService::Kind::Document)
                documents.push_back(shown.text);
        EXPECT_EQ(std::vector<QString>{widgets::ManualPath()}, documents);
    }
}

// Stands in for the desktop's handler of file URLs.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

// The real service hands the desktop the manual itself, as a file URL; a path with blanks
// must arrive whole.
TEST_F(HelpTest, TheDesktopGetsTheManualAsAFileUrl) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    widgets::DesktopUiService desktop;
    widgets::OpenManual(desktop);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(1, catcher.urls.size());
    EXPECT_EQ(widgets::ManualPath(), catcher.urls.constFirst().toLocalFile());
}

TEST_F(HelpTest, WithoutAPdfViewerTheMessageSaysWhereTheManualIs) {
    ui.setOpenDocumentResult(false);
    widgets::OpenManual(ui);
    ASSERT_EQ(2u, ui.shown().size());
    EXPECT_EQ(ScriptedUiService::Kind::Information, ui.shown()[1].kind);
    EXPECT_TRUE(ui.shown()[1].text.contains(widgets::ManualPath()))
        << ui.shown()[1].text.toStdString();
}

} // namespace

#include "manual_test.moc"
