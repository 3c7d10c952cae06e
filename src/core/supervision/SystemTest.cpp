#include "core/supervision/SystemTest.h"

#include "core/bus/BusPorts.h"
#include "core/bus/Reception.h"
#include "core/bus/SerialPort.h"
#include "core/bus/Telegram.h"
#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/online/DailyProtocol.h"
#include "core/project/Database.h"
#include "core/shell/Clock.h"
#include "core/supervision/StoredFunction.h"
#include "core/supervision/SupervisionSettings.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

constexpr int kToSearchMs = 10;
constexpr int kSearchAnswerMs = 200;
constexpr int kQueryAnswerMs = 400;
constexpr int kReportedAfter = 3; // unanswered queries in a row

} // namespace

SystemTest::SystemTest(const SupervisionSettings& settings, BusPorts& ports, Reception& reception,
    DailyProtocol& protocol, const Clock& clock, std::function<QString()> workCopyPath)
    : m_settings(settings)
    , m_ports(ports)
    , m_reception(reception)
    , m_protocol(protocol)
    , m_clock(clock)
    , m_workCopyPath(std::move(workCopyPath))
{
}

void SystemTest::restart()
{
    m_index = 0;
    m_state = State::NextReader;
    m_due = m_clock.now();
    requestWake(0);
}

std::optional<int> SystemTest::tick()
{
    if (!m_settings.systemTest.on)
        m_state = State::Stopped;
    if (m_state == State::Stopped)
        return std::nullopt;
    const QDateTime now = m_clock.now();
    if (now < m_due)
        return int(now.msecsTo(m_due));
    switch (m_state) {
    case State::NextReader:
        switch (nextReader()) {
        case Row::NoReaders:
            m_state = State::Stopped;
            return std::nullopt;
        case Row::Unreadable:
            return pause(State::NextReader);
        case Row::Found:
            return after(kToSearchMs, State::Search);
        }
        break;
    case State::Search:
        readWaitingBytes();
        m_reception.keyRequest(m_line).clear();
        m_ports.SendTelegram(telegram::search(), m_line);
        return after(kSearchAnswerMs, State::Query);
    case State::Query:
        readWaitingBytes(); // the answers to the search must not pass for the query's
        m_reception.keyRequest(m_line).ready = false;
        m_ports.SendTelegram(telegram::systemTest(m_serial), m_line);
        return after(kQueryAnswerMs, State::Check);
    case State::Check:
        return check();
    case State::Stopped:
        break;
    }
    return std::nullopt;
}

// The reader at the current index, in the order of the table; past the last
// one the round starts again with the first at once, so that the readers,
// the last and the first included, are all one pause apart.
SystemTest::Row SystemTest::nextReader()
{
    Row row = readReader();
    if (row == Row::NoReaders && m_index > 0) {
        m_index = 0;
        row = readReader();
    }
    return row;
}

SystemTest::Row SystemTest::readReader()
{
    const QString path = m_workCopyPath ? m_workCopyPath() : QString();
    if (path.isEmpty())
        return Row::NoReaders;
    Row row = Row::NoReaders;
    const Outcome read = readFromProject(path, [&](Database& db) {
        SQLite::Statement q(db.sql(),
            "SELECT coalesce(Seriennr, ''), coalesce(Lname, ''), coalesce(BusID, 0) "
            "FROM Leser ORDER BY rowid LIMIT 1 OFFSET ?");
        q.bind(1, m_index);
        if (q.executeStep()) {
            m_serial = QString::fromStdString(q.getColumn(0).getString()).trimmed().toInt();
            m_name = QString::fromStdString(q.getColumn(1).getString());
            m_line = q.getColumn(2).getInt();
            row = Row::Found;
        }
        return Outcome::ok();
    });
    return read ? row : Row::Unreadable; // tried again after the pause
}

// What the line's port holds already and the program, busy elsewhere, has not
// read yet: read before an answer is judged or a slot cleared.
void SystemTest::readWaitingBytes()
{
    if (isBusLine(m_line))
        m_ports.port(m_line).readPending();
}

std::optional<int> SystemTest::check()
{
    readWaitingBytes();
    if (m_reception.keyRequest(m_line).ready) {
        m_failures = 0;
        ++m_index;
        return pause(State::NextReader);
    }
    if (++m_failures < kReportedAfter)
        return pause(State::Search); // the same reader again after the pause
    m_failures = 0;
    reportSilentReader();
    ++m_index;
    return pause(State::NextReader);
}

void SystemTest::reportSilentReader()
{
    const QString path = m_workCopyPath ? m_workCopyPath() : QString();
    QString line = GetText(3700, "*** Anlagentest: Keine Antwort vom Leser ") + m_name.toUpper() + QLatin1Char('.');
    if (!sendStoredFunction(m_ports, path, m_settings.systemTest.text))
        line += GetText(3701, " Funktion nicht gesendet.");
    m_protocol.write(line);
}

std::optional<int> SystemTest::after(int ms, State next)
{
    m_state = next;
    m_due = m_clock.now().addMSecs(ms);
    return ms;
}

std::optional<int> SystemTest::pause(State next)
{
    return after(supervisionPauseMs(m_settings.systemTest.interval), next);
}

} // namespace varnox
