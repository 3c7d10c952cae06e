#pragma once

#include "core/model/Reader.h"
#include "core/shell/Message.h"

#include <optional>

namespace varnox {

// The writes of the reader page. Each checks the page's entries in a fixed
// order and stops at the first failure with the message for it, or opens the
// project file at `path`, writes and closes it again.
class ReaderOperations {
public:
    explicit ReaderOperations(QString path) : m_path(std::move(path)) {}

    Outcome create(const ReaderForm& form) const;

    // Changes the reader with the serial number `serial` to the page's
    // entries; type and serial number stay as they are. A central reader
    // switched to dezentraler Modus takes its assignments along: they get
    // the always-zone and no function, as a decentral reader's do.
    Outcome change(const QString& serial, const ReaderForm& form) const;

    // What the operator must confirm before change(): `question` is set when
    // the switch to dezentraler Modus replaces the zone or function of any
    // of the reader's assignments. Fails with change()'s own refusal of the
    // entries, so that nothing is asked before a certain refusal.
    Outcome questionBeforeChange(const QString& serial, const ReaderForm& form, std::optional<Message>& question) const;

    // Gives the reader a new serial number and nothing else.
    Outcome changeSerial(const QString& serial, const QString& newSerial) const;

    Outcome remove(const QString& serial) const;

    // Whether a reader must receive its data again after a change from
    // `stored` to `changed`: once set the flag stays; otherwise it is set when
    // anything the reader itself holds differs (not its name, bus line or
    // time-recording role).
    static bool needsTransfer(const Reader& stored, const Reader& changed);

    // The entry checks of create and change, for the page and for tests.
    static std::optional<Message> checkNew(const ReaderForm& form);
    static std::optional<Message> checkChange(const Reader& stored, const ReaderForm& form);

private:
    QString m_path;
};

}  // namespace varnox
