// The assignment page: a profile's readers with decentral ones in red, the
// read-only pair for a decentral reader, and assigning through the page.
#include "PageServices.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/assignment/AssignmentPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace varnox;

namespace {

struct Fixture {
    test::PageServices s;

    Fixture()
    {
        test::insertProfile(s.workCopy, "Verwaltung");
        test::insertProfile(s.workCopy, "Lager");
        test::insertKeys(s.workCopy, "Verwaltung", 12);
        test::insertFunction(s.workCopy, "Tür öffnen");
        test::insertFunction(s.workCopy, "Licht an");
        test::execSql(s.workCopy, "INSERT INTO Zeitzonen (Tname, MoSzeit1) VALUES ('Werktag', '07:00:00')");
        test::insertReader(s.workCopy, {"Haupteingang", "1001", true});
        test::insertReader(s.workCopy, {"Serverraum", "1002", false, 1});
        test::insertReader(s.workCopy, {"Lieferanteneingang", "1003", true});
        test::insertReader(s.workCopy, {"Archiv", "1004", false, 2});
        test::insertAssignment(s.workCopy, "Verwaltung", "1001", "Werktag", "Tür öffnen");
        test::insertAssignment(s.workCopy, "Verwaltung", "1002", "IMMER", "");
    }
};

template <typename T>
T* child(const QWidget& page, const char* name)
{
    T* w = page.findChild<T*>(name);
    if (!w)
        qFatal("no %s", name);
    return w;
}

void choose(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

}  // namespace

class TestAssignmentPage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
    }

    void profileListsItsReadersAndOffersTheOthers()
    {
        Fixture f;
        AssignmentPage page(f.s.services);
        page.pageShown();
        auto* zones = child<QComboBox>(page, "CmbZutr2Zeit");
        QCOMPARE(zones->itemText(0), QStringLiteral("IMMER"));
        QCOMPARE(zones->count(), 2);
        choose(child<QComboBox>(page, "CmbZutr2Pro"), "Verwaltung");
        const auto* list = child<QListWidget>(page, "ListViewZutr2");
        QCOMPARE(items(list), (QStringList{"Haupteingang", "Serverraum"}));
        QCOMPARE(list->item(1)->foreground().color(), QColor(255, 0, 0));
        QVERIFY(list->item(0)->foreground().color() != QColor(255, 0, 0));
        auto* readers = child<QComboBox>(page, "CmbZutr2Les");
        QCOMPARE(readers->count(), 2);

        // A decentral reader shows the read-only pair instead of the lists.
        choose(readers, "Archiv");
        QVERIFY(zones->isHidden());
        QCOMPARE(child<QLineEdit>(page, "TxtZutr2Zeit")->text(), QStringLiteral("IMMER"));
        QCOMPARE(child<QLineEdit>(page, "TxtZutr2Fkt")->text(), QStringLiteral("Steuerfunktion 1 mit eigener SN"));
        QSignalSpy changed(&page, &Page::projectChanged);
        child<QPushButton>(page, "CmdZutr2Hin")->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(items(list).size(), 3);
        QCOMPARE(test::intValue(f.s.workCopy, "SELECT Sanzahl FROM Leser WHERE Seriennr = '1004'"), 12);

        // A central one needs its zone and function; the page says which is missing.
        choose(readers, "Lieferanteneingang");
        QVERIFY(!zones->isHidden());
        child<QPushButton>(page, "CmdZutr2Hin")->click();
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Zeitzone fehlt"));
        choose(zones, "IMMER");
        choose(child<QComboBox>(page, "CmbZutr2Fkt"), "Licht an");
        child<QPushButton>(page, "CmdZutr2Hin")->click();
        QCOMPARE(test::textValue(f.s.workCopy, "SELECT Zeitzone FROM Zuleser WHERE Leser = '1003'"), "IMMER");
        QCOMPARE(readers->count(), 0);
    }

    void clickLoadsAndRemoves()
    {
        Fixture f;
        AssignmentPage page(f.s.services);
        page.pageShown();
        choose(child<QComboBox>(page, "CmbZutr2Pro"), "Verwaltung");
        auto* list = child<QListWidget>(page, "ListViewZutr2");
        emit list->itemClicked(list->item(0));
        QCOMPARE(child<QComboBox>(page, "CmbZutr2Zeit")->currentText(), QStringLiteral("Werktag"));
        QCOMPARE(child<QComboBox>(page, "CmbZutr2Fkt")->currentText(), QStringLiteral("Tür öffnen"));
        QVERIFY(child<QPushButton>(page, "CmdZutr2Ent")->isEnabled());
        child<QPushButton>(page, "CmdZutr2Ent")->click();
        QCOMPARE(items(list), QStringList{"Serverraum"});
        QCOMPARE(child<QComboBox>(page, "CmbZutr2Les")->count(), 3);

        choose(child<QComboBox>(page, "CmbZutr2Pro"), "Lager");
        QCOMPARE(list->count(), 0);
        child<QPushButton>(page, "CmdZutr2Neu")->click();
        QCOMPARE(MessageBox::shown().size(), 0);
    }

    void screenshotOfAProfilesReaders()
    {
        Fixture f;
        test::insertAssignment(f.s.workCopy, "Verwaltung", "1004", "IMMER", "");
        AssignmentPage page(f.s.services);
        page.pageShown();
        choose(child<QComboBox>(page, "CmbZutr2Pro"), "Verwaltung");
        auto* list = child<QListWidget>(page, "ListViewZutr2");
        list->setCurrentRow(1);
        emit list->itemClicked(list->item(1));
        page.resize(page.sizeHint().expandedTo(QSize(820, 380)));
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(page.grab().save(QStringLiteral(VARNOX_BINARY_DIR "/screenshot-assignment.png")));
    }
};

QTEST_MAIN(TestAssignmentPage)
#include "tst_assignmentpage.moc"
