// The monitoring page: the decided key requests and the reader telegrams
// that wait for the evaluation.
#include "PageServices.h"
#include "ProgramRunRig.h"
#include "WidgetDriver.h"
#include "core/bus/ProtocolList.h"
#include "core/online/MonitorList.h"
#include "ui/main/MainPages.h"
#include "ui/pages/monitor/MonitorPage.h"

#include <QListView>
#include <QStyledItemDelegate>
#include <QTreeView>

using namespace varnox;
using namespace varnox::test;

namespace {

// Counts how often the view measures a row.
class MeasuringDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        ++measured;
        return QStyledItemDelegate::sizeHint(option, index);
    }
    mutable int measured = 0;
};

QString telegramLine(int i)
{
    return ProtocolList::formatLine(QTime(12, 0, 5), QLatin1Char('A'), 1 + i % 15, "$A0" + QString::number(100000 + i));
}

} // namespace

class TestMonitorPage : public QObject {
    Q_OBJECT

private slots:
    // A telegram that comes in costs the view the same however many lines
    // wait already: it does not measure every row again.
    void anotherTelegramDoesNotMeasureEveryRow()
    {
        PageServices s;
        ProtocolList received;
        MonitorPage page(s.services, received);
        auto* view = control<QListView>(&page, "cboProtIn");
        auto* delegate = new MeasuringDelegate(view);
        view->setItemDelegate(delegate);
        page.resize(900, 600);
        page.show();
        for (int i = 0; i < 3000; ++i)
            received.append(telegramLine(i));
        QCoreApplication::processEvents();
        delegate->measured = 0;
        received.append(telegramLine(3000));
        QCoreApplication::processEvents();
        QVERIFY2(delegate->measured <= 3, qPrintable(QString::number(delegate->measured)));
    }

    // While the page is shown the newest entry is the current one and in
    // view; CmdMon empties the list.
    void newestInViewAndCmdMonEmpties()
    {
        PageServices s;
        ProtocolList received;
        MonitorList entries;
        MonitorPage page(s.services, received);
        page.setMonitorList(entries);
        page.resize(900, 600);
        page.show();
        for (int i = 0; i < 600; ++i) {
            entries.makeRoom();
            entries.add({ "07. Dezember 2026  12:00:05", QString::number(i), "Anfrage", QColor(Qt::black) });
        }
        auto* view = control<QTreeView>(&page, "ListViewMon");
        QCOMPARE(view->model()->rowCount(), 501);
        QCOMPARE(view->currentIndex().row(), 500);
        QVERIFY(view->viewport()->rect().intersects(view->visualRect(view->currentIndex())));
        press(&page, "CmdMon");
        QCOMPARE(entries.count(), 0);
    }

    // CmdMonAnz records the call and opens the daily protocol's viewer; the
    // window carries the evaluation's timer.
    void cmdMonAnzOpensTheViewer()
    {
        ProgramRunRig r;
        r.addProject();
        r.start("Anlage.mdb");
        QVERIFY(r.window().findChild<QTimer*>("TimerEvalKeyRequest"));
        press(&r.window().pages().monitor(), "CmdMonAnz");
        QCOMPARE(r.entries().last(), QString("Menü 'Tagesprotokoll anzeigen' aufgerufen"));
        QTRY_VERIFY(
            r.window().findChild<QWidget*>("FrmLogAnz") && r.window().findChild<QWidget*>("FrmLogAnz")->isVisible());
        r.run->endFromOutside();
    }
};

QTEST_MAIN(TestMonitorPage)
#include "tst_monitorpage.moc"
