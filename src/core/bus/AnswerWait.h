#pragma once

#include "core/bus/LineSlots.h"
#include "core/bus/SerialPort.h"

#include <QDateTime>

namespace varnox {

// TimerRec(n), TimerRec2: a line's wait for its interface. WaitForAnswer
// clears the line's answer flag and waits until an answer arrives or the
// time runs out, when the answer slot reads "T". Given the line's port, the
// time runs out only after the bytes waiting in that port have been read: a
// program busy with other lines must not take an answer it has not read yet
// for silence. WaitForDeskReader always waits the full time: the desk reader
// does not answer.
class AnswerWait {
public:
    void WaitForAnswer(TelegramSlot& answer, int ms, const QDateTime& now, SerialPort* port = nullptr)
    {
        answer.ready = false;
        m_answer = &answer;
        m_port = port;
        m_deadline = now.addMSecs(ms);
    }

    void WaitForDeskReader(int ms, const QDateTime& now)
    {
        m_answer = nullptr;
        m_port = nullptr;
        m_deadline = now.addMSecs(ms);
    }

    // True once the wait is over.
    bool finished(const QDateTime& now)
    {
        if (m_answer && m_answer->ready)
            return true;
        if (now < m_deadline)
            return false;
        if (m_answer && m_port)
            m_port->readPending();
        if (m_answer && !m_answer->ready)
            m_answer->fill(QStringLiteral("T"));
        return true;
    }

    int remainingMs(const QDateTime& now) const { return int(qBound(qint64(0), now.msecsTo(m_deadline), qint64(60000))); }

private:
    TelegramSlot* m_answer = nullptr;
    SerialPort* m_port = nullptr;
    QDateTime m_deadline;
};

}  // namespace varnox
