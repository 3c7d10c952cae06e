#pragma once

#include "core/bus/LineSlots.h"

#include <QDateTime>

namespace varnox {

// TimerRec(n), TimerRec2: a line's wait for its interface. WaitForAnswer
// clears the line's answer flag and waits until an answer arrives or the
// time runs out, when the answer slot reads "T". WaitForDeskReader always
// waits the full time: the desk reader does not answer.
class AnswerWait {
public:
    void WaitForAnswer(TelegramSlot& answer, int ms, const QDateTime& now)
    {
        answer.ready = false;
        m_answer = &answer;
        m_deadline = now.addMSecs(ms);
    }

    void WaitForDeskReader(int ms, const QDateTime& now)
    {
        m_answer = nullptr;
        m_deadline = now.addMSecs(ms);
    }

    // True once the wait is over.
    bool finished(const QDateTime& now)
    {
        if (m_answer && m_answer->ready)
            return true;
        if (now < m_deadline)
            return false;
        if (m_answer)
            m_answer->fill(QStringLiteral("T"));
        return true;
    }

    int remainingMs(const QDateTime& now) const { return int(qBound(qint64(0), now.msecsTo(m_deadline), qint64(60000))); }

private:
    TelegramSlot* m_answer = nullptr;
    QDateTime m_deadline;
};

}  // namespace varnox
