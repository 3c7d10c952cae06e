#include "TempHome.h"
#include "TestServices.h"
#include "core/bus/QtSerialPort.h"
#include "core/lang/LanguageSettings.h"
#include "core/lang/QtTranslations.h"
#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/lang/LanguageSelection.h"
#include "ui/main/FrmMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace varnox;

namespace {

const QString kIni = QStringLiteral(".config/varnox/varnox.ini");

// Runs `act` on the language dialog once it is up modally and closes the
// dialog should `act` leave it open (a failed check), so that a test fails
// instead of hanging.
void whenDialogShows(std::function<void(LanguageDialog*)> act, int triesLeft = 100)
{
    QTimer::singleShot(10, [act, triesLeft] {
        if (auto* dialog = qobject_cast<LanguageDialog*>(QApplication::activeModalWidget())) {
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        } else if (triesLeft > 0) {
            whenDialogShows(act, triesLeft - 1);
        }
    });
}

QListWidget* languageList(LanguageDialog* dialog) { return dialog->findChild<QListWidget*>("LstSprache"); }

// Every modal window that comes up is closed at once and counted.
struct ModalGuard {
    int closed = 0;
    QTimer timer;
    ModalGuard()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++closed;
                modal->close();
            }
        });
        timer.start(5);
    }
};

}  // namespace

class TestLanguageSelection : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { followLanguageWithQtTexts(); }
    void init() { setCurrentLanguage(kGerman); }

    void switchingLanguageRecaptionsEveryOpenWindow()
    {
        test::TempHome home;
        test::TestServices env;
        QtSerialPortFactory ports(env.config.path());
        FrmMain main(env.services, ports);
        main.show();
        LanguageDialog other({{{kGerman, "Deutsch"}}, kGerman, true});
        other.show();
        QWidget probe;
        auto* button = new QPushButton(QStringLiteral("design"), &probe);
        auto* untranslated = new QPushButton(QStringLiteral("design"), &probe);
        loadCaptions(&probe, [button, untranslated] {
            setCaption(button, GetText(11, "Abbrechen"));
            setCaption(untranslated, GetText(65000, ""));
        });
        auto* box = new QDialogButtonBox(QDialogButtonBox::Cancel, &probe);
        probe.show();
        QCOMPARE(other.windowTitle(), QString("Sprache auswählen"));
        QCOMPARE(button->text(), QString("Abbrechen"));

        QStringList offered;
        whenDialogShows([&offered](LanguageDialog* dialog) {
            QListWidget* list = languageList(dialog);
            for (int row = 0; row < list->count(); ++row)
                offered << list->item(row)->text();
            offered << list->currentItem()->text();
            const QRect french = list->visualItemRect(list->item(2));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, french.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, french.center());
        });
        QVERIFY(ShowDialog(false));
        QCOMPARE(offered, QStringList({"Deutsch", "American English", "français", "Deutsch"}));
        QCOMPARE(currentLanguage(), kFrench);
        QCoreApplication::processEvents();
        QCOMPARE(other.windowTitle(), QString("Choisir la langue"));
        QCOMPARE(other.findChild<QCheckBox*>("CheckSprache")->text(),
                 QString("Afficher la boîte de dialogue au démarrage"));
        QCOMPARE(button->text(), QString("Annuler"));
        QCOMPARE(untranslated->text(), QString("design"));
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QString("Annuler"));
        QCOMPARE(main.windowTitle(), QString("Varnox"));
        QCOMPARE(main.menuItem("Speichern_unter")->text(), QString("Enregistrer sous"));
        QCOMPARE(LanguageSettings::read().langId, 1036);

        whenDialogShows([](LanguageDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Choisir la langue"));
            languageList(dialog)->setCurrentRow(1);
            dialog->findChild<QCheckBox*>("CheckSprache")->setChecked(false);
            QTest::mouseClick(dialog->findChild<QPushButton*>("CmdSpracheOK"), Qt::LeftButton);
        });
        QVERIFY(ShowDialog(false));
        QCoreApplication::processEvents();
        QCOMPARE(other.windowTitle(), QString("Select language"));
        QCOMPARE(button->text(), QString("Cancel"));
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        const LanguageSettings saved = LanguageSettings::read();
        QCOMPARE(saved.langId, 1033);
        QCOMPARE(saved.langName, QString("Englisch (USA)"));
        QVERIFY(!saved.showDialog);
    }

    void startShowsTheDialogByDefault()
    {
        test::TempHome home;
        ModalGuard guard;
        chooseLanguageAtStart();
        QCOMPARE(guard.closed, 1);
        QCOMPARE(currentLanguage(), kGerman);
        QCOMPARE(LanguageSettings::read().langName, QString("Deutsch (Deutschland)"));
    }

    void menuItemTogglesAndSavesTheStartDialogSetting()
    {
        test::TempHome home;
        QAction sprache;
        bindLanguageMenuItem(&sprache);
        QVERIFY(sprache.isChecked());
        sprache.trigger();
        QVERIFY(!sprache.isChecked());
        QVERIFY(!LanguageSettings::read().showDialog);
        sprache.trigger();
        QVERIFY(LanguageSettings::read().showDialog);

        home.writeFile(kIni, "[MultiLang]\nLangId=1033\nShowDialog=false\n");
        showLanguageMenuCheck(&sprache);
        QVERIFY(!sprache.isChecked());
        QCOMPARE(LanguageSettings::read().langId, 1033);
    }
};

QTEST_MAIN(TestLanguageSelection)
#include "tst_languageselection.moc"
