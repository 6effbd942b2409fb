#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::app {

class MainWindow;

// One picture of a window as the program shows it: how to open it from the main window, what to
// do on the way (steps: "NAME" clicks that button, "NAME=TEXT" types the text into that field),
// the objectName of the window drawn and of its page. The picture is named after that window, or
// after the page shown of it.
struct WindowShot {
    QString picture;
    QString window;
    std::function<void(MainWindow &, platform::AppState &)> open;
    QStringList steps;
    // The objectName of the tab page to show, when the window has pages.
    QString page = {};
};

// Every window the manual shows. A new window is one more row.
const std::vector<WindowShot> &WindowShots();

// Brings the window's page of that objectName to the front as its user would: through its tab,
// or through its row in the list of pages beside them.
void ShowPage(QWidget &window, const QString &name);

// A window to draw and the PNG file it is drawn into.
struct ShotJob {
    WindowShot shot;
    QString file;
};

// Opens windows one after the other over the shown main window, draws each into its file as
// soon as it shows, closes it again and ends the program when all are drawn.
// Modal windows run their own event loop; the shooter works from timers so that it acts inside
// it. A window that never shows (or a message box in the way) ends the program with 1.
class WindowShooter : public QObject {
    Q_OBJECT

public:
    WindowShooter(MainWindow &window, platform::AppState &state, std::vector<ShotJob> jobs);

    void start();

private:
    void openNext();
    void poll();
    void finish(int code);

    MainWindow &m_window;
    platform::AppState &m_state;
    std::vector<ShotJob> m_jobs;
    std::size_t m_next = 0;
    QStringList m_steps;
    int m_polls = 0;
};

} // namespace penvaro::app
