#include "PageServices.h"
#include "WidgetDriver.h"
#include "core/lang/Texts.h"
#include "ui/pages/readers/ReadersPage.h"

#include <QGroupBox>

using namespace varnox;
using namespace varnox::test;

class TestReadersPage : public QObject {
    Q_OBJECT

    std::unique_ptr<PageServices> m_env;
    std::unique_ptr<ReadersPage> m_page;

    QWidget* page() { return m_page.get(); }
    QListWidget* list() { return control<QListWidget>(page(), "ListViewLes"); }

    void fillNewReader(const QString& name, const QString& serial, int bus, bool decentral)
    {
        control<QComboBox>(page(), "CmbLesTyp")->setCurrentIndex(0);
        control<QLineEdit>(page(), "TxtLesName")->setText(name);
        QTest::keyClicks(control(page(), "TxtLesSn"), serial);
        control<QComboBox>(page(), "CmbLesCom")->setCurrentIndex(bus);
        control<QComboBox>(page(), "CmbLesAs")->setCurrentIndex(0);
        click(page(), decentral ? "OptLesMods" : "OptLesModz");
        if (decentral)
            control<QComboBox>(page(), "CmbLesFkt")->setCurrentIndex(0);
    }

private slots:
    void initTestCase()
    {
        InitTexts();
        MessageBox::setUnattended(true);
    }

    void init()
    {
        m_env = std::make_unique<PageServices>();
        m_env->project.addReader(QStringLiteral("Eingang"), QStringLiteral("100"), 1, 5);
        m_env->project.addReader(QStringLiteral("Lager"), QStringLiteral("200"), 1, 7, false, 10);
        m_page = std::make_unique<ReadersPage>(m_env->services);
        QVERIFY(showActive(m_page.get()));
        m_page->pageShown();
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::queuedAnswers(), 0);
        m_page.reset();
        m_env.reset();
        MessageBox::clearQueue();
    }

    void newStateAndTheListAfterShowing()
    {
        QCOMPARE(m_page->state(), ReadersPage::State::New);
        QVERIFY(enabled(page(), "CmdLesHin") && !enabled(page(), "CmdLesAend"));
        for (const char* name : {"CmbLesAs", "LblLesAs", "CmbLesFkt", "CmbLesZeit", "CheckLesSnNeu", "OptLesModv"})
            QVERIFY2(!shown(page(), name), name);
        QCOMPARE(control<QComboBox>(page(), "CmbLesTyp")->currentIndex(), -1);
        QCOMPARE(list()->count(), 2);
        QCOMPARE(values(page(), { "LblLesAnz", "OptLesModv" }), QStringList({ "2", "[x]" }));
        QCOMPARE(list()->item(1)->foreground().color(), QColor(255, 0, 0));
        QVERIFY(list()->item(0)->foreground().color() != QColor(255, 0, 0));

        // A bus line brings the free addresses of that line, none chosen.
        control<QComboBox>(page(), "CmbLesCom")->setCurrentIndex(0);
        QVERIFY(shown(page(), "CmbLesAs") && shown(page(), "LblLesAs"));
        QCOMPARE(control<QComboBox>(page(), "CmbLesAs")->findText(QStringLiteral("5")), -1);
        QCOMPARE(control<QComboBox>(page(), "CmbLesAs")->currentIndex(), -1);
    }

    void modeFieldsAndTheMifareLock()
    {
        click(page(), "OptLesMods");
        QVERIFY(shown(page(), "CmbLesFkt") && shown(page(), "LblLesFkt"));
        QVERIFY(!shown(page(), "CmbLesZeit"));
        click(page(), "OptLesModz");
        QVERIFY(!shown(page(), "CmbLesFkt") && shown(page(), "CmbLesZeit"));
        QCOMPARE(control<QComboBox>(page(), "CmbLesZeit")->currentText(), QStringLiteral("Nein"));

        click(page(), "OptLesMods");
        control<QComboBox>(page(), "CmbLesTyp")->setCurrentIndex(1);
        QVERIFY(control<QRadioButton>(page(), "OptLesModz")->isChecked());
        QVERIFY(!enabled(page(), "FrLesMod") && !enabled(page(), "OptLesMods"));
        control<QComboBox>(page(), "CmbLesTyp")->setCurrentIndex(0);
        QVERIFY(enabled(page(), "OptLesMods"));
    }

    void serialFieldsTakeDigitsOnly()
    {
        auto* serial = control<QLineEdit>(page(), "TxtLesSn");
        QTest::keyClicks(serial, "1a2-3 ");
        for (const char* pasted : {"45x", "45"}) {
            QApplication::clipboard()->setText(pasted);
            serial->paste();
        }
        QCOMPARE(serial->text(), QStringLiteral("12345"));
    }

    // The focus moves as the outcome says (every check's field is the core's
    // test); a refused serial number comes back selected.
    void failedCheckPutsTheFocusOnItsField()
    {
        fillNewReader(QStringLiteral("Tor"), QStringLiteral("1000000"), 0, false);
        clickExpectingMessage(page(), "CmdLesHin");
        QCOMPARE(lastMessageTitle(), QStringLiteral("Fehler"));
        QCOMPARE(focused(), QStringLiteral("TxtLesSn"));
        QCOMPARE(control<QLineEdit>(page(), "TxtLesSn")->selectedText(), QStringLiteral("1000000"));
        QCOMPARE(list()->count(), 2);
    }

    void createdReaderJoinsTheListAndThePageStartsAgain()
    {
        QSignalSpy changed(m_page.get(), &Page::projectChanged);
        QSignalSpy status(m_page.get(), &Page::statusText);
        fillNewReader(QStringLiteral("Büro"), QStringLiteral("0042"), 7, true);
        click(page(), "CmdLesHin");
        QCOMPARE(MessageBox::shown().size(), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->item(2)->text(), QStringLiteral("Büro"));
        QCOMPARE(list()->item(2)->foreground().color(), QColor(255, 0, 0));
        QCOMPARE(status.first().first().toString(), QStringLiteral("Liste wird aktualisiert..."));
        QCOMPARE(m_page->state(), ReadersPage::State::New);
        QVERIFY(control<QLineEdit>(page(), "TxtLesName")->text().isEmpty());
        QCOMPARE(m_env->project.value("SELECT Seriennr || '@' || BusID FROM Leser WHERE Lname = 'Büro'"), QStringLiteral("42@9"));
    }

    void editStateLocksIdentityAndOffersTheOwnAddress()
    {
        clickItem(page(), "ListViewLes", QStringLiteral("Eingang"));
        QCOMPARE(m_page->state(), ReadersPage::State::Edit);
        QVERIFY(!enabled(page(), "CmbLesTyp") && !enabled(page(), "CmbLesCom"));
        QVERIFY(control<QLineEdit>(page(), "TxtLesSn")->isReadOnly());
        QVERIFY(shown(page(), "CheckLesSnNeu") && shown(page(), "CmbLesZeit"));
        QCOMPARE(values(page(), { "TxtLesSn", "CheckLesSnNeu", "CmbLesAs" }), QStringList({ "100", "[ ]", "5" }));
        QVERIFY(!enabled(page(), "CmdLesHin") && enabled(page(), "CmdLesAend"));

        click(page(), "CheckLesSnNeu");
        QVERIFY(enabled(page(), "TxtLesSnNeu"));
        for (const char* name : {"TxtLesName", "CmbLesAs", "FrLesMod", "CmbLesZeit", "CmdLesEin"})
            QVERIFY2(!enabled(page(), name), name);
        click(page(), "CheckLesSnNeu");
        QVERIFY(!enabled(page(), "TxtLesSnNeu"));
        QVERIFY(enabled(page(), "TxtLesName") && enabled(page(), "FrLesMod"));

        click(page(), "CmdLesNeu");
        QCOMPARE(m_page->state(), ReadersPage::State::New);
        QVERIFY(!shown(page(), "CheckLesSnNeu"));
    }

    // The name goes through a change, a new serial number through its own
    // path while its box is ticked; the loaded reader is deleted.
    void changeNewSerialNumberAndDelete()
    {
        clickItem(page(), "ListViewLes", QStringLiteral("Lager"));
        QVERIFY(control<QRadioButton>(page(), "OptLesMods")->isChecked());
        QCOMPARE(control<QComboBox>(page(), "CmbLesFkt")->currentIndex(), 0);

        clickItem(page(), "ListViewLes", QStringLiteral("Eingang"));
        QSignalSpy changed(m_page.get(), &Page::projectChanged);
        control<QLineEdit>(page(), "TxtLesName")->setText(QStringLiteral("Haupteingang"));
        click(page(), "CmdLesAend");
        QCOMPARE(changed.count(), 1);
        QVERIFY(!list()->findItems(QStringLiteral("Haupteingang"), Qt::MatchExactly).isEmpty());

        clickItem(page(), "ListViewLes", QStringLiteral("Haupteingang"));
        click(page(), "CheckLesSnNeu");
        QTest::keyClicks(control(page(), "TxtLesSnNeu"), "300");
        click(page(), "CmdLesAend");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(m_env->project.value("SELECT Seriennr FROM Leser WHERE Lname = 'Haupteingang'"), QStringLiteral("300"));

        clickItem(page(), "ListViewLes", QStringLiteral("Haupteingang"));
        click(page(), "CmdLesEnt");
        QCOMPARE(changed.count(), 3);
        QCOMPARE(list()->count(), 1);
    }

    // Two readers may share a name: a click loads the one clicked, and
    // "Entfernen" deletes that one.
    void sameNamedReadersAreTakenByTheirSerialNumber()
    {
        m_env->project.addReader(QStringLiteral("Eingang"), QStringLiteral("300"), 2, 5);
        m_page->pageShown();
        QListWidgetItem* second = list()->item(2);
        QCOMPARE(second->text(), QStringLiteral("Eingang"));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(second).center());
        QCOMPARE(control<QLineEdit>(page(), "TxtLesSn")->text(), QStringLiteral("300"));
        QCOMPARE(control<QComboBox>(page(), "CmbLesCom")->currentIndex(), 1);
        click(page(), "CmdLesEnt");
        QCOMPARE(m_env->project.value("SELECT group_concat(Seriennr) FROM (SELECT Seriennr FROM Leser ORDER BY rowid)"),
            QStringLiteral("100,200"));
    }

    // Switching a central reader whose assignments carry a zone and a
    // function asks first: "No" changes nothing, "Yes" switches it.
    void switchToDecentralAsksWhenAssignmentsLoseTheirChoices()
    {
        m_env->project.addAssignment(
            QStringLiteral("P"), QStringLiteral("100"), QStringLiteral("Werktag"), QStringLiteral("Tür"));
        clickItem(page(), "ListViewLes", QStringLiteral("Eingang"));
        click(page(), "OptLesMods");
        control<QComboBox>(page(), "CmbLesFkt")->setCurrentIndex(0);
        MessageBox::queueAnswer(Answer::No);
        click(page(), "CmdLesAend");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().last().icon, MessageIcon::Question);
        QCOMPARE(m_page->state(), ReadersPage::State::Edit);
        QCOMPARE(m_env->project.value("SELECT Zmodus || Zeitzone FROM Leser, Zuleser WHERE Leser = Seriennr"),
            QStringLiteral("1Werktag"));
        MessageBox::queueAnswer(Answer::Yes);
        click(page(), "CmdLesAend");
        QCOMPARE(m_page->state(), ReadersPage::State::New);
        QCOMPARE(m_env->project.value("SELECT Zmodus || Zeitzone FROM Leser, Zuleser WHERE Leser = Seriennr"),
            QStringLiteral("0IMMER"));
    }

    // "Neu" forgets the loaded reader's extended settings: a new reader
    // starts with the defaults.
    void newReaderDoesNotInheritTheLoadedSettings()
    {
        m_env->project.exec("UPDATE Leser SET RSZ = 0, ProgSp = 0, TOE = 0, Akustik = 0 WHERE Seriennr = '200'");
        clickItem(page(), "ListViewLes", QStringLiteral("Lager"));
        QCOMPARE(m_page->workingSettings(), (ReaderSettings { 0, false, false, false }));
        click(page(), "CmdLesNeu");
        QCOMPARE(m_page->workingSettings(), ReaderSettings());
        fillNewReader(QStringLiteral("Tor"), QStringLiteral("500"), 0, false);
        click(page(), "CmdLesHin");
        QCOMPARE(m_env->project.value("SELECT RSZ || ProgSp || TOE || Akustik FROM Leser WHERE Seriennr = '500'"),
            QStringLiteral("3111"));
    }

    void extendedSettingsDialog()
    {
        clickItem(page(), "ListViewLes", QStringLiteral("Eingang"));
        whenModal<QDialog>([](QDialog* dialog) {
            auto* relay = control<QComboBox>(dialog, "CmbLesRSZ");
            QCOMPARE(relay->currentText(), QStringLiteral("3"));
            relay->setCurrentIndex(0);
            QCOMPARE(relay->currentText(), QStringLiteral("deaktiviert"));
            click(dialog, "OptAkustikAus");
            click(dialog, "CmdLesEinSpeichern");
        });
        click(page(), "CmdLesEin");
        QCOMPARE(m_page->workingSettings(), (ReaderSettings{0, true, true, false}));

        whenModal<QDialog>([](QDialog* dialog) {
            QVERIFY(control<QRadioButton>(dialog, "OptAkustikAus")->isChecked());
            click(dialog, "CmdLesEinStandard");
            QCOMPARE(control<QComboBox>(dialog, "CmbLesRSZ")->currentText(), QStringLiteral("3"));
            QVERIFY(dialog->isVisible());
            click(dialog, "OptTOEAus");
            click(dialog, "CmdLesEinAbbrechen");
        });
        click(page(), "CmdLesEin");
        QCOMPARE(m_page->workingSettings(), ReaderSettings());

        click(page(), "CmdLesAend");
        QCOMPARE(m_env->project.value("SELECT RSZ || Akustik || Modify FROM Leser WHERE Seriennr = '100'"), QStringLiteral("310"));
    }
};

QTEST_MAIN(TestReadersPage)
#include "tst_readerspage.moc"
