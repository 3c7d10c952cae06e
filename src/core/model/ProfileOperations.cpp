#include "core/model/ProfileOperations.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>

#include <optional>

namespace varnox {
namespace {

const QString kNameField = QStringLiteral("TxtZutr1Bez");

std::optional<std::int64_t> profileRow(Database& db, const QString& name)
{
    return findRow(db, "SELECT rowid FROM Zutrittsprofile WHERE Zname = ?", {name});
}

void insertProfile(Database& db, const QString& name)
{
    SQLite::Statement q(db.sql(), "INSERT INTO Zutrittsprofile (Zname) VALUES (?)");
    q.bind(1, name.toStdString());
    q.exec();
}

Message emptyNameMessage()
{
    return exclamationMessage(GetText(523, "Geben Sie dem Zutrittsprofil eine Bezeichnung!"),
                              GetText(320, "Bezeichnung fehlt"), kNameField);
}

QString existsLine() { return GetText(3018, "Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!"); }
QString correctLine() { return GetText(415, "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte."); }

std::optional<Message> createRefusal(const DbError& error)
{
    if (error.kind != DbErrorKind::Duplicate)
        return std::nullopt;
    return databaseRefusal({existsLine(), correctLine(),
                            GetText(417, "Das Programm lässt zwei Datensätze mit der gleichen Bezeichnung ")
                                + GetText(3050, "in einer Anlage nicht zu.")}, kNameField, true);
}

std::optional<Message> renameRefusal(const DbError& error)
{
    if (error.kind == DbErrorKind::Duplicate)
        return databaseRefusal({existsLine(), correctLine(),
                                GetText(3051, "Das Programm lässt zwei Profile mit der gleichen Bezeichnung ")
                                    + GetText(3050, "in einer Anlage nicht zu.")}, kNameField, true);
    if (error.kind == DbErrorKind::StillReferenced)
        return databaseRefusal({GetText(3052, "Es ist im Augenblick nicht möglich den Eintrag zu ändern,"),
                                GetText(3053, "weil das Zutrittsprofil mit mindestens einem Schlüssel verknüpft ist."),
                                QString(),
                                GetText(3032, "Möchten Sie die Änderung durchführen, müssen sie zuvor"),
                                GetText(3030, "die Verknüpfung(en) löschen.")}, kNameField, true);
    return std::nullopt;
}

std::optional<Message> deleteRefusal(const DbError& error)
{
    if (error.kind != DbErrorKind::StillReferenced)
        return std::nullopt;
    return databaseRefusal({GetText(3055, "Das ausgewählte Zutrittsprofil ist mindestens einmal in Benutzung!"),
                            GetText(3056, "Deshalb kann es nicht gelöscht werden."),
                            GetText(3057, "Falls Sie das Profil löschen wollen, müssen Sie zuvor"),
                            GetText(3058, "sämtliche Verknüpfungen mit dem Profil im Register") + QLatin1Char(' ')
                                + quoted(GetText(3059, "Leserzuordnung")) + GetText(3060, " löschen.")});
}

Message notFoundMessage(QString text) { return exclamationMessage(std::move(text), GetText(246, "Fehler")); }

}  // namespace

bool profileInUse(Database& db, const QString& profile)
{
    return countRows(db, "SELECT count(*) FROM Zuleser WHERE Profil = ?", {profile}) > 0
           || countRows(db, "SELECT count(*) FROM Zuschluessel WHERE Profil = ?", {profile}) > 0;
}

std::optional<QString> storedProfileName(Database& db, const QString& profile)
{
    SQLite::Statement q(db.sql(), "SELECT Zname FROM Zutrittsprofile WHERE Zname = ? ORDER BY rowid");
    q.bind(1, profile.toStdString());
    if (!q.executeStep())
        return std::nullopt;
    return QString::fromStdString(q.getColumn(0).getString());
}

Message unknownProfileMessage(const QString& profile)
{
    return exclamationMessage(
        GetText(4002, "Das Zutrittsprofil %1 gibt es in der Projektdatei nicht.").arg(quoted(profile)),
        GetText(246, "Fehler"));
}

Outcome readProfileNames(const QString& workCopy, QStringList& names)
{
    names.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Zname FROM Zutrittsprofile ORDER BY rowid");
        while (q.executeStep())
            names << QString::fromStdString(q.getColumn(0).getString());
        return Outcome::ok();
    });
}

Outcome createProfile(const QString& workCopy, const QString& name)
{
    if (name.isEmpty())
        return Outcome::fail(emptyNameMessage());
    if (auto tooLong = nameTooLong(name, kNameField))
        return Outcome::fail(*tooLong);
    return writeToProject(
        workCopy,
        [&](Database& db) {
            insertProfile(db, name);
            return Outcome::ok();
        },
        createRefusal);
}

Outcome renameProfile(const QString& workCopy, const QString& selected, const QString& newName)
{
    if (newName.isEmpty())
        return Outcome::fail(emptyNameMessage());
    if (auto tooLong = nameTooLong(newName, kNameField))
        return Outcome::fail(*tooLong);
    return writeToProject(
        workCopy,
        [&](Database& db) {
            const std::optional<std::int64_t> row = selected.isEmpty() ? std::nullopt : profileRow(db, selected);
            if (!row)
                return Outcome::fail(
                    notFoundMessage(GetText(3061, "Das zu ändernde Zutrittsprofil wurde nicht gefunden!")),
                    Refusal::NotFound);
            // Keys and assignments name their profile; a new name would cut them off.
            if (newName != selected && profileInUse(db, selected))
                throw DbRefusal(DbErrorKind::StillReferenced);
            SQLite::Statement q(db.sql(), "UPDATE Zutrittsprofile SET Zname = ? WHERE rowid = ?");
            q.bind(1, newName.toStdString());
            q.bind(2, *row);
            q.exec();
            return Outcome::ok();
        },
        renameRefusal);
}

Outcome deleteProfile(const QString& workCopy, const QString& selected)
{
    return writeToProject(
        workCopy,
        [&](Database& db) {
            const std::optional<std::int64_t> row = selected.isEmpty() ? std::nullopt : profileRow(db, selected);
            if (!row)
                return Outcome::fail(
                    notFoundMessage(GetText(3054, "Das zu löschende Zutrittsprofil wurde nicht gefunden!")),
                    Refusal::NotFound);
            if (profileInUse(db, selected))
                throw DbRefusal(DbErrorKind::StillReferenced);
            SQLite::Statement q(db.sql(), "DELETE FROM Zutrittsprofile WHERE rowid = ?");
            q.bind(1, *row);
            q.exec();
            return Outcome::ok();
        },
        deleteRefusal);
}

QString testProfileName(int number)
{
    return QStringLiteral("Zutrittsprofil %1").arg(number, 6, 10, QLatin1Char('0'));
}

Outcome createTestProfiles(const QString& workCopy, int count)
{
    if (count < 1 || count > kMaxTestProfiles)
        return Outcome::ok();
    return writeToProject(
        workCopy,
        [&](Database& db) {
            for (int i = 1; i <= count; ++i)
                insertProfile(db, testProfileName(i));
            return Outcome::ok();
        },
        createRefusal);
}

}  // namespace varnox
