// The profile page: the remembered profile is the one renamed and deleted,
// and the test button creates numbered profiles.
#include "PageServices.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/profiles/ProfilePage.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace varnox;

class TestProfilePage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
    }

    void createRenameDeleteAndTestProfiles()
    {
        test::PageServices s;
        ProfilePage page(s.services);
        page.pageShown();
        auto* name = page.findChild<QLineEdit*>("TxtZutr1Bez");
        auto* list = page.findChild<QListWidget*>("ListViewZutr1");
        QSignalSpy changed(&page, &Page::projectChanged);

        name->setText("Verwaltung");
        page.findChild<QPushButton*>("CmdZutr1Hin")->click();
        QCOMPARE(list->count(), 1);
        QVERIFY(name->text().isEmpty());

        emit list->itemClicked(list->item(0));
        QCOMPARE(name->text(), QStringLiteral("Verwaltung"));
        name->setText("Büro");
        page.findChild<QPushButton*>("CmdZutr1Aend")->click();
        QCOMPARE(list->item(0)->text(), QStringLiteral("Büro"));

        page.findChild<QLineEdit*>("TxtZutr1Test")->setText("3");
        page.findChild<QPushButton*>("CmdZutr1Test")->click();
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(3)->text(), QStringLiteral("Zutrittsprofil 000003"));

        test::insertKeys(s.workCopy, "Büro", 1);
        emit list->itemClicked(list->item(0));
        page.findChild<QPushButton*>("CmdZutr1Ent")->click();
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(changed.count(), 3);

        emit list->itemClicked(list->item(1));
        page.resize(page.sizeHint());
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(page.grab().save(QStringLiteral(VARNOX_BINARY_DIR "/screenshot-profiles.png")));
    }
};

QTEST_MAIN(TestProfilePage)
#include "tst_profilepage.moc"
