// The transfer and the desk reader in a whole program run on fake ports:
// a key number from the desk reader reaches the key page, and a program
// told to end during a transfer writes the transfer's end before its own.
#include "FakeReader.h"
#include "FakeSerialPort.h"
#include "ProgramRunRig.h"
#include "ProjectFiles.h"
#include "core/bus/BusSystem.h"
#include "core/bus/Telegram.h"
#include "core/bus/transfer/DataTransfer.h"
#include "core/project/Database.h"
#include "ui/main/MainPages.h"

#include <SQLiteCpp/Statement.h>

using namespace varnox;
using namespace varnox::test;

namespace {

constexpr int kLong = 60'000;

// The program on a fresh folder with the project "Anlage": the reader "Tor"
// on line 1 (COM 3) waiting for its data, the key "Testkey" 00000000ABCD,
// the desk reader on COM 8. The clock is the machine's, for the port waits.
struct Run : ProgramRunRig {
    FakePortFactory factory;
    FakeReader reader { 4711, 5 };

    Run()
        : ProgramRunRig("[Config]\nRecording=255\nEncrypt=0\nTimeBusOk=1\n")
    {
        const QString project = addProject();
        execSql(project, "UPDATE HLV_BUS SET ComPort = 3 WHERE BusID = 1");
        execSql(project, "UPDATE HLV_BUS SET ComPort = 8 WHERE BusID = 8");
        execSql(project,
            "INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, "
            "RSZ, ProgSp, TOE, Akustik, Zeiterfassung) VALUES (0, '4711', 'Tor', 1, 5, 1, 0, 0, 1, 3, 1, 1, 1, 0)");
        execSql(project,
            "INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID, AbsoluteZeit) "
            "VALUES ('00000000ABCD', 'Testkey', 'TK', 0)");
        runClock = &SystemClock::instance();
        ports = &factory;
        start();
        factory.port(1).responder = [this](const QByteArray& bytes) {
            return bytes == interfacePresenceQuery() ? QByteArray("\x01#\x04") : reader.respond(bytes);
        };
        factory.port(1).replyLater = true;
        logInAndOpen(Mode::Konfiguration);
    }
    ~Run()
    {
        run->finish();
        run.reset(); // before the reader its fake port answers for
    }

    bool portsOpen() const
    {
        PortOpener& o = run->mainWindow().bus().opener();
        return o.portOk(1) && o.portOk(8) && o.state() == PortOpener::State::Idle;
    }
    void desk(const QByteArray& number) { factory.port(8).inject('\x01' + number + '\x04'); }
    QString field(const char* name) { return control<QLineEdit>(&window(), name)->text(); }
    QStringList protocol() const { return protocolTexts(QDate::currentDate()); }
    int modify()
    {
        Database db(home.file("projekte/~hlvAnlage.tmp"));
        SQLite::Statement q(db.sql(), "SELECT Modify FROM Leser WHERE Seriennr = '4711'");
        return q.executeStep() ? q.getColumn(0).getInt() : -1;
    }
};

} // namespace

class TestTransferRun : public QObject {
    Q_OBJECT

private slots:
    void deskReaderFillsTheKeyPage()
    {
        Run r;
        QTRY_VERIFY_WITH_TIMEOUT(r.portsOpen(), kLong);
        MessageBox::clearShown();
        r.window().selectPage(1);
        r.desk("00000000ABCE");
        QCOMPARE(r.window().pages().currentIndex(), 6);
        QCOMPARE(r.field("TxtKeyNr"), QString("00000000ABCE"));
        QVERIFY(MessageBox::shown().isEmpty());

        r.desk("00000000ABCD"); // a key of the project: its data and a word about it
        QCOMPARE(values(&r.window(), { "TxtKeyNr", "TxtKeyBez" }), QStringList({ "00000000ABCD", "Testkey" }));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text, QString("Schlüssel existiert bereits in der Projektdatei!"));

        clickItem(&r.window(), "ListViewKey", "Testkey"); // the page leaves its state New
        MessageBox::clearShown();
        r.desk("00000000ABCE");
        QCOMPARE(r.field("TxtKeyNr"), QString("00000000ABCD"));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text,
            QString("Um einen neuen Schlüssel anlernen zu können,\r\n"
                    "müssen sie zunächst den Button \"Neu\" betätigen."));
        QCOMPARE(MessageBox::shown()[0].title, QString("Fehler"));

        r.desk("123456789"); // too short for a key number
        QCOMPARE(MessageBox::shown().size(), 1);

        QDialog dialog(&r.window());
        dialog.open(); // nothing changes behind an open dialog
        r.window().selectPage(1);
        r.desk("00000000ABCE");
        QCOMPARE(r.window().pages().currentIndex(), 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        dialog.reject();

        whenModal<QDialog>([](QDialog* d) { logIn(d, Mode::Beobachtung, {}); });
        r.window().menuItem("Beobachtungsmodus")->trigger();
        MessageBox::clearShown();
        r.desk("00000000ABCE"); // no key page in this mode: nothing happens
        QCOMPARE(r.window().pages().currentIndex(), 9);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void endingTheProgramStopsATransferFirst()
    {
        Run r;
        QTRY_VERIFY_WITH_TIMEOUT(r.portsOpen(), kLong);
        r.window().selectPage(8);
        press(&r.window(), "CmdDatBtn");
        QTRY_VERIFY_WITH_TIMEOUT(r.reader.received.contains("8800"), kLong);
        QVERIFY(r.window().transfer().isRunning());
        r.run->endFromOutside();
        QVERIFY(!r.window().transfer().isRunning());
        const QStringList lines = r.protocol();
        const qsizetype stopped = lines.indexOf("Datenübertragung abgebrochen - Programm beendet!");
        QVERIFY(stopped >= 0);
        QCOMPARE(lines.value(stopped + 1), QString("Programm beendet"));
        QCOMPARE(r.modify(), 1);
        const qsizetype sent = r.reader.received.size();
        QTest::qWait(600);
        QCOMPARE(r.reader.received.size(), sent);
    }
};

QTEST_MAIN(TestTransferRun)
#include "tst_transferrun.moc"
