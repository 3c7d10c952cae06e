#include "core/project/UpgradeSteps.h"

#include "core/project/Database.h"
#include "core/project/ResizeTextField.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QtGlobal>
#include <optional>

namespace varnox {

namespace {

using Step = void (*)(Database&);

void addSetting(Database& db, const char* name, std::optional<int> wert, std::optional<int> interval)
{
    SQLite::Statement q(db.sql(), "INSERT INTO Einstellungen (Bezeichnung, Wert, Zeitintervall) VALUES (?, ?, ?)");
    q.bind(1, name);
    if (wert)
        q.bind(2, *wert);
    if (interval)
        q.bind(3, *interval);
    q.exec();
}

void addVersionRow(Database& db)
{
    SQLite::Statement q(db.sql(), "INSERT INTO Einstellungen (Bezeichnung, Versionsnummer) VALUES (?, ?)");
    q.bind(1, "Version");
    q.bind(2, 3);
    q.exec();
}

// To version 8: the reader type.
void stepA(Database& db) { db.sql().exec("ALTER TABLE Leser ADD COLUMN Typ INTEGER DEFAULT 0"); }

// To version 7: fixed validity periods of keys and their defaults.
void stepB(Database& db)
{
    db.sql().exec("ALTER TABLE Schluessel ADD COLUMN AbsoluteZeit INTEGER");
    db.sql().exec("ALTER TABLE Schluessel ADD COLUMN Startzeit TEXT");
    db.sql().exec("ALTER TABLE Schluessel ADD COLUMN Endzeit TEXT");
    // A Yes/No column never holds Null: the keys that were there have no fixed period.
    db.sql().exec("UPDATE Schluessel SET AbsoluteZeit = 0");
    addSetting(db, "StandardStartUhrzeit", 0, {});
    addSetting(db, "StandardStartStunde", {}, 0);
    addSetting(db, "StandardStartMinute", {}, 0);
    addSetting(db, "StandardEndeUhrzeit", 0, {});
    addSetting(db, "StandardEndeStunde", {}, 0);
    addSetting(db, "StandardEndeMinute", {}, 0);
    addSetting(db, "DifferenzEnde", 0, {});
    addSetting(db, "DifferenzEndeWert", {}, 0);
}

// To version 6: room for folder paths and message texts.
void stepC(Database& db) { ResizeTextField(db, QStringLiteral("Einstellungen"), QStringLiteral("Funktion"), 255); }

// To version 5: bus lines up to 24 and the supervision settings.
void stepD(Database& db)
{
    SQLite::Statement bus(db.sql(), "INSERT INTO HLV_BUS (BusID, ComPort) VALUES (?, ?)");
    for (int id = 9; id <= 24; ++id) {
        bus.bind(1, id);
        bus.bind(2, 0);
        bus.exec();
        bus.reset();
    }
    addSetting(db, "WatchdogNW", 0, 0);
    addSetting(db, "ErrorMesBUS", 0, {});
    addSetting(db, "ErrorMesTxt", 0, {});
    addSetting(db, "DubbleSave", 0, {});
}

// To version 4: remote maintenance.
void stepE(Database& db) { addSetting(db, "Fernwartung", 0, 0); }

void setCurrentVersion(Database& db)
{
    SQLite::Statement q(db.sql(), "UPDATE Einstellungen SET Versionsnummer = ? WHERE Bezeichnung = ?");
    q.bind(1, 8);
    q.bind(2, "Version");
    q.exec();
}

void fromOldestLayout(Database& db)
{
    db.sql().exec("ALTER TABLE Leser ADD COLUMN Zeiterfassung INTEGER");
    db.sql().exec("CREATE TABLE Einstellungen ("
                  "Bezeichnung TEXT(50) COLLATE CASEFOLD CHECK (length(Bezeichnung) <= 50), "
                  "Wert INTEGER, Zeitintervall INTEGER, "
                  "Funktion TEXT(50) CHECK (length(Funktion) <= 50), "
                  "Versionsnummer INTEGER)");
    db.sql().exec("CREATE UNIQUE INDEX BezeichnungIndex ON Einstellungen (Bezeichnung)");
    addSetting(db, "Anlagentest", 0, 0);
    addSetting(db, "Watchdog", 0, 0);
    addVersionRow(db);
    addSetting(db, "Fernwartung", 0, 0);
}

// The new columns go in the order of the current layout, so that every
// upgraded file has its columns where a new one has them.
void fromSecondLayout(Database& db)
{
    db.sql().exec("ALTER TABLE Einstellungen ADD COLUMN Zeitintervall INTEGER");
    db.sql().exec("ALTER TABLE Einstellungen ADD COLUMN Funktion TEXT(50) CHECK (length(Funktion) <= 50)");
    db.sql().exec("ALTER TABLE Einstellungen ADD COLUMN Versionsnummer INTEGER");
    addVersionRow(db);
    addSetting(db, "Fernwartung", 0, 0);
}

bool runStep(const QString& path, Step step)
{
    try {
        Database db(path);
        SQLite::Transaction transaction(db.sql());
        step(db);
        transaction.commit();
        return true;
    } catch (const std::exception& e) {
        qWarning("upgrade of %s failed: %s", qPrintable(path), e.what());
        return false;
    }
}

}  // namespace

bool upgradeProject(const QString& path, UpgradeFrom from)
{
    // From version 3 on, each version's step leads to the next one.
    static constexpr Step chain[] = {stepE, stepD, stepC, stepB, stepA, setCurrentVersion};
    int first = 1;
    switch (from) {
    case UpgradeFrom::Oldest:
        if (!runStep(path, fromOldestLayout))
            return false;
        break;
    case UpgradeFrom::Second:
        if (!runStep(path, fromSecondLayout))
            return false;
        break;
    default: first = int(from) - int(UpgradeFrom::Version3); break;
    }
    for (int i = first; i < int(std::size(chain)); ++i)
        if (!runStep(path, chain[i]))
            return false;
    return true;
}

}  // namespace varnox
