#include "TempHome.h"
#include "core/lang/LanguageChoice.h"
#include "core/lang/LanguageNames.h"
#include "core/lang/LanguageNotifier.h"
#include "core/lang/LanguageSettings.h"
#include "core/lang/Texts.h"

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

}  // namespace

class TestLanguageChoice : public QObject {
    Q_OBJECT

private slots:
    void init() { setCurrentLanguage(kGerman); }

    // The settings file as it is, the call (at start or from the menu) and
    // the operator's answer; then whether the dialog came, what it offered,
    // the language in use and the settings stored ("unchanged": not written).
    void choice_data()
    {
        QTest::addColumn<QByteArray>("ini");  // "folder": a folder where the file belongs
        QTest::addColumn<bool>("atStartup");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("choose");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<int>("preselected");  // 0: not asked
        QTest::addColumn<bool>("offeredShowAtStart");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("saved");
        QTest::newRow("unsupported language, no dialog")
            << QByteArray("LangId=2060\nLangName=Franz\xc3\xb6sisch (Belgien)\nShowDialog=false\n") << true << kGerman << 0
            << true << 0 << false << kGerman << "1031 Deutsch (Deutschland) hidden";
        QTest::newRow("no dialog, stored language") << QByteArray("LangId=1036\nShowDialog=false\n") << true << kGerman
                                                    << 0 << true << 0 << false << kFrench << "unchanged";
        QTest::newRow("no file") << QByteArray() << true << kGerman << kEnglish << true << kGerman << true << kEnglish
                                 << "1033 Englisch (USA) hidden";
        QTest::newRow("closed without OK") << QByteArray("LangId=1033\nShowDialog=true\n") << true << kGerman << kFrench
                                           << false << kEnglish << true << kEnglish << "1033 Englisch (USA) shown";
        QTest::newRow("from the menu: the language in use") << QByteArray("LangId=1036\nShowDialog=false\n") << false
                                                           << kEnglish << 0 << false << kEnglish << false << kEnglish
                                                           << "1033 Englisch (USA) hidden";
        QTest::newRow("unreadable settings mean defaults") << QByteArray("folder") << true << kGerman << kFrench << true
                                                           << kGerman << true << kFrench << "unchanged";
    }

    void choice()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, atStartup);
        QFETCH(int, before);
        QFETCH(int, choose);
        QFETCH(bool, confirm);
        QFETCH(int, preselected);
        QFETCH(QString, saved);
        test::TempHome home;
        if (ini == "folder")
            QVERIFY(QDir().mkpath(home.file(kIni)));
        else if (!ini.isEmpty())
            home.writeFile(kIni, "[MultiLang]\n" + ini);
        const QByteArray file = home.readFile(kIni);
        setCurrentLanguage(before);
        ScriptedPrompt prompt;
        prompt.choose = choose;
        prompt.confirm = confirm;
        prompt.showAtStart = false;
        QCOMPARE(chooseLanguage(atStartup, prompt), preselected != 0);
        QCOMPARE(prompt.asked, int(preselected != 0));
        if (preselected) {
            QCOMPARE(prompt.shown.selectedLanguage, preselected);
            QTEST(prompt.shown.showAtStart, "offeredShowAtStart");
            QCOMPARE(prompt.shown.offers.size(), 3);
        }
        QTEST(currentLanguage(), "language");
        QCOMPARE(GetText(11, "Abbrechen") == QStringLiteral("Abbrechen"), currentLanguage() == kGerman);
        if (saved == QLatin1String("unchanged")) {
            QCOMPARE(home.readFile(kIni), file);
            QCOMPARE(LanguageSettings::write({kFrench, LanguageName(kFrench), true}), ini != "folder");
        } else {
            const LanguageSettings stored = LanguageSettings::read();
            QCOMPARE(QStringLiteral("%1 %2 %3").arg(stored.langId).arg(stored.langName, stored.showDialog ? "shown" : "hidden"),
                     saved);
        }
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

        test::TempHome garbled;
        garbled.writeFile(kIni, "[MultiLang]\nLangId=abc\nShowDialog=\n");
        QCOMPARE(LanguageSettings::read().langId, 1031);
        QVERIFY(LanguageSettings::read().showDialog);
    }
};

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "tst_languagechoice.moc"
