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

// Why an operation was refused, for callers that act on more than the
// message (the command-line tool tells them apart by its exit status).
enum class Refusal {
    Entry, // an entry is missing or wrong
    Exists, // a value that must be unique exists already
    InUse, // other rows still name what was to be changed or removed
    NotFound, // what was to be worked on is not there
    Database, // the project file itself failed
};

// The result of an operation of the core: success, or the message to show.
class Outcome {
public:
    static Outcome ok() { return Outcome(); }
    static Outcome fail(Message message, Refusal refusal = Refusal::Entry)
    {
        return Outcome(std::move(message), refusal);
    }

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }
    const Message& message() const { return m_message; }
    Refusal refusal() const { return m_refusal; }

private:
    Outcome() = default;
    Outcome(Message message, Refusal refusal)
        : m_failed(true)
        , m_message(std::move(message))
        , m_refusal(refusal)
    {
    }
    bool m_failed = false;
    Message m_message;
    Refusal m_refusal = Refusal::Entry;
};

}  // namespace varnox

Q_DECLARE_METATYPE(varnox::Message)
