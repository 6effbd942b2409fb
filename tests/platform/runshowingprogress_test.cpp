#include "platform/runshowingprogress.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

using namespace penvaro;
using namespace std::chrono_literals;

namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

QProgressDialog *visibleProgress() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *progress = qobject_cast<QProgressDialog *>(widget);
            progress && progress->isVisible())
            return progress;
    }
    return nullptr;
}

// Holds the work until the user-interface thread has seen what the test waits for; gives up
// after a while, so that a fault fails the test instead of hanging it.
void waitFor(const std::atomic<bool> &released) {
    for (int i = 0; i < 2000 && !released; ++i)
        std::this_thread::sleep_for(5ms);
}

} // namespace

TEST(RunShowingProgress, LongWorkShowsTheBusyIndicationAndTheWindowsKeepPainting) {
    PaintCounter window;
    window.resize(200, 100);
    window.show();
    QApplication::processEvents();
    const int paintsBefore = window.paints;

    std::atomic<bool> released = false;
    QString shownLabel;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        window.update();
        if (QProgressDialog *progress = visibleProgress();
            progress && window.paints > paintsBefore) {
            shownLabel = progress->labelText();
            released = true;
        }
    });
    watcher.start(10);
    bool ran = false;
    platform::RunShowingProgress(
        QStringLiteral("Die Kontodatei wird gelesen …"),
        [&] {
            waitFor(released);
            ran = true;
        },
        0ms);

    EXPECT_TRUE(ran);
    EXPECT_TRUE(released);
    EXPECT_EQ(QStringLiteral("Die Kontodatei wird gelesen …"), shownLabel);
    EXPECT_EQ(nullptr, visibleProgress());
}

TEST(RunShowingProgress, QuickWorkShowsNothingAndAFailureReachesTheCaller) {
    bool shown = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] { shown = shown || visibleProgress(); });
    watcher.start(1);
    int result = 0;
    platform::RunShowingProgress(QStringLiteral("kurz"), [&] { result = 42; });
    EXPECT_EQ(42, result);
    EXPECT_FALSE(shown);

    EXPECT_THROW(platform::RunShowingProgress(QStringLiteral("Fehler"),
                                              [] { throw std::runtime_error("kaputt"); }),
                 std::runtime_error);
}
