#pragma once

#include <QObject>

class QSocketNotifier;

namespace penvaro::app {

// Ends the program through its event loop when the system asks it to stop (SIGTERM at log-out
// or shutdown, SIGINT from a terminal), so that every object is torn down as at a normal end:
// above all the account file's lock, which would otherwise stay behind. A signal handler may
// do next to nothing; it writes a byte into a pipe that the event loop watches.
class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    explicit QuitOnSignal(QObject *parent = nullptr);
    ~QuitOnSignal() override;

    // Whether a signal came; one that came while a dialog ran before the main event loop
    // started ends that dialog only, and the program must not start the main loop then.
    bool arrived() const { return m_arrived; }

private:
    void signalArrived();

    QSocketNotifier *m_notifier = nullptr;
    bool m_arrived = false;
};

} // namespace penvaro::app
