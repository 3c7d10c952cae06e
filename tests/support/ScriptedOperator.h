#pragma once

#include "core/shell/Operator.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTest>

namespace varnox::test {

// Answers from a script and records every message it was given. A question
// without a scripted answer fails the running test; telling needs no script.
class ScriptedOperator final : public Operator {
public:
    struct Asked {
        Message message;
        Buttons buttons;
    };

    ScriptedOperator& then(Answer answer)
    {
        m_answers.enqueue(answer);
        return *this;
    }

    Answer ask(const Message& message, Buttons buttons) override
    {
        m_asked.append({message, buttons});
        if (buttons == Buttons::Ok && m_answers.isEmpty())
            return Answer::Ok;
        if (m_answers.isEmpty()) {
            QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + message.text), __FILE__, __LINE__);
            return Answer::Cancel;
        }
        return m_answers.dequeue();
    }

    const QList<Asked>& asked() const { return m_asked; }
    QStringList texts() const
    {
        QStringList out;
        for (const Asked& a : m_asked)
            out << a.message.text;
        return out;
    }

private:
    QQueue<Answer> m_answers;
    QList<Asked> m_asked;
};

}  // namespace varnox::test
