// Renders the main window in each operating mode, and the login and
// password dialogs, in every interface language into screenshots/ of the
// build folder, so that their layout can be looked at after each change.
#include "ProgramRunRig.h"
#include "ProjectFiles.h"
#include "WidgetDriver.h"
#include "core/lang/Texts.h"
#include "ui/login/FrmPW.h"

using namespace varnox;
using test::ProgramRunRig;

class TestMainScreenshots : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { setCurrentLanguage(kGerman); }

    void modes_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("de") << kGerman;
        QTest::newRow("en") << kEnglish;
        QTest::newRow("fr") << kFrench;
    }

    void modes()
    {
        QFETCH(int, language);
        setCurrentLanguage(language);
        const QString code = QString::fromLatin1(QTest::currentDataTag());
        ProgramRunRig r;
        const QString project = r.addProject(QStringLiteral("Werk Süd.mdb"));
        test::execSql(project, "INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, "
                               "Modify, RSZ, ProgSp, TOE, Akustik, Zeiterfassung) VALUES "
                               "(0, '4711', 'Haupteingang', 1, 5, 1, 0, 0, 0, 3, 1, 1, 1, 0), "
                               "(1, '815', 'Lager Nord', 1, 7, 0, 1, 12, 1, 3, 1, 1, 1, 0)");
        r.start();
        QVERIFY(test::saveScreenshot(&r.run->loginDialog(), "screenshots/" + QString("login-" + code)));
        r.logInAndOpen(Mode::Konfiguration, {}, QStringLiteral("Werk Süd.mdb"));
        QVERIFY(test::saveScreenshot(&r.window(), "screenshots/" + QString("main-konfiguration-" + code)));
        for (int page = 1; page < kPageCount; ++page) {
            r.window().selectPage(page);
            QVERIFY(test::saveScreenshot(&r.window(), "screenshots/" + QString(QStringLiteral("main-page%1-").arg(page) + code)));
        }

        test::whenModal<FrmPW>([code](FrmPW* d) {
            QVERIFY(test::saveScreenshot(d, "screenshots/" + QString("password-" + code)));
            d->reject();
        });
        r.window().menuItem("Moduspasswort_aendern")->trigger();

        r.changeMode(Mode::Standard);
        QVERIFY(test::saveScreenshot(&r.window(), "screenshots/" + QString("main-standard-" + code)));
        r.changeMode(Mode::Beobachtung);
        QVERIFY(test::saveScreenshot(&r.window(), "screenshots/" + QString("main-beobachtung-" + code)));
    }
};

QTEST_MAIN(TestMainScreenshots)
#include "tst_mainscreenshots.moc"
