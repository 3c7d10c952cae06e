#pragma once

#include "core/shell/Message.h"

#include <QList>
#include <QString>

namespace varnox {

class DailyProtocol;

// A reader as the transfer page lists it: by name, found by serial number.
struct TransferListEntry {
    QString name;
    QString serial;
};

// The readers that wait for their data (Modify set) and those that have it,
// each in the order of the table. A reader whose flag is empty counts as
// waiting: nobody knows what it holds.
Outcome readTransferLists(
    const QString& workCopy, QList<TransferListEntry>& waiting, QList<TransferListEntry>& current);

// "Leser zurücksetzen": the reader is to receive its data again.
Outcome resetReader(const QString& workCopy, DailyProtocol& protocol, const TransferListEntry& reader);

} // namespace varnox
