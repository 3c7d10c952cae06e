#include "core/bus/transfer/TransferLists.h"

#include "core/bus/transfer/TransferTexts.h"
#include "core/model/ProjectWork.h"
#include "core/online/DailyProtocol.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {

Outcome readTransferLists(const QString& workCopy, QList<TransferListEntry>& waiting, QList<TransferListEntry>& current)
{
    waiting.clear();
    current.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Lname, Seriennr, coalesce(Modify, 1) <> 0 FROM Leser ORDER BY rowid");
        while (q.executeStep()) {
            TransferListEntry entry { QString::fromStdString(q.getColumn(0).getString()),
                QString::fromStdString(q.getColumn(1).getString()) };
            (q.getColumn(2).getInt() != 0 ? waiting : current).append(entry);
        }
        return Outcome::ok();
    });
}

Outcome resetReader(const QString& workCopy, DailyProtocol& protocol, const TransferListEntry& reader)
{
    const Outcome outcome = writeToProject(workCopy, [&reader](Database& db) {
        SQLite::Statement q(db.sql(), "UPDATE Leser SET Modify = 1 WHERE Seriennr = ?");
        q.bind(1, reader.serial.toStdString());
        q.exec();
        return Outcome::ok();
    });
    if (outcome)
        protocol.write(TransferTexts::resetDone(reader.name));
    return outcome;
}

} // namespace varnox
