#pragma once

#include <QObject>

class QSocketNotifier;

namespace varnox {

// Turns SIGTERM, SIGINT and SIGHUP into a signal of the event loop, so that
// the program can end cleanly when told to from outside. The handler only
// writes the signal number into a pipe; everything else happens on the
// user-interface thread. After the first of them the default action is back,
// so that a second one ends a program that hangs. One per process.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace varnox
