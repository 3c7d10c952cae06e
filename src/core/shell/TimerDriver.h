#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

namespace varnox {

// A procedure that runs in steps on a timer. Each tick performs one step and
// says after how many milliseconds it wants the next one, or nothing to stop.
// Outside a tick it may ask for one (an answer arrived, an operator started
// it): wakeRequested is set by whoever drives it, a TimerDriver in the program
// and the test itself in unit tests.
class TimerProcedure {
public:
    virtual ~TimerProcedure() = default;
    virtual std::optional<int> tick() = 0;

    std::function<void(int ms)> wakeRequested;

protected:
    void requestWake(int ms)
    {
        if (wakeRequested)
            wakeRequested(ms);
    }
};

// Binds a procedure to one single-shot QTimer that carries the timer's
// established name (TimerBusOk, TimerEvalKeyRequest, ...): the timer is
// stopped while a tick runs and started again with the interval the tick
// returned.
class TimerDriver : public QObject {
    Q_OBJECT
public:
    TimerDriver(const QString& timerName, TimerProcedure& procedure, QObject* parent = nullptr);

    void start(int ms);
    void stop() { m_timer.stop(); }
    bool isActive() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }
    QTimer& timer() { return m_timer; }

private:
    void onTimeout();

    TimerProcedure& m_procedure;
    QTimer m_timer;
};

}  // namespace varnox
