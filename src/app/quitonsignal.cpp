#include "quitonsignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace penvaro::app {
namespace {

// One pair for the process: signal dispositions are process-wide too.
int signalPair[2] = {-1, -1};

void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(signalPair[0], &byte, 1);
    errno = saved;
}

} // namespace

QuitOnSignal::QuitOnSignal(QObject *parent)
    : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPair) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPair[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitOnSignal::signalArrived);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal() {
    if (!m_notifier)
        return;
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    ::close(signalPair[0]);
    ::close(signalPair[1]);
    signalPair[0] = signalPair[1] = -1;
}

void QuitOnSignal::signalArrived() {
    char bytes[16];
    while (::read(signalPair[1], bytes, sizeof bytes) > 0) {
    }
    if (m_arrived)
        return;
    m_arrived = true;
    // Leaves every event loop, a modal dialog's too; main() then ends as usual. A dialog that
    // the code after a left loop opens next is left the same way, until main() returns.
    QCoreApplication::quit();
    auto *again = new QTimer(this);
    connect(again, &QTimer::timeout, this, [] { QCoreApplication::quit(); });
    again->start(50);
}

} // namespace penvaro::app
