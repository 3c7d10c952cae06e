#pragma once

#include "core/shell/TimerDriver.h"

#include <QObject>

namespace varnox {

// The walk of "Daten zum PDA" through the readers that wait for their data:
// a hundred steps of 30 ms per reader, then the reader counts as handed over
// and the next one follows. Nothing is sent and no Modify flag changes; the
// dialog moves the readers from one list to the other as told.
class HandheldWalk : public QObject, public TimerProcedure {
    Q_OBJECT
public:
    static constexpr int kStepsPerReader = 100;
    static constexpr int kStepMs = 30;

    using QObject::QObject;

    void begin(int readers);
    void stop() { m_readers = m_reader = 0; }
    bool isRunning() const { return m_reader < m_readers; }
    int overallMaximum() const { return m_readers * kStepsPerReader; }

    std::optional<int> tick() override;

signals:
    void readerStarted(int index);
    void stepped(int readerStep, int overallStep);
    void readerHandedOver(int index);
    void finished();

private:
    int m_readers = 0;
    int m_reader = 0;
    int m_step = 0;
};

} // namespace varnox
