#pragma once

#include "core/shell/TimerDriver.h"

#include <QObject>

namespace varnox {

class DataTransfer;

// The four timers of a transfer, by their established names: TimerDelz and
// TimerTMTz drive the two phases for a configuration block, TimerDel and
// TimerTMT for a key image. Only the pair of the running transfer's kind
// ticks; the other pair is kept stopped, so that a timer left over from an
// earlier transfer can never step into the next.
class TransferTimers : public QObject {
    Q_OBJECT
public:
    explicit TransferTimers(DataTransfer& transfer, QObject* parent = nullptr);

    void stopAll();

private:
    // Hands a timer's tick to the phase it serves.
    class Relay final : public TimerProcedure {
    public:
        explicit Relay(TimerProcedure& phase)
            : m_phase(phase)
        {
        }
        std::optional<int> tick() override { return m_phase.tick(); }

    private:
        TimerProcedure& m_phase;
    };

    void wake(TimerDriver& forBlock, TimerDriver& forKeys, int ms);

    DataTransfer& m_transfer;
    Relay m_accessBlock, m_accessKeys, m_writeBlock, m_writeKeys;
    TimerDriver m_delz, m_del, m_tmtz, m_tmt;
};

} // namespace varnox
