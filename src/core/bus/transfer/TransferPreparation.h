#pragma once

#include "core/bus/transfer/MemoryImage.h"
#include "core/model/Reader.h"
#include "core/shell/Message.h"

#include <QList>
#include <QString>
#include <optional>

namespace varnox {

class Database;

// A reader ready to receive its image over its bus line.
struct TransferJob {
    QString name; // as the list shows it, for the protocol lines
    Reader reader;
    int line = 0;
    MemoryImage image;
};

// The outcome of the preparation: the job, or the messages to show one
// after the other and the line for the daily protocol.
struct TransferPreparation {
    std::optional<TransferJob> job;
    QList<Message> messages;
    QString protocolText;
};

// Reads the reader (by its serial number), checks its type and its bus
// line's COM port, and builds its image. Nothing is sent and nothing is
// written; a reader that cannot be prepared keeps its Modify flag.
TransferPreparation prepareTransfer(const QString& workCopy, const QString& serial, const QString& name);

// The key records of a decentral reader, one per key that reaches it
// through one of its profiles (a key reaching it through two profiles gives
// two records), in the order of the links.
struct KeyRecordRow {
    QString keyNumber;
    int function = 0;
};
QList<KeyRecordRow> keyRecordRows(Database& db, const QString& serial);

} // namespace varnox
