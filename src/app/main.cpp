#include "welcomepanel.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QTimer>

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
    if (!displayAvailable()) {
        std::fputs("penvaro: Keine grafische Oberfläche gefunden (weder DISPLAY noch "
                   "WAYLAND_DISPLAY gesetzt); das Programm kann nicht starten.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Penvaro 2011"));

    QMainWindow window;
    window.setObjectName(QStringLiteral("MainForm"));
    window.setWindowTitle(QStringLiteral("Tarvel Software - Penvaro 2011"));
    window.setCentralWidget(new penvaro::app::WelcomePanel(&window));
    window.resize(750, 550);

    QCommandLineParser parser;
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Zeichnet das Hauptfenster in die PNG-Datei und beendet das Programm."),
        QStringLiteral("DATEI.png"));
    parser.addOption(screenshot);
    parser.addHelpOption();
    parser.process(app);

    window.show();
    if (parser.isSet(screenshot)) {
        QTimer::singleShot(0, &window, [&] {
            const bool saved = window.grab().save(parser.value(screenshot), "PNG");
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
