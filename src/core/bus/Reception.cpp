#include "core/bus/Reception.h"

#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/shell/Clock.h"

namespace varnox {
namespace {

constexpr int kReaderTelegramLength = 9;

}  // namespace

Reception::Reception(const Clock& clock, ProtocolList& protocolList, EvaluationControl& evaluation, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_protocolList(protocolList)
    , m_evaluation(evaluation)
{
}

LineSlots& Reception::lineSlots(int line)
{
    if (line < 0 || line >= kLineSlots) {
        m_nowhere = LineSlots();
        return m_nowhere;
    }
    return m_lines[size_t(line)];
}

void Reception::receive(int line, char ch)
{
    TelegramAssembler& rx = lineSlots(line).rx;
    if (rx.feed(ch) == TelegramAssembler::Event::Complete)
        file(line, QString::fromLatin1(rx.telegram()));
}

void Reception::file(int line, const QString& t)
{
    if (t.isEmpty())
        return;
    LineSlots& s = lineSlots(line);
    const QChar f = t.front();
    SlotKind kind = SlotKind::CommandAnswer;
    if (f == QLatin1Char('$') || f == QLatin1Char('&') || f == QLatin1Char(',')) {
        kind = SlotKind::BusEvent;
        s.busEvent.fill(t);
        if (f != QLatin1Char(',') && t.size() == kReaderTelegramLength)
            appendProtocolLine(QLatin1Char('A'), line, t);
    } else if (f == QLatin1Char('%') || f == QLatin1Char('\'')) {
        kind = SlotKind::KeyRequest;
        s.keyRequest.fill(t);
        if (t.size() == kReaderTelegramLength)
            appendProtocolLine(QLatin1Char('Q'), line, t);
        m_evaluation.startIfIdle();
    } else {
        s.cmdAnswer.fill(t);
    }
    emit telegramFiled(line, kind, t);
}

void Reception::recordSent(int line, const QString& text)
{
    lineSlots(line).busEvent.text = QLatin1Char('$') + text;
}

void Reception::appendProtocolLine(QChar letter, int line, const QString& telegram)
{
    m_protocolList.append(ProtocolList::formatLine(m_clock.now().time(), letter, line, telegram));
    if (!m_evaluation.running)  // else the evaluation bounds it when its request is done
        m_protocolList.bound();
}

}  // namespace varnox
