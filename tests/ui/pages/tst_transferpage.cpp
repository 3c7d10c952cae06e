// The data transfer page: its two lists, "Leser zurücksetzen", closing the
// progress window of a transfer, and "Daten zum PDA". A whole transfer from
// the page runs in the integration test against the simulator.
#include "FakeReader.h"
#include "FakeSerialPort.h"
#include "MessageCompare.h"
#include "PageServices.h"
#include "ProtocolHome.h"
#include "WidgetDriver.h"
#include "core/bus/BusPorts.h"
#include "core/bus/EvaluationControl.h"
#include "core/bus/ProtocolList.h"
#include "core/bus/Reception.h"
#include "core/bus/transfer/DataTransfer.h"
#include "core/bus/transfer/TransferTimers.h"
#include "core/lang/Texts.h"
#include "ui/pages/transfer/FrmProgressBar.h"
#include "ui/pages/transfer/TransferPage.h"

#include <QProgressBar>

using namespace varnox;
using namespace varnox::test;

namespace {

constexpr int kLong = 60'000;

// The page with a transfer over a fake port on line 1 to the reader "Tor".
struct Rig {
    PageServices s;
    FakePortFactory factory;
    ProtocolList list;
    EvaluationControl evaluation;
    Reception reception { s.clock, list, evaluation };
    BusPorts ports { factory, reception };
    UiOperator op;
    DataTransfer transfer { ports, reception, s.protocol, op, [this] { return s.workCopy; } };
    TransferTimers timers { transfer };
    FakeReader reader { 4711, 5 };
    TransferPage page { s.services };

    Rig()
    {
        MessageBox::setUnattended(true);
        s.protocol.setSwitches({ 255, false });
        s.project.assignComPort(1, 3);
        s.project.addReader("Tor", "4711", 1, 5, true, 0, true);
        s.project.addReader("Lager", "12", 1, 6, true, 0, false);
        s.project.addReader("Keller", "13", 1, 7, true, 0, true);
        factory.port(1).open();
        factory.port(1).responder = [this](const QByteArray& bytes) { return reader.respond(bytes); };
        factory.port(1).replyLater = true;
        page.setTransfer(transfer);
        page.refreshLists();
        MessageBox::clearShown();
    }
    QStringList waiting() const { return items(control<QListWidget>(&page, "ListViewDat1")); }
    QStringList current() const { return items(control<QListWidget>(&page, "ListViewDat2")); }
    int modify(const char* serial) const { return s.project.modify(serial); }
    QStringList protocol() const { return protocolTexts(s.clock.now().date()); }
    static FrmProgressBar* progressWindow() { return qobject_cast<FrmProgressBar*>(QApplication::activeModalWidget()); }
};

} // namespace

class TestTransferPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    // Readers are found by serial number, even where two share a name.
    void resetOffersAReaderAgain()
    {
        Rig rig;
        rig.s.project.addReader("Tor", "99", 1, 8, true, 0, false);
        rig.page.pageShown();
        QCOMPARE(rig.waiting(), (QStringList { "Tor", "Keller" }));
        QCOMPARE(rig.current(), (QStringList { "Lager", "Tor" }));
        QSignalSpy changed(&rig.page, &Page::projectChanged);
        control<QListWidget>(&rig.page, "ListViewDat2")->setCurrentRow(1);
        press(&rig.page, "CmdDatBtnBack");
        QVERIFY(rig.modify("99") == 1 && rig.modify("12") == 0);
        QCOMPARE(rig.protocol().last(), QString("Tor zurückgesetzt"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(rig.waiting(), (QStringList { "Tor", "Keller", "Tor" }));

        press(&rig.page, "CmdDatBtnBack"); // Lager
        QCOMPARE(rig.current(), QStringList {});
        MessageBox::clearShown();
        press(&rig.page, "CmdDatBtnBack");
        QCOMPARE(MessageBox::shown(),
            QList { test::message("Kein Leser in der Liste vorhanden.\r\nZurücksetzen nicht möglich!", "Fehler!",
                MessageIcon::Exclamation) });
    }

    void closingTheProgressWindowStopsTheTransfer()
    {
        Rig rig;
        press(&rig.page, "CmdDatBtn");
        QCOMPARE(Rig::progressWindow()->bar()->maximum(), 8);
        QVERIFY(rig.timers.findChild<QTimer*>("TimerDelz")->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(rig.reader.received.contains("8800"), kLong);
        Rig::progressWindow()->close();
        QVERIFY(!rig.transfer.isRunning());
        QVERIFY(!Rig::progressWindow());
        QCOMPARE(rig.protocol().last(), QString("Datenübertragung abgebrochen - Übertragungsfenster geschlossen!"));
        QVERIFY(MessageBox::shown().isEmpty());
        const qsizetype sent = rig.reader.received.size();
        QTest::qWait(1000);
        QCOMPARE(rig.reader.received.size(), sent); // no timer ticks on
        QCOMPARE(rig.modify("4711"), 1);
        QCOMPARE(rig.waiting(), (QStringList { "Tor", "Keller" }));
    }

    void handheldWalkMovesTheWaitingReaders()
    {
        Rig rig;
        press(&rig.page, "CmdDatPDA");
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QString("FrmProgressBar2"));
        QCOMPARE(control<QProgressBar>(dialog, "ProgressBar2")->maximum(), 200);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), kLong);
        QCOMPARE(rig.waiting(), QStringList {});
        QCOMPARE(rig.current(), (QStringList { "Lager", "Tor", "Keller" }));
        QCOMPARE(MessageBox::shown().last().text, QString("Alle Daten erfolgreich übertragen!"));
        QCOMPARE(rig.modify("4711"), 1);
        QVERIFY(rig.reader.received.isEmpty());
        rig.page.pageShown();
        QCOMPARE(rig.waiting(), (QStringList { "Tor", "Keller" }));

        rig.s.project.exec("UPDATE Leser SET Modify = 0");
        rig.page.pageShown();
        for (const char* button : { "CmdDatPDA", "CmdDatBtn" }) {
            MessageBox::clearShown();
            press(&rig.page, button);
            QCOMPARE(MessageBox::shown(),
                QList { test::message("Alle Leser besitzen die aktuellen Daten.\r\nKeine Übertragung möglich!",
                    "Fehler!", MessageIcon::Exclamation) });
        }
    }
};

QTEST_MAIN(TestTransferPage)
#include "tst_transferpage.moc"
