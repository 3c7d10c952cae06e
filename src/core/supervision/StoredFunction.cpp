#include "core/supervision/StoredFunction.h"

#include "core/bus/BusPorts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {

std::optional<StoredFunction> findStoredFunction(const QString& workCopy, const QString& name)
{
    if (workCopy.isEmpty() || name.isEmpty())
        return std::nullopt;
    std::optional<StoredFunction> found;
    readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(
            db.sql(), "SELECT coalesce(Protokoll, ''), coalesce(BusID, 0) FROM Funktionen WHERE Fname = ?");
        q.bind(1, name.toStdString());
        if (q.executeStep())
            found = StoredFunction { QString::fromStdString(q.getColumn(0).getString()), q.getColumn(1).getInt() };
        return Outcome::ok();
    });
    return found;
}

bool sendStoredFunction(BusPorts& ports, const QString& workCopy, const QString& name)
{
    const std::optional<StoredFunction> f = findStoredFunction(workCopy, name);
    if (!f)
        return false;
    ports.SendTelegram(f->protocol, f->busLine);
    return true;
}

} // namespace varnox
