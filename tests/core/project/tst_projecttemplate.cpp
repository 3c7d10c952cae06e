#include "TempHome.h"
#include "core/project/Database.h"
#include "core/project/DbError.h"
#include "core/project/ProjectTemplate.h"
#include "core/shell/ProgramFolder.h"

#include <SQLiteCpp/Statement.h>

#include <QFile>
#include <QTest>

using namespace varnox;

namespace {

int count(Database& db, const char* sql)
{
    SQLite::Statement q(db.sql(), sql);
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

}  // namespace

class TestProjectTemplate : public QObject {
    Q_OBJECT

private slots:
    // The always-zone opens every day from 00:00 to 24:00 and has no other period.
    void templateHoldsTheAlwaysZone()
    {
        test::TempHome home;
        QVERIFY(ensureProjectTemplate());
        Database db(ProgramFolder::templateFile(), Database::Access::ReadOnly);
        QCOMPARE(count(db, "SELECT count(*) FROM Zeitzonen WHERE Tname = 'IMMER' AND MoSzeit1 = '00:00:00' AND "
                           "SoEzeit1 = '00:00:00' AND SoSzeit4 = '11:11:11'"), 1);
    }

    void existingTemplateIsLeftAlone()
    {
        test::TempHome home;
        home.writeFile("default.$$$", "mine");
        QVERIFY(ensureProjectTemplate());
        QCOMPARE(home.readFile("default.$$$"), QByteArray("mine"));
        QVERIFY(!writeProjectTemplate(home.file("default.$$$")));
    }

    void namesIgnoreCaseUmlautsIncluded()
    {
        test::TempHome home;
        QVERIFY(writeProjectTemplate(home.file("p.mdb")));
        Database db(home.file("p.mdb"));
        db.sql().exec("INSERT INTO Zutrittsprofile (Zname) VALUES ('Tür Süd')");
        SQLite::Statement q(db.sql(), "SELECT count(*) FROM Zutrittsprofile WHERE Zname = ?");
        q.bind(1, "TÜR SÜD");
        QVERIFY(q.executeStep());
        QCOMPARE(q.getColumn(0).getInt(), 1);
        try {
            db.sql().exec("INSERT INTO Zutrittsprofile (Zname) VALUES ('TÜR SÜD')");
            QFAIL("duplicate accepted");
        } catch (const std::exception& e) {
            QCOMPARE(toDbError(e).kind, DbErrorKind::Duplicate);
        }
    }

    void refusalsAndOtherErrorsAreClassified()
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
            const Message m = databaseErrorMessage(error);
            QCOMPARE(m.text, QString("Fehler 1:\r\nno such table: nowhere"));
            QCOMPARE(m.title, QString("Datenbankfehler"));
        }
        QCOMPARE(toDbError(DbRefusal(DbErrorKind::StillReferenced)).kind, DbErrorKind::StillReferenced);
    }
};

QTEST_GUILESS_MAIN(TestProjectTemplate)
#include "tst_projecttemplate.moc"
