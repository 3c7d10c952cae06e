// The profile page: the remembered profile is the one renamed and deleted,
// and the test button creates numbered profiles.
#include "PageServices.h"
#include "WidgetDriver.h"
#include "ui/pages/profiles/ProfilePage.h"

using namespace varnox;
using namespace varnox::test;

class TestProfilePage : public QObject {
    Q_OBJECT

private slots:
    void init() { test::unattendedMessages(); }

    void createRenameDeleteAndTestProfiles()
    {
        PageServices s;
        ProfilePage page(s.services);
        page.pageShown();
        auto* name = page.findChild<QLineEdit*>("TxtZutr1Bez");
        auto* list = page.findChild<QListWidget*>("ListViewZutr1");
        QSignalSpy changed(&page, &Page::projectChanged);

        name->setText("Verwaltung");
        press(&page, "CmdZutr1Hin");
        QCOMPARE(list->count(), 1);
        QVERIFY(name->text().isEmpty());

        emit list->itemClicked(list->item(0));
        QCOMPARE(name->text(), QStringLiteral("Verwaltung"));
        name->setText("Büro");
        press(&page, "CmdZutr1Aend");
        QCOMPARE(list->item(0)->text(), QStringLiteral("Büro"));

        page.findChild<QLineEdit*>("TxtZutr1Test")->setText("3");
        press(&page, "CmdZutr1Test");
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(3)->text(), QStringLiteral("Zutrittsprofil 000003"));

        s.project.addKeys("Büro", 1);
        emit list->itemClicked(list->item(0));
        press(&page, "CmdZutr1Ent");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(changed.count(), 3);
    }
};

QTEST_MAIN(TestProfilePage)
#include "tst_profilepage.moc"
