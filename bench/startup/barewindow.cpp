// The baseline of the start-up comparison (bench/compare-startup.sh): the least a Qt Widgets
// program with a table does. It shows a main window with an empty table, draws it into the PNG
// file as soon as the event loop runs, as penvaro --screenshot does, and ends.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3 || arguments.at(1) != QStringLiteral("--screenshot")) {
        std::fputs("Aufruf: penvaro_bare_window --screenshot DATEI.png\n", stderr);
        return 2;
    }
    QMainWindow window;
    QStandardItemModel model(0, 12);
    auto *table = new QTableView(&window);
    table->setModel(&model);
    window.setCentralWidget(table);
    // Sized as Penvaro's main window at its first start, so that both programs draw as many
    // pixels.
    const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
    window.resize((available * 2 / 3).expandedTo(QSize(750, 550)).boundedTo(available));
    window.show();
    QTimer::singleShot(0, &window, [&window, file = arguments.at(2)] {
        QApplication::exit(window.grab().save(file, "PNG") ? 0 : 1);
    });
    return QApplication::exec();
}
