// The keys page by keyboard: the number field takes only hexadecimal digits,
// Enter stores, the list loads a key, the legend and grey entries follow the
// "Encrypt" switch, and the period comes from the validity dialog and is
// stored as it was shown. Renders the screenshots of page and dialog.
#include "PageServices.h"
#include "core/model/ValidityText.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/keys/FrmTime.h"
#include "ui/pages/keys/KeyPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace varnox;

namespace {

struct Fixture {
    test::PageServices s;

    Fixture()
    {
        s.protocol.setSwitches(ProtocolSwitches{0, true});
        test::insertProfile(s.workCopy, "Verwaltung");
        test::insertReader(s.workCopy, {"Haupteingang", "1001", false});
        test::insertAssignment(s.workCopy, "Verwaltung", "1001", "IMMER", "");
    }
    int value(const char* sql) const { return test::intValue(s.workCopy, sql); }
};

template <typename T = QWidget>
T* child(QWidget& parent, const char* name)
{
    T* w = parent.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

void click(QWidget& parent, const char* button) { child<QPushButton>(parent, button)->click(); }

bool showActive(QWidget& page)
{
    page.resize(1000, 620);
    page.show();
    QApplication::setActiveWindow(&page);
    return QTest::qWaitForWindowActive(&page);
}

QString focused() { return QApplication::focusWidget()->objectName(); }

// The controls that `presses` presses of Tab (or a key) move the focus to.
QStringList press(int presses, Qt::Key key = Qt::Key_Tab)
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

// Runs `work` on the validity dialog as soon as it is open.
void onDialog(const std::function<void(FrmTime&)>& work)
{
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<FrmTime*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no validity dialog");
        work(*dialog);
    });
}

void save(QWidget& w, const char* file) { QVERIFY(w.grab().save(QStringLiteral(VARNOX_BINARY_DIR "/") + file)); }

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
        QVERIFY(showActive(page));
        auto* number = child<QLineEdit>(page, "TxtKeyNr");
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
        QCOMPARE(press(2), (QStringList{"TxtKeyKurz", "CmbKeyPro"}));
        press(1, Qt::Key_Down);
        press(1, Qt::Key_Return);
        QCOMPARE(f.value("SELECT count(*) FROM Zuschluessel WHERE Schluessel = '00000012ABCD'"), 1);
        QCOMPARE(f.value("SELECT Sanzahl FROM Leser"), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(number->text(), QString());  // state New again
        QCOMPARE(focused(), QStringLiteral("TxtKeyNr"));

        // Enter in the list loads the key, and only loads it: state Edit.
        chooseFirstByKeyboard(child<QListWidget>(page, "ListViewKey"));
        QCOMPARE(number->text(), QStringLiteral("00000012ABCD"));
        QVERIFY(!number->isEnabled() && !page.acceptsLearnedKey());
        QCOMPARE(child<QComboBox>(page, "CmbKeyPro")->currentText(), QStringLiteral("Verwaltung"));
        QCOMPARE(changed.count(), 1);

        child<QLineEdit>(page, "TxtKeyBez")->setFocus();
        QCOMPARE(press(10), (QStringList{"TxtKeyKurz", "CmbKeyPro", "CheckKeyPro", "chkTimeAbsolut", "CmdKeyNeu",
                                         "CmdKeyAend", "CmdKeyEnt", "ListViewKey", "TxtKeyTest", "CmdKeyTest"}));
        child<QCheckBox>(page, "CheckKeyPro")->setFocus();
        press(1, Qt::Key_Space);
        press(1, Qt::Key_Enter);
        QCOMPARE(f.value("SELECT count(*) FROM Zuschluessel") + f.value("SELECT Sanzahl FROM Leser"), 0);
        QCOMPARE(changed.count(), 2);
        QVERIFY(page.acceptsLearnedKey());
    }

    void refusalsKeepTheFieldsAndStoredRefusalsStartAfresh()
    {
        Fixture f;
        test::execSql(f.s.workCopy, "UPDATE Leser SET Sanzahl = 250");
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        child<QLineEdit>(page, "TxtKeyNr")->setText("5");
        click(page, "CmdKeyHin");
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Bezeichnung fehlt"));
        QCOMPARE(child<QLineEdit>(page, "TxtKeyNr")->text(), QStringLiteral("5"));

        child<QLineEdit>(page, "TxtKeyBez")->setText("Meier");
        child<QComboBox>(page, "CmbKeyPro")->setCurrentIndex(0);
        click(page, "CmdKeyHin");
        QVERIFY(MessageBox::shown().last().text.contains("weil der Leser HAUPTEINGANG, der dem Profil"));
        QCOMPARE(changed.count(), 1);  // the key is stored, without its link
        QCOMPARE(child<QLineEdit>(page, "TxtKeyNr")->text(), QString());
    }

    void greyEntriesAndLegendFollowTheSwitch()
    {
        Fixture f;
        test::insertKeys(f.s.workCopy, "Verwaltung", 1);
        test::execSql(f.s.workCopy, "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('00000000FFFF', 'Ohne', 0)");
        KeyPage page(f.s.services);
        page.pageShown();
        auto* list = child<QListWidget>(page, "ListViewKey");
        QVERIFY(child(page, "LblKey5")->isVisibleTo(&page));
        QCOMPARE(list->item(0)->foreground().color(), QColor(0, 0, 0));
        QVERIFY(list->item(1)->foreground().color() != QColor(0, 0, 0));

        f.s.protocol.setSwitches(ProtocolSwitches{0, false});
        page.pageShown();
        QVERIFY(!child(page, "LblKey5")->isVisibleTo(&page));
        QCOMPARE(list->item(1)->foreground(), list->item(0)->foreground());
    }

    void testKeysAndTheDeskReader()
    {
        Fixture f;
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        child<QLineEdit>(page, "TxtKeyTest")->setText("25");
        click(page, "CmdKeyTest");
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Testdaten (-schlüssel) erfolgreich erstellt!"));
        QCOMPARE(child<QLabel>(page, "LblKey10")->text(), QStringLiteral("25"));
        click(page, "CmdKeyTest");  // the same numbers again: the duplicate, then the failure
        QCOMPARE(MessageBox::shown().at(1).title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(MessageBox::shown().at(2).text, QStringLiteral("Fehler bei Testdatenerstellung!"));
        QCOMPARE(changed.count(), 1);

        QVERIFY(page.showLearnedKey("0000000003"));
        QCOMPARE(child<QLineEdit>(page, "TxtKeyBez")->text(), QStringLiteral("Schlüssel 000003"));
        QVERIFY(!page.showLearnedKey("ABCDEF0123"));
        QCOMPARE(child<QLineEdit>(page, "TxtKeyNr")->text(), QStringLiteral("ABCDEF0123"));
    }

    void periodComesFromTheDialogAndIsStoredAsShown()
    {
        Fixture f;
        test::execSql(f.s.workCopy, "UPDATE Einstellungen SET Wert = 1 WHERE Bezeichnung = 'DifferenzEnde'");
        test::execSql(f.s.workCopy, "UPDATE Einstellungen SET Zeitintervall = 7 WHERE Bezeichnung = 'DifferenzEndeWert'");
        KeyPage page(f.s.services);
        page.pageShown();
        auto* fixed = child<QCheckBox>(page, "chkTimeAbsolut");
        QVERIFY(!child(page, "cmdZeitAbsolut")->isEnabled());
        fixed->setChecked(true);
        QVERIFY(child(page, "FrKeyNeu1")->isVisibleTo(&page));

        onDialog([](FrmTime& dialog) {
            QCOMPARE(child<QDateEdit>(dialog, "DTPicker2")->date(), QDate(2026, 12, 12));
            child<QTimeEdit>(dialog, "DTPicker3")->setTime(QTime(17, 45));
            click(dialog, "CmdTimeSave");
        });
        click(page, "cmdZeitAbsolut");
        auto* end = child<QLabel>(page, "LblKey9");
        QCOMPARE(end->text(), validityText(QDateTime(QDate(2026, 12, 12), QTime(17, 45))));
        child<QLineEdit>(page, "TxtKeyNr")->setText("77");
        child<QLineEdit>(page, "TxtKeyBez")->setText("Besucher");
        click(page, "CmdKeyHin");
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(test::textValue(f.s.workCopy, "SELECT Endzeit FROM Schluessel"), QStringLiteral("2026-12-12T17:45:00"));

        // The loaded key shows its period, and the dialog reopens with it.
        auto* list = child<QListWidget>(page, "ListViewKey");
        emit list->itemClicked(list->item(0));
        QVERIFY(fixed->isChecked());
        f.s.clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        onDialog([](FrmTime& dialog) {
            QCOMPARE(child<QDateEdit>(dialog, "DTPicker0")->date(), QDate(2026, 12, 5));
            QCOMPARE(child<QTimeEdit>(dialog, "DTPicker3")->time(), QTime(17, 45));
            click(dialog, "cmdTimeCancel");
        });
        click(page, "cmdZeitAbsolut");
        fixed->setChecked(false);
        QVERIFY(end->text().isEmpty());
    }

    void validityDialogTabsAndDefaults()
    {
        Fixture f;
        FrmTime dialog(f.s.workCopy, f.s.clock, false, QString(), QString());
        QSignalSpy saved(&dialog, &FrmTime::defaultsSaved);
        auto* days = child<QLineEdit>(dialog, "TextTime");
        QVERIFY(!days->isEnabled() && !child(dialog, "DTPicker4")->isEnabled());
        child<QCheckBox>(dialog, "chkTime2")->setChecked(true);
        child<QCheckBox>(dialog, "chkTime0")->setChecked(true);
        QVERIFY(days->isEnabled() && child(dialog, "VScroll1")->isEnabled() && child(dialog, "DTPicker4")->isEnabled());
        child<QTimeEdit>(dialog, "DTPicker4")->setTime(QTime(6, 30));
        for (int i = 0; i < 2; ++i)
            child<QScrollBar>(dialog, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(days->text(), QStringLiteral("2"));
        click(dialog, "cmdDefaultSave");
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.value("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'"), 2);
        QCOMPARE(f.value("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'StandardStartStunde'"), 6);

        // A refused period brings the first tab back.
        child<QTabWidget>(dialog, "TabOne1")->setCurrentIndex(1);
        child<QDateEdit>(dialog, "DTPicker2")->setDate(QDate(2026, 12, 4));
        click(dialog, "CmdTimeSave");
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Endzeit liegt vor der Startzeit!"));
        QCOMPARE(child<QTabWidget>(dialog, "TabOne1")->currentIndex(), 0);
        f.s.clock.set(QDateTime(QDate(2026, 12, 6), QTime(15, 20, 59)));
        click(dialog, "cmdNow");
        QCOMPARE(child<QDateTimeEdit>(dialog, "DTPicker1")->time(), QTime(15, 20));
    }

    // The page with a filled list and a key with its period, and both tabs
    // of the dialog, as a German desk shows them.
    void screenshots()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Fixture f;
        test::insertKeys(f.s.workCopy, "Verwaltung", 14);
        test::execSql(f.s.workCopy, "UPDATE Schluessel SET Sname = 'Mitarbeiter ' || substr(Schluesselnr, 9)");
        for (const char* name : {"Besucher 1", "Besucher 2", "Handwerker", "Reinigung"})
            test::execSql(f.s.workCopy,
                          "INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID, AbsoluteZeit, Startzeit, Endzeit) "
                          "VALUES (printf('%012X', 4096 + (SELECT count(*) FROM Schluessel)), ?, 'Gast', 1, "
                          "'2026-12-07T08:00:00', '2026-12-18T17:30:00')",
                          std::string(name));
        KeyPage page(f.s.services);
        page.pageShown();
        QVERIFY(showActive(page));
        auto* list = child<QListWidget>(page, "ListViewKey");
        const QListWidgetItem* chosen = list->findItems("Handwerker", Qt::MatchExactly).first();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(chosen).center());
        QCOMPARE(child<QLabel>(page, "LblKey9")->text(), QStringLiteral("18.12.2026 17:30"));
        save(page, "screenshot-keys.png");

        FrmTime dialog(f.s.workCopy, f.s.clock, true, child<QLabel>(page, "LblKey8")->text(),
                       child<QLabel>(page, "LblKey9")->text(), &page);
        dialog.resize(dialog.sizeHint());
        save(dialog, "screenshot-validity.png");
        child<QTabWidget>(dialog, "TabOne1")->setCurrentIndex(1);
        save(dialog, "screenshot-validity-defaults.png");
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestKeyPage)
#include "tst_keypage.moc"
