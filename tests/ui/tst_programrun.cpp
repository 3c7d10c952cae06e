#include "FakeClock.h"
#include "TempHome.h"
#include "ui/common/MessageBox.h"
#include "ui/protocol/FrmLogAnz.h"
#include "ui/settings/FrmAllgemein.h"
#include "ui/startup/ProgramRun.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace varnox;

namespace {

const QDate kDay(2026, 12, 5);

// A run on a fresh program folder with a plain protocol, ended by the test.
struct Run {
    test::TempHome home;
    test::FakeClock clock {QDateTime(kDay, QTime(6, 0, 0))};
    std::unique_ptr<ProgramRun> run;
    int ends = 0;

    Run()
    {
        home.writeFile("VARNOXCF.INI", "[Config]\nRecording=255\nEncrypt=0\n");
        run = std::make_unique<ProgramRun>(clock);
        run->endProcess = [this] { ++ends; };
        run->start();
    }

    QStringList lines() const
    {
        QStringList out = QString::fromUtf8(home.readFile("log/05122026.log")).split(QStringLiteral("\r\n"));
        out.removeAll(QString());
        return out;
    }

    QAction* action(const char* name) const { return run->mainWindow().findChild<QAction*>(QString::fromLatin1(name)); }
};

QStringList shownTexts()
{
    QStringList out;
    for (const Message& m : MessageBox::shown())
        out << m.text;
    return out;
}

}  // namespace

class TestProgramRun : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
        MessageBox::clearQueue();
    }

    void everyWayOutAsksAndNoKeepsTheWindow()
    {
        Run r;
        QVERIFY(r.run->mainWindow().isVisible());
        QCOMPARE(r.lines(), QStringList {"06:00:00\tProgramm gestartet"});

        MessageBox::queueAnswer(Answer::No);
        QVERIFY(!r.run->mainWindow().close());
        MessageBox::queueAnswer(Answer::No);
        r.action("Beenden")->trigger();
        QVERIFY(r.run->mainWindow().isVisible());
        QCOMPARE(shownTexts(), QStringList(2, QStringLiteral("Möchten Sie das Programm wirklich beenden?")));
        QCOMPARE(r.lines().size(), 1);
        QCOMPARE(r.ends, 0);

        r.run->session().mode = Mode::Standard;
        r.run->pendingTransfers = [] { return 2; };
        MessageBox::queueAnswer(Answer::Yes);
        QVERIFY(r.run->mainWindow().close());
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Datenübertragung nicht vollständig!"));
        QCOMPARE(r.lines().last(), QStringLiteral("06:00:00\tProgramm beendet"));
        QCOMPARE(r.ends, 1);
        r.run->finish();
        QCOMPARE(r.lines().size(), 2);
    }

    void endFromOutsideAsksNothing()
    {
        Run r;
        QStringList hooks;
        r.run->session().projectOpen = true;
        r.run->shutdownHooks().askSaveAndClose = [&hooks] { hooks << "save?"; };
        r.run->shutdownHooks().closePorts = [&hooks] { hooks << "ports"; };
        r.action("Protokoll_drucken")->trigger();
        auto* viewer = r.run->mainWindow().findChild<FrmLogAnz*>();
        QVERIFY(viewer && viewer->isVisible());

        r.run->endFromOutside();
        r.run->endFromOutside();
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(hooks, QStringList {"ports"});
        QVERIFY(!r.run->mainWindow().isVisible());
        QVERIFY(!viewer->isVisible());
        QCOMPARE(r.lines(), QStringList({"06:00:00\tProgramm gestartet", "06:00:00\tMenü 'Tagesprotokoll anzeigen' aufgerufen",
                                         "06:00:00\tProgramm beendet"}));
        QCOMPARE(r.ends, 1);
    }

    void generalSettingsSwitchTheProtocol()
    {
        Run r;
        {
            FrmAllgemein dialog(r.run->config(), r.run->protocol());
            auto* chkLog = dialog.findChild<QCheckBox*>(QStringLiteral("chkLog"));
            QVERIFY(chkLog->isChecked());
            chkLog->setChecked(false);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
            QVERIFY(r.run->protocol().recording());
            chkLog->setChecked(false);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        }
        QVERIFY(!r.run->protocol().recording());
        QCOMPARE(r.run->config().readValue("Config", "Recording"), QStringLiteral("0"));
        QCOMPARE(r.lines().last(), QStringLiteral("06:00:00\tProtokollierung deaktiviert"));

        FrmAllgemein again(r.run->config(), r.run->protocol());
        QVERIFY(!again.findChild<QCheckBox*>(QStringLiteral("chkLog"))->isChecked());
        again.findChild<QCheckBox*>(QStringLiteral("chkLog"))->setChecked(true);
        QTest::mouseClick(again.findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        QCOMPARE(r.lines().last(), QStringLiteral("06:00:00\tProtokollierung aktiviert"));
        QCOMPARE(r.run->config().readValue("Config", "Recording"), QStringLiteral("255"));
    }
};

QTEST_MAIN(TestProgramRun)
#include "tst_programrun.moc"
