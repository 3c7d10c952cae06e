#include "ProjectFixture.h"
#include "core/project/ReadersToTransfer.h"

#include <QTest>

using namespace varnox;

class TestReadersToTransfer : public QObject {
    Q_OBJECT

private slots:
    void countsReadersWithModify()
    {
        test::ProjectFixture p;
        p.addReader("A", "100", 1, -1, true, 0, true);
        p.addReader("B", "101", 1, -1, true, 0, false);
        p.addReader("C", "102", 1, -1, false, 0, true);
        QCOMPARE(readersToTransfer(test::ProjectFixture::workCopyName()), std::optional<int>(2));
        QCOMPARE(readersToTransfer(QString()), std::optional<int>(0));
        QCOMPARE(readersToTransfer("~hlvfehlt.tmp"), std::optional<int>());
        p.home().writeFile("projekte/~hlvkaputt.tmp", "no database at all");
        QCOMPARE(readersToTransfer("~hlvkaputt.tmp"), std::optional<int>());
    }
};

QTEST_GUILESS_MAIN(TestReadersToTransfer)
#include "tst_readerstotransfer.moc"
