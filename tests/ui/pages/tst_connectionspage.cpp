// The connection page: every COM port with the device [Ports] maps it to,
// and what one page saves the next one shows.
#include "PageServices.h"
#include "WidgetDriver.h"
#include "ui/pages/connections/ConnectionsPage.h"

using namespace varnox;
using namespace varnox::test;

class TestConnectionsPage : public QObject {
    Q_OBJECT

private slots:
    void listsShowTheDevicesAndTheSavedAssignment()
    {
        MessageBox::setUnattended(true);
        PageServices s;
        s.config.writeValue("Ports", "COM3", "/dev/serial/by-id/usb-line1");
        ConnectionsPage page(s.services);
        QStringList signalled;
        QObject::connect(&page, &Page::projectChanged, [&signalled] { signalled << "SetSaved(false)"; });
        QObject::connect(&page, &ConnectionsPage::initPortsRequested, [&signalled] { signalled << "InitPorts"; });
        page.FillComPortLists();
        for (int k = 0; k < 16; ++k) {
            QCOMPARE(page.list(k)->count(), 256);
            QVERIFY(page.findChild<QLabel*>(QStringLiteral("LblComBus%1").arg(k)));
        }
        QCOMPARE(page.list(0)->itemText(0), QString("kein COM"));
        QCOMPARE(page.list(0)->itemText(1), QString("COM 1  (/dev/ttyS0)"));
        QCOMPARE(page.list(0)->itemText(3), QString("COM 3  (/dev/serial/by-id/usb-line1)"));
        QCOMPARE(page.list(0)->itemText(255), QString("COM 255  (/dev/ttyS254)"));

        const QList<std::pair<int, int>> chosen = {{0, 3}, {7, 12}, {15, 255}, {1, 0}};
        for (const auto& [k, com] : chosen)
            page.list(k)->setCurrentIndex(com);
        press(&page, "CmdComSave");
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(signalled, (QStringList{"SetSaved(false)", "InitPorts"}));
        ConnectionsPage other(s.services);
        other.FillComPortLists();
        other.pageShown();
        for (const auto& [k, com] : chosen)
            QCOMPARE(other.list(k)->currentIndex(), com);
    }
};

QTEST_MAIN(TestConnectionsPage)
#include "tst_connectionspage.moc"
