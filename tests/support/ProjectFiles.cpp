#include "ProjectFiles.h"

#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDateTime>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>

namespace varnox::test {

namespace {

bool atLeast(Layout layout, Layout version) { return int(layout) >= int(version); }

QString timeZoneColumns()
{
    QStringList columns;
    for (const char* day : {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"})
        for (int period = 1; period <= 4; ++period)
            columns << QStringLiteral("%1Szeit%2 TEXT, %1Ezeit%2 TEXT").arg(QLatin1String(day)).arg(period);
    return columns.join(QStringLiteral(", "));
}

QString tables(Layout layout)
{
    QString sql
        = QStringLiteral(
              "CREATE TABLE Leser (Lname TEXT(50) COLLATE CASEFOLD, Seriennr TEXT(10) COLLATE CASEFOLD, BusID INTEGER, "
              "AS_adr INTEGER, Zmodus INTEGER, Funktion INTEGER, Sanzahl INTEGER, Modify INTEGER, RSZ INTEGER, "
              "ProgSp INTEGER, TOE INTEGER, Akustik INTEGER%1%2);"
              "CREATE UNIQUE INDEX SeriennrIndex ON Leser (Seriennr);"
              "CREATE TABLE Schluessel (Schluesselnr TEXT(12) COLLATE CASEFOLD, Sname TEXT(50) COLLATE CASEFOLD, "
              "HilfsID TEXT(50) COLLATE CASEFOLD%3);"
              "CREATE UNIQUE INDEX SchluesselnrIndex ON Schluessel (Schluesselnr);"
              "CREATE UNIQUE INDEX SnameIndex ON Schluessel (Sname);"
              "CREATE TABLE Zutrittsprofile (Zname TEXT(50) COLLATE CASEFOLD);"
              "CREATE UNIQUE INDEX ZnameIndex ON Zutrittsprofile (Zname);"
              "CREATE TABLE Zuleser (Profil TEXT(50) COLLATE CASEFOLD, Leser TEXT(10) COLLATE CASEFOLD, "
              "Zeitzone TEXT(50) COLLATE CASEFOLD, ZFunktion TEXT(50) COLLATE CASEFOLD);"
              "CREATE UNIQUE INDEX ZuleserIndex ON Zuleser (Profil, Leser);"
              "CREATE TABLE Zuschluessel (Schluessel TEXT(12) COLLATE CASEFOLD, Profil TEXT(50) COLLATE CASEFOLD);"
              "CREATE UNIQUE INDEX ZuschluesselIndex ON Zuschluessel (Schluessel);"
              "CREATE TABLE Funktionen (Fname TEXT(50) COLLATE CASEFOLD, FTyp INTEGER, Protokoll TEXT(8), BusID INTEGER);"
              "CREATE UNIQUE INDEX FnameIndex ON Funktionen (Fname);"
              "CREATE TABLE Zeitzonen (Tname TEXT(50) COLLATE CASEFOLD, %4);"
              "CREATE UNIQUE INDEX TnameIndex ON Zeitzonen (Tname);"
              "CREATE TABLE HLV_BUS (BusID INTEGER, ComPort INTEGER);"
              "CREATE UNIQUE INDEX BusIDIndex ON HLV_BUS (BusID);")
              .arg(layout == Layout::Oldest ? QString() : QStringLiteral(", Zeiterfassung INTEGER"),
                   atLeast(layout, Layout::Version8) ? QStringLiteral(", Typ INTEGER DEFAULT 0") : QString(),
                   atLeast(layout, Layout::Version7)
                       ? QStringLiteral(", AbsoluteZeit INTEGER, Startzeit TEXT, Endzeit TEXT")
                       : QString(),
                   timeZoneColumns());
    if (layout == Layout::Second)
        sql += QStringLiteral("CREATE TABLE Einstellungen (Bezeichnung TEXT(50) COLLATE CASEFOLD, Wert INTEGER);");
    else if (layout != Layout::Oldest)
        sql += QStringLiteral("CREATE TABLE Einstellungen (Bezeichnung TEXT(50) COLLATE CASEFOLD, Wert INTEGER, "
                              "Zeitintervall INTEGER, Funktion TEXT(%1) CHECK (length(Funktion) <= %1), "
                              "Versionsnummer INTEGER);")
                   .arg(atLeast(layout, Layout::Version6) ? 255 : 50);
    if (layout != Layout::Oldest)
        sql += QStringLiteral("CREATE UNIQUE INDEX BezeichnungIndex ON Einstellungen (Bezeichnung);");
    return sql;
}

QString rows(Layout layout)
{
    QString zone = QStringLiteral("'Immer'");
    for (int day = 0; day < 7; ++day)
        zone += QStringLiteral(", '00:00:00', '00:00:00'") + QStringLiteral(", '11:11:11'").repeated(6);
    QString sql
        = QStringLiteral(
              "INSERT INTO Leser (Lname, Seriennr, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, RSZ, ProgSp, TOE, "
              "Akustik) VALUES ('Haupteingang', '1001', 1, 1, 1, 0, 1, 0, 3, 0, 1, 1), "
              "('O''Briens Tür', '1002', 2, 5, 0, 1, 1, 1, 0, 1, 0, 0);"
              "INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID) VALUES ('0000000A1B2C', 'Müller', 'M1'), "
              "('0000000A1B2D', 'Meier', NULL);"
              "INSERT INTO Zutrittsprofile VALUES ('Personal');"
              "INSERT INTO Zuleser VALUES ('Personal', '1001', 'IMMER', 'Tür auf');"
              "INSERT INTO Zuschluessel VALUES ('0000000A1B2C', 'Personal');"
              "INSERT INTO Funktionen VALUES ('Tür auf', 0, 'A101', 1);"
              "INSERT INTO Zeitzonen VALUES (%1);")
              .arg(zone);
    const int lastBus = atLeast(layout, Layout::Version5) ? 24 : 8;
    for (int bus = 1; bus <= lastBus; ++bus)
        sql += QStringLiteral("INSERT INTO HLV_BUS VALUES (%1, %2);").arg(bus).arg(bus == 1 ? 3 : 0);
    if (layout == Layout::Second)
        sql += QStringLiteral("INSERT INTO Einstellungen VALUES ('Anlagentest', 1), ('Watchdog', 0);");
    if (!atLeast(layout, Layout::Version3))
        return sql;
    sql += QStringLiteral("INSERT INTO Einstellungen VALUES ('Version', NULL, NULL, NULL, %1), "
                          "('Anlagentest', 1, 15, '%2', NULL), ('Watchdog', 0, 0, NULL, NULL);")
               .arg(int(layout) - int(Layout::Version3) + 3)
               .arg(QStringLiteral("x").repeated(50));
    if (atLeast(layout, Layout::Version4))
        sql += QStringLiteral("INSERT INTO Einstellungen VALUES ('Fernwartung', 0, 0, NULL, NULL);");
    if (atLeast(layout, Layout::Version5))
        sql += QStringLiteral(
            "INSERT INTO Einstellungen (Bezeichnung, Wert, Zeitintervall) VALUES ('WatchdogNW', 0, 0), "
            "('ErrorMesBUS', 0, NULL), ('ErrorMesTxt', 0, NULL), ('DubbleSave', 0, NULL);");
    if (atLeast(layout, Layout::Version7))
        sql += QStringLiteral("UPDATE Schluessel SET AbsoluteZeit = 0;"
                              "INSERT INTO Einstellungen (Bezeichnung, Wert, Zeitintervall) VALUES "
                              "('StandardStartUhrzeit', 0, NULL), ('StandardStartStunde', NULL, 0), "
                              "('StandardStartMinute', NULL, 0), ('StandardEndeUhrzeit', 0, NULL), "
                              "('StandardEndeStunde', NULL, 0), ('StandardEndeMinute', NULL, 0), "
                              "('DifferenzEnde', 0, NULL), ('DifferenzEndeWert', NULL, 0);");
    return sql;
}

}  // namespace

void execSql(const QString& path, const QString& sql)
{
    QDir().mkpath(QFileInfo(path).path());
    Database db(path, Database::Access::Create);
    SQLite::Transaction transaction(db.sql());
    db.sql().exec(sql.toStdString());
    transaction.commit();
}

void writeProject(const QString& path, Layout layout)
{
    QFile::remove(path);
    execSql(path, tables(layout) + rows(layout));
    // Written an hour ago: a change the test makes next always has a later
    // time, however coarse the file system's clock.
    const qint64 anHourAgo = QDateTime::currentSecsSinceEpoch() - 3600;
    const timespec times[2] = {{anHourAgo, 0}, {anHourAgo, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

void addKeys(const QString& path, int count)
{
    Database db(path);
    SQLite::Statement q(db.sql(), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                                  "INSERT INTO Schluessel (Schluesselnr, Sname) SELECT printf('%012X', i), 'Schlüssel ' || i FROM n");
    q.bind(1, count);
    q.exec();
}

void addProfile(const QString& path, const QString& name)
{
    Database db(path);
    SQLite::Statement q(db.sql(), "INSERT INTO Zutrittsprofile (Zname) VALUES (?)");
    q.bind(1, name.toStdString());
    q.exec();
}

int profileCount(const QString& path, const QString& name)
{
    Database db(path, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), "SELECT count(*) FROM Zutrittsprofile WHERE Zname = ?");
    q.bind(1, name.toStdString());
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

int layoutVersion(const QString& path)
{
    Database db(path, Database::Access::ReadOnly);
    SQLite::Statement q(db.sql(), "SELECT Versionsnummer FROM Einstellungen WHERE Bezeichnung = 'Version'");
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

void appendBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::Append) || f.write(bytes) != bytes.size())
        qFatal("cannot append to %s", qPrintable(path));
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray projectDigest(const QString& path)
{
    Database db(path, Database::Access::ReadOnly);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    SQLite::Statement objects(db.sql(), "SELECT type, name, sql FROM sqlite_master ORDER BY type, name");
    while (objects.executeStep()) {
        const std::string type = objects.getColumn(0).getString();
        const std::string name = objects.getColumn(1).getString();
        hash.addData(QByteArray::fromStdString(type + "\n" + name + "\n" + objects.getColumn(2).getString() + "\n"));
        if (type != "table")
            continue;
        SQLite::Statement rows(db.sql(), "SELECT * FROM \"" + name + "\" ORDER BY rowid");
        while (rows.executeStep()) {
            for (int c = 0; c < rows.getColumnCount(); ++c) {
                const SQLite::Column column = rows.getColumn(c);
                hash.addData(column.isNull() ? QByteArray("\x01null") : QByteArray::fromStdString(column.getString()));
                hash.addData(QByteArray(1, '\x02'));
            }
        }
    }
    return hash.result().toHex();
}

QString integrityCheck(const QString& path)
{
    try {
        Database db(path, Database::Access::ReadOnly);
        SQLite::Statement q(db.sql(), "PRAGMA integrity_check");
        QStringList lines;
        while (q.executeStep())
            lines << QString::fromStdString(q.getColumn(0).getString());
        return lines.join(QLatin1Char('\n'));
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
}

}  // namespace varnox::test
