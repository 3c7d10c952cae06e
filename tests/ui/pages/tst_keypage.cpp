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
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabWidget>

using namespace varnox;
using namespace varnox::test;

namespace {

// A decentral reader "Haupteingang" (1001) in the profile "Verwaltung".
struct Fixture {
    PageServices s;
    KeyPage page{s.services};
    QSignalSpy changed{&page, &Page::projectChanged};

    Fixture()
    {
        s.protocol.setSwitches(ProtocolSwitches{0, true});
        s.project.addProfile("Verwaltung");
        s.project.addReader("Haupteingang", "1001", 1, -1, false, 0, false, 0);
        s.project.addAssignment("Verwaltung", "1001");
    }
    int value(const char* sql) const { return s.project.intValue(sql); }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(&page, name); }
};

// The controls that `presses` presses of Tab (or another key) move the focus to.
QStringList keys(int presses, Qt::Key key = Qt::Key_Tab)
{
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        names << focused();
    }
    return names;
}

}  // namespace

class TestKeyPage : public QObject {
    Q_OBJECT

private slots:
    void init() { test::unattendedMessages(); }

    void keysByKeyboardAlone()
    {
        Fixture f;
        f.page.pageShown();
        QVERIFY(showActive(&f.page));
        QLineEdit* number = f.field("TxtKeyNr");
        QCOMPARE(focused(), QStringLiteral("TxtKeyNr"));
        QTest::keyClicks(number, "12xz-ab");
        for (const char* pasted : {"99 x", "Cd"}) {
            QApplication::clipboard()->setText(pasted);
            number->paste();
        }
        QCOMPARE(number->text(), QStringLiteral("12abCd"));

        QTest::keyClick(number, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "Meier");
        QCOMPARE(keys(2), (QStringList{"TxtKeyKurz", "CmbKeyPro"}));
        keys(1, Qt::Key_Down);
        keys(1, Qt::Key_Return);
        QCOMPARE(f.value("SELECT count(*) FROM Zuschluessel WHERE Schluessel = '00000012ABCD'"), 1);
        QCOMPARE(f.value("SELECT Sanzahl FROM Leser"), 1);
        QCOMPARE(f.changed.count(), 1);
        QVERIFY(number->text().isEmpty());  // state New again
        QCOMPARE(focused(), QStringLiteral("TxtKeyNr"));

        // Enter in the list loads the key, and only loads it: state Edit.
        auto* list = control<QListWidget>(&f.page, "ListViewKey");
        list->setFocus();
        keys(1, Qt::Key_Home);
        keys(1, Qt::Key_Return);
        QCOMPARE(number->text(), QStringLiteral("00000012ABCD"));
        QVERIFY(!number->isEnabled() && !f.page.acceptsLearnedKey());
        QCOMPARE(control<QComboBox>(&f.page, "CmbKeyPro")->currentText(), QStringLiteral("Verwaltung"));
        QCOMPARE(f.changed.count(), 1);

        f.field("TxtKeyBez")->setFocus();
        QCOMPARE(keys(10), (QStringList{"TxtKeyKurz", "CmbKeyPro", "CheckKeyPro", "chkTimeAbsolut", "CmdKeyNeu",
                                         "CmdKeyAend", "CmdKeyEnt", "ListViewKey", "TxtKeyTest", "CmdKeyTest"}));
        control<QCheckBox>(&f.page, "CheckKeyPro")->setFocus();
        keys(1, Qt::Key_Space);
        keys(1, Qt::Key_Enter);
        QCOMPARE(f.value("SELECT count(*) FROM Zuschluessel") + f.value("SELECT Sanzahl FROM Leser"), 0);
        QCOMPARE(f.changed.count(), 2);
        QVERIFY(f.page.acceptsLearnedKey());
    }

    // A refused check keeps what was typed; a key stored without its link
    // (the reader is full) starts the page afresh.
    void refusalsKeepTheFieldsAndStoredRefusalsStartAfresh()
    {
        Fixture f;
        f.s.project.exec("UPDATE Leser SET Sanzahl = 250");
        f.page.pageShown();
        f.field("TxtKeyNr")->setText("5");
        press(&f.page, "CmdKeyHin");
        QCOMPARE(lastMessageTitle(), QStringLiteral("Bezeichnung fehlt"));
        QCOMPARE(f.field("TxtKeyNr")->text(), QStringLiteral("5"));

        f.field("TxtKeyBez")->setText("Meier");
        control<QComboBox>(&f.page, "CmbKeyPro")->setCurrentIndex(0);
        press(&f.page, "CmdKeyHin");
        QCOMPARE(MessageBox::shown().size(), 2);
        QCOMPARE(f.changed.count(), 1);
        QVERIFY(f.field("TxtKeyNr")->text().isEmpty());
    }

    void greyEntriesAndLegendFollowTheSwitch()
    {
        Fixture f;
        f.s.project.addKeys("Verwaltung", 1);
        f.s.project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('00000000FFFF', 'Ohne', 0)");
        f.page.pageShown();
        auto* list = control<QListWidget>(&f.page, "ListViewKey");
        QVERIFY(shown(&f.page, "LblKey5"));
        QCOMPARE(list->item(0)->foreground().color(), QColor(0, 0, 0));
        QVERIFY(list->item(1)->foreground().color() != QColor(0, 0, 0));

        f.s.protocol.setSwitches(ProtocolSwitches{0, false});
        f.page.pageShown();
        QVERIFY(!shown(&f.page, "LblKey5"));
        QCOMPARE(list->item(1)->foreground(), list->item(0)->foreground());
    }

    void testKeysAndTheDeskReader()
    {
        Fixture f;
        f.page.pageShown();
        f.field("TxtKeyTest")->setText("25");
        press(&f.page, "CmdKeyTest");
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Testdaten (-schlüssel) erfolgreich erstellt!"));
        QCOMPARE(control<QLabel>(&f.page, "LblKey10")->text(), QStringLiteral("25"));
        press(&f.page, "CmdKeyTest");  // the same numbers again: the duplicate, then the failure
        QCOMPARE(MessageBox::shown().at(1).title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(MessageBox::shown().at(2).text, QStringLiteral("Fehler bei Testdatenerstellung!"));
        QCOMPARE(f.changed.count(), 1);

        QVERIFY(f.page.showLearnedKey("0000000003"));
        QCOMPARE(f.field("TxtKeyBez")->text(), QStringLiteral("Schlüssel 000003"));
        QVERIFY(!f.page.showLearnedKey("ABCDEF0123"));
        QCOMPARE(f.field("TxtKeyNr")->text(), QStringLiteral("ABCDEF0123"));
    }

    void periodComesFromTheDialogAndIsStoredAsShown()
    {
        Fixture f;
        f.s.project.exec("UPDATE Einstellungen SET Wert = 1 WHERE Bezeichnung = 'DifferenzEnde'");
        f.s.project.exec("UPDATE Einstellungen SET Zeitintervall = 7 WHERE Bezeichnung = 'DifferenzEndeWert'");
        f.page.pageShown();
        auto* fixed = control<QCheckBox>(&f.page, "chkTimeAbsolut");
        QVERIFY(!enabled(&f.page, "cmdZeitAbsolut"));
        fixed->setChecked(true);
        QVERIFY(shown(&f.page, "FrKeyNeu1"));

        whenModal<FrmTime>([](FrmTime* dialog) {
            QCOMPARE(control<QDateEdit>(dialog, "DTPicker2")->date(), QDate(2026, 12, 12));
            control<QTimeEdit>(dialog, "DTPicker3")->setTime(QTime(17, 45));
            press(dialog, "CmdTimeSave");
        });
        press(&f.page, "cmdZeitAbsolut");
        auto* end = control<QLabel>(&f.page, "LblKey9");
        QCOMPARE(end->text(), validityText(QDateTime(QDate(2026, 12, 12), QTime(17, 45))));
        f.field("TxtKeyNr")->setText("77");
        f.field("TxtKeyBez")->setText("Besucher");
        press(&f.page, "CmdKeyHin");
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(f.s.project.value("SELECT Endzeit FROM Schluessel"), QStringLiteral("2026-12-12T17:45:00"));

        // The loaded key shows its period, and the dialog reopens with it.
        auto* list = control<QListWidget>(&f.page, "ListViewKey");
        emit list->itemClicked(list->item(0));
        QVERIFY(fixed->isChecked());
        f.s.clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        whenModal<FrmTime>([](FrmTime* dialog) {
            QCOMPARE(control<QDateEdit>(dialog, "DTPicker0")->date(), QDate(2026, 12, 5));
            QCOMPARE(control<QTimeEdit>(dialog, "DTPicker3")->time(), QTime(17, 45));
            press(dialog, "cmdTimeCancel");
        });
        press(&f.page, "cmdZeitAbsolut");
        fixed->setChecked(false);
        QVERIFY(end->text().isEmpty());
    }

    void validityDialogTabsAndDefaults()
    {
        Fixture f;
        FrmTime dialog(f.s.workCopy, f.s.clock, false, QString(), QString());
        QSignalSpy saved(&dialog, &FrmTime::defaultsSaved);
        auto* days = control<QLineEdit>(&dialog, "TextTime");
        QVERIFY(!days->isEnabled() && !enabled(&dialog, "DTPicker4"));
        control<QCheckBox>(&dialog, "chkTime2")->setChecked(true);
        control<QCheckBox>(&dialog, "chkTime0")->setChecked(true);
        QVERIFY(days->isEnabled() && enabled(&dialog, "VScroll1") && enabled(&dialog, "DTPicker4"));
        control<QTimeEdit>(&dialog, "DTPicker4")->setTime(QTime(6, 30));
        for (int i = 0; i < 2; ++i)
            control<QScrollBar>(&dialog, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(days->text(), QStringLiteral("2"));
        press(&dialog, "cmdDefaultSave");
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.value("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'"), 2);
        QCOMPARE(f.value("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'StandardStartStunde'"), 6);

        // A refused period brings the first tab back.
        auto* tabs = control<QTabWidget>(&dialog, "TabOne1");
        tabs->setCurrentIndex(1);
        control<QDateEdit>(&dialog, "DTPicker2")->setDate(QDate(2026, 12, 4));
        press(&dialog, "CmdTimeSave");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(tabs->currentIndex(), 0);
        f.s.clock.set(QDateTime(QDate(2026, 12, 6), QTime(15, 20, 59)));
        press(&dialog, "cmdNow");
        QCOMPARE(control<QDateTimeEdit>(&dialog, "DTPicker1")->time(), QTime(15, 20));
    }

    // A start in the hour the clock skips in spring is refused once, with
    // the first valid minute put in its place; taken over again, it stands.
    void timeInTheSpringGapMovesToItsEnd()
    {
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        const auto restore = qScopeGuard([&] { zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone); });
        Fixture f;
        f.s.clock.set(QDateTime(QDate(2027, 3, 1), QTime(10, 0)));
        FrmTime dialog(f.s.workCopy, f.s.clock, false, QString(), QString());
        control<QDateEdit>(&dialog, "DTPicker0")->setDate(QDate(2027, 3, 28));
        control<QTimeEdit>(&dialog, "DTPicker1")->setTime(QTime(2, 30));
        control<QDateEdit>(&dialog, "DTPicker2")->setDate(QDate(2027, 3, 29));
        press(&dialog, "CmdTimeSave");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(control<QTimeEdit>(&dialog, "DTPicker1")->time(), QTime(3, 0));
        press(&dialog, "CmdTimeSave");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(dialog.startText(), validityText(QDateTime(QDate(2027, 3, 28), QTime(3, 0))));
    }
};

QTEST_MAIN(TestKeyPage)
#include "tst_keypage.moc"
