#include "ProjectFiles.h"
#include "ProtocolHome.h"
#include "WidgetDriver.h"
#include "ui/common/MessageBox.h"
#include "ui/protocol/FrmLogAnz.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace varnox;

namespace {

const QDate kDay(2026, 12, 5);

struct Viewer : test::ProtocolHome {
    std::unique_ptr<FrmLogAnz> window;

    explicit Viewer(bool encrypt) : ProtocolHome(QDateTime(kDay, QTime(6, 0, 0)), encrypt)
    {
        for (const char* text : {"Programm gestartet", "Leser Eingang angelegt", "Schlüssel gelöscht", "leser Ausgang"}) {
            protocol.write(QString::fromUtf8(text));
            clock.advanceSecs(1);
        }
        window = std::make_unique<FrmLogAnz>(protocol);
        window->show();
    }

    template <typename T>
    T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    QTreeWidget* list() const { return find<QTreeWidget>("ListViewMon"); }

    void click(const char* button)
    {
        QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
        while (window->loading())
            QCoreApplication::processEvents();
    }

    QStringList column(int c) const
    {
        QStringList out;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            out << list()->topLevelItem(i)->text(c);
        return out;
    }
};

}  // namespace

class TestFrmLogAnz : public QObject {
    Q_OBJECT

private slots:
    void init() { test::unattendedMessages(); }

    void calendarShowsDaysWithFile()
    {
        Viewer v(true);
        auto* calendar = v.find<QCalendarWidget>("MonthView1");
        QCOMPARE(calendar->selectedDate(), kDay);
        QCOMPARE(calendar->dateTextFormat(kDay).fontWeight(), int(QFont::Bold));
        QVERIFY(calendar->dateTextFormat(kDay.addDays(1)).fontWeight() != int(QFont::Bold));

        emit calendar->clicked(kDay.addDays(1));  // no file that day
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(v.list()->topLevelItemCount(), 0);
        emit calendar->clicked(kDay);
        while (v.window->loading())
            QCoreApplication::processEvents();
        QCOMPARE(v.list()->topLevelItemCount(), 4);
    }

    void listsFiltersMarksSortsAndExports()
    {
        Viewer v(true);
        const QString file = DailyProtocol::filePath(kDay);
        test::appendBytes(file, "eingeschoben\r\n\r\n");

        v.find<QLineEdit>("TxtEntryWithThis")->setText(QStringLiteral("LESER"));
        v.click("CmdSearch");
        QCOMPARE(v.column(2), QStringList({"Leser Eingang angelegt", "leser Ausgang", ""}));
        QCOMPARE(v.column(3), QStringList({"", "", "nicht entschlüsselbar"}));
        QCOMPARE(v.list()->topLevelItem(2)->foreground(0).color(), QColor(Qt::red));

        QHeaderView* header = v.list()->header();
        const QPoint timeHeader(header->sectionViewportPosition(1) + 4, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, timeHeader);
        QCOMPARE(v.column(1), QStringList({"", "06:00:01", "06:00:03"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, timeHeader);
        QCOMPARE(v.column(1), QStringList({"06:00:03", "06:00:01", ""}));

        const qint64 before = QFileInfo(file).size();
        v.click("CmdExport");
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("Tagesprotokoll vom 05.12.2026\r\n\r\n0000000002\t06:00:03\tleser Ausgang\r\n"
                                "0000000001\t06:00:01\tLeser Eingang angelegt\r\n0000000003\t\t\tnicht entschlüsselbar\r\n"));
        QVERIFY(QFileInfo(file).size() > before);  // "Tagesprotokoll exportiert"

        v.find<QLineEdit>("TxtEntryWithThis")->clear();
        v.find<QLineEdit>("TxtEntryWithoutThis")->setText(QStringLiteral("leser"));
        v.click("CmdLoad");
        // Still sorted by time, newest first; the export's own entry has joined the chain.
        QCOMPARE(v.column(2), QStringList({"Tagesprotokoll exportiert", QString::fromUtf8("Schlüssel gelöscht"),
                                           "Programm gestartet", ""}));
        QCOMPARE(v.column(3).count(QString()), 3);
    }

    void plainProtocolIsShownWhole()
    {
        Viewer v(false);
        QVERIFY(!v.find<QGroupBox>("FrSearch")->isEnabled());
        v.click("CmdLoad");
        QCOMPARE(v.find<QPlainTextEdit>("txtLogAnz")->toPlainText().toUtf8(), v.home.readFile("log/05122026.log").replace("\r\n", "\n"));
        QVERIFY(!QFileInfo::exists(v.home.file("log/~hlv05122026.tmp")));
        v.click("CmdExport");
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("06:00:00\tProgramm gestartet\r\n06:00:01\t")));
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

QTEST_MAIN(TestFrmLogAnz)
#include "tst_frmloganz.moc"
