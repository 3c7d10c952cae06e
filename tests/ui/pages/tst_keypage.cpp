// The keys page by keyboard: the number field takes only hexadecimal digits,
// Enter stores, the list loads a key, the legend and grey entries follow the
// "Encrypt" switch, and the period comes from the validity dialog and is
// stored as it was shown.
#include "PageServices.h"
#include "WidgetDriver.h"
#include "core/model/ValidityText.h"
#include "ui/pages/keys/FrmTime.h"
#include "ui/pages/keys/KeyPage.h"

#include <QDateEdit>
#include <QScrollBar>
#include <QTabWidget>

using namespace varnox;
using namespace varnox::test;

namespace {

struct Fixture {
    PageServices s;

    Fixture()
    {
        s.protocol.setSwitches(ProtocolSwitches{0, true});
        s.project.addProfile("Verwaltung");
        s.project.addReader("Haupteingang", "1001", 1, -1, false, 0, false, 0);
        s.project.addAssignment("Verwaltung", "1001");
    }
    int value(const char* sql) const { return s.project.intValue(sql); }
};

// The controls that `presses` presses of Tab (or a key) move the focus to.
QStringList keys(int presses, Qt::Key key = Qt::Key_Tab)
{
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        names << focused();
    }
    return names;
}

void chooseFirstByKeyboard(QListWidget* list)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Return);
}

}  // namespace

class TestKeyPage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
    }

    void keysByKeyboardAlone()
    {
        Fixture f;
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        QVERIFY(showActive(&page));
        auto* number = control<QLineEdit>(&page, "TxtKeyNr");
        QCOMPARE(focused(), QStringLiteral("TxtKeyNr"));
        QTest::keyClicks(number, "12xz-ab");
        QApplication::clipboard()->setText("99 x");
        number->paste();
        QCOMPARE(number->text(), QStringLiteral("12ab"));
        QApplication::clipboard()->setText("Cd");
        number->paste();
        QCOMPARE(number->text(), QStringLiteral("12abCd"));

        QTest::keyClick(number, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "Meier");
        QCOMPARE(keys(2), (QStringList{"TxtKeyKurz", "CmbKeyPro"}));
        keys(1, Qt::Key_Down);
        keys(1, Qt::Key_Return);
        QCOMPARE(f.value("SELECT count(*) FROM Zuschluessel WHERE Schluessel = '00000012ABCD'"), 1);
        QCOMPARE(f.value("SELECT Sanzahl FROM Leser"), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(number->text(), QString());  // state New again
        QCOMPARE(focused(), QStringLiteral("TxtKeyNr"));

        // Enter in the list loads the key, and only loads it: state Edit.
        chooseFirstByKeyboard(control<QListWidget>(&page, "ListViewKey"));
        QCOMPARE(number->text(), QStringLiteral("00000012ABCD"));
        QVERIFY(!number->isEnabled() && !page.acceptsLearnedKey());
        QCOMPARE(control<QComboBox>(&page, "CmbKeyPro")->currentText(), QStringLiteral("Verwaltung"));
        QCOMPARE(changed.count(), 1);

        control<QLineEdit>(&page, "TxtKeyBez")->setFocus();
        QCOMPARE(keys(10), (QStringList{"TxtKeyKurz", "CmbKeyPro", "CheckKeyPro", "chkTimeAbsolut", "CmdKeyNeu",
                                         "CmdKeyAend", "CmdKeyEnt", "ListViewKey", "TxtKeyTest", "CmdKeyTest"}));
        control<QCheckBox>(&page, "CheckKeyPro")->setFocus();
        keys(1, Qt::Key_Space);
        keys(1, Qt::Key_Enter);
        QCOMPARE(f.value("SELECT count(*) FROM Zuschluessel") + f.value("SELECT Sanzahl FROM Leser"), 0);
        QCOMPARE(changed.count(), 2);
        QVERIFY(page.acceptsLearnedKey());
    }

    void refusalsKeepTheFieldsAndStoredRefusalsStartAfresh()
    {
        Fixture f;
        f.s.project.exec("UPDATE Leser SET Sanzahl = 250");
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        control<QLineEdit>(&page, "TxtKeyNr")->setText("5");
        press(&page, "CmdKeyHin");
        QCOMPARE(lastMessageTitle(), QStringLiteral("Bezeichnung fehlt"));
        QCOMPARE(control<QLineEdit>(&page, "TxtKeyNr")->text(), QStringLiteral("5"));

        control<QLineEdit>(&page, "TxtKeyBez")->setText("Meier");
        control<QComboBox>(&page, "CmbKeyPro")->setCurrentIndex(0);
        press(&page, "CmdKeyHin");
        QVERIFY(lastMessageText().contains("weil der Leser HAUPTEINGANG, der dem Profil"));
        QCOMPARE(changed.count(), 1);  // the key is stored, without its link
        QCOMPARE(control<QLineEdit>(&page, "TxtKeyNr")->text(), QString());
    }

    void greyEntriesAndLegendFollowTheSwitch()
    {
        Fixture f;
        f.s.project.addKeys("Verwaltung", 1);
        f.s.project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('00000000FFFF', 'Ohne', 0)");
        KeyPage page(f.s.services);
        page.pageShown();
        auto* list = control<QListWidget>(&page, "ListViewKey");
        QVERIFY(control(&page, "LblKey5")->isVisibleTo(&page));
        QCOMPARE(list->item(0)->foreground().color(), QColor(0, 0, 0));
        QVERIFY(list->item(1)->foreground().color() != QColor(0, 0, 0));

        f.s.protocol.setSwitches(ProtocolSwitches{0, false});
        page.pageShown();
        QVERIFY(!control(&page, "LblKey5")->isVisibleTo(&page));
        QCOMPARE(list->item(1)->foreground(), list->item(0)->foreground());
    }

    void testKeysAndTheDeskReader()
    {
        Fixture f;
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        control<QLineEdit>(&page, "TxtKeyTest")->setText("25");
        press(&page, "CmdKeyTest");
        QCOMPARE(lastMessageText(), QStringLiteral("Testdaten (-schlüssel) erfolgreich erstellt!"));
        QCOMPARE(control<QLabel>(&page, "LblKey10")->text(), QStringLiteral("25"));
        press(&page, "CmdKeyTest");  // the same numbers again: the duplicate, then the failure
        QCOMPARE(MessageBox::shown().at(1).title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(MessageBox::shown().at(2).text, QStringLiteral("Fehler bei Testdatenerstellung!"));
        QCOMPARE(changed.count(), 1);

        QVERIFY(page.showLearnedKey("0000000003"));
        QCOMPARE(control<QLineEdit>(&page, "TxtKeyBez")->text(), QStringLiteral("Schlüssel 000003"));
        QVERIFY(!page.showLearnedKey("ABCDEF0123"));
        QCOMPARE(control<QLineEdit>(&page, "TxtKeyNr")->text(), QStringLiteral("ABCDEF0123"));
    }

    void periodComesFromTheDialogAndIsStoredAsShown()
    {
        Fixture f;
        f.s.project.exec("UPDATE Einstellungen SET Wert = 1 WHERE Bezeichnung = 'DifferenzEnde'");
        f.s.project.exec("UPDATE Einstellungen SET Zeitintervall = 7 WHERE Bezeichnung = 'DifferenzEndeWert'");
        KeyPage page(f.s.services);
        page.pageShown();
        auto* fixed = control<QCheckBox>(&page, "chkTimeAbsolut");
        QVERIFY(!control(&page, "cmdZeitAbsolut")->isEnabled());
        fixed->setChecked(true);
        QVERIFY(control(&page, "FrKeyNeu1")->isVisibleTo(&page));

        onModal<FrmTime>([](FrmTime& dialog) {
            QCOMPARE(control<QDateEdit>(&dialog, "DTPicker2")->date(), QDate(2026, 12, 12));
            control<QTimeEdit>(&dialog, "DTPicker3")->setTime(QTime(17, 45));
            press(&dialog, "CmdTimeSave");
        });
        press(&page, "cmdZeitAbsolut");
        auto* end = control<QLabel>(&page, "LblKey9");
        QCOMPARE(end->text(), validityText(QDateTime(QDate(2026, 12, 12), QTime(17, 45))));
        control<QLineEdit>(&page, "TxtKeyNr")->setText("77");
        control<QLineEdit>(&page, "TxtKeyBez")->setText("Besucher");
        press(&page, "CmdKeyHin");
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(f.s.project.value("SELECT Endzeit FROM Schluessel"), QStringLiteral("2026-12-12T17:45:00"));

        // The loaded key shows its period, and the dialog reopens with it.
        auto* list = control<QListWidget>(&page, "ListViewKey");
        emit list->itemClicked(list->item(0));
        QVERIFY(fixed->isChecked());
        f.s.clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        onModal<FrmTime>([](FrmTime& dialog) {
            QCOMPARE(control<QDateEdit>(&dialog, "DTPicker0")->date(), QDate(2026, 12, 5));
            QCOMPARE(control<QTimeEdit>(&dialog, "DTPicker3")->time(), QTime(17, 45));
            press(&dialog, "cmdTimeCancel");
        });
        press(&page, "cmdZeitAbsolut");
        fixed->setChecked(false);
        QVERIFY(end->text().isEmpty());
    }

    void validityDialogTabsAndDefaults()
    {
        Fixture f;
        FrmTime dialog(f.s.workCopy, f.s.clock, false, QString(), QString());
        QSignalSpy saved(&dialog, &FrmTime::defaultsSaved);
        auto* days = control<QLineEdit>(&dialog, "TextTime");
        QVERIFY(!days->isEnabled() && !control(&dialog, "DTPicker4")->isEnabled());
        control<QCheckBox>(&dialog, "chkTime2")->setChecked(true);
        control<QCheckBox>(&dialog, "chkTime0")->setChecked(true);
        QVERIFY(days->isEnabled() && control(&dialog, "VScroll1")->isEnabled() && control(&dialog, "DTPicker4")->isEnabled());
        control<QTimeEdit>(&dialog, "DTPicker4")->setTime(QTime(6, 30));
        for (int i = 0; i < 2; ++i)
            control<QScrollBar>(&dialog, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(days->text(), QStringLiteral("2"));
        press(&dialog, "cmdDefaultSave");
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.value("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'"), 2);
        QCOMPARE(f.value("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'StandardStartStunde'"), 6);

        // A refused period brings the first tab back.
        control<QTabWidget>(&dialog, "TabOne1")->setCurrentIndex(1);
        control<QDateEdit>(&dialog, "DTPicker2")->setDate(QDate(2026, 12, 4));
        press(&dialog, "CmdTimeSave");
        QCOMPARE(lastMessageText(), QStringLiteral("Endzeit liegt vor der Startzeit!"));
        QCOMPARE(control<QTabWidget>(&dialog, "TabOne1")->currentIndex(), 0);
        f.s.clock.set(QDateTime(QDate(2026, 12, 6), QTime(15, 20, 59)));
        press(&dialog, "cmdNow");
        QCOMPARE(control<QDateTimeEdit>(&dialog, "DTPicker1")->time(), QTime(15, 20));
    }
};

QTEST_MAIN(TestKeyPage)
#include "tst_keypage.moc"
