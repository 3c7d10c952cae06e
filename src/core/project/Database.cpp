#include "core/project/Database.h"

#include <QFile>
#include <cerrno>
#include <sqlite3.h>

namespace varnox {
namespace {

int openFlags(Database::Access access)
{
    switch (access) {
    case Database::Access::ReadOnly: return SQLite::OPEN_READONLY;
    case Database::Access::Create: return SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE;
    default: return SQLite::OPEN_READWRITE;
    }
}

int casefold(void*, int lengthA, const void* a, int lengthB, const void* b)
{
    const QStringView va(static_cast<const char16_t*>(a), lengthA / 2);
    const QStringView vb(static_cast<const char16_t*>(b), lengthB / 2);
    return compareNames(va, vb);
}

}  // namespace

int compareNames(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive); }

Database::Database(const QString& path, Access access)
    : m_path(path), m_db(QFile::encodeName(path).toStdString(), openFlags(access), 5000)
{
    sqlite3_create_collation_v2(m_db.getHandle(), "CASEFOLD", SQLITE_UTF16_ALIGNED, nullptr, casefold, nullptr);
}

int systemErrorOf(const std::exception& e, sqlite3* handle)
{
    const auto* sqlError = dynamic_cast<const SQLite::Exception*>(&e);
    if (!sqlError)
        return 0;
    // The error the engine's file saw last stays with the file, whatever
    // calls (a rollback) came after it.
    int lastErrno = 0;
    if (handle && sqlite3_file_control(handle, "main", SQLITE_FCNTL_LAST_ERRNO, &lastErrno) == SQLITE_OK
        && lastErrno != 0)
        return lastErrno;
    switch (sqlError->getErrorCode()) {
    case SQLITE_FULL: return ENOSPC;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH: return EACCES;
    case SQLITE_IOERR: return EIO;
    default: return 0;
    }
}

void Database::execResource(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw SQLite::Exception("missing resource " + resource.toStdString());
    m_db.exec(file.readAll().toStdString());
}

}  // namespace varnox
