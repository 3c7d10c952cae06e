// The keys page by keyboard: the number field takes only hexadecimal digits,
// Enter stores, the list loads a key, the legend and grey entries follow the
// "Encrypt" switch, and the period comes from the validity dialog and is
// stored as it was shown.
#include "KeyProject.h"
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
#include <QTabWidget>
#include <QTimeEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace varnox;

namespace {

struct Fixture {
    test::PageServices s;

    explicit Fixture(bool encrypt = true)
    {
        s.protocol.setSwitches(ProtocolSwitches{0, encrypt});
        test::insertProfile(s.workCopy, "Verwaltung");
        test::insertProfile(s.workCopy, "Lager");
        test::insertReader(s.workCopy, {"Haupteingang", "1001", false});
        test::insertAssignment(s.workCopy, "Verwaltung", "1001", "IMMER", "");
    }
    int count(const char* sql) const { return test::intValue(s.workCopy, sql); }
};

template <typename T = QWidget>
T* child(QWidget& page, const char* name)
{
    T* w = page.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

bool showActive(QWidget& page)
{
    page.resize(1000, 620);
    page.show();
    QApplication::setActiveWindow(&page);
    return QTest::qWaitForWindowActive(&page);
}

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

QStringList tabChain(int presses)
{
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << focused();
    }
    return names;
}

// Runs `work` on the modal dialog as soon as it is open.
void onDialog(const std::function<void(FrmTime&)>& work)
{
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<FrmTime*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no validity dialog");
        work(*dialog);
    });
}

void save(const QString& path, QWidget& w)
{
    QVERIFY(w.grab().save(QStringLiteral(VARNOX_BINARY_DIR "/") + path));
}

}  // namespace

class TestKeyPage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
        MessageBox::clearQueue();
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
        QCOMPARE(number->text(), QStringLiteral("12ab"));
        QApplication::clipboard()->setText("99 x");
        number->paste();
        number->insert("7g");
        QCOMPARE(number->text(), QStringLiteral("12ab"));
        QApplication::clipboard()->setText("Cd");
        number->paste();
        QCOMPARE(number->text(), QStringLiteral("12abCd"));

        QTest::keyClick(number, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "Meier");
        QCOMPARE(tabChain(2), (QStringList{"TxtKeyKurz", "CmbKeyPro"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(f.count("SELECT count(*) FROM Zuschluessel WHERE Schluessel = '00000012ABCD' AND Profil = 'Verwaltung'"), 1);
        QCOMPARE(f.count("SELECT Sanzahl FROM Leser"), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(number->text(), QString());  // state New again
        QCOMPARE(focused(), QStringLiteral("TxtKeyNr"));
        QCOMPARE(child<QLabel>(page, "LblKey10")->text(), QStringLiteral("1"));

        // The list loads a key on Enter; the page is then in the state Edit.
        auto* list = child<QListWidget>(page, "ListViewKey");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(number->text(), QStringLiteral("00000012ABCD"));
        QVERIFY(!number->isEnabled());
        QVERIFY(!page.acceptsLearnedKey());
        QCOMPARE(child<QComboBox>(page, "CmbKeyPro")->currentText(), QStringLiteral("Verwaltung"));
        QCOMPARE(changed.count(), 1);  // Enter in the list only loads

        child<QLineEdit>(page, "TxtKeyBez")->setFocus();
        QCOMPARE(tabChain(10), (QStringList{"TxtKeyKurz", "CmbKeyPro", "CheckKeyPro", "chkTimeAbsolut", "CmdKeyNeu",
                                            "CmdKeyAend", "CmdKeyEnt", "ListViewKey", "TxtKeyTest", "CmdKeyTest"}));

        // Dropping the profile by keyboard.
        child<QCheckBox>(page, "CheckKeyPro")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(f.count("SELECT count(*) FROM Zuschluessel"), 0);
        QCOMPARE(f.count("SELECT Sanzahl FROM Leser"), 0);
        QCOMPARE(changed.count(), 2);
        QVERIFY(page.acceptsLearnedKey());

        // Removing it, from the list again.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Return);
        child<QPushButton>(page, "CmdKeyEnt")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(f.count("SELECT count(*) FROM Schluessel"), 0);
        QCOMPARE(list->count(), 0);
    }

    void refusalsKeepTheFieldsAndStoredRefusalsStartAfresh()
    {
        Fixture f;
        test::execSql(f.s.workCopy, "UPDATE Leser SET Sanzahl = 250");
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        child<QLineEdit>(page, "TxtKeyNr")->setText("5");
        child<QPushButton>(page, "CmdKeyHin")->click();
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Bezeichnung fehlt"));
        QCOMPARE(child<QLineEdit>(page, "TxtKeyNr")->text(), QStringLiteral("5"));
        QCOMPARE(changed.count(), 0);

        child<QLineEdit>(page, "TxtKeyBez")->setText("Meier");
        child<QComboBox>(page, "CmbKeyPro")->setCurrentIndex(0);
        child<QPushButton>(page, "CmdKeyHin")->click();
        QVERIFY(MessageBox::shown().last().text.contains("weil der Leser HAUPTEINGANG, der dem Profil zugeordnet ist,"));
        QCOMPARE(changed.count(), 1);  // the key is stored, without its link
        QCOMPARE(child<QLineEdit>(page, "TxtKeyNr")->text(), QString());
        QCOMPARE(f.count("SELECT count(*) FROM Schluessel"), 1);
    }

    void greyEntriesAndLegendFollowTheSwitch()
    {
        Fixture f;
        test::insertKeys(f.s.workCopy, "Verwaltung", 2);
        test::execSql(f.s.workCopy, "INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES ('00000000FFFF', 'Ohne', 0)");
        KeyPage page(f.s.services);
        page.pageShown();
        auto* list = child<QListWidget>(page, "ListViewKey");
        QCOMPARE(list->count(), 3);
        QVERIFY(child<QLabel>(page, "LblKey5")->isVisibleTo(&page));
        QCOMPARE(list->item(0)->foreground().color(), QColor(0, 0, 0));
        QVERIFY(list->item(2)->foreground().color() != QColor(0, 0, 0));

        f.s.protocol.setSwitches(ProtocolSwitches{0, false});
        page.pageShown();
        QVERIFY(!child<QLabel>(page, "LblKey5")->isVisibleTo(&page));
        QCOMPARE(list->item(2)->foreground().color(), list->item(0)->foreground().color());
    }

    void testKeysAndTheDeskReader()
    {
        Fixture f;
        KeyPage page(f.s.services);
        QSignalSpy changed(&page, &Page::projectChanged);
        page.pageShown();
        child<QLineEdit>(page, "TxtKeyTest")->setText("25");
        child<QPushButton>(page, "CmdKeyTest")->click();
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Testdaten (-schlüssel) erfolgreich erstellt!"));
        QCOMPARE(child<QLabel>(page, "LblKey10")->text(), QStringLiteral("25"));
        QCOMPARE(changed.count(), 1);

        child<QPushButton>(page, "CmdKeyTest")->click();  // the same numbers again
        QCOMPARE(MessageBox::shown().size(), 3);
        QCOMPARE(MessageBox::shown().at(1).title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(MessageBox::shown().at(2).text, QStringLiteral("Fehler bei Testdatenerstellung!"));
        QCOMPARE(changed.count(), 1);

        QVERIFY(page.acceptsLearnedKey());
        QVERIFY(page.showLearnedKey("0000000003"));
        QCOMPARE(child<QLineEdit>(page, "TxtKeyNr")->text(), QStringLiteral("0000000003"));
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
        auto* edit = child<QPushButton>(page, "cmdZeitAbsolut");
        QVERIFY(!edit->isEnabled());
        fixed->setChecked(true);
        QVERIFY(edit->isEnabled());
        QVERIFY(child(page, "FrKeyNeu1")->isVisibleTo(&page));

        onDialog([](FrmTime& dialog) {
            QCOMPARE(child<QDateEdit>(dialog, "DTPicker2")->date(), QDate(2026, 12, 12));
            child<QTimeEdit>(dialog, "DTPicker3")->setTime(QTime(17, 45));
            child<QPushButton>(dialog, "CmdTimeSave")->click();
        });
        edit->click();
        auto* start = child<QLabel>(page, "LblKey8");
        auto* end = child<QLabel>(page, "LblKey9");
        QCOMPARE(start->text(), validityText(QDateTime(QDate(2026, 12, 5), QTime(12, 0))));
        QCOMPARE(end->text(), validityText(QDateTime(QDate(2026, 12, 12), QTime(17, 45))));

        child<QLineEdit>(page, "TxtKeyNr")->setText("77");
        child<QLineEdit>(page, "TxtKeyBez")->setText("Besucher");
        child<QPushButton>(page, "CmdKeyHin")->click();
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(test::textValue(f.s.workCopy, "SELECT Endzeit FROM Schluessel"), QStringLiteral("2026-12-12T17:45:00"));
        QVERIFY(start->text().isEmpty());

        // Loading the key shows its period, and the dialog opens with it.
        child<QListWidget>(page, "ListViewKey")->setCurrentRow(0);
        emit child<QListWidget>(page, "ListViewKey")->itemClicked(child<QListWidget>(page, "ListViewKey")->item(0));
        QVERIFY(fixed->isChecked());
        QCOMPARE(end->text(), validityText(QDateTime(QDate(2026, 12, 12), QTime(17, 45))));
        f.s.clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
        onDialog([](FrmTime& dialog) {
            QCOMPARE(child<QDateEdit>(dialog, "DTPicker0")->date(), QDate(2026, 12, 5));
            QCOMPARE(child<QTimeEdit>(dialog, "DTPicker3")->time(), QTime(17, 45));
            child<QPushButton>(dialog, "cmdTimeCancel")->click();
        });
        edit->click();
        fixed->setChecked(false);
        QVERIFY(end->text().isEmpty());
        QVERIFY(!child(page, "FrKeyNeu1")->isVisibleTo(&page));
    }

    void validityDialogChecksAndDefaults()
    {
        Fixture f;
        FrmTime dialog(f.s.workCopy, f.s.clock, false, QString(), QString());
        QSignalSpy saved(&dialog, &FrmTime::defaultsSaved);
        auto* tabs = child<QTabWidget>(dialog, "TabOne1");
        auto* days = child<QLineEdit>(dialog, "TextTime");
        QVERIFY(!days->isEnabled());
        child<QCheckBox>(dialog, "chkTime2")->setChecked(true);
        QVERIFY(days->isEnabled());
        QVERIFY(child<QScrollBar>(dialog, "VScroll1")->isEnabled());
        QVERIFY(!child<QTimeEdit>(dialog, "DTPicker4")->isEnabled());
        child<QCheckBox>(dialog, "chkTime0")->setChecked(true);
        QVERIFY(child<QTimeEdit>(dialog, "DTPicker4")->isEnabled());
        child<QTimeEdit>(dialog, "DTPicker4")->setTime(QTime(6, 30));
        child<QScrollBar>(dialog, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        child<QScrollBar>(dialog, "VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(days->text(), QStringLiteral("2"));
        child<QPushButton>(dialog, "cmdDefaultSave")->click();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.count("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'DifferenzEndeWert'"), 2);
        QCOMPARE(f.count("SELECT Zeitintervall FROM Einstellungen WHERE Bezeichnung = 'StandardStartStunde'"), 6);

        // The end before the start and in the past: the first message wins.
        child<QTimeEdit>(dialog, "DTPicker1")->setTime(QTime(11, 0));
        child<QDateEdit>(dialog, "DTPicker2")->setDate(QDate(2026, 12, 4));
        child<QPushButton>(dialog, "CmdTimeSave")->click();
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Endzeit liegt vor der Startzeit!"));
        QCOMPARE(tabs->currentIndex(), 0);
        child<QDateEdit>(dialog, "DTPicker0")->setDate(QDate(2026, 12, 1));
        tabs->setCurrentIndex(1);
        child<QPushButton>(dialog, "CmdTimeSave")->click();
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Endzeit liegt bereits in der Vergangenheit!"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        f.s.clock.set(QDateTime(QDate(2026, 12, 5), QTime(15, 20, 59)));
        child<QPushButton>(dialog, "cmdNow")->click();
        QCOMPARE(child<QDateEdit>(dialog, "DTPicker0")->date(), QDate(2026, 12, 5));
        QCOMPARE(child<QTimeEdit>(dialog, "DTPicker1")->time(), QTime(15, 20));
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
        save("screenshot-keys.png", page);

        FrmTime dialog(f.s.workCopy, f.s.clock, true, child<QLabel>(page, "LblKey8")->text(),
                       child<QLabel>(page, "LblKey9")->text(), &page);
        dialog.resize(dialog.sizeHint());
        save("screenshot-validity.png", dialog);
        child<QTabWidget>(dialog, "TabOne1")->setCurrentIndex(1);
        save("screenshot-validity-defaults.png", dialog);
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestKeyPage)
#include "tst_keypage.moc"
