#include "ProjectWorld.h"
#include "WidgetDriver.h"
#include "ui/project/FrmFileOpen.h"
#include "ui/project/FrmFileSaveAs.h"
#include "ui/project/FrmNewFile.h"

using namespace varnox;
using namespace varnox::test;

class TestProjectDialogs : public QObject {
    Q_OBJECT

private slots:
    void projectDialogListsAndOpens()
    {
        ProjectWorld w;
        test::writeProject(w.projectFile("Nord.mdb"), test::Layout::Version8);
        test::writeProject(w.projectFile("alt.MDB"), test::Layout::Version8);
        w.home.writeFile("projekte/~hlvSonst.tmp", "");
        w.home.writeFile("projekte/~hlvNord.mdb.sav", "");
        FrmFileOpen dialog(w.opener, w.creator, false);
        dialog.show();
        auto* files = control<QListWidget>(&dialog, "FileOpen");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->item(0)->text(), QString("alt.MDB"));
        QCOMPARE(files->item(1)->text(), QString("Nord.mdb"));
        QVERIFY(!control<QPushButton>(&dialog, "CmdFileOpenN")->isEnabled());

        click(&dialog, "CmdFileOpenO");
        QCOMPARE(w.op.asked().size(), 1);  // nothing chosen
        QVERIFY(dialog.isVisible());

        clickItem(&dialog, "FileOpen", "Nord.mdb");
        click(&dialog, "CmdFileOpenO");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(w.session.workCopyName, QString("~hlvNord.tmp"));
    }

    void cancellingWithoutAProjectAsks()
    {
        ProjectWorld w;
        w.session.mode = Mode::Standard;
        FrmFileOpen dialog(w.opener, w.creator, false);
        dialog.show();
        w.op.then(Answer::No).then(Answer::Yes);
        click(&dialog, "CmdFileOpenA");
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(w.op.texts().size(), 2);
        QCOMPARE(w.host.calls, QStringList {"terminate"});
    }

    void newProjectDialog()
    {
        ProjectWorld w;
        FrmNewFile dialog(w.creator, true);
        dialog.show();
        auto* name = control<QLineEdit>(&dialog, "TxtNewFile");
        QTest::keyClicks(name, "Nord|Sued");
        click(&dialog, "CmdNewFileS");
        QVERIFY(dialog.isVisible());
        QCOMPARE(name->text(), QString("Nord|Sued"));

        name->setText("Nord");
        click(&dialog, "CmdNewFileS");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(w.session.workCopyName, QString("~hlvNord.tmp"));
    }

    void saveAsTakesTheChosenName()
    {
        ProjectWorld w;
        w.openProject("Anlage");
        test::writeProject(w.projectFile("Zweig.mdb"), test::Layout::Version8);
        FrmFileSaveAs dialog(w.creator);
        dialog.show();
        clickItem(&dialog, "FileSaveAs", "Zweig.mdb");
        QCOMPARE(control<QLineEdit>(&dialog, "TxtFileSaveAs")->text(), QString("Zweig.mdb"));
        w.op.then(Answer::No);
        click(&dialog, "CmdFileSaveAsS");
        QCOMPARE(w.op.asked().size(), 1);  // replace the other project?
        QVERIFY(dialog.isVisible());
        click(&dialog, "CmdFileSaveAsA");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(w.session.workCopyName, QString("~hlvAnlage.tmp"));
    }
};

QTEST_MAIN(TestProjectDialogs)
#include "tst_projectdialogs.moc"
