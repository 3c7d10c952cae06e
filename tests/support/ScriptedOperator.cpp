#include "ScriptedOperator.h"

#include <QStringList>
#include <QTest>

namespace varnox::test {

Answer ScriptedOperator::ask(const Message& message, Buttons buttons)
{
    m_asked.append({message, buttons});
    if (buttons == Buttons::Ok && m_answers.isEmpty())
        return Answer::Ok;  // telling needs no script
    if (m_answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unscripted question: ") + message.text), __FILE__, __LINE__);
        return Answer::Cancel;
    }
    return m_answers.dequeue();
}

QStringList ScriptedOperator::texts() const
{
    QStringList out;
    for (const Asked& a : m_asked)
        out << a.message.text;
    return out;
}

}  // namespace varnox::test
