#include "core/model/ProjectListing.h"

#include "core/model/ProjectWork.h"
#include "core/model/ZoneOperations.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

QString text(SQLite::Statement& q, int column)
{
    return QString::fromStdString(q.getColumn(column).getString());
}

int count(Database& db, const char* sql)
{
    return countRows(db, sql, {});
}

} // namespace

Outcome readAllFunctions(const QString& path, QList<FunctionEntry>& functions)
{
    functions.clear();
    return readFromProject(path, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Fname, BusID, FTyp, Protokoll FROM Funktionen ORDER BY rowid");
        while (q.executeStep())
            functions.append({ text(q, 0), q.getColumn(1).getInt(),
                q.getColumn(2).isNull() ? -1 : q.getColumn(2).getInt(), text(q, 3) });
        return Outcome::ok();
    });
}

Outcome readAllZones(const QString& path, QList<ZoneEntry>& zones)
{
    zones.clear();
    return readFromProject(path, [&](Database& db) {
        QStringList names;
        SQLite::Statement q(db.sql(), "SELECT Tname FROM Zeitzonen ORDER BY rowid");
        while (q.executeStep())
            names << text(q, 0);
        for (const QString& name : names)
            zones.append({ name, readStoredWeek(db, name).value_or(unusedWeek()) });
        return Outcome::ok();
    });
}

Outcome readAllProfiles(const QString& path, QList<ProfileEntry>& profiles)
{
    profiles.clear();
    return readFromProject(path, [&](Database& db) {
        SQLite::Statement q(db.sql(),
            "SELECT Zname, (SELECT count(*) FROM Zuleser WHERE Profil = Zname), "
            "(SELECT count(*) FROM Zuschluessel WHERE Profil = Zname) "
            "FROM Zutrittsprofile ORDER BY rowid");
        while (q.executeStep())
            profiles.append({ text(q, 0), q.getColumn(1).getInt(), q.getColumn(2).getInt() });
        return Outcome::ok();
    });
}

Outcome readAllAssignments(const QString& path, QList<AssignmentEntry>& assignments)
{
    assignments.clear();
    return readFromProject(path, [&](Database& db) {
        SQLite::Statement q(db.sql(),
            "SELECT Profil, Leser, (SELECT Lname FROM Leser WHERE Seriennr = Leser), "
            "Zeitzone, ZFunktion FROM Zuleser ORDER BY Profil, rowid");
        while (q.executeStep())
            assignments.append({ text(q, 0), text(q, 1), text(q, 2), text(q, 3), text(q, 4) });
        return Outcome::ok();
    });
}

std::optional<int> readStoredVersion(const QString& path)
{
    try {
        Database db(path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "SELECT Versionsnummer FROM Einstellungen WHERE Bezeichnung = 'Version'");
        if (q.executeStep() && !q.getColumn(0).isNull())
            return q.getColumn(0).getInt();
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

Outcome readProjectCounts(const QString& path, ProjectCounts& c)
{
    c = ProjectCounts {};
    return readFromProject(path, [&](Database& db) {
        c.readers = count(db, "SELECT count(*) FROM Leser");
        c.decentralReaders = count(db, "SELECT count(*) FROM Leser WHERE coalesce(Zmodus, 0) = 0");
        c.readersToTransfer = count(db, "SELECT count(*) FROM Leser WHERE Modify <> 0");
        c.functions = count(db, "SELECT count(*) FROM Funktionen");
        c.zones = count(db, "SELECT count(*) FROM Zeitzonen");
        c.profiles = count(db, "SELECT count(*) FROM Zutrittsprofile");
        c.assignments = count(db, "SELECT count(*) FROM Zuleser");
        c.keys = count(db, "SELECT count(*) FROM Schluessel");
        c.linkedKeys = count(db,
            "SELECT count(*) FROM Schluessel WHERE EXISTS "
            "(SELECT 1 FROM Zuschluessel WHERE Schluessel = Schluesselnr)");
        c.keysWithPeriod = count(db, "SELECT count(*) FROM Schluessel WHERE AbsoluteZeit <> 0");
        c.version = countRows(
            db, "SELECT Versionsnummer FROM Einstellungen WHERE Bezeichnung = ?", { QStringLiteral("Version") });
        return Outcome::ok();
    });
}

} // namespace varnox
