#pragma once

#include "core/shell/TimerDriver.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace varnox {

class BusPorts;
class Clock;
class DailyProtocol;
class Reception;
struct SupervisionSettings;

// The system test, driven by TimerATest: the readers of the project are
// queried one after the other, `Zeitintervall` seconds apart. A query is the
// search "580B" on the reader's line and, 200 ms later, the reader's own
// test telegram; an answer in the line's key-request slot within 400 ms
// counts. A reader silent three times in a row (two pauses apart) is written
// to the daily protocol and the failure function is sent. The test runs
// while the setting is on; switched off, it stops at its next tick.
class SystemTest : public TimerProcedure {
public:
    enum class State { Stopped, NextReader, Search, Query, Check };

    SystemTest(const SupervisionSettings& settings, BusPorts& ports, Reception& reception, DailyProtocol& protocol,
        const Clock& clock, std::function<QString()> workCopyPath);

    // From the first reader, at once; the failure count is kept.
    void restart();
    void stop() { m_state = State::Stopped; }

    std::optional<int> tick() override;

    State state() const { return m_state; }
    int readerIndex() const { return m_index; }
    int failures() const { return m_failures; }

private:
    enum class Row { Found, NoReaders, Unreadable };

    Row nextReader();
    Row readReader();
    std::optional<int> after(int ms, State next);
    std::optional<int> pause(State next);
    std::optional<int> check();
    void readWaitingBytes();
    void reportSilentReader();

    const SupervisionSettings& m_settings;
    BusPorts& m_ports;
    Reception& m_reception;
    DailyProtocol& m_protocol;
    const Clock& m_clock;
    std::function<QString()> m_workCopyPath;

    State m_state = State::Stopped;
    QDateTime m_due;
    int m_index = 0; // the reader under test, counted from 0 in the order of the table
    int m_failures = 0; // its unanswered queries so far, 0..2
    int m_serial = 0;
    QString m_name;
    int m_line = 0;
};

} // namespace varnox
