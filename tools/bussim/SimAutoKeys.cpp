#include "SimAutoKeys.h"

#include "SimLine.h"
#include "SimLog.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>

namespace varnox::bussim {

std::optional<AutoKey> parseAutoKey(const QString& entry)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{1,2}):([0-9A-Fa-f]{1,12})$"));
    const QRegularExpressionMatch m = form.match(entry);
    if (!m.hasMatch())
        return std::nullopt;
    AutoKey key{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toUpper().rightJustified(12, QLatin1Char('0'))};
    if (key.line < 1 || key.line > 16 || key.line == 8 || key.as > 63)
        return std::nullopt;
    return key;
}

SimAutoKeys::SimAutoKeys(const QMap<int, SimLine*>& lines, SimLog& log, QObject* parent)
    : QObject(parent)
    , m_lines(lines)
    , m_log(log)
{
    m_timer.setInterval(5000);
    connect(&m_timer, &QTimer::timeout, this, &SimAutoKeys::onTick);
}

void SimAutoKeys::setRunning(bool on)
{
    if (on && !m_keys.isEmpty())
        m_timer.start();
    else
        m_timer.stop();
}

SimLine* SimAutoKeys::listening(const AutoKey& key) const
{
    SimLine* line = m_lines.value(key.line, nullptr);
    return line && line->interfaceSetUp() && !line->transferring() ? line : nullptr;
}

void SimAutoKeys::onTick()
{
    if (m_round.isEmpty()) {
        for (int i = 0; i < m_keys.size(); ++i)
            m_round << i;
        std::shuffle(m_round.begin(), m_round.end(), *QRandomGenerator::global());
    }
    for (qsizetype i = 0; i < m_round.size(); ++i) {
        const AutoKey& key = m_keys[m_round[i]];
        SimLine* line = listening(key);
        if (!line)
            continue;
        m_round.removeAt(i);
        m_log.event(key.line, QStringLiteral("key %1 held to AS %2").arg(key.number).arg(key.as));
        line->presentKey(key.as, key.number);
        return;
    }
}

}  // namespace varnox::bussim
