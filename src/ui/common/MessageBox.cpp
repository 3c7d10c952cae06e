#include "ui/common/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QQueue>

namespace varnox {
namespace {

QQueue<Answer>& queue()
{
    static QQueue<Answer> answers;
    return answers;
}

bool g_unattended = false;

QList<Message>& log()
{
    static QList<Message> messages;
    return messages;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons boxButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

Answer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

void moveFocus(QWidget* parent, const Message& message)
{
    if (!parent || message.focus.isEmpty())
        return;
    QWidget* target = parent->window()->findChild<QWidget*>(message.focus);
    if (!target)
        return;
    target->setFocus();
    if (!message.selectAll)
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

}  // namespace

Answer MessageBox::show(QWidget* parent, const Message& message, Buttons buttons)
{
    // The record is for the tests that read it; a program that runs for
    // months keeps only the last ones.
    if (log().size() >= kRecorded)
        log().removeFirst();
    log().append(message);
    if (!queue().isEmpty())
        return queue().dequeue();
    if (g_unattended) {
        qWarning("unanswered message box: %s", qPrintable(message.text));
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    QMessageBox box(boxIcon(message.icon), message.title, QString(message.text).replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    boxButtons(buttons), parent);
    return toAnswer(box.exec());
}

bool MessageBox::showOutcome(QWidget* parent, const Outcome& outcome)
{
    if (outcome.isOk())
        return true;
    show(parent, outcome.message());
    moveFocus(parent, outcome.message());
    return false;
}

void MessageBox::setUnattended(bool unattended) { g_unattended = unattended; }
bool MessageBox::unattended() { return g_unattended; }
void MessageBox::queueAnswer(Answer answer) { queue().enqueue(answer); }
void MessageBox::clearQueue() { queue().clear(); }
int MessageBox::queuedAnswers() { return int(queue().size()); }
const QList<Message>& MessageBox::shown() { return log(); }
void MessageBox::clearShown() { log().clear(); }

}  // namespace varnox
