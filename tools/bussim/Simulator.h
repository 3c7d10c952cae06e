#pragma once

#include "SimAutoKeys.h"
#include "SimLine.h"
#include "SimLog.h"

#include <QMap>
#include <QObject>

namespace varnox::bussim {

struct SimOptions {
    QString dir;           // where the device links go
    QList<int> lines;      // bus lines; 8 means the desk reader
    QList<std::pair<int, SimReader>> readers;
    QMap<int, int> answerFrom;  // line -> first presence query answered (0: never)
    int delayMs = 5;
    int comOffset = 0;     // line n is offered as COM n + offset
    QString portsFile;
    QString logFile;
    QList<AutoKey> autoKeys;  // held to the readers on their own
    int autoEveryMs = 5000;
};

// The whole installation: its lines, the desk reader and the commands an
// operator or a test types on standard input.
class Simulator : public QObject {
    Q_OBJECT
public:
    explicit Simulator(const SimOptions& options, QObject* parent = nullptr);

    // Makes the pseudo-terminals and tells where they are; false on failure.
    bool start(QString* error);

    // One command line; false when it was not understood.
    bool command(const QString& line);

    // The [Ports] entries, one "COM<n>=<device>" per line.
    QString portsEntries() const;

signals:
    void quitRequested();

private:
    SimLine* line(const QString& number);
    void showEeprom(SimLine& line, SimReader& reader, int from, int count);
    void listReaders();
    bool autoCommand(const QString& word);

    SimOptions m_options;
    SimLog m_log;
    QMap<int, SimLine*> m_lines;
    SimAutoKeys m_autoKeys{m_lines, m_log};
};

}  // namespace varnox::bussim
