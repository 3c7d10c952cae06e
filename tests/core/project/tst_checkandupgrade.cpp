#include "MessageCompare.h"
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

// Writes a project file that is to be refused.
using Damage = std::function<void(const QString& path)>;

}  // namespace

Q_DECLARE_METATYPE(Damage)

class TestCheckAndUpgrade : public QObject {
    Q_OBJECT

private slots:
    void olderLayoutsEndAtTheCurrentOne_data()
    {
        QTest::addColumn<Layout>("layout");
        for (int layout = int(Layout::Oldest); layout < int(Layout::Version8); ++layout)
            QTest::addRow("layout %d", layout) << Layout(layout);
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
        try {
            db.sql().exec("INSERT INTO Einstellungen (Bezeichnung) VALUES ('VERSION')");
            QFAIL("second settings row accepted");
        } catch (const std::exception& e) {
            QCOMPARE(toDbError(e).kind, DbErrorKind::Duplicate);
        }
    }

    // Each file is refused with its messages and stays as it was.
    void refusedFiles_data()
    {
        QTest::addColumn<Damage>("make");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("title");
        const auto version3With = [](const char* sql) -> Damage {
            return [sql](const QString& path) {
                test::writeProject(path, Layout::Version3);
                test::execSql(path, sql);
            };
        };
        const auto bytes = [](const QByteArray& content) -> Damage {
            return [content](const QString& path) { test::writeBytes(path, content); };
        };
        // A sound file of some size, cut in half or with a run of pages overwritten.
        const auto damaged = [](bool truncate) -> Damage {
            return [truncate](const QString& path) {
                test::writeProject(path, Layout::Version8);
                test::addKeys(path, 2000);
                QByteArray content = test::fileBytes(path);
                QVERIFY(content.size() > 40000);
                if (truncate)
                    content.truncate(content.size() / 2);
                else
                    content.replace(content.size() - 6000, 3000, QByteArray(3000, '\x5a'));
                test::writeBytes(path, content);
            };
        };
        const QString wrongVersion = "Die Projektdatei ANLAGE.MDB besitzt eine falsche Versionsnummer.\r\n"
                                     "Sie kann nicht vom Programm geöffnet werden!";
        const QString noProject = "Das Programm kann die Datei ANLAGE.MDB nicht öffnen!\r\n"
                                  "Entweder ist sie keine Projektdatei oder sie ist defekt.";
        QTest::newRow("version 2") << version3With("UPDATE Einstellungen SET Versionsnummer = 2 WHERE Bezeichnung = 'Version'")
                                   << QStringList{wrongVersion} << "Fehler";
        QTest::newRow("version 9") << version3With("UPDATE Einstellungen SET Versionsnummer = 9 WHERE Bezeichnung = 'Version'")
                                   << QStringList{wrongVersion} << "Fehler";
        QTest::newRow("version empty")
            << version3With("UPDATE Einstellungen SET Versionsnummer = NULL WHERE Bezeichnung = 'Version'")
            << QStringList{wrongVersion} << "Fehler";
        QTest::newRow("zero bytes") << bytes(QByteArray()) << QStringList{noProject} << "Fehler";
        QTest::newRow("random bytes") << bytes(QByteArray::fromHex("8a31ff0042d5").repeated(700)) << QStringList{noProject}
                                      << "Fehler";
        QTest::newRow("text") << bytes("Projekt Anlage\r\n") << QStringList{noProject} << "Fehler";
        QTest::newRow("truncated") << damaged(true) << QStringList{noProject} << "Fehler";
        QTest::newRow("cut by its last byte") << Damage([](const QString& path) {
            test::writeProject(path, Layout::Version8);
            QByteArray content = test::fileBytes(path);
            content.chop(1);
            test::writeBytes(path, content);
        }) << QStringList{noProject} << "Fehler";
        QTest::newRow("page overwritten") << damaged(false) << QStringList{noProject} << "Fehler";
        const QString missingTables = "Die Projektdatei ANLAGE.MDB besitzt nicht alle geforderten Tabellen.\r\n"
                                      "Sie kann nicht vom Programm geöffnet werden!";
        QTest::newRow("other program")
            << Damage([](const QString& path) {
                   test::execSql(path, "CREATE TABLE Kunden (Name, Ort); CREATE TABLE Rechnungen (Nr, Betrag); "
                                       "INSERT INTO Kunden VALUES ('Tür', 'Süd')");
               })
            << QStringList{missingTables} << "Fehler";
        QTest::newRow("other program with a settings table")
            << Damage([](const QString& path) {
                   test::execSql(path, "CREATE TABLE Einstellungen (Bezeichnung TEXT, Versionsnummer INTEGER); "
                                       "CREATE TABLE Kunden (Name, Ort)");
               })
            << QStringList{missingTables} << "Fehler";
        QTest::newRow("readers of 13 fields, no settings") << version3With("DROP TABLE Einstellungen")
                                                           << QStringList{missingTables} << "Fehler";
        QTest::newRow("version 6 without its version row")
            << Damage([](const QString& path) {
                   test::writeProject(path, Layout::Version6);
                   test::execSql(path, "DELETE FROM Einstellungen WHERE Bezeichnung = 'Version'");
               })
            << QStringList{"Die Tabelle Leser hat nicht die geforderte Anzahl von Feldern.\r\n"
                           "Das Programm kann die Projektdatei nicht öffnen!"}
            << "Fehler in der Datei";
        QTest::newRow("nine tables of another program")
            << version3With("ALTER TABLE Zutrittsprofile RENAME TO Kunden; DROP TABLE Einstellungen; "
                            "CREATE TABLE Rechnungen (x)")
            << QStringList{noProject} << "Fehler";
        QTest::newRow("oldest layout with short time zones")
            << Damage([](const QString& path) {
                   test::writeProject(path, Layout::Oldest);
                   test::execSql(path, "ALTER TABLE Zeitzonen DROP COLUMN SoEzeit4");
               })
            << QStringList{"Die Tabelle Zeitzonen hat nicht die geforderte Anzahl von Feldern.\r\n"
                           "Das Programm kann die Projektdatei nicht öffnen!"}
            << "Fehler in der Datei";
        QTest::newRow("upgrade fails") << Damage([](const QString& path) { test::writeProject(path, Layout::Version4);
                   test::execSql(path, "INSERT INTO HLV_BUS VALUES (12, 0)");
               })
            << QStringList{noProject, "Die Projektdatei ANLAGE.MDB konnte nicht geöffnet werden.\r\n"
                                      "Sie wurde mit einer älteren SW-Version erstellt.\r\n"
                                      "Um mit ihr arbeiten zu können, muß sie aktualisiert werden.\r\n"
                                      "Die Aktualisierung ist jedoch fehlgeschlagen!"}
            << "Fehler";
    }

    void refusedFiles()
    {
        QFETCH(Damage, make);
        QFETCH(QStringList, texts);
        test::TempHome home;
        make(projectFile("Anlage.mdb"));
        const QByteArray original = test::fileBytes(projectFile("Anlage.mdb"));
        test::ScriptedOperator op;
        QVERIFY(!check(op));
        QCOMPARE(op.texts(), texts);
        QTEST(op.asked().first().message.title, "title");
        QCOMPARE(op.asked().first().message.icon, MessageIcon::Critical);
        QCOMPARE(test::fileBytes(projectFile("Anlage.mdb")), original);
    }

    void acceptedUnchanged_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("sql");
        QTest::newRow("current") << Layout::Version8 << QString();
        QTest::newRow("no version row") << Layout::Version8
                                        << "DELETE FROM Einstellungen WHERE Bezeichnung = 'Version'";
        QTest::newRow("more than the layout needs")
            << Layout::Version8 << "CREATE TABLE Notizen (Text); ALTER TABLE Leser ADD COLUMN Raum TEXT";
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

    // The template is written once, from the schema; its always-zone opens
    // every day from 00:00 to 24:00 and has no other period.
    void templateIsWrittenOnceWithTheAlwaysZone()
    {
        test::TempHome home;
        QVERIFY(ensureProjectTemplate());
        Database db(ProgramFolder::templateFile(), Database::Access::ReadOnly);
        QCOMPARE(column(db, "SELECT count(*) FROM Zeitzonen WHERE Tname = 'IMMER' AND MoSzeit1 = '00:00:00' AND "
                            "SoEzeit1 = '00:00:00' AND SoSzeit4 = '11:11:11'"),
                 QStringList{"1"});
        home.writeFile("default.$$$", "mine");
        QVERIFY(ensureProjectTemplate());
        QCOMPARE(home.readFile("default.$$$"), QByteArray("mine"));
        QVERIFY(!writeProjectTemplate(home.file("default.$$$")));
    }

    void databaseErrorsAreClassified()
    {
        test::TempHome home;
        QVERIFY(writeProjectTemplate(home.file("p.mdb")));
        Database db(home.file("p.mdb"));
        try {
            db.sql().exec("SELECT x FROM nowhere");
            QFAIL("bad statement accepted");
        } catch (const std::exception& e) {
            const DbError error = toDbError(e);
            QCOMPARE(error.kind, DbErrorKind::Other);
            QCOMPARE(databaseErrorMessage(error),
                test::message("Fehler 1:\r\nno such table: nowhere", "Datenbankfehler", MessageIcon::Critical));
        }
        QCOMPARE(toDbError(DbRefusal(DbErrorKind::StillReferenced)).kind, DbErrorKind::StillReferenced);
    }
};

QTEST_GUILESS_MAIN(TestCheckAndUpgrade)
#include "tst_checkandupgrade.moc"
