#pragma once

#include "TempHome.h"
#include "core/project/Database.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectTemplate.h"
#include "core/shell/ProgramFolder.h"

#include <SQLiteCpp/Statement.h>

#include <QString>
#include <QStringList>

namespace varnox::test {

// A fresh project of the current layout in a temporary program folder, lying
// where an open project's work copy lies, with helpers that put rows straight
// in (for the entities not under test) and read single values back.
class ProjectFixture {
public:
    ProjectFixture()
    {
        QDir().mkpath(ProgramFolder::projectsDir());
        m_path = workCopyPath(workCopyName());
        if (!writeProjectTemplate(m_path))
            qFatal("cannot write a project template to %s", qPrintable(m_path));
    }

    static QString workCopyName() { return QStringLiteral("~hlvtest.tmp"); }
    QString path() const { return m_path; }
    const TempHome& home() const { return m_home; }

    // Runs one statement with its values bound in order.
    template <typename... Values>
    void exec(const char* sql, const Values&... values) const
    {
        Database db(m_path);
        SQLite::Statement q(db.sql(), sql);
        bindAll(q, values...);
        q.exec();
    }

    // The first column of the first row as text: "<none>" without a row, "<null>" for NULL.
    template <typename... Values>
    QString value(const char* sql, const Values&... values) const
    {
        Database db(m_path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), sql);
        bindAll(q, values...);
        if (!q.executeStep())
            return QStringLiteral("<none>");
        return q.getColumn(0).isNull() ? QStringLiteral("<null>") : QString::fromStdString(q.getColumn(0).getString());
    }

    // The same as a number (-1 without a row).
    template <typename... Values>
    int intValue(const char* sql, const Values&... values) const
    {
        const QString text = value(sql, values...);
        return text == QLatin1String("<none>") ? -1 : text.toInt();
    }

    // A reader on `busLine` at `address` (-1: as many as there are readers);
    // a decentral one runs `function`.
    void addReader(const QString& name, const QString& serial, int busLine = 1, int address = -1, bool central = true,
                   int keys = 0, bool modify = false, int function = 1) const
    {
        exec("INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, RSZ, ProgSp, "
             "TOE, Akustik, Zeiterfassung) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?, 3, 1, 1, 1, 0)",
             serial, name, busLine, address < 0 ? intValue("SELECT count(*) FROM Leser") : address, int(central),
             central ? 0 : function, keys, int(modify));
    }

    void addFunction(const QString& name, int kind = 0, const QString& protocol = QStringLiteral("1100"),
                     int busLine = 1) const
    {
        exec("INSERT INTO Funktionen (Fname, FTyp, Protokoll, BusID) VALUES (?, ?, ?, ?)", name, kind, protocol, busLine);
    }

    void addProfile(const QString& name) const { exec("INSERT INTO Zutrittsprofile (Zname) VALUES (?)", name); }

    void addAssignment(const QString& profile, const QString& serial, const QString& zone = QStringLiteral("IMMER"),
                       const QString& function = QString()) const
    {
        exec("INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) VALUES (?, ?, ?, ?)", profile, serial, zone,
             function);
    }

    // Puts `serial` into the profile "P" with the always-zone.
    void linkToProfile(const QString& serial, const QString& function = QStringLiteral("Tür")) const
    {
        addAssignment(QStringLiteral("P"), serial, QStringLiteral("IMMER"), function);
    }

    // `count` keys "Schlüssel <number>" linked with `profile`, numbered from
    // `first` in twelve decimal digits, in two statements.
    void addKeys(const QString& profile, int count, int first = 0) const
    {
        exec("WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?) INSERT INTO Schluessel "
             "(Schluesselnr, Sname, AbsoluteZeit) SELECT printf('%012d', i), 'Schlüssel ' || printf('%012d', i), 0 FROM n",
             first, first + count - 1);
        exec("WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
             "INSERT INTO Zuschluessel (Schluessel, Profil) SELECT printf('%012d', i), ? FROM n",
             first, first + count - 1, profile);
    }

    // Puts line `line` on COM `com`, as the connection page would.
    void assignComPort(int line, int com) const { exec("UPDATE HLV_BUS SET ComPort = ? WHERE BusID = ?", com, line); }

    int keyCount(const QString& serial) const { return intValue("SELECT Sanzahl FROM Leser WHERE Seriennr = ?", serial); }
    int modify(const QString& serial) const { return intValue("SELECT Modify FROM Leser WHERE Seriennr = ?", serial); }
    // The key count and the transfer mark of a reader as "count/mark", e.g. "250/1".
    QString counted(const QString& serial) const
    {
        return value("SELECT coalesce(Sanzahl, 0) || '/' || Modify FROM Leser WHERE Seriennr = ?", serial);
    }

    // Readers whose key count differs from a fresh count over the links.
    QStringList miscounted() const
    {
        Database db(m_path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "SELECT Lname, coalesce(Sanzahl, 0), (SELECT count(*) FROM Zuleser l JOIN "
                                      "Zuschluessel s ON s.Profil = l.Profil WHERE l.Leser = Seriennr) FROM Leser");
        QStringList wrong;
        while (q.executeStep())
            if (q.getColumn(1).getInt() != q.getColumn(2).getInt())
                wrong << QStringLiteral("%1: %2 instead of %3")
                             .arg(QString::fromStdString(q.getColumn(0).getString()))
                             .arg(q.getColumn(1).getInt())
                             .arg(q.getColumn(2).getInt());
        return wrong;
    }

private:
    static void bindOne(SQLite::Statement& q, int i, const QString& v) { q.bind(i, v.toStdString()); }
    static void bindOne(SQLite::Statement& q, int i, const char* v) { q.bind(i, v); }
    static void bindOne(SQLite::Statement& q, int i, const std::string& v) { q.bind(i, v); }
    static void bindOne(SQLite::Statement& q, int i, int v) { q.bind(i, v); }
    template <typename... Values>
    static void bindAll(SQLite::Statement& q, const Values&... values)
    {
        int i = 0;
        (bindOne(q, ++i, values), ...);
    }

    TempHome m_home;
    QString m_path;
};

// A small installation for the page tests: profiles
// "Verwaltung" (twelve keys) and "Lager", the functions "Tür öffnen"
// and "Licht an", the zone "Werktag", the central readers "Haupteingang"
// (1001) and "Lieferanteneingang" (1003), the decentral "Serverraum" (1002,
// function 1) and "Archiv" (1004, function 2); "Haupteingang" and
// "Serverraum" belong to "Verwaltung".
inline void fillAssignmentProject(const ProjectFixture& p)
{
    p.addProfile("Verwaltung");
    p.addProfile("Lager");
    p.addKeys("Verwaltung", 12);
    p.addFunction("Tür öffnen");
    p.addFunction("Licht an");
    p.exec("INSERT INTO Zeitzonen (Tname, MoSzeit1) VALUES ('Werktag', '07:00:00')");
    p.addReader("Haupteingang", "1001");
    p.addReader("Serverraum", "1002", 1, -1, false, 0, false, 1);
    p.addReader("Lieferanteneingang", "1003");
    p.addReader("Archiv", "1004", 1, -1, false, 0, false, 2);
    p.addAssignment("Verwaltung", "1001", "Werktag", "Tür öffnen");
    p.addAssignment("Verwaltung", "1002");
}

}  // namespace varnox::test
