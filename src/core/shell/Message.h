#pragma once

#include <QMetaType>
#include <QString>

namespace varnox {

enum class MessageIcon { None, Information, Question, Exclamation, Critical };

// What a window shows in a message box: the core composes it, the window
// shows it. `focus` names the control (its objectName) that gets the focus
// afterwards, `selectAll` whether that control's whole text is selected.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    QString focus;
    bool selectAll = false;

    bool operator==(const Message&) const = default;
};

// The result of an operation of the core: success, or the message to show.
class Outcome {
public:
    static Outcome ok() { return Outcome(); }
    static Outcome fail(Message message) { return Outcome(std::move(message)); }

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }
    const Message& message() const { return m_message; }

private:
    Outcome() = default;
    explicit Outcome(Message message) : m_failed(true), m_message(std::move(message)) {}
    bool m_failed = false;
    Message m_message;
};

}  // namespace varnox

Q_DECLARE_METATYPE(varnox::Message)
