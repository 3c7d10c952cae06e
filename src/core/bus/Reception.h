#pragma once

#include "core/bus/BusLines.h"
#include "core/bus/LineSlots.h"

#include <QObject>
#include <array>

namespace varnox {

class Clock;
class EvaluationControl;
class ProtocolList;

// Sorts what the interfaces of the bus lines send. Each byte that arrives on
// line n is handed to receive(n, byte); a complete telegram goes by its type
// character into one of the line's three slots, a reader telegram of nine
// characters also into the protocol list, and a key request starts the
// evaluation when none is running.
class Reception : public QObject {
    Q_OBJECT
public:
    Reception(const Clock& clock, ProtocolList& protocolList, EvaluationControl& evaluation, QObject* parent = nullptr);

    void receive(int line, char ch);

    // SendTelegram keeps "$" + the sent text as the line's last bus event,
    // without raising the flag.
    void recordSent(int line, const QString& text);

    LineSlots& lineSlots(int line);
    TelegramSlot& commandAnswer(int line) { return lineSlots(line).cmdAnswer; }
    TelegramSlot& busEvent(int line) { return lineSlots(line).busEvent; }
    TelegramSlot& keyRequest(int line) { return lineSlots(line).keyRequest; }

signals:
    void telegramFiled(int line, varnox::SlotKind kind, const QString& telegram);

private:
    void file(int line, const QString& telegram);
    void appendProtocolLine(QChar letter, int line, const QString& telegram);

    const Clock& m_clock;
    ProtocolList& m_protocolList;
    EvaluationControl& m_evaluation;
    std::array<LineSlots, kLineSlots> m_lines;
    LineSlots m_nowhere;  // what lineSlots() hands out for a number outside 0..17
};

}  // namespace varnox
