#include "core/bus/PortOpener.h"

#include "core/bus/BusPorts.h"
#include "core/bus/ComAssignment.h"
#include "core/bus/PortMessages.h"
#include "core/bus/Reception.h"
#include "core/bus/Telegram.h"
#include "core/online/DailyProtocol.h"
#include "core/project/DbError.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"

namespace varnox {

PortOpener::PortOpener(BusPorts& ports, Reception& reception, const Clock& clock, ConfigFile& config,
                       DailyProtocol& protocol, EventSink& events, std::function<QString()> workCopyPath,
                       PortTimings timings, QObject* parent)
    : QObject(parent)
    , m_ports(ports)
    , m_reception(reception)
    , m_clock(clock)
    , m_config(config)
    , m_protocol(protocol)
    , m_events(events)
    , m_workCopyPath(std::move(workCopyPath))
    , m_timings(timings)
{
    connect(&m_ports, &BusPorts::portLost, this, &PortOpener::onPortLost);
    connect(&m_reception, &Reception::telegramFiled, this,
            [this](int line, SlotKind kind) {
                if (kind == SlotKind::CommandAnswer)
                    onTelegramFiled(line);
            });
}

QDateTime PortOpener::now() const { return m_clock.now(); }

SerialPort& PortOpener::port(int line) { return m_ports.port(line); }

void PortOpener::InitPorts()
{
    const bool between = m_state == State::Idle || m_state == State::RetryPause || m_state == State::RecoveryPause;
    if (!between) {
        m_freshPending = true;
        return;
    }
    beginRun(RunKind::Counted, true);
    requestWake(0);
}

void PortOpener::stop()
{
    m_state = State::Idle;
    m_freshPending = false;
}

void PortOpener::beginRun(RunKind kind, bool fresh)
{
    m_run = kind;
    if (fresh) {
        m_retriesLeft = 5;
        m_portOk.fill(false);
        m_timeBusOk = readTimeBusOk(m_config);
        m_lost.clear();
        m_databaseErrorShown = false;
    }
    m_allPortsOk = true;
    m_order = busLineNumbers();
    m_order << kDeskReaderLine;
    if (kind == RunKind::Recovery)
        m_order.removeIf([this](int n) { return !m_lost.contains(n); });
    m_state = State::NextLine;
}

std::optional<int> PortOpener::tick()
{
    const QDateTime t = now();
    switch (m_state) {
    case State::Idle: return std::nullopt;
    case State::NextLine: return nextLine();
    case State::Settling: return m_wait.finished(t) ? openAndQuery() : m_wait.remainingMs(t);
    case State::AwaitingPresence: return m_wait.finished(t) ? afterPresence() : m_wait.remainingMs(t);
    case State::DeskAwaiting: return m_wait.finished(t) ? deskAfterQuery() : m_wait.remainingMs(t);
    case State::RetryPause:
    case State::RecoveryPause:
        if (t < m_pauseUntil)
            return int(t.msecsTo(m_pauseUntil));
        // The tick of TimerBusOk: the next attempt for the lines still failing.
        beginRun(m_state == State::RetryPause ? RunKind::Counted : RunKind::Recovery, false);
        return 0;
    }
    return std::nullopt;
}

std::optional<int> PortOpener::nextLine()
{
    if (m_freshPending) {
        m_freshPending = false;
        beginRun(RunKind::Counted, true);
    }
    while (!m_order.isEmpty()) {
        const int n = m_order.takeFirst();
        if (!m_portOk[size_t(n)])
            return openLine(n);
    }
    return finishRun();
}

// InitPorts for one line, then the first step of OpenBusPort or
// OpenDeskReaderPort.
std::optional<int> PortOpener::openLine(int n)
{
    const int com = comPortOf(n);
    SerialPort& p = port(n);
    p.close();
    if (com == 0) {
        m_portOk[size_t(n)] = true;
        m_lost.remove(n);
        return 0;
    }
    if (com < 0) {  // the assignment could not be read; reported already
        m_portOk[size_t(n)] = false;
        m_allPortsOk = false;
        return 0;
    }
    m_line = n;
    m_com = com;
    p.setPortNumber(com);
    if (n == kDeskReaderLine) {
        p.setDtr(true);
        p.setRts(false);
        m_wait.WaitForDeskReader(m_timings.deskSettleMs, now());
        m_state = State::Settling;
        return m_timings.deskSettleMs;
    }
    p.setDtr(false);
    p.setRts(false);
    m_wait.WaitForAnswer(m_reception.commandAnswer(n), m_timings.settleMs, now());
    m_state = State::Settling;
    return m_timings.settleMs;
}

// Opens the port and sends the presence query. A bus line's interface must
// answer it; the desk reader is only given the time.
std::optional<int> PortOpener::openAndQuery()
{
    SerialPort& p = port(m_line);
    m_state = State::NextLine;
    if (!p.open()) {
        lineFailed(m_line, p.lastFailure());
        return 0;
    }
    const bool desk = m_line == kDeskReaderLine;
    const int ms = desk ? m_timings.deskPresenceMs : m_timings.presenceMs;
    if (desk)
        m_wait.WaitForDeskReader(ms, now());
    else  // armed before the query goes out, so that no answer can slip past
        m_wait.WaitForAnswer(m_reception.commandAnswer(m_line), ms, now(), &p);
    p.write(interfacePresenceQuery());
    m_state = desk ? State::DeskAwaiting : State::AwaitingPresence;
    return ms;
}

std::optional<int> PortOpener::afterPresence()
{
    SerialPort& p = port(m_line);
    m_state = State::NextLine;
    if (p.isOpen() && m_reception.commandAnswer(m_line).text == QLatin1String("#")) {
        p.write(interfaceSetupCommand());
        lineSucceeded(m_line);
    } else {
        p.close();
        lineFailed(m_line, PortFailure::None);
    }
    return 0;
}

std::optional<int> PortOpener::deskAfterQuery()
{
    m_state = State::NextLine;
    if (port(kDeskReaderLine).isOpen())
        lineSucceeded(kDeskReaderLine);
    else
        lineFailed(kDeskReaderLine, PortFailure::None);
    return 0;
}

// The end of InitPorts: the next attempt, or the end of the attempts.
std::optional<int> PortOpener::finishRun()
{
    if (m_freshPending)
        return nextLine();
    if (m_run == RunKind::Counted) {
        if (!m_allPortsOk && m_retriesLeft >= 2) {
            --m_retriesLeft;
            return pause(State::RetryPause);
        }
        m_retriesLeft = 5;
    }
    if (!m_lost.isEmpty())
        return pause(State::RecoveryPause);
    m_state = State::Idle;
    return std::nullopt;
}

std::optional<int> PortOpener::pause(State state)
{
    m_state = state;
    const int ms = m_timeBusOk * 1000;
    m_pauseUntil = now().addMSecs(ms);
    return ms;
}

void PortOpener::lineSucceeded(int line)
{
    m_portOk[size_t(line)] = true;
    if (m_lost.remove(line))
        m_protocol.write(portRestoredProtocolText(line, m_com, port(line).deviceName()));
}

void PortOpener::lineFailed(int line, PortFailure failure)
{
    m_portOk[size_t(line)] = false;
    m_allPortsOk = false;
    const bool quiet = m_run == RunKind::Recovery || m_lost.contains(line);
    if (quiet || m_retriesLeft >= 2)
        return;
    // The protocol first: the message may wait for an operator who is not there.
    const SerialPort& p = port(line);
    m_protocol.write(portFailedProtocolText(line, m_com, failure, p.deviceName()));
    emit m_events.messageRaised(portFailureMessage(line, m_com, failure, p.deviceName(), p.lastFailureGroup()));
}

void PortOpener::onPortLost(int line)
{
    if (!m_portOk[size_t(line)])
        return;  // being opened right now, or failed already
    m_portOk[size_t(line)] = false;
    SerialPort& p = port(line);
    p.close();
    m_lost.insert(line);
    m_protocol.write(portLostProtocolText(line, p.portNumber(), p.deviceName()));
    if (m_state == State::Idle)
        requestWake(*pause(State::RecoveryPause));
}

void PortOpener::onTelegramFiled(int line)
{
    if (m_state == State::AwaitingPresence && line == m_line)
        requestWake(0);
}

int PortOpener::comPortOf(int line)
{
    const QString path = m_workCopyPath ? m_workCopyPath() : QString();
    if (path.isEmpty())
        return 0;  // no project open: nothing to open
    try {
        return std::max(0, GetBusComPort(path, line));
    } catch (const std::exception& e) {
        if (!m_databaseErrorShown) {
            m_databaseErrorShown = true;
            emit m_events.messageRaised(databaseErrorMessage(toDbError(e)));
        }
        return -1;
    }
}

}  // namespace varnox
