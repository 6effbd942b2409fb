#include "runshowingprogress.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <exception>
#include <memory>

namespace penvaro::platform {

void RunShowingProgress(const QString &label, const std::function<void()> &work,
                        std::chrono::milliseconds patience) {
    auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!application || QThread::currentThread() != application->thread()) {
        work();
        return;
    }
    std::exception_ptr failure;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);

    std::unique_ptr<QProgressDialog> progress;
    QTimer patienceTimer;
    patienceTimer.setSingleShot(true);
    QObject::connect(&patienceTimer, &QTimer::timeout, &loop, [&] {
        progress =
            std::make_unique<QProgressDialog>(label, QString(), 0, 0, QApplication::activeWindow());
        progress->setWindowTitle(QStringLiteral("Penvaro"));
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setMinimumDuration(0);
        progress->show();
    });

    worker->start();
    patienceTimer.start(patience);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace penvaro::platform
