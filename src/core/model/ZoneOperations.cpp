#include "core/model/ZoneOperations.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>

namespace varnox {
namespace {

const QString kNameField = QStringLiteral("TxtZeitBez");

QString programTitle() { return GetText(916, "Varnox"); }

// "MoSzeit1, MoEzeit1, ..., SoEzeit4": the time columns in table order.
QStringList timeColumns()
{
    QStringList columns;
    for (int day = 0; day < kZoneDays; ++day) {
        for (int period = 0; period < kZonePeriods; ++period)
            columns << zoneStartColumn(day, period) << zoneEndColumn(day, period);
    }
    return columns;
}

void bindWeek(SQLite::Statement& q, int firstIndex, const StoredWeek& week)
{
    int i = firstIndex;
    for (int day = 0; day < kZoneDays; ++day) {
        for (int period = 0; period < kZonePeriods; ++period) {
            q.bind(i++, week[day][period].start.toStdString());
            q.bind(i++, week[day][period].end.toStdString());
        }
    }
}

std::optional<std::int64_t> zoneRow(Database& db, const QString& name)
{
    return findRow(db, "SELECT rowid FROM Zeitzonen WHERE Tname = ?", {name});
}

bool namedByAssignments(Database& db, const QString& zone)
{
    return countRows(db, "SELECT count(*) FROM Zuleser WHERE Zeitzone = ?", {zone}) > 0;
}

Message reservedNameMessage()
{
    return exclamationMessage(
        GetText(1008, "Diese Bezeichnung ist reserviert und darf für eine Zeitzone nicht verwendet werden!"),
        programTitle(), kNameField, true);
}

Message alwaysZoneMessage(const QString& firstLine)
{
    return exclamationMessage(
        firstLine + QStringLiteral("\r\n") + GetText(3016, "benötigt sie für die Konfiguration von dezentralen Lesern."),
        programTitle());
}

// Checks 1 to 4 of create (chosen empty) and change.
Outcome checkForm(const ZoneForm& form, const QString* chosen)
{
    if (form.name.isEmpty())
        return Outcome::fail(exclamationMessage(
            GetText(557, "Geben Sie der Zeitzone eine Bezeichnung!"), GetText(320, "Bezeichnung fehlt"), kNameField));
    if (auto tooLong = nameTooLong(form.name, kNameField))
        return Outcome::fail(*tooLong);
    if (chosen && isAlwaysZone(*chosen))
        return Outcome::fail(
            alwaysZoneMessage(GetText(3015, "Diese Zeitzone darf nicht verändert werden! Das Programm")));
    if (isAlwaysZone(form.name))
        return Outcome::fail(reservedNameMessage());
    return checkZoneTimes(form);
}

Message duplicateMessage()
{
    return databaseRefusal({GetText(3018, "Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!"),
                            GetText(3019, "Das Programm lässt zwei Zeitzonen mit der gleichen Bezeichnung in einer Anlage nicht zu."),
                            GetText(3020, "Falls Sie eine bereits vorhandene Zeitzone ändern wollten, ")
                                + GetText(3021, "nutzen Sie den Button ")
                                + quoted(GetText(3001, "Änderungen übernehmen"))}, kNameField, true);
}

Message noChosenZoneMessage()
{
    return databaseRefusal({GetText(3022, "Sie müssen eine vorhandene Zeitzone auswählen, ")
                                + GetText(3023, "bevor Sie sie ändern können!"),
                            GetText(3024, "Falls Sie eine neue Zeitzone erstellen wollen, ")
                                + GetText(3021, "nutzen Sie den Button ") + quoted(GetText(26, "Neu"))});
}

// The refusal to delete, or to rename, a zone that assignments still name.
Message stillNamedMessage(bool deleting)
{
    const QString first = deleting ? GetText(3027, "Es ist im Augenblick nicht möglich, den Eintrag zu löschen.")
                                   : GetText(3031, "Es ist im Augenblick nicht möglich, die Bezeichnung zu ändern.");
    const QString last = deleting ? GetText(3029, "Möchten Sie das Löschen durchführen, müssen sie zuvor")
                                  : GetText(3032, "Möchten Sie die Änderung durchführen, müssen sie zuvor");
    return databaseRefusal({first, GetText(3028, "Die Zeitzone ist mit mindestens einem Zutrittsprofil verknüpft."),
                            QString(), last, GetText(3030, "die Verknüpfung(en) löschen.")},
                           deleting ? QString() : kNameField, !deleting);
}

void insertZone(Database& db, const ZoneForm& form)
{
    const QStringList columns = timeColumns();
    const QString sql = QStringLiteral("INSERT INTO Zeitzonen (Tname, %1) VALUES (?%2)")
                            .arg(columns.join(QStringLiteral(", ")), QStringLiteral(", ?").repeated(columns.size()));
    SQLite::Statement q(db.sql(), sql.toStdString());
    q.bind(1, form.name.toStdString());
    bindWeek(q, 2, toStoredWeek(form));
    q.exec();
}

void updateZone(Database& db, std::int64_t row, const ZoneForm& form)
{
    const QString sql = QStringLiteral("UPDATE Zeitzonen SET Tname = ?, %1 = ? WHERE rowid = ?")
                            .arg(timeColumns().join(QStringLiteral(" = ?, ")));
    SQLite::Statement q(db.sql(), sql.toStdString());
    q.bind(1, form.name.toStdString());
    bindWeek(q, 2, toStoredWeek(form));
    q.bind(2 + 2 * kZoneDays * kZonePeriods, row);
    q.exec();
}

}  // namespace

// The project's own comparison of names, so that the reserved name covers
// exactly the rows a lookup of "IMMER" finds ("ımmer" is another name).
bool isAlwaysZone(const QString& name) { return compareNames(name, kAlwaysZone) == 0; }

Outcome readPageZoneNames(const QString& workCopy, QStringList& names)
{
    names.clear();
    return readFromProject(workCopy, [&](Database& db) {
        SQLite::Statement q(db.sql(), "SELECT Tname FROM Zeitzonen ORDER BY rowid");
        while (q.executeStep()) {
            const QString name = QString::fromStdString(q.getColumn(0).getString());
            if (!isAlwaysZone(name))
                names << name;
        }
        return Outcome::ok();
    });
}

Outcome createZone(const QString& workCopy, const ZoneForm& form)
{
    if (Outcome checked = checkForm(form, nullptr); !checked)
        return checked;
    return writeToProject(
        workCopy,
        [&](Database& db) {
            insertZone(db, form);
            return Outcome::ok();
        },
        [](const DbError& e) { return e.kind == DbErrorKind::Duplicate ? std::optional(duplicateMessage()) : std::nullopt; });
}

Outcome changeZone(const QString& workCopy, const QString& chosen, const ZoneForm& form)
{
    if (Outcome checked = checkForm(form, &chosen); !checked)
        return checked;
    return writeToProject(workCopy, [&](Database& db) {
        const std::optional<std::int64_t> row = chosen.isEmpty() ? std::nullopt : zoneRow(db, chosen);
        if (!row)
            return Outcome::fail(noChosenZoneMessage(), Refusal::NotFound);
        // Assignments name their zone; a new name would leave them pointing at
        // nothing, so a zone in use keeps its name.
        if (form.name != chosen && namedByAssignments(db, chosen))
            return Outcome::fail(stillNamedMessage(false), Refusal::InUse);
        updateZone(db, *row, form);
        return Outcome::ok();
    });
}

Outcome deleteZone(const QString& workCopy, const QString& chosen)
{
    if (chosen.isEmpty())
        return Outcome::fail(exclamationMessage(GetText(3025, "Geben Sie die zu löschende Zeitzone an!"), GetText(246, "Fehler")));
    if (isAlwaysZone(chosen))
        return Outcome::fail(alwaysZoneMessage(GetText(3017, "Diese Zeitzone darf nicht gelöscht werden! Das Programm")));
    return writeToProject(workCopy, [&](Database& db) {
        const std::optional<std::int64_t> row = zoneRow(db, chosen);
        if (!row)
            return Outcome::fail(exclamationMessage(GetText(3026, "Die zu löschende Zeitzone wurde nicht gefunden!"),
                                     GetText(246, "Fehler")),
                Refusal::NotFound);
        if (namedByAssignments(db, chosen))
            return Outcome::fail(stillNamedMessage(true), Refusal::InUse);
        SQLite::Statement q(db.sql(), "DELETE FROM Zeitzonen WHERE rowid = ?");
        q.bind(1, *row);
        q.exec();
        return Outcome::ok();
    });
}

Outcome loadZone(const QString& workCopy, const QString& name, ZoneForm& form)
{
    const QString stored = isAlwaysZone(name) ? QStringLiteral("Immer") : name;
    return readFromProject(workCopy, [&](Database& db) {
        QString storedName;
        const std::optional<StoredWeek> week = readStoredWeek(db, stored, &storedName);
        if (!week)
            return Outcome::fail(exclamationMessage(GetText(3033, "Die ausgewählte Zeitzone wurde nicht gefunden!"),
                                     GetText(246, "Fehler")),
                Refusal::NotFound);
        form = fromStoredWeek(storedName, *week);
        return Outcome::ok();
    });
}

std::optional<StoredWeek> readStoredWeek(Database& db, const QString& name, QString* storedName)
{
    const QString sql =
        QStringLiteral("SELECT Tname, %1 FROM Zeitzonen WHERE Tname = ?").arg(timeColumns().join(QStringLiteral(", ")));
    SQLite::Statement q(db.sql(), sql.toStdString());
    q.bind(1, name.toStdString());
    if (!q.executeStep())
        return std::nullopt;
    if (storedName)
        *storedName = QString::fromStdString(q.getColumn(0).getString());
    StoredWeek week;
    int column = 1;
    for (int day = 0; day < kZoneDays; ++day) {
        for (int period = 0; period < kZonePeriods; ++period) {
            week[day][period].start = QString::fromStdString(q.getColumn(column++).getString());
            week[day][period].end = QString::fromStdString(q.getColumn(column++).getString());
        }
    }
    return week;
}

}  // namespace varnox
