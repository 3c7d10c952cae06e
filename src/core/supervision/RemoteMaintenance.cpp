#include "core/supervision/RemoteMaintenance.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/FileTimes.h"
#include "core/shell/Clock.h"
#include "core/shell/Operator.h"
#include "core/supervision/SupervisionSettings.h"

#include <QFileInfo>

namespace varnox {
namespace {

QString timeText(const QDateTime& t)
{
    return t.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

Message information(const QString& text)
{
    return Message { text, GetText(916, "Varnox"), MessageIcon::Information, {}, false };
}

} // namespace

RemoteMaintenance::RemoteMaintenance(const SupervisionSettings& settings, DailyProtocol& protocol, Operator& op,
    const Clock& clock, std::function<QString()> workCopyPath)
    : PacedProcedure(settings.remoteMaintenance, clock)
    , m_settings(settings)
    , m_protocol(protocol)
    , m_op(op)
    , m_workCopyPath(std::move(workCopyPath))
{
}

void RemoteMaintenance::restart()
{
    ++m_generation;
    m_minutes = 0;
    PacedProcedure::restart();
}

std::optional<int> RemoteMaintenance::due(const QDateTime&)
{
    if (m_minutes < m_settings.remoteMaintenance.interval) {
        ++m_minutes;
        return nextMinute();
    }
    return compare();
}

std::optional<int> RemoteMaintenance::compare()
{
    const QString reference = m_settings.remoteMaintenance.text;
    if (reference.isEmpty())
        return end(GetText(3773, "Keine Datei für Fernwartung eingetragen!"));
    if (!QFileInfo(reference).isFile())
        return end(GetText(3774, "Eingetragene Datei für Fernwartung existiert nicht!"));
    const QDateTime referenceTime = LastWriteTime(reference);
    const QDateTime workCopyTime = LastWriteTime(m_workCopyPath ? m_workCopyPath() : QString());

    // The operator's answer may take long; a restart meanwhile wins.
    const int generation = m_generation;
    m_op.tell(comparisonMessage(referenceTime, workCopyTime));
    if (generation != m_generation)
        return running() ? std::optional<int>(0) : std::nullopt;

    if (workCopyTime.isValid() && referenceTime > workCopyTime) {
        const QString updated = GetText(3777, "Projektdatei wurde über Fernwartung aktualisiert!");
        m_op.tell(information(updated));
        if (generation != m_generation)
            return running() ? std::optional<int>(0) : std::nullopt;
        return end(updated);
    }
    m_protocol.write(GetText(3778, "Testlauf-System!"));
    m_minutes = 1;
    return nextMinute();
}

std::optional<int> RemoteMaintenance::nextMinute()
{
    return wait(m_clock.now(), kMinuteMs);
}

std::optional<int> RemoteMaintenance::end(const QString& protocolLine)
{
    m_protocol.write(protocolLine);
    return halt();
}

Message RemoteMaintenance::comparisonMessage(const QDateTime& reference, const QDateTime& workCopy)
{
    return information(GetText(3775, "Datei auf dem Server:  ") + timeText(reference) + QStringLiteral("\r\n")
        + GetText(3776, "Aktuelle Projektdatei: ") + timeText(workCopy));
}

} // namespace varnox
