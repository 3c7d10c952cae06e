#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <optional>

namespace varnox::bussim {

class SimLine;
class SimLog;

// A key that people hold to a reader now and then: line, AS address, number.
struct AutoKey {
    int line = 0;
    int as = 0;
    QString number;  // twelve hexadecimal digits
};

// "LINE:AS:KEY" from the command line; the key padded to twelve digits.
std::optional<AutoKey> parseAutoKey(const QString& entry);

// Keys held to the readers on their own at a gentle pace, so that a demo
// installation shows requests without anybody typing: one key every
// interval, each key once a round in a new random order. A line gets keys
// only while somebody listens (its interface was set up since the device
// last appeared) and never while a reader on it is selected for a data
// transfer, which a request in between would only disturb.
class SimAutoKeys : public QObject {
    Q_OBJECT
public:
    SimAutoKeys(const QMap<int, SimLine*>& lines, SimLog& log, QObject* parent = nullptr);

    void setKeys(const QList<AutoKey>& keys) { m_keys = keys; }
    void setIntervalMs(int ms) { m_timer.setInterval(qMax(100, ms)); }
    int intervalMs() const { return m_timer.interval(); }
    // Starts or stops the keys; nothing starts without keys.
    void setRunning(bool on);
    bool running() const { return m_timer.isActive(); }

private:
    void onTick();
    SimLine* listening(const AutoKey& key) const;

    const QMap<int, SimLine*>& m_lines;
    SimLog& m_log;
    QList<AutoKey> m_keys;
    QList<int> m_round;  // indexes into m_keys still to come this round
    QTimer m_timer;
};

}  // namespace varnox::bussim
