#include "core/project/ReadersToTransfer.h"

#include "core/project/Database.h"
#include "core/project/ProjectPaths.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {

std::optional<int> readersToTransfer(const QString& workCopyName)
{
    if (workCopyName.isEmpty())
        return 0;
    try {
        Database db(workCopyPath(workCopyName), Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "SELECT COUNT(Seriennr) FROM Leser WHERE Modify = ?");
        q.bind(1, 1);
        return q.executeStep() ? q.getColumn(0).getInt() : 0;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace varnox
