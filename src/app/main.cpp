#include "app/mainwindow.h"
#include "app/quitonsignal.h"
#include "app/windowshots.h"
#include "core/atomicfile.h"
#include "platform/settingsdatabase.h"
#include "widgets/desktopuiservice.h"
#include "widgets/helpkey.h"
#include "widgets/translations.h"

#include "platform/appstate.h"
#include "platform/clock.h"
#include "platform/programfolder.h"
#include "platform/registrystore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with an English message; say it plainly instead.
bool displayAvailable() {
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char **argv) {
    using namespace penvaro;
    if (!displayAvailable()) {
        std::fputs("penvaro: Keine grafische Oberfläche gefunden (weder DISPLAY noch "
                   "WAYLAND_DISPLAY gesetzt); das Programm kann nicht starten.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Penvaro 2011"));
    // Without a configured locale a German program writes German numbers and dates.
    if (QLocale().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // Without them the standard dialogs stay English; the program runs all the same.
    (void)widgets::InstallGermanQtTranslations();

    QCommandLineParser parser;
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Zeichnet das Hauptfenster nach dem Start in die PNG-Datei und beendet das "
                       "Programm wie gewohnt."),
        QStringLiteral("DATEI.png"));
    parser.addOption(screenshot);
    const QCommandLineOption screenshotWindow(
        QStringLiteral("screenshot-window"),
        QStringLiteral("Zeichnet mit --screenshot statt des Hauptfensters dieses Fenster, wie es "
                       "sein Befehl im Hauptfenster öffnet (der Name seines Bildes im Handbuch, "
                       "z. B. TMonthlyF)."),
        QStringLiteral("NAME"));
    parser.addOption(screenshotWindow);
    const QCommandLineOption screenshotWindows(
        QStringLiteral("screenshot-windows"),
        QStringLiteral("Zeichnet jedes Fenster, das das Handbuch zeigt, als NAME.png in den Ordner "
                       "und beendet das Programm."),
        QStringLiteral("ORDNER"));
    parser.addOption(screenshotWindows);
    parser.addPositionalArgument(QStringLiteral("DATEI"),
                                 QStringLiteral("Diese Kontodatei (*.p11 oder *.p02) statt der "
                                                "zuletzt benutzten öffnen."),
                                 QStringLiteral("[DATEI]"));
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fputs("penvaro: Es kann nur eine Kontodatei angegeben werden.\n", stderr);
        return 2;
    }
    std::vector<app::ShotJob> shots;
    if (parser.isSet(screenshotWindows)) {
        const QDir folder(parser.value(screenshotWindows));
        for (const app::WindowShot &shot : app::WindowShots())
            shots.push_back({shot, folder.filePath(shot.picture + QStringLiteral(".png"))});
    } else if (parser.isSet(screenshot)) {
        const QString name = parser.isSet(screenshotWindow) ? parser.value(screenshotWindow)
                                                            : QStringLiteral("MainForm");
        for (const app::WindowShot &shot : app::WindowShots())
            if (shot.picture == name)
                shots.push_back({shot, parser.value(screenshot)});
        if (shots.empty()) {
            std::fprintf(stderr, "penvaro: Kein Fenster namens %s.\n", qPrintable(name));
            return 2;
        }
    }

    const app::QuitOnSignal quitOnSignal;
    // What a write killed with the program left in its own folder (bank codes, register);
    // an account file's folder is cleared when the file is opened.
    core::RemoveAbandonedTemporaryFiles(QFile::encodeName(platform::ProgramFolder()).toStdString());
    widgets::DesktopUiService ui;
    widgets::HelpKey helpKey(ui);
    app.installEventFilter(&helpKey);
    const auto store =
        platform::OpenSettingsDatabase(ui, platform::RegistryStore::DefaultDatabasePath());
    const platform::SystemClock clock;
    platform::AppState state(*store, ui, clock);
    ui.setCurrentFile([&state] { return state.currentFile(); });
    app::MainWindow window(state);
    if (!parser.positionalArguments().isEmpty()) {
        const QFileInfo file(parser.positionalArguments().constFirst());
        window.setStartFile(QFile::encodeName(file.absoluteFilePath()).toStdString());
    }
    window.startUp();
    if (window.startRefused() || quitOnSignal.arrived())
        return 0;
    window.show();

    if (!shots.empty())
        (new app::WindowShooter(window, state, std::move(shots)))->start();
    return QApplication::exec();
}
