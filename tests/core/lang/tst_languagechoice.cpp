#include "TempHome.h"
#include "core/lang/LanguageChoice.h"
#include "core/lang/LanguageNames.h"
#include "core/lang/LanguageNotifier.h"
#include "core/lang/LanguageSettings.h"
#include "core/lang/Texts.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace varnox;

namespace {

// Answers the language dialog from a script and remembers what it was shown.
class ScriptedPrompt final : public LanguagePrompt {
public:
    bool confirm = true;
    int choose = 0;  // 0: keep the preselected language
    bool showAtStart = true;
    int asked = 0;
    LanguageDialogState shown;

    bool ask(LanguageDialogState& state) override
    {
        ++asked;
        shown = state;
        if (choose)
            state.selectedLanguage = choose;
        state.showAtStart = showAtStart;
        return confirm;
    }
};

const QString kIni = QStringLiteral(".config/varnox/varnox.ini");

// The stored choice in one line, to be compared at once.
QString savedChoice()
{
    const LanguageSettings saved = LanguageSettings::read();
    return QStringLiteral("%1 %2 %3").arg(saved.langId).arg(saved.langName, saved.showDialog ? "shown" : "hidden");
}

}  // namespace

class TestLanguageChoice : public QObject {
    Q_OBJECT

private slots:
    void init() { setCurrentLanguage(kGerman); }

    void unsupportedStoredLanguageYieldsGermanAndIsSavedBack()
    {
        test::TempHome home;
        home.writeFile(kIni, "[MultiLang]\nLangId=2060\nLangName=Franz\xc3\xb6sisch (Belgien)\nShowDialog=false\n");
        ScriptedPrompt prompt;
        QVERIFY(!chooseLanguage(true, prompt));
        QCOMPARE(prompt.asked, 0);
        QCOMPARE(currentLanguage(), kGerman);
        QCOMPARE(GetText(11, "Abbrechen"), QString("Abbrechen"));
        QCOMPARE(savedChoice(), QString("1031 Deutsch (Deutschland) hidden"));
    }

    void hiddenDialogStillAppliesTheStoredLanguage()
    {
        test::TempHome home;
        home.writeFile(kIni, "[MultiLang]\nLangId=1036\nShowDialog=false\n");
        const QByteArray before = home.readFile(kIni);
        ScriptedPrompt prompt;
        QSignalSpy changes(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged);
        QVERIFY(!chooseLanguage(true, prompt));
        QCOMPARE(prompt.asked, 0);
        QCOMPARE(currentLanguage(), kFrench);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(GetText(11, "Abbrechen"), QString("Annuler"));
        QCOMPARE(home.readFile(kIni), before);
    }

    void missingFileShowsTheDialogAndSavesTheChoice()
    {
        test::TempHome home;
        ScriptedPrompt prompt;
        prompt.choose = kEnglish;
        prompt.showAtStart = false;
        QVERIFY(chooseLanguage(true, prompt));
        QCOMPARE(prompt.shown.selectedLanguage, kGerman);
        QVERIFY(prompt.shown.showAtStart);
        QList<int> offered;
        for (const LanguageOffer& offer : prompt.shown.offers)
            offered << offer.languageId;
        QCOMPARE(offered, QList<int>({kGerman, kEnglish, kFrench}));
        QCOMPARE(currentLanguage(), kEnglish);
        QCOMPARE(savedChoice(), QString("1033 Englisch (USA) hidden"));
    }

    void closingWithoutOkKeepsLanguageAndSetting()
    {
        test::TempHome home;
        home.writeFile(kIni, "[MultiLang]\nLangId=1033\nShowDialog=true\n");
        ScriptedPrompt prompt;
        prompt.confirm = false;
        prompt.choose = kFrench;
        prompt.showAtStart = false;
        QVERIFY(chooseLanguage(true, prompt));
        QCOMPARE(prompt.shown.selectedLanguage, kEnglish);
        QCOMPARE(currentLanguage(), kEnglish);
        QCOMPARE(savedChoice(), QString("1033 Englisch (USA) shown"));
    }

    void laterCallShowsTheDialogWithoutReapplyingTheStoredLanguage()
    {
        test::TempHome home;
        home.writeFile(kIni, "[MultiLang]\nLangId=1036\nShowDialog=false\n");
        setCurrentLanguage(kEnglish);
        ScriptedPrompt prompt;
        prompt.confirm = false;
        QVERIFY(chooseLanguage(false, prompt));
        QCOMPARE(prompt.asked, 1);
        QCOMPARE(prompt.shown.selectedLanguage, kEnglish);
        QVERIFY(!prompt.shown.showAtStart);
        QCOMPARE(LanguageSettings::read().langId, 1033);
    }

    void unreadableSettingsMeanDefaults()
    {
        test::TempHome home;
        QVERIFY(QDir().mkpath(home.file(kIni)));  // a folder where the file belongs
        ScriptedPrompt prompt;
        prompt.choose = kFrench;
        QVERIFY(chooseLanguage(true, prompt));
        QCOMPARE(prompt.shown.selectedLanguage, kGerman);
        QVERIFY(prompt.shown.showAtStart);
        QCOMPARE(currentLanguage(), kFrench);
        QVERIFY(!LanguageSettings::write({kFrench, LanguageName(kFrench), true}));

        test::TempHome garbled;
        garbled.writeFile(kIni, "[MultiLang]\nLangId=abc\nShowDialog=\n");
        const LanguageSettings read = LanguageSettings::read();
        QCOMPARE(read.langId, 1031);
        QVERIFY(read.showDialog);
    }

    void onlyTheThreeCatalogueLanguagesCanBeChosen()
    {
        QSignalSpy changes(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged);
        SetLanguage(kFrench, LanguageName(kFrench));
        SetLanguage(4103, LanguageName(4103));
        QCOMPARE(currentLanguage(), kGerman);
        SetLanguage(kGerman, QString());
        QCOMPARE(changes.count(), 2);
        QCOMPARE(LanguageName(1045), QString("Invalid Language Index"));
        QCOMPARE(NativeLanguageName(0), QString());
    }
};

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "tst_languagechoice.moc"
