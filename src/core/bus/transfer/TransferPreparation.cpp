#include "core/bus/transfer/TransferPreparation.h"

#include "core/bus/BusLines.h"
#include "core/bus/transfer/TransferTexts.h"
#include "core/model/ReaderMessages.h"
#include "core/model/ReaderQueries.h"
#include "core/project/Database.h"
#include "core/project/DbError.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

int comPortOf(Database& db, int line)
{
    SQLite::Statement q(db.sql(), "SELECT ComPort FROM HLV_BUS WHERE BusID = ?");
    q.bind(1, line);
    return q.executeStep() && !q.getColumn(0).isNull() ? q.getColumn(0).getInt() : 0;
}

TransferPreparation refused(QList<Message> messages, QString protocolText)
{
    return TransferPreparation { std::nullopt, std::move(messages), std::move(protocolText) };
}

// A failure while the image is built: its own message, then the general one.
TransferPreparation buildFailed(const Message& message)
{
    return refused({ message, TransferTexts::preparationFailedMessage() }, TransferTexts::preparationFailed());
}

TransferPreparation prepare(Database& db, const QString& serial, const QString& name)
{
    const std::optional<Reader> found = ReaderQueries::bySerial(db, serial);
    if (!found)
        return refused({ ReaderMessages::notFoundForLoad() }, TransferTexts::preparationFailed());
    const Reader& reader = *found;
    if (reader.type != int(ReaderType::Em) && reader.type != int(ReaderType::Mifare))
        return refused(
            { TransferTexts::unknownType() }, TransferTexts::stoppedBecause(name, TransferTexts::unknownTypeReason()));
    if (!isBusLine(reader.busLine) || comPortOf(db, reader.busLine) == 0)
        return refused(
            { TransferTexts::noComPort() }, TransferTexts::stoppedBecause(name, TransferTexts::noComPortReason()));

    TransferJob job { name, reader, reader.busLine, MemoryImage() };
    if (reader.central) {
        job.image = MemoryImage::configurationBlock(reader);
        return TransferPreparation { job, {}, {} };
    }
    if (reader.type == int(ReaderType::Mifare))
        return buildFailed(TransferTexts::decentralMifare());
    const QList<KeyRecordRow> rows = keyRecordRows(db, serial);
    if (rows.size() > MemoryImage::kMaxRecords)
        return buildFailed(TransferTexts::tooManyRecords(name, int(rows.size())));
    QList<QByteArray> records;
    for (const KeyRecordRow& row : rows) {
        const std::optional<QByteArray> record = keyRecord(row.keyNumber, row.function);
        if (!record)
            return buildFailed(row.function == 1 || row.function == 2 ? TransferTexts::badKeyNumber(row.keyNumber)
                                                                      : TransferTexts::wrongFunction());
        records << *record;
    }
    job.image = MemoryImage::keyImage(reader, records);
    return TransferPreparation { job, {}, {} };
}

} // namespace

QList<KeyRecordRow> keyRecordRows(Database& db, const QString& serial)
{
    SQLite::Statement q(db.sql(),
        "SELECT Schluesselnr, Funktion FROM Leser, Zuleser l, Zuschluessel s, Schluessel "
        "WHERE Seriennr = ? AND Seriennr = Leser AND s.Profil = l.Profil AND "
        "Schluessel = Schluesselnr ORDER BY l.rowid, s.rowid");
    q.bind(1, serial.toStdString());
    QList<KeyRecordRow> rows;
    while (q.executeStep()) {
        const SQLite::Column function = q.getColumn(1);
        rows.append({ QString::fromStdString(q.getColumn(0).getString()), function.isNull() ? 0 : function.getInt() });
    }
    return rows;
}

TransferPreparation prepareTransfer(const QString& workCopy, const QString& serial, const QString& name)
{
    try {
        Database db(workCopy, Database::Access::ReadOnly);
        return prepare(db, serial, name);
    } catch (const std::exception& e) {
        return refused({ databaseErrorMessage(toDbError(e)) }, TransferTexts::preparationFailed());
    }
}

} // namespace varnox
