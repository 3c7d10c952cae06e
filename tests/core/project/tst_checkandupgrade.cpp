#include "ProjectFiles.h"
#include "ScriptedOperator.h"
#include "TempHome.h"
#include "core/project/CheckAndUpgrade.h"
#include "core/project/Database.h"
#include "core/project/DbError.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/ResizeTextField.h"
#include "core/project/WorkCopy.h"

#include <SQLiteCpp/Statement.h>

#include <QDir>
#include <QFile>
#include <QTest>

using namespace varnox;
using test::Layout;

namespace {

QString projectFile(const QString& name)
{
    QDir().mkpath(ProgramFolder::projectsDir());
    return ProgramFolder::projectsDir() + QLatin1Char('/') + name;
}

void writeBytes(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QStringList column(Database& db, const std::string& sql)
{
    SQLite::Statement q(db.sql(), sql);
    QStringList out;
    while (q.executeStep())
        out << (q.getColumn(0).isNull() ? QStringLiteral("<null>")
                                        : QString::fromStdString(q.getColumn(0).getString()));
    return out;
}

// The shape of a database: every table with its columns in order and its
// declared types, every index definition.
QStringList layoutOf(const QString& path)
{
    Database db(path, Database::Access::ReadOnly);
    QStringList out;
    for (const QString& table : column(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))
        out << table + QLatin1Char(':')
                + column(db, "SELECT name || ' ' || type FROM pragma_table_info('" + table.toStdString() + "')")
                      .join(QLatin1Char(','));
    out << column(db, "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name");
    return out;
}

// Makes the work copy of projekte/Anlage.mdb and checks it.
bool check(test::ScriptedOperator& op)
{
    const WorkCopy copy = MakeWorkCopy(QStringLiteral("Anlage.mdb"), op);
    return !copy.name.isEmpty() && CheckAndUpgrade(copy.name, op);
}

const QString kWorkCopy = QStringLiteral("~hlvAnlage.tmp");

}  // namespace

class TestCheckAndUpgrade : public QObject {
    Q_OBJECT

private slots:
    void olderLayoutsEndAtTheCurrentOne_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::newRow("oldest") << Layout::Oldest;
        QTest::newRow("second") << Layout::Second;
        QTest::newRow("3") << Layout::Version3;
        QTest::newRow("4") << Layout::Version4;
        QTest::newRow("5") << Layout::Version5;
        QTest::newRow("6") << Layout::Version6;
        QTest::newRow("7") << Layout::Version7;
    }

    void olderLayoutsEndAtTheCurrentOne()
    {
        QFETCH(Layout, layout);
        test::TempHome home;
        QVERIFY(writeProjectTemplate(home.file("current.mdb")));
        test::writeProject(projectFile("Anlage.mdb"), layout);
        const QByteArray original = test::fileBytes(projectFile("Anlage.mdb"));
        test::ScriptedOperator op;
        QVERIFY(check(op));
        QVERIFY(op.asked().isEmpty());
        QCOMPARE(test::fileBytes(projectFile("Anlage.mdb")), original);
        QVERIFY(IsModified(kWorkCopy));
        QCOMPARE(layoutOf(workCopyPath(kWorkCopy)), layoutOf(home.file("current.mdb")));

        Database db(workCopyPath(kWorkCopy));
        Database current(home.file("current.mdb"), Database::Access::ReadOnly);
        // Every row the upgrade adds has the values a new project starts with.
        const std::string settings
            = "SELECT Bezeichnung || '=' || ifnull(Wert, '-') || '/' || ifnull(Zeitintervall, '-') "
              "|| '/' || ifnull(Versionsnummer, '-') FROM Einstellungen "
              "WHERE Bezeichnung NOT IN ('Anlagentest', 'Watchdog') ORDER BY Bezeichnung";
        QCOMPARE(column(db, settings), column(current, settings));
        QCOMPARE(column(db, "SELECT BusID || '/' || ComPort FROM HLV_BUS ORDER BY BusID").mid(1),
                 column(current, "SELECT BusID || '/' || ComPort FROM HLV_BUS ORDER BY BusID").mid(1));
        QCOMPARE(column(db, "SELECT ComPort FROM HLV_BUS WHERE BusID = 1"), QStringList {"3"});
        QCOMPARE(
            column(db, "SELECT Bezeichnung FROM Einstellungen ORDER BY rowid").mid(8),
            QStringList({"StandardStartUhrzeit", "StandardStartStunde", "StandardStartMinute", "StandardEndeUhrzeit",
                         "StandardEndeStunde", "StandardEndeMinute", "DifferenzEnde", "DifferenzEndeWert"}));
        // The rows that were there are kept, and found without regard to case.
        QCOMPARE(column(db, "SELECT Seriennr || '/' || Typ FROM Leser WHERE Lname = 'o''BRIENS TÜR'"),
                 QStringList {"1002/0"});
        QCOMPARE(column(db, "SELECT AbsoluteZeit FROM Schluessel ORDER BY Sname"), QStringList({"0", "0"}));
        if (int(layout) >= int(Layout::Version3))
            QCOMPARE(column(db, "SELECT Funktion FROM Einstellungen WHERE Bezeichnung = 'Anlagentest'"),
                     QStringList {QString(50, QLatin1Char('x'))});
        // Funktion holds 255 characters now, and no more.
        SQLite::Statement set(db.sql(), "UPDATE Einstellungen SET Funktion = ? WHERE Bezeichnung = 'DubbleSave'");
        set.bind(1, std::string(255, 'p'));
        QCOMPARE(set.exec(), 1);
        set.reset();
        set.bind(1, std::string(256, 'p'));
        QVERIFY_THROWS_EXCEPTION(SQLite::Exception, set.exec());
        try {
            db.sql().exec("INSERT INTO Einstellungen (Bezeichnung) VALUES ('VERSION')");
            QFAIL("second settings row accepted");
        } catch (const std::exception& e) {
            QCOMPARE(toDbError(e).kind, DbErrorKind::Duplicate);
        }
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("sql");  // run on a project of version 3, or on an empty file when it starts with '-'

        QTest::addColumn<QByteArray>("raw");  // the file's bytes when there is no sql
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString wrongVersion = "Die Projektdatei ANLAGE.MDB besitzt eine falsche Versionsnummer.\r\n"
                                     "Sie kann nicht vom Programm geöffnet werden!";
        const QString noProject = "Das Programm kann die Datei ANLAGE.MDB nicht öffnen!\r\n"
                                  "Entweder ist sie keine Projektdatei oder sie ist defekt.";
        QTest::newRow("version 2") << "UPDATE Einstellungen SET Versionsnummer = 2 WHERE Bezeichnung = 'Version'"
                                   << QByteArray() << wrongVersion << "Fehler";
        QTest::newRow("version 9") << "UPDATE Einstellungen SET Versionsnummer = 9 WHERE Bezeichnung = 'Version'"
                                   << QByteArray() << wrongVersion << "Fehler";
        QTest::newRow("version empty") << "UPDATE Einstellungen SET Versionsnummer = NULL WHERE Bezeichnung = 'Version'"
                                       << QByteArray() << wrongVersion << "Fehler";
        QTest::newRow("zero bytes") << QString() << QByteArray() << noProject << "Fehler";
        QTest::newRow("random bytes") << QString() << QByteArray::fromHex("8a31ff0042d5").repeated(700) << noProject
                                      << "Fehler";
        QTest::newRow("text") << QString() << QByteArray("Projekt Anlage\r\n") << noProject << "Fehler";
        QTest::newRow("other program")
            << "-- other\nCREATE TABLE Kunden (Name, Ort); CREATE TABLE Rechnungen (Nr, Betrag); "
               "INSERT INTO Kunden VALUES ('Tür', 'Süd')"
            << QByteArray()
            << "Die Projektdatei ANLAGE.MDB besitzt nicht alle geforderten Tabellen.\r\n"
               "Sie kann nicht vom Programm geöffnet werden!"
            << "Fehler";
        QTest::newRow("nine tables of another program")
            << "ALTER TABLE Zutrittsprofile RENAME TO Kunden; DROP TABLE Einstellungen; CREATE TABLE Rechnungen (x)"
            << QByteArray() << noProject << "Fehler";
    }

    void refusedFiles()
    {
        QFETCH(QString, sql);
        QFETCH(QByteArray, raw);
        QFETCH(QString, text);
        QFETCH(QString, title);
        test::TempHome home;
        if (sql.isEmpty()) {
            writeBytes(projectFile("Anlage.mdb"), raw);
        } else if (sql.startsWith(QLatin1Char('-'))) {
            test::execSql(projectFile("Anlage.mdb"), sql);
        } else {
            test::writeProject(projectFile("Anlage.mdb"), Layout::Version3);
            test::execSql(projectFile("Anlage.mdb"), sql);
        }
        const QByteArray original = test::fileBytes(projectFile("Anlage.mdb"));
        test::ScriptedOperator op;
        QVERIFY(!check(op));
        QCOMPARE(op.texts(), QStringList {text});
        QCOMPARE(op.asked().first().message.title, title);
        QCOMPARE(op.asked().first().message.icon, MessageIcon::Critical);
        QCOMPARE(test::fileBytes(projectFile("Anlage.mdb")), original);
    }

    void oldestLayoutWithShortTimeZones()
    {
        test::TempHome home;
        test::writeProject(projectFile("Anlage.mdb"), Layout::Oldest);
        test::execSql(projectFile("Anlage.mdb"), "ALTER TABLE Zeitzonen DROP COLUMN SoEzeit4");
        test::ScriptedOperator op;
        QVERIFY(!check(op));
        QCOMPARE(op.texts(),
                 QStringList {"Die Tabelle Zeitzonen hat nicht die geforderte Anzahl von Feldern.\r\n"
                              "Das Programm kann die Projektdatei nicht öffnen!"});
        QCOMPARE(op.asked().first().message.title, QString("Fehler in der Datei"));
    }

    void damagedDatabases_data()
    {
        QTest::addColumn<bool>("truncate");
        QTest::newRow("truncated") << true;
        QTest::newRow("page overwritten") << false;
    }

    void damagedDatabases()
    {
        QFETCH(bool, truncate);
        test::TempHome home;
        const QString path = projectFile("Anlage.mdb");
        test::writeProject(path, Layout::Version8);
        test::fillProject(path, {1, 10, 400, 20, 5, 50});
        QByteArray content = test::fileBytes(path);
        QVERIFY(content.size() > 40000);
        if (truncate)
            content.truncate(content.size() / 2);
        else
            content.replace(content.size() - 6000, 3000, QByteArray(3000, '\x5a'));
        writeBytes(path, content);
        test::ScriptedOperator op;
        QVERIFY(!check(op));
        QCOMPARE(op.texts(),
                 QStringList {"Das Programm kann die Datei ANLAGE.MDB nicht öffnen!\r\n"
                              "Entweder ist sie keine Projektdatei oder sie ist defekt."});
    }

    void acceptedUnchanged_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("sql");
        QTest::newRow("current") << Layout::Version8 << QString();
        QTest::newRow("no version row") << Layout::Version6
                                        << "DELETE FROM Einstellungen WHERE Bezeichnung = 'Version'";
        QTest::newRow("readers of 13 fields, no settings") << Layout::Version3 << "DROP TABLE Einstellungen";
    }

    void acceptedUnchanged()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, sql);
        test::TempHome home;
        if (sql.isEmpty()) {
            QVERIFY(writeProjectTemplate(projectFile("Anlage.mdb")));
        } else {
            test::writeProject(projectFile("Anlage.mdb"), layout);
            test::execSql(projectFile("Anlage.mdb"), sql);
        }
        test::ScriptedOperator op;
        QVERIFY(check(op));
        QVERIFY(op.asked().isEmpty());
        QCOMPARE(test::fileBytes(workCopyPath(kWorkCopy)), test::fileBytes(projectFile("Anlage.mdb")));
        QVERIFY(!IsModified(kWorkCopy));
    }

    void failedUpgradeGivesBothMessages()
    {
        test::TempHome home;
        test::writeProject(projectFile("Anlage.mdb"), Layout::Version4);
        test::execSql(projectFile("Anlage.mdb"), "INSERT INTO HLV_BUS VALUES (12, 0)");
        const QByteArray original = test::fileBytes(projectFile("Anlage.mdb"));
        test::ScriptedOperator op;
        QVERIFY(!check(op));
        QCOMPARE(op.texts(),
                 QStringList({"Das Programm kann die Datei ANLAGE.MDB nicht öffnen!\r\n"
                              "Entweder ist sie keine Projektdatei oder sie ist defekt.",
                              "Die Projektdatei ANLAGE.MDB konnte nicht geöffnet werden.\r\n"
                              "Sie wurde mit einer älteren SW-Version erstellt.\r\n"
                              "Um mit ihr arbeiten zu können, muß sie aktualisiert werden.\r\n"
                              "Die Aktualisierung ist jedoch fehlgeschlagen!"}));
        QCOMPARE(test::fileBytes(projectFile("Anlage.mdb")), original);
    }

    void resizeKeepsColumnsRowsIndexesAndCase()
    {
        test::TempHome home;
        const QString path = home.file("t.db");
        test::execSql(path,
                      "CREATE TABLE T (a INTEGER, \"b,c\" TEXT(5) COLLATE CASEFOLD CHECK (length(\"b,c\") <= 5), "
                      "d TEXT DEFAULT 'x, y' -- a remark, with a comma\n);"
                      "CREATE UNIQUE INDEX TIndex ON T (\"b,c\");"
                      "INSERT INTO T VALUES (1, 'Tür', 'q'), (2, 'Fünf5', NULL)");
        {
            Database db(path);
            ResizeTextField(db, "T", "b,c", 8);
        }
        Database db(path);
        QCOMPARE(column(db, "SELECT name || ' ' || type FROM pragma_table_info('T')"),
                 QStringList({"a INTEGER", "b,c TEXT(8)", "d TEXT"}));
        QCOMPARE(column(db, "SELECT a || '/' || \"b,c\" || '/' || ifnull(d, '-') FROM T ORDER BY rowid"),
                 QStringList({"1/Tür/q", "2/Fünf5/-"}));
        QCOMPARE(column(db, "SELECT a FROM T WHERE \"b,c\" = 'TÜR'"), QStringList {"1"});
        QVERIFY_THROWS_EXCEPTION(SQLite::Exception, db.sql().exec("INSERT INTO T VALUES (3, 'tür', NULL)"));
        QVERIFY_THROWS_EXCEPTION(SQLite::Exception, db.sql().exec("INSERT INTO T VALUES (3, 'neun99999', NULL)"));
        db.sql().exec("INSERT INTO T (a, \"b,c\") VALUES (3, 'acht8888')");
        QCOMPARE(column(db, "SELECT d FROM T WHERE a = 3"), QStringList {"x, y"});
        QVERIFY_THROWS_EXCEPTION(std::exception, ResizeTextField(db, "T", "e", 8));
    }
};

QTEST_GUILESS_MAIN(TestCheckAndUpgrade)
#include "tst_checkandupgrade.moc"
