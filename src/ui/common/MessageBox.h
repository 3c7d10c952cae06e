#pragma once

#include "core/shell/Operator.h"

#include <QList>

class QWidget;

namespace varnox {

// Every message box of the program goes through here. Tests queue the
// answers beforehand; a queued answer is taken instead of showing the box,
// and the last messages passed in are recorded, so that windows can be
// driven unattended and their messages checked word for word.
class MessageBox {
public:
    static Answer show(QWidget* parent, const Message& message, Buttons buttons = Buttons::Ok);

    // Shows an outcome's message and moves the focus as it asks; true when
    // the outcome was a success (nothing shown).
    static bool showOutcome(QWidget* parent, const class Outcome& outcome);

    // Without a person at the screen (tests), a box with no queued answer is
    // not shown: it is recorded, a warning printed, and the cautious answer
    // (Ok, No or Cancel) returned, so that a forgotten answer never hangs.
    static void setUnattended(bool unattended);
    static bool unattended();

    static void queueAnswer(Answer answer);
    static void clearQueue();
    static int queuedAnswers();
    // The messages passed to show(), the last kRecorded of them.
    static const QList<Message>& shown();
    static void clearShown();
    static constexpr int kRecorded = 64;
};

// The operator at the desk, answering through message boxes.
class UiOperator final : public Operator {
public:
    explicit UiOperator(QWidget* parent = nullptr) : m_parent(parent) {}
    Answer ask(const Message& message, Buttons buttons) override { return MessageBox::show(m_parent, message, buttons); }

private:
    QWidget* m_parent;
};

}  // namespace varnox
