#include "core/model/AssignmentOperations.h"

#include "core/lang/Texts.h"
#include "core/model/ProfileOperations.h"
#include "core/model/ProjectWork.h"
#include "core/model/ZoneOperations.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>

#include <optional>

namespace varnox {
namespace {

constexpr const char* kReaderColumns = "Lname, Seriennr, Zmodus, Funktion";

QString text(SQLite::Statement& q, int column) { return QString::fromStdString(q.getColumn(column).getString()); }

ReaderEntry readerAt(SQLite::Statement& q, int first)
{
    return ReaderEntry{text(q, first), text(q, first + 1), q.getColumn(first + 2).getInt() != 0,
                       q.getColumn(first + 3).getInt()};
}

std::optional<ReaderEntry> readerBySerial(Database& db, const QString& serial)
{
    SQLite::Statement q(db.sql(), std::string("SELECT ") + kReaderColumns + " FROM Leser WHERE Seriennr = ?");
    q.bind(1, serial.toStdString());
    if (!q.executeStep())
        return std::nullopt;
    return readerAt(q, 0);
}

std::optional<std::int64_t> assignmentRow(Database& db, const QString& profile, const QString& serial)
{
    return findRow(db, "SELECT rowid FROM Zuleser WHERE Leser = ? AND Profil = ?", {serial, profile});
}

// Every key of a profile reaches every reader of the profile once, so a reader
// gains or loses as many keys as the profile holds when it joins or leaves it.
int keysOfProfile(Database& db, const QString& profile)
{
    return countRows(db, "SELECT count(*) FROM Zuschluessel WHERE Profil = ?", {profile});
}

// A decentral reader holds its keys itself and must receive them again. The
// count never drops below zero, whatever an earlier fault left behind.
void recountReader(Database& db, const ReaderEntry& reader, int change)
{
    SQLite::Statement q(db.sql(), "UPDATE Leser SET Sanzahl = max(0, coalesce(Sanzahl, 0) + ?), "
                                  "Modify = CASE WHEN ? THEN 1 ELSE Modify END WHERE Seriennr = ?");
    q.bind(1, change);
    q.bind(2, reader.central ? 0 : 1);
    q.bind(3, reader.serial.toStdString());
    q.exec();
}

Message errorMessage(const QString& text) { return exclamationMessage(text, GetText(246, "Fehler")); }

// Zone and function are required for a reader in central mode.
std::optional<Message> missingChoice(const Assignment& a)
{
    const QString central = GetText(509, "Der von Ihnen ausgewählte Leser arbeitet im Zentralmodus.");
    if (a.zone.isEmpty())
        return exclamationMessage(messageLines({central, GetText(510, "Sie müssen ihm eine Zeitzone zuordnen!")}),
                                  GetText(511, "Zeitzone fehlt"), QStringLiteral("CmbZutr2Zeit"));
    if (a.function.isEmpty())
        return exclamationMessage(messageLines({central, GetText(512, "Sie müssen ihm eine Funktion zuordnen!")}),
                                  GetText(440, "Funktion fehlt"), QStringLiteral("CmbZutr2Fkt"));
    return std::nullopt;
}

Message decentralChangeMessage()
{
    return exclamationMessage(messageLines({GetText(503, "Der von Ihnen ausgewählte Leser arbeitet im dezentralen Modus."),
                                            GetText(504, "Er kann deshalb nicht auf dieser Registerseite verändert werden."),
                                            GetText(505, "Möchten Sie die Funktion verändern,"),
                                            GetText(506, "kann dies nur auf der Leser-Registerseite erfolgen!")}),
                              GetText(507, "Änderung nicht möglich"));
}

// The zone as stored: the always-zone under its reserved name, whatever the case.
QString storedZone(const QString& zone) { return isAlwaysZone(zone) ? kAlwaysZone : zone; }

bool named(Database& db, const char* sql, const QString& name)
{
    return findRow(db, sql, { name }).has_value();
}

// The page offers only the zones and functions the project holds; a name
// given any other way must name one of them too.
std::optional<Outcome> unknownChoice(Database& db, const Assignment& a)
{
    if (!isAlwaysZone(a.zone) && !named(db, "SELECT rowid FROM Zeitzonen WHERE Tname = ?", a.zone))
        return Outcome::fail(
            errorMessage(GetText(4003, "Die Zeitzone %1 gibt es in der Projektdatei nicht.").arg(quoted(a.zone))),
            Refusal::NotFound);
    if (!named(db, "SELECT rowid FROM Funktionen WHERE Fname = ?", a.function))
        return Outcome::fail(
            errorMessage(GetText(4004, "Die Funktion %1 gibt es in der Projektdatei nicht.").arg(quoted(a.function))),
            Refusal::NotFound);
    return std::nullopt;
}

} // namespace

QString linkedFunctionText(int linkedFunction)
{
    switch (linkedFunction) {
    case 1: return GetText(602, "Türöffner mit AS-Adresse");
    case 2: return GetText(603, "Steuerfunktion 1 mit eigener SN");
    default: return QString();
    }
}

QString zoneDisplayText(const QString& stored)
{
    return isAlwaysZone(stored) ? GetText(102, "IMMER") : stored;
}

Message noProfileChosenMessage()
{
    return exclamationMessage(messageLines({GetText(3100, "Bevor Sie einen neuen Leser einem Zutrittsprofil zuordnen möchten,"),
                                            GetText(3101, "müssen Sie zuerst aus der Liste das entsprechende Profil auswählen!")}),
                              GetText(3102, "Zutrittsprofil fehlt"), QStringLiteral("CmbZutr2Pro"));
}

Message noReaderChosenMessage()
{
    return exclamationMessage(messageLines({GetText(3103, "Wenn Sie einen Leser einem Zutrittsprofil zuordnen möchten,"),
                                            GetText(3104, "müssen Sie ihn zunächst aus der Liste der Leser auswählen!")}),
                              GetText(3105, "Leser fehlt"), QStringLiteral("CmbZutr2Les"));
}

Outcome readProfileReaders(const QString& workCopy, const QString& profile, QList<ReaderEntry>& readers)
{
    readers.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), std::string("SELECT ") + kReaderColumns
                                          + " FROM Zuleser, Leser WHERE Profil = ? AND Leser = Seriennr"
                                            " ORDER BY Zuleser.rowid");
        q.bind(1, profile.toStdString());
        while (q.executeStep())
            readers << readerAt(q, 0);
        return Outcome::ok();
    });
}

Outcome readReadersOutsideProfile(const QString& workCopy, const QString& profile, QList<ReaderEntry>& readers)
{
    readers.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), std::string("SELECT ") + kReaderColumns
                                          + " FROM Leser WHERE Seriennr NOT IN"
                                            " (SELECT Leser FROM Zuleser WHERE Profil = ? AND Leser IS NOT NULL)"
                                            " ORDER BY rowid");
        q.bind(1, profile.toStdString());
        while (q.executeStep())
            readers << readerAt(q, 0);
        return Outcome::ok();
    });
}

Outcome readAssignmentZones(const QString& workCopy, QList<ZoneChoice>& zones)
{
    zones.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Tname FROM Zeitzonen ORDER BY rowid");
        while (q.executeStep()) {
            const QString name = text(q, 0);
            if (isAlwaysZone(name))
                zones.prepend({zoneDisplayText(name), kAlwaysZone});
            else
                zones.append({name, name});
        }
        return Outcome::ok();
    });
}

Outcome readFunctionNames(const QString& workCopy, QStringList& names)
{
    names.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Fname FROM Funktionen ORDER BY rowid");
        while (q.executeStep())
            names << text(q, 0);
        return Outcome::ok();
    });
}

Outcome assignReader(const QString& workCopy, const Assignment& a)
{
    if (a.profile.isEmpty())
        return Outcome::fail(noProfileChosenMessage());
    if (a.readerSerial.isEmpty())
        return Outcome::fail(noReaderChosenMessage());
    return writeToProject(workCopy, [&](Database& db) {
        const std::optional<ReaderEntry> reader = readerBySerial(db, a.readerSerial);
        if (!reader)
            return Outcome::fail(
                errorMessage(GetText(3106, "Der Leser wurde in der Projektdatei nicht gefunden!")), Refusal::NotFound);
        if (!storedProfileName(db, a.profile))
            return Outcome::fail(unknownProfileMessage(a.profile), Refusal::NotFound);
        // The page offers only the readers outside the profile.
        if (assignmentRow(db, a.profile, reader->serial))
            return Outcome::fail(errorMessage(GetText(4005, "Der Leser ist diesem Zutrittsprofil bereits zugeordnet.")),
                Refusal::Exists);
        if (reader->central) {
            if (auto missing = missingChoice(a))
                return Outcome::fail(*missing);
            if (std::optional<Outcome> unknown = unknownChoice(db, a))
                return *unknown;
        }
        // A decentral reader opens at any time with its own linked function.
        SQLite::Statement q(db.sql(), "INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) VALUES (?, ?, ?, ?)");
        q.bind(1, a.profile.toStdString());
        q.bind(2, reader->serial.toStdString());
        q.bind(3, (reader->central ? storedZone(a.zone) : kAlwaysZone).toStdString());
        if (reader->central)
            q.bind(4, a.function.toStdString());
        else
            q.bind(4);
        q.exec();
        recountReader(db, *reader, keysOfProfile(db, a.profile));
        return Outcome::ok();
    });
}

Outcome changeAssignment(const QString& workCopy, const Assignment& a)
{
    return writeToProject(workCopy, [&](Database& db) {
        const std::optional<ReaderEntry> reader = readerBySerial(db, a.readerSerial);
        if (a.readerSerial.isEmpty() || !reader)
            return Outcome::fail(
                errorMessage(GetText(3107, "Die zu ändernde Zuordnung wurde nicht gefunden!")), Refusal::NotFound);
        if (!reader->central)
            return Outcome::fail(decentralChangeMessage());
        if (auto missing = missingChoice(a))
            return Outcome::fail(*missing);
        const std::optional<std::int64_t> row = assignmentRow(db, a.profile, reader->serial);
        if (!row)
            return Outcome::fail(
                errorMessage(GetText(3108, "Die Zuordnung konnte nicht verändert werden!")), Refusal::NotFound);
        if (std::optional<Outcome> unknown = unknownChoice(db, a))
            return *unknown;
        SQLite::Statement q(db.sql(), "UPDATE Zuleser SET Zeitzone = ?, ZFunktion = ? WHERE rowid = ?");
        q.bind(1, storedZone(a.zone).toStdString());
        q.bind(2, a.function.toStdString());
        q.bind(3, *row);
        q.exec();
        return Outcome::ok();
    });
}

Outcome removeAssignment(const QString& workCopy, const QString& profile, const QString& readerSerial)
{
    return writeToProject(workCopy, [&](Database& db) {
        const std::optional<ReaderEntry> reader = readerBySerial(db, readerSerial);
        const std::optional<std::int64_t> row = reader ? assignmentRow(db, profile, reader->serial) : std::nullopt;
        if (readerSerial.isEmpty() || !row)
            return Outcome::fail(
                errorMessage(GetText(3109, "Die zu löschende Zuordnung wurde nicht gefunden!")), Refusal::NotFound);
        SQLite::Statement q(db.sql(), "DELETE FROM Zuleser WHERE rowid = ?");
        q.bind(1, *row);
        q.exec();
        recountReader(db, *reader, -keysOfProfile(db, profile));
        return Outcome::ok();
    });
}

Outcome loadAssignment(const QString& workCopy, const QString& profile, const QString& readerSerial,
                       ReaderEntry& reader, Assignment& assignment)
{
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), std::string("SELECT Zeitzone, ZFunktion, ") + kReaderColumns
                                          + " FROM Zuleser, Leser WHERE Leser = ? AND Profil = ? AND Leser = Seriennr");
        q.bind(1, readerSerial.toStdString());
        q.bind(2, profile.toStdString());
        if (!q.executeStep())
            return Outcome::fail(
                errorMessage(GetText(3106, "Der Leser wurde in der Projektdatei nicht gefunden!")), Refusal::NotFound);
        reader = readerAt(q, 2);
        assignment = Assignment{profile, reader.serial, text(q, 0), text(q, 1)};
        return Outcome::ok();
    });
}

}  // namespace varnox
