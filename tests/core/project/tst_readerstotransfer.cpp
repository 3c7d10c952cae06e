#include "TempHome.h"
#include "core/project/Database.h"
#include "core/project/ProjectPaths.h"
#include "core/project/ProjectTemplate.h"
#include "core/project/ReadersToTransfer.h"

#include <SQLiteCpp/Statement.h>

#include <QDir>
#include <QTest>

using namespace varnox;

class TestReadersToTransfer : public QObject {
    Q_OBJECT

private slots:
    void countsReadersWithModify()
    {
        test::TempHome home;
        QDir().mkpath(ProgramFolder::projectsDir());
        QVERIFY(writeProjectTemplate(workCopyPath("~hlvwerk.tmp")));
        {
            Database db(workCopyPath("~hlvwerk.tmp"));
            for (const auto& [serial, modify] : {std::pair {"100", 1}, {"101", 0}, {"102", 1}}) {
                SQLite::Statement q(db.sql(), "INSERT INTO Leser (Lname, Seriennr, Modify) VALUES (?, ?, ?)");
                q.bind(1, std::string("Leser ") + serial);
                q.bind(2, serial);
                q.bind(3, modify);
                q.exec();
            }
        }
        QCOMPARE(readersToTransfer("~hlvwerk.tmp"), std::optional<int>(2));
        QCOMPARE(readersToTransfer(QString()), std::optional<int>(0));
        QCOMPARE(readersToTransfer("~hlvfehlt.tmp"), std::optional<int>());
        home.writeFile("projekte/~hlvkaputt.tmp", "no database at all");
        QCOMPARE(readersToTransfer("~hlvkaputt.tmp"), std::optional<int>());
    }
};

QTEST_GUILESS_MAIN(TestReadersToTransfer)
#include "tst_readerstotransfer.moc"
