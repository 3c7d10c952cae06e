#include "TempHome.h"
#include "TestServices.h"
#include "WidgetDriver.h"
#include "core/bus/QtSerialPort.h"
#include "core/lang/LanguageSettings.h"
#include "core/lang/QtTranslations.h"
#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/lang/LanguageDialog.h"
#include "ui/lang/LanguageSelection.h"
#include "ui/main/FrmMain.h"

#include <QDialogButtonBox>

using namespace varnox;

namespace {

const QString kIni = QStringLiteral(".config/varnox/varnox.ini");

QListWidget* languageList(LanguageDialog* dialog) { return dialog->findChild<QListWidget*>("LstSprache"); }

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
        test::whenModal<LanguageDialog>([&offered](LanguageDialog* dialog) {
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

        test::whenModal<LanguageDialog>([](LanguageDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Choisir la langue"));
            languageList(dialog)->setCurrentRow(1);
            dialog->findChild<QCheckBox*>("CheckSprache")->setChecked(false);
            QTest::mouseClick(dialog->findChild<QPushButton*>("CmdSpracheOK"), Qt::LeftButton);
        });
        QVERIFY(ShowDialog(false));
        QCoreApplication::processEvents();
        QCOMPARE(button->text(), QString("Cancel"));
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        const LanguageSettings saved = LanguageSettings::read();
        QCOMPARE(saved.langId, 1033);
        QCOMPARE(saved.langName, QString("Englisch (USA)"));
        QVERIFY(!saved.showDialog);
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
