#include "ProjectWorld.h"
#include "core/lang/Texts.h"
#include "ui/project/FrmFileOpen.h"
#include "ui/project/FrmFileSaveAs.h"
#include "ui/project/FrmNewFile.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace varnox;
using test::ProjectWorld;

namespace {

template <typename T = QPushButton> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void select(QListWidget* list, const QString& text)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    list->setCurrentItem(items.first());
}

}  // namespace

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
        auto* files = child<QListWidget>(&dialog, "FileOpen");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->item(0)->text(), QString("alt.MDB"));
        QCOMPARE(files->item(1)->text(), QString("Nord.mdb"));
        QVERIFY(!child(&dialog, "CmdFileOpenN")->isEnabled());

        QTest::mouseClick(child(&dialog, "CmdFileOpenO"), Qt::LeftButton);
        QCOMPARE(w.op.texts(), QStringList {"Sie müssen eine Datei auswählen,\r\ndie geöffnet werden soll!"});
        QVERIFY(dialog.isVisible());

        select(files, "Nord.mdb");
        QTest::mouseClick(child(&dialog, "CmdFileOpenO"), Qt::LeftButton);
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
        QTest::mouseClick(child(&dialog, "CmdFileOpenA"), Qt::LeftButton);
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
        auto* name = child<QLineEdit>(&dialog, "TxtNewFile");
        QTest::keyClicks(name, "Nord|Sued");
        QTest::mouseClick(child(&dialog, "CmdNewFileS"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(name->text(), QString("Nord|Sued"));
        QCOMPARE(w.op.asked().last().message.title, QString("Umbennen"));

        name->setText("Nord");
        QTest::mouseClick(child(&dialog, "CmdNewFileS"), Qt::LeftButton);
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
        select(child<QListWidget>(&dialog, "FileSaveAs"), "Zweig.mdb");
        QCOMPARE(child<QLineEdit>(&dialog, "TxtFileSaveAs")->text(), QString("Zweig.mdb"));
        w.op.then(Answer::No);
        QTest::mouseClick(child(&dialog, "CmdFileSaveAsS"), Qt::LeftButton);
        QCOMPARE(w.op.texts(),
                 QStringList {"Die Projektdatei \"Zweig.mdb\" besteht bereits!\r\nMöchten Sie sie ersetzen?"});
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(child(&dialog, "CmdFileSaveAsA"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(w.session.workCopyName, QString("~hlvAnlage.tmp"));
    }

    void captionsFollowTheLanguage()
    {
        ProjectWorld w;
        FrmFileOpen dialog(w.opener, w.creator, true);
        QCOMPARE(dialog.windowTitle(), QString("Projekt öffnen"));
        setCurrentLanguage(kFrench);
        QCOMPARE(dialog.windowTitle(), QString("Ouvrir un projet"));
        QCOMPARE(child(&dialog, "CmdFileOpenA")->text(), QString("Annuler"));
        setCurrentLanguage(kGerman);
    }
};

QTEST_MAIN(TestProjectDialogs)
#include "tst_projectdialogs.moc"
