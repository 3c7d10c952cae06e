// varnoxctl for setting up an installation: the COM ports of the lines, the
// mode passwords, and the daily protocol followed as the program writes it.
#include "CtlProject.h"
#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/online/ProtocolExport.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/PasswordStore.h"

#include <QTest>

#include <csignal>

using namespace varnox;
using namespace varnox::test;

namespace {

const QByteArray kProtocolOn = "[Config]\nRecording=255\nEncrypt=1\n";

} // namespace

class TestCtlInstallation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void portsOfTheLines()
    {
        const CtlHome ctl;
        ctl.home().writeFile("VARNOXCF.INI", "[Ports]\nCOM4=/dev/serial/by-id/usb-desk-reader\n");
        QCOMPARE(ctl({ "create", "Anlage" }).status, 0);
        QCOMPARE(ctl({ "change", "port", "Anlage", "--bus", "1", "--com", "3" }).status, 0);
        QCOMPARE(ctl({ "change", "port", "Anlage", "--bus", "desk", "--com", "4" }).status, 0);
        const QString listed = ctl({ "list", "ports", "Anlage", "--format", "csv" }).out;
        QVERIFY2(listed.startsWith("bus,com,device\r\n1,3,/dev/ttyS2\r\n2,0,\r\n"), qPrintable(listed));
        QVERIFY2(listed.contains("\r\n8,4,/dev/serial/by-id/usb-desk-reader\r\n"), qPrintable(listed));

        // The page's check: one port for two lines is refused, and nothing is written.
        const QByteArray before = fileBytes(ctl.project("Anlage"));
        const CtlResult twice = ctl({ "change", "port", "Anlage", "--bus", "2", "--com", "3" });
        QCOMPARE(twice.status, 6);
        QVERIFY(!twice.err.isEmpty());
        QCOMPARE(fileBytes(ctl.project("Anlage")), before);

        for (const QStringList& wrong : QList<QStringList> { { "change", "port", "Anlage", "--bus", "17", "--com", "1" },
                 { "change", "port", "Anlage", "--bus", "1", "--com", "256" }, { "add", "port", "Anlage", "--bus", "1" },
                 { "change", "port", "Anlage", "--com", "1" } })
            QVERIFY2(ctl(wrong).status == 2, qPrintable(wrong.join(' ')));
        QCOMPARE(fileBytes(ctl.project("Anlage")), before);
    }

    void passwordIsStoredAsTheDialogStoresIt()
    {
        const CtlHome ctl;
        ctl.home().writeFile("VARNOXCF.INI", kProtocolOn);
        QCOMPARE(ctl({ "password", "configuration" }, "geheim\n").status, 0);
        ConfigFile config(ctl.home().file("VARNOXCF.INI"));
        QVERIFY(PasswordStore(config).verify(Mode::Konfiguration, "geheim"));
        QVERIFY(PasswordStore(config).verify(Mode::Standard, QString()));
        const CtlResult protocol
            = ctl({ "protocol", QDate::currentDate().toString("ddMMyyyy"), "--verify" });
        QCOMPARE(protocol.status, 0);
        QVERIFY2(protocol.out.contains("\tPasswortänderung beim Konfigurationsmodus\n"), qPrintable(protocol.out));

        // An empty password is refused as the dialog refuses it; the old one holds.
        QCOMPARE(ctl({ "password", "konfiguration" }, "\n").status, 6);
        QVERIFY(PasswordStore(config).verify(Mode::Konfiguration, "geheim"));
        QCOMPARE(ctl({ "password", "administrator" }, "x\n").status, 2);
    }

    // Only what is written after the start shows, a record only once it is
    // whole, and a signal ends the follow after a last look.
    void followShowsTheProtocolAsItIsWritten()
    {
        const CtlHome ctl;
        ctl.home().writeFile("VARNOXCF.INI", kProtocolOn);
        DailyProtocol protocol(SystemClock::instance());
        protocol.setSwitches({ 255, true });
        protocol.write("vorher");

        QProcess follow;
        follow.setProcessEnvironment(programEnvironment(ctl.path()));
        follow.start(ctlBinary(), { "protocol", "--follow" });
        QVERIFY(follow.waitForStarted(30000));
        QString shown;
        const auto showsLine = [&](const QString& text) {
            follow.waitForReadyRead(100);
            shown += QString::fromUtf8(follow.readAllStandardOutput());
            return shown.contains('\t' + text + '\n');
        };
        // Once one of these signs shows, the follower is reading.
        int sign = 0;
        QDeadlineTimer deadline(60000);
        while (!showsLine(QStringLiteral("Zeichen %1").arg(sign)) && !deadline.hasExpired()) {
            if (!shown.contains("Zeichen"))
                protocol.write(QStringLiteral("Zeichen %1").arg(++sign));
            QTest::qWait(200);
        }
        QVERIFY2(shown.contains("Zeichen"), qPrintable(shown));

        // A record that arrives in two parts.
        const QString path = DailyProtocol::filePath(QDate::currentDate());
        const qint64 size = QFileInfo(path).size();
        protocol.write("danach");
        QByteArray record = fileBytes(path).mid(size);
        QVERIFY(QFile::resize(path, size));
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write(record.left(record.size() / 2));
        file.flush();
        QTest::qWait(600);
        file.write(record.mid(record.size() / 2));
        file.close();
        QTRY_VERIFY_WITH_TIMEOUT(showsLine("danach"), 60000);

        ::kill(pid_t(follow.processId()), SIGTERM);
        QVERIFY(follow.waitForFinished(30000));
        QCOMPARE(follow.exitCode(), 0);
        shown += QString::fromUtf8(follow.readAllStandardOutput());
        QVERIFY2(!shown.contains("vorher") && shown.count("danach") == 1, qPrintable(shown));
        QVERIFY2(!shown.contains(recordStateText(RecordState::Undecipherable)), qPrintable(shown));
    }
};

QTEST_GUILESS_MAIN(TestCtlInstallation)
#include "tst_ctlinstallation.moc"
