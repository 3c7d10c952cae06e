#pragma once

#include "TempHome.h"
#include "core/project/Database.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectTemplate.h"

#include <SQLiteCpp/Statement.h>

#include <QDir>
#include <QString>
#include <stdexcept>

namespace varnox::test {

// A fresh project of the current layout in a temporary program folder, lying
// where an open project's work copy lies, with helpers to put rows in and read
// single values back.
class ProjectFixture {
public:
    ProjectFixture()
    {
        QDir().mkpath(ProgramFolder::projectsDir());
        m_path = workCopyPath(workCopyName());
        if (!writeProjectTemplate(m_path))
            throw std::runtime_error("cannot write the test project");
    }

    static QString workCopyName() { return QStringLiteral("~hlvtest.tmp"); }
    QString path() const { return m_path; }
    const TempHome& home() const { return m_home; }

    // Runs one statement with its values bound in order.
    template <typename... Values>
    void exec(const char* sql, const Values&... values)
    {
        Database db(path());
        SQLite::Statement q(db.sql(), sql);
        int i = 0;
        (bindOne(q, ++i, values), ...);
        q.exec();
    }

    // The first column of the first row as text; "<none>" without a row.
    template <typename... Values>
    QString value(const char* sql, const Values&... values)
    {
        Database db(path());
        SQLite::Statement q(db.sql(), sql);
        int i = 0;
        (bindOne(q, ++i, values), ...);
        if (!q.executeStep())
            return QStringLiteral("<none>");
        return QString::fromStdString(q.getColumn(0).getString());
    }

    void addReader(const QString& name, const QString& serial, int busLine, int address, bool central = true, int keys = 0,
                   bool modify = false)
    {
        exec("INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, RSZ, ProgSp, "
             "TOE, Akustik, Zeiterfassung) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?, 3, 1, 1, 1, 0)",
             serial, name, busLine, address, int(central), central ? 0 : 1, keys, int(modify));
    }

    void addFunction(const QString& name, int kind, const QString& protocol, int busLine)
    {
        exec("INSERT INTO Funktionen (Fname, FTyp, Protokoll, BusID) VALUES (?, ?, ?, ?)", name, kind, protocol, busLine);
    }

    void linkToProfile(const QString& serial, const QString& function = QStringLiteral("Tür"))
    {
        exec("INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) VALUES ('P', ?, 'IMMER', ?)", serial, function);
    }

private:
    static void bindOne(SQLite::Statement& q, int i, const QString& v) { q.bind(i, v.toStdString()); }
    static void bindOne(SQLite::Statement& q, int i, const char* v) { q.bind(i, v); }
    static void bindOne(SQLite::Statement& q, int i, int v) { q.bind(i, v); }

    TempHome m_home;
    QString m_path;
};

}  // namespace varnox::test
