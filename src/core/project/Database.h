#pragma once

#include <SQLiteCpp/Database.h>

#include <QString>

namespace varnox {

// One open connection to a project file (in practice its work copy). Every
// operation opens one, does its work and lets it go out of scope, so that the
// file is closed on every path. Names compare without regard to case, umlauts
// included: the collation CASEFOLD is registered on every connection.
class Database {
public:
    enum class Access { ReadWrite, ReadOnly, Create };

    // Throws SQLite::Exception when the file cannot be opened.
    explicit Database(const QString& path, Access access = Access::ReadWrite);

    SQLite::Database& sql() { return m_db; }
    const QString& path() const { return m_path; }

    // Runs the statements of a resource file (":/schema/...").
    void execResource(const QString& resource);

private:
    QString m_path;
    SQLite::Database m_db;
};

// The collation itself, for code that compares names outside SQL.
int compareNames(QStringView a, QStringView b);

// The system's error number (errno) behind a failure of the engine: the one
// the database file of `handle` saw last where there is one, else the
// nearest one to the engine's result code (a full disk, no permission, an
// input/output error); 0 for anything else.
int systemErrorOf(const std::exception& e, sqlite3* handle = nullptr);

}  // namespace varnox
