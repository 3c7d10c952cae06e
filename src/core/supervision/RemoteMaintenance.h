#pragma once

#include "core/shell/Message.h"
#include "core/supervision/PacedProcedure.h"

#include <functional>

namespace varnox {

class Clock;
class DailyProtocol;
class Operator;
struct SupervisionSettings;

// Remote maintenance, driven by TimerFW: every `Zeitintervall` minutes the
// reference project file on the server is compared with the open project's
// work copy; once the reference is newer the operator is told and the watch
// ends until the project is opened again or the setting saved again. The
// work copy itself is never replaced.
class RemoteMaintenance : public PacedProcedure {
public:
    static constexpr int kMinuteMs = 60'000;

    RemoteMaintenance(const SupervisionSettings& settings, DailyProtocol& protocol, Operator& op, const Clock& clock,
        std::function<QString()> workCopyPath);

    // The minute count from 0, and a tick at once.
    void restart();
    int minutes() const { return m_minutes; }

    // "Datei auf dem Server: ..." with the two files' times.
    static Message comparisonMessage(const QDateTime& reference, const QDateTime& workCopy);

private:
    std::optional<int> due(const QDateTime& now) override;
    std::optional<int> nextMinute();
    std::optional<int> compare();
    std::optional<int> end(const QString& protocolLine);

    const SupervisionSettings& m_settings;
    DailyProtocol& m_protocol;
    Operator& m_op;
    std::function<QString()> m_workCopyPath;
    int m_minutes = 0;
    int m_generation = 0; // counts restarts, so that a tick waiting on the operator notices one
};

} // namespace varnox
