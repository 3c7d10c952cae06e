// Renders the reader and function pages in their New and Edit states in
// every interface language, into screenshots/ of the build folder, so that
// their layout can be looked at after each change.
#include "PageServices.h"
#include "Screenshots.h"
#include "WidgetDriver.h"
#include "core/lang/Texts.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/functions/FunctionsPage.h"
#include "ui/pages/readers/ReaderSettingsDialog.h"
#include "ui/pages/readers/ReadersPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>

using namespace varnox;
using varnox::test::clickItem;

class TestPageScreenshots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitTexts();
        MessageBox::setUnattended(true);
    }

    void cleanupTestCase() { setCurrentLanguage(kGerman); }

    void pages_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("de") << kGerman;
        QTest::newRow("en") << kEnglish;
        QTest::newRow("fr") << kFrench;
    }

    void pages()
    {
        QFETCH(int, language);
        setCurrentLanguage(language);
        const QString code = QString::fromLatin1(QTest::currentDataTag());
        test::PageServices env;
        env.project.addReader(QStringLiteral("Haupteingang"), QStringLiteral("4711"), 1, 5);
        env.project.addReader(QStringLiteral("Lager Nord"), QStringLiteral("815"), 1, 7, false, 12);
        env.project.addReader(QStringLiteral("Büro 2. OG"), QStringLiteral("42"), 9, 1);
        env.project.addFunction(QStringLiteral("Haupteingang öffnen"), 0, QStringLiteral("1105"), 1);
        env.project.addFunction(QStringLiteral("Licht Halle"), 1, QStringLiteral("61E24003"), 1);
        env.project.addFunction(QStringLiteral("Alarm quittieren"), 2, QStringLiteral("AB12"), 9);

        ReadersPage readers(env.services);
        readers.resize(1000, 620);
        readers.show();
        readers.pageShown();
        test::saveScreenshot(&readers, QStringLiteral("readers-new-") + code);
        clickItem(&readers, "ListViewLes", QStringLiteral("Lager Nord"));
        QCOMPARE(readers.state(), ReadersPage::State::Edit);
        test::saveScreenshot(&readers, QStringLiteral("readers-edit-") + code);

        ReaderSettings settings;
        ReaderSettingsDialog dialog(settings);
        dialog.show();
        test::saveScreenshot(&dialog, QStringLiteral("reader-settings-") + code);

        FunctionsPage functions(env.services);
        functions.resize(1000, 620);
        functions.show();
        functions.pageShown();
        test::saveScreenshot(&functions, QStringLiteral("functions-new-") + code);
        clickItem(&functions, "ListViewFkt", QStringLiteral("Haupteingang öffnen"));
        QCOMPARE(functions.state(), FunctionsPage::State::Edit);
        test::saveScreenshot(&functions, QStringLiteral("functions-edit-") + code);
        clickItem(&functions, "ListViewFkt", QStringLiteral("Licht Halle"));
        test::saveScreenshot(&functions, QStringLiteral("functions-control-") + code);
        clickItem(&functions, "ListViewFkt", QStringLiteral("Alarm quittieren"));
        test::saveScreenshot(&functions, QStringLiteral("functions-free-") + code);
    }
};

QTEST_MAIN(TestPageScreenshots)
#include "tst_pagescreenshots.moc"
