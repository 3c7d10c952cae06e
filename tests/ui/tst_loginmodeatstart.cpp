// The login a demo (or a kiosk) asks for over the project it opened from
// the command line: the mode chosen, the password asked as always.
#include "ProgramRunRig.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/PasswordStore.h"

using namespace varnox;
using test::ProgramRunRig;

class TestLoginModeAtStart : public QObject {
    Q_OBJECT

private slots:
    void theModeIsOfferedAndItsPasswordAsked()
    {
        ProgramRunRig r;
        r.addProject();
        ConfigFile config(r.home.file("VARNOXCF.INI"));
        QVERIFY(PasswordStore(config).store(Mode::Konfiguration, "demo"));
        r.start("Anlage.mdb");
        QCOMPARE(r.run->session().mode, Mode::Beobachtung);

        int offered = -1;
        test::whenModal<QDialog>([&offered](QDialog* d) {
            offered = test::control<QComboBox>(d, "CmbLogMod")->currentIndex();
            QTest::keyClicks(test::control<QLineEdit>(d, "TxtLogPW"), "demo");
            test::click(d, "CmdLogOK");
        });
        r.run->askForModeAtStart(3);
        QTRY_COMPARE(r.run->session().mode, Mode::Konfiguration);
        QCOMPARE(offered, 2);
    }
};

QTEST_MAIN(TestLoginModeAtStart)
#include "tst_loginmodeatstart.moc"
