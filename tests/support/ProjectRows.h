#pragma once

// Rows that tests put straight into a project's work copy, for the entities
// whose own pages are not under test.
#include "core/project/Database.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectTemplate.h"
#include "core/shell/ProgramFolder.h"

#include <SQLiteCpp/Statement.h>

#include <QDir>
#include <QTest>

namespace varnox::test {

// A fresh empty project's work copy below the current program folder (a TempHome).
inline QString newWorkCopy(const QString& name = QStringLiteral("~hlvtest.tmp"))
{
    QDir().mkpath(ProgramFolder::projectsDir());
    const QString path = workCopyPath(name);
    if (!writeProjectTemplate(path))
        qFatal("cannot write a project template to %s", qPrintable(path));
    return path;
}

// Runs one statement with its values bound in order.
template <typename... Values>
void execSql(const QString& path, const char* sql, const Values&... values)
{
    Database db(path);
    SQLite::Statement q(db.sql(), sql);
    int i = 0;
    (q.bind(++i, values), ...);
    q.exec();
}

// The first column of the first row, as an integer (-1 when there is no row).
template <typename... Values>
int intValue(const QString& path, const char* sql, const Values&... values)
{
    Database db(path, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), sql);
    int i = 0;
    (q.bind(++i, values), ...);
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

// The same as a text ("<null>" for NULL, "<none>" when there is no row).
template <typename... Values>
QString textValue(const QString& path, const char* sql, const Values&... values)
{
    Database db(path, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), sql);
    int i = 0;
    (q.bind(++i, values), ...);
    if (!q.executeStep())
        return QStringLiteral("<none>");
    if (q.getColumn(0).isNull())
        return QStringLiteral("<null>");
    return QString::fromStdString(q.getColumn(0).getString());
}

struct ReaderRow {
    std::string name;
    std::string serial;
    bool central = true;
    int linkedFunction = 0;
    int keyCount = 0;
    bool modify = false;
};

inline void insertReader(const QString& path, const ReaderRow& r)
{
    execSql(path,
            "INSERT INTO Leser (Lname, Seriennr, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, RSZ, ProgSp, TOE, "
            "Akustik, Zeiterfassung, Typ) VALUES (?, ?, 1, (SELECT count(*) FROM Leser), ?, ?, ?, ?, 3, 1, 1, 1, 0, 0)",
            r.name, r.serial, int(r.central), r.linkedFunction, r.keyCount, int(r.modify));
}

inline void insertFunction(const QString& path, const std::string& name)
{
    execSql(path, "INSERT INTO Funktionen (Fname, FTyp, Protokoll, BusID) VALUES (?, 0, '1100', 1)", name);
}

inline void insertProfile(const QString& path, const std::string& name)
{
    execSql(path, "INSERT INTO Zutrittsprofile (Zname) VALUES (?)", name);
}

// `count` keys linked with `profile`, numbered from `first`.
inline void insertKeys(const QString& path, const std::string& profile, int count, int first = 0)
{
    for (int i = first; i < first + count; ++i) {
        const std::string number = QStringLiteral("%1").arg(i, 12, 10, QLatin1Char('0')).toStdString();
        execSql(path, "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES (?, ?, 0)", number,
                "Schlüssel " + number);
        execSql(path, "INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, ?)", number, profile);
    }
}

inline void insertAssignment(const QString& path, const std::string& profile, const std::string& serial,
                             const std::string& zone, const std::string& function)
{
    execSql(path, "INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) VALUES (?, ?, ?, ?)", profile, serial, zone,
            function);
}

}  // namespace varnox::test
