#pragma once

#include "core/bus/AnswerWait.h"
#include "core/bus/BusLines.h"
#include "core/bus/SerialPort.h"
#include "core/shell/TimerDriver.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <array>
#include <functional>

namespace varnox {

class BusPorts;
class Clock;
class ConfigFile;
class DailyProtocol;
class EventSink;
class Reception;

// How long the opening of a line waits. Tests on a loaded machine may
// lengthen the answer times; the program uses these.
struct PortTimings {
    int settleMs = 500;    // WaitForAnswer(500, n) before the port is opened
    int presenceMs = 150;  // the interface must answer "#" within this
    int deskSettleMs = 500;
    int deskPresenceMs = 150;
};

// Opens the ports of all lines and retries the ones that fail: InitPorts,
// OpenBusPort, OpenDeskReaderPort and the tick of TimerBusOk, as one
// procedure driven by the timer TimerBusOk.
//
// A run visits the lines 1..7, 9..16 and then the desk reader (8), each on a
// tick of its own, and skips the lines that are already fine. A bus line is
// fine once its interface answered the presence query with "#" and got the
// set-up command; the desk reader once its port is open; a line without a
// COM port always. When a run leaves a line failed, the next run follows
// TimeBusOk seconds later, five runs in all; only the fifth shows its
// failures, one message per line, through the event sink.
//
// A port that fails while open (an adapter pulled out) is closed and written
// once to the daily protocol; it is then tried every TimeBusOk seconds,
// without messages, until it opens again.
class PortOpener : public QObject, public TimerProcedure {
    Q_OBJECT
public:
    enum class State { Idle, NextLine, Settling, AwaitingPresence, DeskAwaiting, RetryPause, RecoveryPause };

    PortOpener(BusPorts& ports, Reception& reception, const Clock& clock, ConfigFile& config,
               DailyProtocol& protocol, EventSink& events, std::function<QString()> workCopyPath,
               PortTimings timings = {}, QObject* parent = nullptr);

    // Opens every line afresh, with five attempts: at the start and after
    // the assignment was saved. While a run is under way the new one
    // follows it.
    void InitPorts();

    // Gives up whatever is under way (at program end).
    void stop();

    std::optional<int> tick() override;

    State state() const { return m_state; }
    bool portOk(int line) const { return m_portOk[size_t(qBound(0, line, kLineSlots - 1))]; }
    bool allPortsOk() const { return m_allPortsOk; }
    int portRetriesLeft() const { return m_retriesLeft; }
    int timeBusOk() const { return m_timeBusOk; }
    bool retryPending() const { return m_state == State::RetryPause; }

private:
    enum class RunKind { Counted, Recovery };

    void beginRun(RunKind kind, bool fresh);
    std::optional<int> nextLine();
    std::optional<int> openLine(int line);
    std::optional<int> openAndQuery();
    std::optional<int> afterPresence();
    std::optional<int> deskAfterQuery();
    std::optional<int> finishRun();
    std::optional<int> pause(State state);
    void lineSucceeded(int line);
    void lineFailed(int line, PortFailure failure);
    void onPortLost(int line);
    void onTelegramFiled(int line);
    int comPortOf(int line);
    SerialPort& port(int line);
    QDateTime now() const;

    BusPorts& m_ports;
    Reception& m_reception;
    const Clock& m_clock;
    ConfigFile& m_config;
    DailyProtocol& m_protocol;
    EventSink& m_events;
    std::function<QString()> m_workCopyPath;
    PortTimings m_timings;

    State m_state = State::Idle;
    RunKind m_run = RunKind::Counted;
    bool m_freshPending = false;
    QList<int> m_order;  // lines still to visit in this run
    int m_line = 0;      // the line being opened
    int m_com = 0;       // and its COM port
    AnswerWait m_wait;   // TimerRec(m_line) or TimerRec2
    QDateTime m_pauseUntil;
    bool m_databaseErrorShown = false;

    std::array<bool, kLineSlots> m_portOk{};  // PortOk(n)
    bool m_allPortsOk = true;                 // AllPortsOk
    int m_retriesLeft = 5;                    // PortRetriesLeft
    int m_timeBusOk = 3;                      // TimeBusOk, seconds
    QSet<int> m_lost;                         // failed while open, not back yet
};

}  // namespace varnox
