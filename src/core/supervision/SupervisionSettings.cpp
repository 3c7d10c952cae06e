#include "core/supervision/SupervisionSettings.h"

#include "core/model/ProjectWork.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

namespace varnox {
namespace {

SettingRow readRow(SQLite::Statement& q, const char* name)
{
    q.reset();
    q.bind(1, name);
    SettingRow row;
    if (q.executeStep()) {
        row.on = q.getColumn(0).getInt() != 0;
        row.interval = q.getColumn(1).getInt();
        row.text = QString::fromStdString(q.getColumn(2).getString());
    }
    return row;
}

void writeRow(Database& db, const SettingWrite& w)
{
    SQLite::Statement update(db.sql(),
        "UPDATE Einstellungen SET Wert = ?, Zeitintervall = coalesce(?, Zeitintervall), "
        "Funktion = coalesce(?, Funktion) WHERE Bezeichnung = ?");
    update.bind(1, int(w.on));
    if (w.interval)
        update.bind(2, *w.interval);
    if (w.text)
        update.bind(3, w.text->toStdString());
    update.bind(4, w.name);
    if (update.exec() > 0)
        return;
    SQLite::Statement insert(db.sql(),
        "INSERT INTO Einstellungen (Bezeichnung, Wert, Zeitintervall, Funktion) "
        "VALUES (?, ?, ?, ?)");
    insert.bind(1, w.name);
    insert.bind(2, int(w.on));
    insert.bind(3, w.interval.value_or(0));
    if (w.text)
        insert.bind(4, w.text->toStdString());
    insert.exec();
}

} // namespace

Outcome readSupervisionSettings(const QString& workCopy, SupervisionSettings& out)
{
    SupervisionSettings s;
    const Outcome outcome = readFromProject(workCopy, [&s](Database& db) {
        SQLite::Statement q(db.sql(),
            "SELECT coalesce(Wert, 0), coalesce(Zeitintervall, 0), coalesce(Funktion, '') "
            "FROM Einstellungen WHERE Bezeichnung = ?");
        s.systemTest = readRow(q, SettingName::systemTest);
        s.watchdog = readRow(q, SettingName::watchdog);
        s.networkWatchdog = readRow(q, SettingName::networkWatchdog);
        s.errorBus = readRow(q, SettingName::errorBus);
        s.errorText = readRow(q, SettingName::errorText);
        s.additionalSave = readRow(q, SettingName::additionalSave);
        s.remoteMaintenance = readRow(q, SettingName::remoteMaintenance);
        return Outcome::ok();
    });
    if (outcome)
        out = s;
    return outcome;
}

Outcome writeSupervisionSettings(const QString& workCopy, const QList<SettingWrite>& rows)
{
    return writeToProject(workCopy, [&rows](Database& db) {
        for (const SettingWrite& w : rows)
            writeRow(db, w);
        return Outcome::ok();
    });
}

const QList<int>& busIntervalChoices()
{
    static const QList<int> choices { 10, 20, 30, 40, 50, 60 };
    return choices;
}

const QList<int>& networkDelayChoices()
{
    static const QList<int> choices { 5, 10, 15, 20, 25, 30, 40, 50, 60, 120, 180, 240, 300, 360, 420, 480, 540, 600 };
    return choices;
}

const QList<int>& remoteIntervalChoices()
{
    static const QList<int> choices { 1, 2, 3, 4, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 60, 80, 100, 120, 150, 180,
        210, 240, 270, 300 };
    return choices;
}

int supervisionPauseMs(int seconds)
{
    constexpr int kDay = 24 * 60 * 60;
    if (seconds < 1)
        seconds = busIntervalChoices().front();
    return std::min(seconds, kDay) * 1000;
}

} // namespace varnox
