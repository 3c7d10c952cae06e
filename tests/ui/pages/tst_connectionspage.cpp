#include "TempHome.h"
#include "TestServices.h"
#include "core/bus/ComAssignment.h"
#include "core/lang/Texts.h"
#include "core/project/ProjectTemplate.h"
#include "core/shell/ConfigFile.h"
#include "ui/common/MessageBox.h"
#include "ui/pages/connections/ConnectionsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace varnox;

namespace {

struct PageRig {
    test::TempHome home;
    QString workCopy = home.file("~hlvTest.tmp");
    test::TestServices env;
    ConnectionsPage page{env.services};
    QStringList signals_;

    PageRig()
    {
        writeProjectTemplate(workCopy);
        ConfigFile(home.file("VARNOXCF.INI")).writeValue("Ports", "COM3", "/dev/serial/by-id/usb-line1");
        page.setConfigFile(home.file("VARNOXCF.INI"));
        page.setWorkCopy([this] { return workCopy; });
        QObject::connect(&page, &ConnectionsPage::projectChanged, [this] { signals_ << "SetSaved(false)"; });
        QObject::connect(&page, &ConnectionsPage::initPortsRequested, [this] { signals_ << "InitPorts"; });
        page.FillComPortLists();
        MessageBox::setUnattended(true);
        MessageBox::clearShown();
    }
    QComboBox* list(int k) { return page.findChild<QComboBox*>(QStringLiteral("CmbComBus%1").arg(k)); }
    void save() { QTest::mouseClick(page.findChild<QPushButton*>("CmdComSave"), Qt::LeftButton); }
};

}  // namespace

class TestConnectionsPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void listsOfferEveryPortWithItsDevice()
    {
        PageRig rig;
        for (int k = 0; k < 16; ++k) {
            QComboBox* box = rig.list(k);
            QVERIFY(box);
            QCOMPARE(box->count(), 256);
            QVERIFY(rig.page.findChild<QLabel*>(QStringLiteral("LblComBus%1").arg(k)));
        }
        QComboBox* box = rig.list(0);
        QCOMPARE(box->itemText(0), QString("kein COM"));
        QCOMPARE(box->itemText(1), QString("COM 1  (/dev/ttyS0)"));
        QCOMPARE(box->itemText(3), QString("COM 3  (/dev/serial/by-id/usb-line1)"));
        QCOMPARE(box->itemText(255), QString("COM 255  (/dev/ttyS254)"));
    }

    void savedAssignmentIsShownAgain()
    {
        PageRig rig;
        rig.list(0)->setCurrentIndex(3);
        rig.list(7)->setCurrentIndex(12);
        rig.list(15)->setCurrentIndex(255);
        rig.save();
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(rig.signals_, (QStringList{"SetSaved(false)", "InitPorts"}));
        QCOMPARE(GetBusComPort(rig.workCopy, 8), 12);

        ConnectionsPage other(rig.env.services);
        other.setWorkCopy([&rig] { return rig.workCopy; });
        other.FillComPortLists();
        other.ShowComAssignment();
        QCOMPARE(other.list(0)->currentIndex(), 3);
        QCOMPARE(other.list(7)->currentIndex(), 12);
        QCOMPARE(other.list(15)->currentIndex(), 255);
        QCOMPARE(other.list(1)->currentIndex(), 0);
    }
};

QTEST_MAIN(TestConnectionsPage)
#include "tst_connectionspage.moc"
