// Renders the pages of the main window into build/screenshots/, so that
// their layout can be looked at after each change: readers and functions in
// their New and Edit states in every interface language, the other pages
// filled as an installation would fill them.
#include "PageServices.h"
#include "WidgetDriver.h"
#include "core/lang/Texts.h"
#include "core/model/ZoneForm.h"
#include "ui/pages/assignment/AssignmentPage.h"
#include "ui/pages/functions/FunctionsPage.h"
#include "ui/pages/keys/FrmTime.h"
#include "ui/pages/keys/KeyPage.h"
#include "ui/pages/profiles/ProfilePage.h"
#include "ui/pages/readers/ReaderSettingsDialog.h"
#include "ui/pages/readers/ReadersPage.h"
#include "ui/pages/zones/ZonePage.h"

#include <QDir>
#include <QTabWidget>

using namespace varnox;
using namespace varnox::test;

namespace {

void save(QWidget* widget, const QString& name) { QVERIFY(saveScreenshot(widget, QStringLiteral("screenshots/") + name)); }

void show(QWidget& page, QSize size = QSize(1000, 620))
{
    page.resize(size);
    page.show();
}

}  // namespace

class TestPageScreenshots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InitTexts();
        MessageBox::setUnattended(true);
        QVERIFY(QDir().mkpath(QStringLiteral(VARNOX_BINARY_DIR "/screenshots")));
    }

    void cleanupTestCase() { setCurrentLanguage(kGerman); }

    void readersAndFunctions_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("de") << kGerman;
        QTest::newRow("en") << kEnglish;
        QTest::newRow("fr") << kFrench;
    }

    void readersAndFunctions()
    {
        QFETCH(int, language);
        setCurrentLanguage(language);
        const QString code = QString::fromLatin1(QTest::currentDataTag());
        PageServices env;
        env.project.addReader("Haupteingang", "4711", 1, 5);
        env.project.addReader("Lager Nord", "815", 1, 7, false, 12);
        env.project.addReader("Büro 2. OG", "42", 9, 1);
        env.project.addFunction("Haupteingang öffnen", 0, "1105", 1);
        env.project.addFunction("Licht Halle", 1, "61E24003", 1);
        env.project.addFunction("Alarm quittieren", 2, "AB12", 9);

        ReadersPage readers(env.services);
        show(readers);
        readers.pageShown();
        save(&readers, "readers-new-" + code);
        clickItem(&readers, "ListViewLes", "Lager Nord");
        QCOMPARE(readers.state(), ReadersPage::State::Edit);
        save(&readers, "readers-edit-" + code);

        ReaderSettings settings;
        ReaderSettingsDialog dialog(settings);
        dialog.show();
        save(&dialog, "reader-settings-" + code);

        FunctionsPage functions(env.services);
        show(functions);
        functions.pageShown();
        save(&functions, "functions-new-" + code);
        for (auto [item, state] : {std::pair{"Haupteingang öffnen", "edit"}, {"Licht Halle", "control"}, {"Alarm quittieren", "free"}}) {
            clickItem(&functions, "ListViewFkt", QString::fromUtf8(item));
            QCOMPARE(functions.state(), FunctionsPage::State::Edit);
            save(&functions, QStringLiteral("functions-%1-").arg(QLatin1String(state)) + code);
        }
    }

    // The list filled and a key with its period chosen, and both tabs of the
    // validity dialog, as a German desk shows them.
    void keysAndValidity()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        PageServices s;
        s.protocol.setSwitches(ProtocolSwitches{0, true});
        fillAssignmentProject(s.project);
        s.project.exec("UPDATE Schluessel SET Sname = 'Mitarbeiter ' || substr(Schluesselnr, 9)");
        for (const char* name : {"Besucher 1", "Besucher 2", "Handwerker", "Reinigung"})
            s.project.exec("INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID, AbsoluteZeit, Startzeit, Endzeit) "
                           "VALUES (printf('%012X', 4096 + (SELECT count(*) FROM Schluessel)), ?, 'Gast', 1, "
                           "'2026-12-07T08:00:00', '2026-12-18T17:30:00')",
                           name);
        KeyPage page(s.services);
        page.pageShown();
        QVERIFY(showActive(&page));
        clickItem(&page, "ListViewKey", "Handwerker");
        QCOMPARE(control<QLabel>(&page, "LblKey9")->text(), QStringLiteral("18.12.2026 17:30"));
        save(&page, "keys");

        FrmTime dialog(s.workCopy, s.clock, true, control<QLabel>(&page, "LblKey8")->text(),
                       control<QLabel>(&page, "LblKey9")->text(), &page);
        dialog.resize(dialog.sizeHint());
        save(&dialog, "validity");
        control<QTabWidget>(&dialog, "TabOne1")->setCurrentIndex(1);
        save(&dialog, "validity-defaults");
        QLocale::setDefault(QLocale::c());
    }

    void zonesProfilesAndAssignment()
    {
        PageServices s;
        fillAssignmentProject(s.project);
        s.project.addAssignment("Verwaltung", "1004");
        ZonePage zones(s.services);
        zones.fillForProject();
        control<QLineEdit>(&zones, "TxtZeitBez")->setText("Werktag 2");
        auto enter = [&zones](int period, int day, const char* from, const char* to) {
            zones.findChild<QComboBox*>(zoneListName(zoneStartList(period, day)))->setCurrentText(from);
            zones.findChild<QComboBox*>(zoneListName(zoneEndList(period, day)))->setCurrentText(to);
        };
        for (int day = 0; day < 5; ++day) {
            enter(0, day, "07:00", "12:00");
            enter(1, day, "12:30", "17:45");
        }
        enter(2, 4, "20:00", "24:00");
        enter(0, 5, "08:00", "13:00");
        press(&zones, "CmdZeitHin");
        choose(&zones, "CmbZeit", "Werktag 2");
        show(zones, zones.sizeHint());
        save(&zones, "zones");

        ProfilePage profiles(s.services);
        profiles.pageShown();
        show(profiles, profiles.sizeHint());
        clickItem(&profiles, "ListViewZutr1", "Lager");
        save(&profiles, "profiles");

        AssignmentPage assignment(s.services);
        assignment.pageShown();
        choose(&assignment, "CmbZutr2Pro", "Verwaltung");
        auto* list = control<QListWidget>(&assignment, "ListViewZutr2");
        list->setCurrentRow(1);
        emit list->itemClicked(list->item(1));
        show(assignment, assignment.sizeHint().expandedTo(QSize(820, 380)));
        save(&assignment, "assignment");
    }
};

QTEST_MAIN(TestPageScreenshots)
#include "tst_pagescreenshots.moc"
