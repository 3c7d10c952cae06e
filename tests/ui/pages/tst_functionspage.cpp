#include "PageServices.h"
#include "WidgetDriver.h"
#include "core/lang/Texts.h"
#include "ui/pages/functions/FunctionsPage.h"

using namespace varnox;
using namespace varnox::test;

class TestFunctionsPage : public QObject {
    Q_OBJECT

    std::unique_ptr<PageServices> m_env;
    std::unique_ptr<FunctionsPage> m_page;

    QWidget* page() { return m_page.get(); }
    QListWidget* list() { return control<QListWidget>(page(), "ListViewFkt"); }

    void showItem(const QString& text, bool expectMessage = false)
    {
        if (expectMessage)
            MessageBox::queueAnswer(Answer::Ok);
        clickItem(page(), "ListViewFkt", text);
    }

private slots:
    void initTestCase()
    {
        InitTexts();
        MessageBox::setUnattended(true);
    }

    void init()
    {
        m_env = std::make_unique<PageServices>();
        m_env->project.addReader(QStringLiteral("Tor"), QStringLiteral("1"), 2, 12);
        m_env->project.addReader(QStringLiteral("Tür"), QStringLiteral("2"), 2, 5);
        m_env->project.addFunction(QStringLiteral("Tor öffnen"), 0, QStringLiteral("110C"), 2);
        m_env->project.addFunction(QStringLiteral("Licht"), 1, QStringLiteral("61E24003"), 1);
        m_env->project.addFunction(QStringLiteral("Kaputt"), 2, QStringLiteral("ABC"), 1);
        m_page = std::make_unique<FunctionsPage>(m_env->services);
        QVERIFY(showActive(m_page.get()));
        m_page->pageShown();
    }

    void cleanup()
    {
        QCOMPARE(MessageBox::queuedAnswers(), 0);
        m_page.reset();
        m_env.reset();
        MessageBox::clearQueue();
    }

    void newStateAndKindFrames()
    {
        QCOMPARE(m_page->state(), FunctionsPage::State::New);
        QCOMPARE(list()->count(), 3);
        QVERIFY(enabled(page(), "CmdFktnHin") && !enabled(page(), "CmdFktnAend"));
        QCOMPARE(values(page(), { "LblFktAnz", "OptFktV", "OptFktFreiV" }), QStringList({ "3", "[x]", "[x]" }));
        for (const char* name : {"OptFktV", "OptFktFreiV", "FrFktToe", "FrFktStFkt", "FrFktFrei"})
            QVERIFY2(!shown(page(), name), name);

        click(page(), "OptFktStFkt");
        QVERIFY(shown(page(), "FrFktStFkt") && !shown(page(), "FrFktToe") && !shown(page(), "FrFktFrei"));
        click(page(), "OptFktFrei");
        QVERIFY(shown(page(), "FrFktFrei") && !shown(page(), "FrFktStFkt"));
    }

    void lengthLimitsTheContentAndFieldsFilterTheirInput()
    {
        click(page(), "OptFktFrei");
        auto* content = control<QLineEdit>(page(), "TxtFktInhalt");
        click(page(), "OptFktFreiK");
        QCOMPARE(control<QLabel>(page(), "LblFktFreiLen")->text(), QStringLiteral("(4 Zeichen)"));
        QTest::keyClicks(content, "a1g-B2c3");
        QCOMPARE(content->text(), QStringLiteral("a1B2"));
        click(page(), "OptFktFreiL");
        QCOMPARE(control<QLabel>(page(), "LblFktFreiLen")->text(), QStringLiteral("(8 Zeichen)"));
        QVERIFY(content->text().isEmpty());
        QApplication::clipboard()->setText(QStringLiteral("12 34"));
        content->paste();
        QVERIFY(content->text().isEmpty());

        click(page(), "OptFktStFkt");
        auto* serial = control<QLineEdit>(page(), "TxtFktSn");
        QTest::keyClicks(serial, "12ab3");
        QCOMPARE(serial->text(), QStringLiteral("123"));
    }

    void busLineOffersItsReadersAndTheirAddress()
    {
        click(page(), "OptFktToe");
        control<QComboBox>(page(), "CmbFktCom")->setCurrentIndex(1);
        auto* readers = control<QComboBox>(page(), "CmbFktnToe");
        QCOMPARE(readers->count(), 2);
        readers->setCurrentIndex(1);
        QCOMPARE(control<QLabel>(page(), "LblFktAs")->text(), QStringLiteral("5"));
        control<QComboBox>(page(), "CmbFktCom")->setCurrentIndex(0);
        QCOMPARE(readers->count(), 0);
        QVERIFY(control<QLabel>(page(), "LblFktAs")->text().isEmpty());
    }

    // Of two readers of one name the one chosen lends its address, when it
    // is chosen and when the function is stored and shown again.
    void sameNamedReadersKeepTheirOwnAddress()
    {
        m_env->project.addReader(QStringLiteral("Tür"), QStringLiteral("3"), 2, 40);
        control<QLineEdit>(page(), "TxtFktName")->setText(QStringLiteral("Zweite Tür"));
        control<QComboBox>(page(), "CmbFktCom")->setCurrentIndex(1);
        click(page(), "OptFktToe");
        auto* readers = control<QComboBox>(page(), "CmbFktnToe");
        QCOMPARE(readers->itemText(2), QStringLiteral("Tür"));
        readers->setCurrentIndex(2);
        QCOMPARE(control<QLabel>(page(), "LblFktAs")->text(), QStringLiteral("40"));
        click(page(), "CmdFktnHin");
        QCOMPARE(m_env->project.value("SELECT Protokoll FROM Funktionen WHERE Fname = 'Zweite Tür'"),
            QStringLiteral("1128"));
        showItem(QStringLiteral("Zweite Tür"));
        QCOMPARE(readers->currentIndex(), 2);
        QCOMPARE(control<QLabel>(page(), "LblFktAs")->text(), QStringLiteral("40"));
    }

    // A failed check puts the focus where the outcome says (every check is
    // the core's test).
    void failedCheckFocusesItsField()
    {
        control<QLineEdit>(page(), "TxtFktName")->setText(QStringLiteral("Neu"));
        control<QComboBox>(page(), "CmbFktCom")->setCurrentIndex(1);
        click(page(), "OptFktFrei");
        click(page(), "OptFktFreiL");
        QTest::keyClicks(control(page(), "TxtFktInhalt"), "1234567");
        clickExpectingMessage(page(), "CmdFktnHin");
        QCOMPARE(lastMessageTitle(), QStringLiteral("Falsche Protokolllänge"));
        QCOMPARE(focused(), QStringLiteral("TxtFktInhalt"));
        QCOMPARE(control<QLineEdit>(page(), "TxtFktInhalt")->selectedText(), QStringLiteral("1234567"));
        QCOMPARE(list()->count(), 3);
    }

    void createShowChangeAndDelete()
    {
        QSignalSpy changed(m_page.get(), &Page::projectChanged);
        control<QLineEdit>(page(), "TxtFktName")->setText(QStringLiteral("Steuer"));
        control<QComboBox>(page(), "CmbFktCom")->setCurrentIndex(14);
        click(page(), "OptFktStFkt");
        QTest::keyClicks(control(page(), "TxtFktSn"), "999999");
        control<QComboBox>(page(), "CmbFktStFkt")->setCurrentIndex(199);
        click(page(), "CmdFktnHin");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list()->count(), 4);
        QCOMPARE(m_page->state(), FunctionsPage::State::New);
        QCOMPARE(m_env->project.value("SELECT Protokoll || '@' || BusID FROM Funktionen WHERE Fname = 'Steuer'"),
                 QStringLiteral("6F423FC8@16"));

        showItem(QStringLiteral("Tor öffnen"));
        QCOMPARE(m_page->state(), FunctionsPage::State::Edit);
        QVERIFY(!enabled(page(), "CmdFktnHin") && enabled(page(), "CmdFktnAend"));
        QVERIFY(shown(page(), "FrFktToe"));
        QCOMPARE(values(page(), { "CmbFktnToe", "LblFktAs" }), QStringList({ "Tor", "12" }));

        control<QComboBox>(page(), "CmbFktnToe")->setCurrentIndex(1);
        click(page(), "CmdFktnAend");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(m_env->project.value("SELECT Protokoll FROM Funktionen WHERE Fname = 'Tor öffnen'"), QStringLiteral("1105"));

        showItem(QStringLiteral("Licht"));
        QCOMPARE(control<QLineEdit>(page(), "TxtFktSn")->text(), QStringLiteral("123456"));
        QCOMPARE(control<QComboBox>(page(), "CmbFktStFkt")->currentIndex(), 2);
        click(page(), "CmdFktnEnt");
        QCOMPARE(changed.count(), 3);
        QCOMPARE(list()->count(), 3);
        QVERIFY(list()->findItems(QStringLiteral("Licht"), Qt::MatchExactly).isEmpty());
    }

    // A broken stored function is shown with its warning, as far as it
    // fits, and new values mend it.
    void brokenFunctionIsShownAndMended()
    {
        showItem(QStringLiteral("Kaputt"), true);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(m_page->state(), FunctionsPage::State::Edit);
        QVERIFY(shown(page(), "FrFktFrei"));
        QCOMPARE(values(page(), { "OptFktFreiV", "TxtFktInhalt" }), QStringList({ "[x]", "ABC" }));
        click(page(), "OptFktFreiK");
        QTest::keyClicks(control(page(), "TxtFktInhalt"), "abcd");
        click(page(), "CmdFktnAend");
        QCOMPARE(m_env->project.value("SELECT Protokoll FROM Funktionen WHERE Fname = 'Kaputt'"), QStringLiteral("ABCD"));
    }
};

QTEST_MAIN(TestFunctionsPage)
#include "tst_functionspage.moc"
