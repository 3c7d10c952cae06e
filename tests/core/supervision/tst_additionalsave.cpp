// The additional save after a project save: where the copy goes, and that a
// folder that is gone, refuses writing or is full leaves the old copy as it
// was, no part of a new one, and the project saved.
#include "MessageCompare.h"
#include "ProjectWorld.h"
#include "ReadOnlyFolder.h"
#include "SmallDisk.h"
#include "core/project/ProjectPaths.h"
#include "core/supervision/AdditionalSave.h"
#include "core/supervision/SupervisionSettings.h"

#include <QTest>

using namespace varnox;

namespace {

// A saved project and the folder of its additional copy; the save of a
// change reaches the project file whatever becomes of the copy.
struct Rig {
    test::ProjectWorld world;
    QString workCopy = world.openProject("Anlage");
    QString folder = world.home.file("sicherung");
    SettingRow setting { true, 0, folder };
    QString copy = folder + "/Anlage.mdb";

    Rig() { QDir().mkpath(folder); }

    Outcome saveChange()
    {
        world.change();
        if (!world.saver.saveNow() || world.host.calls != QStringList { "additionalSave(~hlvAnlage.tmp)" })
            qFatal("the project was not saved");
        return AdditionalSave(workCopy, setting);
    }
    QStringList folderEntries() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }
};

Message failure(const QString& reason)
{
    return test::message("Die zusätzliche Speicherung kann nicht durchgeführt werden.\r\n" + reason,
        "Zusätzliche Speicherung", MessageIcon::Exclamation);
}

} // namespace

class TestAdditionalSave : public QObject {
    Q_OBJECT

private slots:
    // A work copy ~hlvAnlage.tmp goes to the folder as Anlage.mdb, with the
    // project's content and time, over an older copy, leaving nothing else.
    void copyReplacesTheOlderOne()
    {
        Rig rig;
        test::writeBytes(rig.copy, "an older copy");
        QVERIFY(rig.saveChange());
        const QString workCopy = workCopyPath(rig.workCopy);
        QCOMPARE(test::projectDigest(rig.copy), test::projectDigest(workCopy));
        QCOMPARE(QFileInfo(rig.copy).lastModified(), QFileInfo(workCopy).lastModified());
        QCOMPARE(rig.folderEntries(), QStringList { "Anlage.mdb" });
    }

    void switchedOffCopiesNothing()
    {
        Rig rig;
        rig.setting = {};
        QVERIFY(rig.saveChange());
        QVERIFY(rig.folderEntries().isEmpty());
    }

    void folderThatCannotTakeTheCopyIsReported_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no folder given") << "empty" << QString("Es ist kein Ort angegeben worden!");
        QTest::newRow("folder deleted")
            << "gone" << QString("Kein Zugriff auf das eingetragene Verzeichnis oder es existiert nicht!");
        QTest::newRow("a file, not a folder")
            << "file"
            << "Kein Zugriff auf das eingetragene Verzeichnis oder es existiert nicht!";
        QTest::newRow("read-only folder")
            << "read-only" << QString("Der Zugriff auf das Verzeichnis/Datei wurde verweigert.");
        QTest::newRow("full file system") << "full" << QString("Fehler 28: ");
    }

    void folderThatCannotTakeTheCopyIsReported()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        Rig rig;
        test::writeBytes(rig.copy, "an older copy");
        std::unique_ptr<test::ReadOnlyFolder> readOnly;
        std::unique_ptr<test::SmallDisk> small;
        if (fault == "empty") {
            rig.setting.text.clear();
        } else if (fault == "gone") {
            QDir(rig.folder).removeRecursively();
        } else if (fault == "file") {
            QDir(rig.folder).removeRecursively();
            test::writeBytes(rig.folder, "a file");
        } else if (fault == "read-only") {
            readOnly = std::make_unique<test::ReadOnlyFolder>(rig.folder);
            if (!readOnly->active())
                QSKIP("no way to make a folder refuse writing here");
        } else if (fault == "full") {
            QFile::remove(rig.copy);
            small = std::make_unique<test::SmallDisk>(rig.folder, "size=1m");
            if (!small->mounted())
                QSKIP("a file system may not be mounted here");
            test::writeBytes(rig.copy, "an older copy");
            small->fill();
        }
        const Outcome outcome = rig.saveChange();
        QVERIFY(!outcome);
        if (reason.endsWith(": ")) // the system's own description follows
            QVERIFY2(outcome.message().text.startsWith(failure(reason).text), qPrintable(outcome.message().text));
        else
            QCOMPARE(outcome.message(), failure(reason));
        if (QFileInfo(rig.folder).isDir()) {
            QCOMPARE(test::fileBytes(rig.copy), QByteArray("an older copy"));
            QVERIFY(!rig.folderEntries().contains("~hlvAnlage.mdb.sav"));
        }
    }
};

QTEST_GUILESS_MAIN(TestAdditionalSave)
#include "tst_additionalsave.moc"
