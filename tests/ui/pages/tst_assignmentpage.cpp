// The assignment page: a profile's readers with decentral ones in red, the
// read-only pair for a decentral reader, and assigning through the page.
#include "PageServices.h"
#include "WidgetDriver.h"
#include "ui/pages/assignment/AssignmentPage.h"

using namespace varnox;
using namespace varnox::test;

class TestAssignmentPage : public QObject {
    Q_OBJECT

    std::unique_ptr<PageServices> m_s;
    std::unique_ptr<AssignmentPage> m_page;
    const QWidget* page() const { return m_page.get(); }
    QListWidget* list() const { return control<QListWidget>(page(), "ListViewZutr2"); }

private slots:
    void init()
    {
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
        m_s = std::make_unique<PageServices>();
        fillAssignmentProject(m_s->project);
        m_page = std::make_unique<AssignmentPage>(m_s->services);
        m_page->pageShown();
        choose(page(), "CmbZutr2Pro", "Verwaltung");
    }

    void cleanup()
    {
        m_page.reset();
        m_s.reset();
    }

    void profileListsItsReadersAndOffersTheOthers()
    {
        auto* zones = control<QComboBox>(page(), "CmbZutr2Zeit");
        QCOMPARE(zones->itemText(0), QStringLiteral("IMMER"));
        QCOMPARE(zones->count(), 2);
        QCOMPARE(items(list()), (QStringList{"Haupteingang", "Serverraum"}));
        QCOMPARE(list()->item(1)->foreground().color(), QColor(255, 0, 0));
        QVERIFY(list()->item(0)->foreground().color() != QColor(255, 0, 0));
        QCOMPARE(control<QComboBox>(page(), "CmbZutr2Les")->count(), 2);

        // A decentral reader shows the read-only pair instead of the lists.
        choose(page(), "CmbZutr2Les", "Archiv");
        QVERIFY(zones->isHidden());
        QCOMPARE(values(page(), { "TxtZutr2Zeit", "TxtZutr2Fkt" }),
            QStringList({ "IMMER", "Steuerfunktion 1 mit eigener SN" }));
        QSignalSpy changed(m_page.get(), &Page::projectChanged);
        press(page(), "CmdZutr2Hin");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list()->count(), 3);
        QCOMPARE(m_s->project.keyCount("1004"), 12);

        // A central one needs its zone and function; the page says which is missing.
        choose(page(), "CmbZutr2Les", "Lieferanteneingang");
        QVERIFY(!zones->isHidden());
        press(page(), "CmdZutr2Hin");
        QCOMPARE(lastMessageTitle(), QStringLiteral("Zeitzone fehlt"));
        choose(page(), "CmbZutr2Zeit", "IMMER");
        choose(page(), "CmbZutr2Fkt", "Licht an");
        press(page(), "CmdZutr2Hin");
        QCOMPARE(m_s->project.value("SELECT Zeitzone FROM Zuleser WHERE Leser = '1003'"), "IMMER");
        QCOMPARE(control<QComboBox>(page(), "CmbZutr2Les")->count(), 0);
    }

    void clickLoadsAndRemoves()
    {
        emit list()->itemClicked(list()->item(0));
        QCOMPARE(values(page(), { "CmbZutr2Zeit", "CmbZutr2Fkt" }), QStringList({ "Werktag", "Tür öffnen" }));
        QVERIFY(enabled(page(), "CmdZutr2Ent"));
        press(page(), "CmdZutr2Ent");
        QCOMPARE(items(list()), QStringList{"Serverraum"});
        QCOMPARE(control<QComboBox>(page(), "CmbZutr2Les")->count(), 3);

        choose(page(), "CmbZutr2Pro", "Lager");
        QCOMPARE(list()->count(), 0);
        press(page(), "CmdZutr2Neu");
        QCOMPARE(MessageBox::shown().size(), 0);
    }
};

QTEST_MAIN(TestAssignmentPage)
#include "tst_assignmentpage.moc"
