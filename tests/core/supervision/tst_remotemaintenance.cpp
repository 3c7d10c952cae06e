// Remote maintenance on a fake clock: the minute count, the comparison of
// the reference file with the work copy, and its end.
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "ProtocolHome.h"
#include "ScriptedOperator.h"
#include "core/online/DailyProtocol.h"
#include "core/supervision/RemoteMaintenance.h"
#include "core/supervision/SupervisionSettings.h"

#include <QTest>

using namespace varnox;

namespace {

struct Rig {
    test::ProjectFixture project;
    test::FakeClock clock;
    DailyProtocol protocol { clock };
    test::ScriptedOperator op;
    SupervisionSettings settings;
    RemoteMaintenance remote { settings, protocol, op, clock, [this] { return project.path(); } };
    QString reference = project.home().file("server/Anlage.mdb");

    explicit Rig(int minutes)
    {
        protocol.setSwitches({ 255, false });
        project.home().writeFile("server/Anlage.mdb", "reference");
        settings.remoteMaintenance = { true, minutes, reference };
        stamp(project.path(), QDateTime(QDate(2026, 12, 5), QTime(10, 0, 0)));
    }

    static void stamp(const QString& path, const QDateTime& t)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadWrite) || !f.setFileTime(t, QFileDevice::FileModificationTime))
            qFatal("cannot set the time of %s", qPrintable(path));
    }

    void runFor(int seconds)
    {
        test::runTicks(
            clock, [this] { return remote.tick(); }, seconds * 1000, 1);
    }
    QStringList protocolTexts() const { return test::protocolTexts(clock.now().date()); }
};

} // namespace

class TestRemoteMaintenance : public QObject {
    Q_OBJECT

private slots:
    // Interval 1: the first comparison a minute after the start, then every
    // minute; a newer reference file is reported once, and the watch ends.
    void newerReferenceIsReportedOnceAndTheWatchEnds()
    {
        Rig rig(1);
        Rig::stamp(rig.reference, QDateTime(QDate(2026, 12, 5), QTime(9, 0, 0)));
        rig.remote.restart();
        rig.runFor(59);
        QVERIFY(rig.op.asked().isEmpty());
        rig.runFor(2);
        QCOMPARE(rig.op.asked().size(), 1);
        QCOMPARE(rig.op.asked()[0].message,
            test::message("Datei auf dem Server:  05.12.2026 09:00:00\r\nAktuelle Projektdatei: 05.12.2026 10:00:00",
                "Varnox", MessageIcon::Information));
        QCOMPARE(rig.protocolTexts(), QStringList { "Testlauf-System!" });

        Rig::stamp(rig.reference, QDateTime(QDate(2026, 12, 5), QTime(10, 0, 1)));
        rig.runFor(58); // the count starts again from one
        QCOMPARE(rig.op.asked().size(), 1);
        rig.runFor(600);
        QCOMPARE(rig.op.texts().mid(1),
            QStringList({ "Datei auf dem Server:  05.12.2026 10:00:01\r\nAktuelle Projektdatei: 05.12.2026 10:00:00",
                "Projektdatei wurde über Fernwartung aktualisiert!" }));
        QCOMPARE(rig.protocolTexts(),
            QStringList({ "Testlauf-System!", "Projektdatei wurde über Fernwartung aktualisiert!" }));
        QVERIFY(!rig.remote.running());
        QCOMPARE(rig.remote.tick(), std::nullopt);

        rig.remote.restart(); // the next opening of the project watches again
        rig.runFor(61);
        QCOMPARE(rig.op.asked().size(), 5);
    }

    void missingReferenceEndsTheWatch_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("line");
        QTest::newRow("no path") << "" << QString("Keine Datei für Fernwartung eingetragen!");
        QTest::newRow("no such file") << "server/gone.mdb"
                                      << "Eingetragene Datei für Fernwartung existiert nicht!";
        QTest::newRow("a folder") << "server" << QString("Eingetragene Datei für Fernwartung existiert nicht!");
    }

    void missingReferenceEndsTheWatch()
    {
        QFETCH(QString, path);
        QFETCH(QString, line);
        Rig rig(1);
        rig.settings.remoteMaintenance.text = path.isEmpty() ? path : rig.project.home().file(path);
        rig.remote.restart();
        rig.runFor(3600);
        QCOMPARE(rig.protocolTexts(), QStringList { line });
        QVERIFY(rig.op.asked().isEmpty());
        QVERIFY(!rig.remote.running());
    }
};

QTEST_GUILESS_MAIN(TestRemoteMaintenance)
#include "tst_remotemaintenance.moc"
