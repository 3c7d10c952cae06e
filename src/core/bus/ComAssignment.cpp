#include "core/bus/ComAssignment.h"

#include "core/bus/PortMap.h"
#include "core/lang/Texts.h"
#include "core/project/Database.h"
#include "core/project/DbError.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QSet>

namespace varnox {
namespace {

Message duplicateMessage(int k)
{
    Message m;
    m.text = GetText(2624, "Diese COM-Schnittstelle wurde bereits einem anderen Bus-Strang zugeordnet!")
        + QStringLiteral("\r\n") + GetText(2625, "Bitte ändern Sie Ihre Eintragungen dementsprechend!");
    m.title = GetText(320, "Bezeichnung fehlt");
    m.icon = MessageIcon::Exclamation;
    m.focus = comBusListName(k);
    return m;
}

void storePort(Database& db, int line, int port)
{
    SQLite::Statement update(db.sql(), "UPDATE HLV_BUS SET ComPort = ? WHERE BusID = ?");
    update.bind(1, port);
    update.bind(2, line);
    if (update.exec() > 0)
        return;
    SQLite::Statement insert(db.sql(), "INSERT INTO HLV_BUS (BusID, ComPort) VALUES (?, ?)");
    insert.bind(1, line);
    insert.bind(2, port);
    insert.exec();
}

}  // namespace

QString comBusListName(int k) { return QStringLiteral("CmbComBus") + QString::number(k); }

int GetBusComPort(const QString& workCopyPath, int line)
{
    Database db(workCopyPath, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), "SELECT ComPort FROM HLV_BUS WHERE BusID = ?");
    q.bind(1, line);
    if (!q.executeStep() || q.getColumn(0).isNull())
        return 0;
    return q.getColumn(0).getInt();
}

ComAssignment readComAssignment(const QString& workCopyPath)
{
    ComAssignment ports{};
    Database db(workCopyPath, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), "SELECT BusID, ComPort FROM HLV_BUS WHERE BusID BETWEEN 1 AND 16");
    while (q.executeStep()) {
        if (!q.getColumn(1).isNull())
            ports[size_t(q.getColumn(0).getInt() - 1)] = q.getColumn(1).getInt();
    }
    return ports;
}

Outcome SaveComAssignment(const QString& workCopyPath, const ComAssignment& ports)
{
    QSet<int> taken;
    for (int k = 0; k < int(ports.size()); ++k) {
        const int p = ports[size_t(k)];
        if (p != 0 && taken.contains(p))
            return Outcome::fail(duplicateMessage(k));
        taken.insert(p);
    }
    try {
        Database db(workCopyPath);
        SQLite::Transaction transaction(db.sql());
        for (int k = 0; k < int(ports.size()); ++k)
            storePort(db, k + 1, qBound(0, ports[size_t(k)], kMaxComPort));
        transaction.commit();
    } catch (const std::exception& e) {
        return Outcome::fail(databaseErrorMessage(toDbError(e)));
    }
    return Outcome::ok();
}

}  // namespace varnox
