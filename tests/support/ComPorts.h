#pragma once

#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox::test {

// Puts line `line` of a project on COM `com`, as the connection page would.
inline void assignComPort(const QString& workCopy, int line, int com)
{
    Database db(workCopy);
    SQLite::Statement q(db.sql(), "UPDATE HLV_BUS SET ComPort = ? WHERE BusID = ?");
    q.bind(1, com);
    q.bind(2, line);
    q.exec();
}

}  // namespace varnox::test
