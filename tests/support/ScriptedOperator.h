#pragma once

#include "core/shell/Operator.h"

#include <QList>
#include <QQueue>

namespace varnox::test {

// Answers from a script and records every message it was given. A message
// without a scripted answer fails the running test.
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
    Answer ask(const Message& message, Buttons buttons) override;

    const QList<Asked>& asked() const { return m_asked; }
    QStringList texts() const;
    int pendingAnswers() const { return int(m_answers.size()); }

private:
    QQueue<Answer> m_answers;
    QList<Asked> m_asked;
};

}  // namespace varnox::test
