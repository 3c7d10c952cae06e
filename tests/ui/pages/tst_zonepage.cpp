// The zone page: its 56 time lists keep their numbering from the grid to the
// stored columns, and the page writes, loads and refuses through them.
#include "PageServices.h"
#include "WidgetDriver.h"
#include "core/model/ZoneForm.h"
#include "ui/pages/zones/ZonePage.h"

using namespace varnox;
using namespace varnox::test;

namespace {

QComboBox* list(const QWidget& page, int number)
{
    auto* combo = page.findChild<QComboBox*>(zoneListName(number));
    if (!combo)
        qFatal("no list %d", number);
    return combo;
}

void enter(const QWidget& page, int period, int day, const QString& from, const QString& to)
{
    list(page, zoneStartList(period, day))->setCurrentText(from);
    list(page, zoneEndList(period, day))->setCurrentText(to);
}

// The centre of a widget in the page's coordinates.
QPoint centre(const QWidget& page, const QWidget* w) { return w->mapTo(&page, w->rect().center()); }

}  // namespace

class TestZonePage : public QObject {
    Q_OBJECT

private slots:
    void init() { test::unattendedMessages(); }

    void gridKeepsTheListNumbering()
    {
        PageServices s;
        ZonePage page(s.services);
        page.resize(page.sizeHint());
        page.show();
        page.fillForProject();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.findChildren<QComboBox*>(QRegularExpression("^Combo2_\\d+$")).size(), 56);
        page.findChild<QLineEdit*>("TxtZeitBez")->setText("Raster");
        for (int period = 0; period < 4; ++period) {
            for (int day = 0; day < 7; ++day) {
                const QComboBox* from = list(page, period * 14 + day);
                const QComboBox* to = list(page, period * 14 + day + 7);
                QCOMPARE(from->count(), 97);
                QCOMPARE(from->itemText(1), QStringLiteral("00:00"));
                QCOMPARE(to->itemText(96), QStringLiteral("24:00"));
                // A weekday is a row, a period a pair of columns, the start left of the end.
                QCOMPARE(centre(page, from).y(), centre(page, to).y());
                QVERIFY(centre(page, from).x() < centre(page, to).x());
                QVERIFY(centre(page, list(page, day)).y() == centre(page, from).y());
                if (day > 0)
                    QVERIFY(centre(page, list(page, period * 14 + day - 1)).y() < centre(page, from).y());
                if (period > 0)
                    QVERIFY(centre(page, list(page, (period - 1) * 14 + day + 7)).x() < centre(page, from).x());
                // Each pair gets a quarter hour of its own, to be found in its columns.
                const QTime start = QTime(0, 0).addSecs((period * 360 + day * 15) * 60);
                enter(page, period, day, start.toString("HH:mm"), start.addSecs(15 * 60).toString("HH:mm"));
            }
        }
        QSignalSpy changed(&page, &Page::projectChanged);
        press(&page, "CmdZeitHin");
        QCOMPARE(MessageBox::shown().size(), 0);
        QCOMPARE(changed.count(), 1);
        for (int period = 0; period < 4; ++period) {
            for (int day = 0; day < 7; ++day) {
                const QString sql = QStringLiteral("SELECT %1 FROM Zeitzonen WHERE Tname = 'Raster'")
                                        .arg(zoneStartColumn(day, period));
                QCOMPARE(s.project.value(sql.toUtf8().constData()),
                         QTime(0, 0).addSecs((period * 360 + day * 15) * 60).toString("HH:mm:ss"));
            }
        }
    }

    void createLoadChangeDelete()
    {
        PageServices s;
        ZonePage page(s.services);
        page.pageShown();
        auto* zones = page.findChild<QComboBox*>("CmbZeit");
        QCOMPARE(zones->count(), 0);  // the always-zone is never offered
        page.findChild<QLineEdit*>("TxtZeitBez")->setText("Werktag");
        enter(page, 0, 0, "08:00", "12:00");
        enter(page, 1, 0, "12:00", "24:00");
        press(&page, "CmdZeitHin");
        QCOMPARE(zones->count(), 1);
        QVERIFY(list(page, 0)->currentIndex() == 0 && list(page, 21)->currentIndex() == 0);

        zones->setCurrentIndex(0);
        emit zones->activated(0);
        QCOMPARE(list(page, 0)->currentText(), QStringLiteral("08:00"));
        QCOMPARE(list(page, 21)->currentText(), QStringLiteral("24:00"));
        QVERIFY(!page.findChild<QPushButton*>("CmdZeitHin")->isEnabled());
        QVERIFY(page.findChild<QPushButton*>("CmdZeitAend")->isEnabled());

        enter(page, 2, 0, "11:45", "13:00");  // overlaps period 1
        press(&page, "CmdZeitAend");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(s.project.value("SELECT MoSzeit3 FROM Zeitzonen WHERE Tname = 'Werktag'"), "11:11:11");

        zones->setCurrentIndex(0);
        emit zones->activated(0);
        press(&page, "CmdZeitEnt");
        QCOMPARE(zones->count(), 0);
        QCOMPARE(s.project.intValue("SELECT count(*) FROM Zeitzonen"), 1);
    }
};

QTEST_MAIN(TestZonePage)
#include "tst_zonepage.moc"
