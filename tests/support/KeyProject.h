#pragma once

// A project for the key tests: readers, profiles and assignments put in
// directly, keys added through the operations under test.
#include "ProjectRows.h"
#include "TempHome.h"
#include "core/model/KeyOperations.h"

namespace varnox::test {

struct KeyProject {
    TempHome home;
    QString path = newWorkCopy();

    int count(const char* serial) const { return intValue(path, "SELECT Sanzahl FROM Leser WHERE Seriennr = ?", serial); }
    int modify(const char* serial) const { return intValue(path, "SELECT Modify FROM Leser WHERE Seriennr = ?", serial); }
    QString linkOf(const QString& number) const
    {
        return textValue(path, "SELECT Profil FROM Zuschluessel WHERE Schluessel = ?", number.toStdString());
    }
    QString column(const char* column, const QString& number) const
    {
        return textValue(path, (std::string("SELECT ") + column + " FROM Schluessel WHERE Schluesselnr = ?").c_str(),
                         number.toStdString());
    }
    int rows(const char* table) const { return intValue(path, (std::string("SELECT count(*) FROM ") + table).c_str()); }

    // `count` keys linked with `profile`, numbered from `first`, in one statement.
    void fillProfile(const std::string& profile, int count, int first = 1000000)
    {
        execSql(path,
                "WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) SELECT printf('%012d', i), 'Füllung ' || i, 0 FROM n",
                first, first + count - 1);
        execSql(path,
                "WITH RECURSIVE n(i) AS (SELECT ? UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO Zuschluessel (Schluessel, Profil) SELECT printf('%012d', i), ? FROM n",
                first, first + count - 1, profile);
    }

    // Readers whose key count differs from a fresh count over the links.
    QStringList miscounted() const
    {
        Database db(path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "SELECT Lname, coalesce(Sanzahl, 0), (SELECT count(*) FROM Zuleser l JOIN Zuschluessel s "
                                      "ON s.Profil = l.Profil WHERE l.Leser = Seriennr) FROM Leser");
        QStringList wrong;
        while (q.executeStep()) {
            if (q.getColumn(1).getInt() != q.getColumn(2).getInt())
                wrong << QStringLiteral("%1: %2 instead of %3")
                             .arg(QString::fromStdString(q.getColumn(0).getString()))
                             .arg(q.getColumn(1).getInt())
                             .arg(q.getColumn(2).getInt());
        }
        return wrong;
    }
};

inline KeyForm keyForm(const QString& number, const QString& name, const QString& profile = {})
{
    KeyForm form;
    form.number = number;
    form.name = name;
    form.profile = profile;
    return form;
}

}  // namespace varnox::test
