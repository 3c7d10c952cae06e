#pragma once

#include "core/shell/Operator.h"

#include <QString>

namespace varnox::ctl {

// Standard output and standard error, as UTF-8.
void out(const QString& text);
void err(const QString& text);

// A message of the core as the terminal shows it: its text, line breaks as
// the terminal knows them, on standard error.
void errMessage(const Message& message);
// The text on one line (its lines joined by blanks), for reports of many.
QString oneLine(const Message& message);

// The person at the desk as varnoxctl sees them: nobody to ask. Messages go
// to standard error; a question is shown and answered with the cautious No.
class ConsoleOperator : public Operator {
public:
    Answer ask(const Message& message, Buttons buttons) override;
    bool asked() const { return m_asked; }

private:
    bool m_asked = false;
};

} // namespace varnox::ctl
