#pragma once

// Lets QCOMPARE compare whole messages and show both sides when they differ.
#include "core/shell/Message.h"

#include <QTest>

namespace varnox {

inline char* toString(const Message& m)
{
    static const char* const icons[] = {"None", "Information", "Question", "Exclamation", "Critical"};
    return QTest::toString(QStringLiteral("{\"%1\", \"%2\", %3, \"%4\"%5}")
                               .arg(m.text, m.title, QLatin1String(icons[int(m.icon)]), m.focus,
                                    m.selectAll ? QStringLiteral(", selectAll") : QString()));
}

namespace test {

// A message as a test expects it; focus and selectAll as a message without them has.
inline Message message(const QString& text, const QString& title, MessageIcon icon, const QString& focus = {},
                       bool selectAll = false)
{
    return Message{text, title, icon, focus, selectAll};
}

}  // namespace test
}  // namespace varnox
