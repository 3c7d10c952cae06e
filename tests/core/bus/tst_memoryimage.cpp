// The images readers receive, as golden bytes: the configuration block of
// each kind of reader, key images of 0, 1 and 250 keys, a key reached
// through two profiles, and the images the preparation refuses to build.
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/bus/transfer/TransferPreparation.h"
#include "core/bus/transfer/TransferTexts.h"
#include "core/lang/Texts.h"

using namespace varnox;

namespace {

const QString kSerial = QStringLiteral("4711");

QByteArray hex(const char* digits)
{
    return QByteArray::fromHex(digits);
}

struct Project : test::ProjectFixture {
    Project()
    {
        assignComPort(2, 5);
        addProfile(QStringLiteral("P"));
    }

    // The reader "Tor" on line 2 at AS 5, relay time 3, all switches on.
    void reader(int type, bool central, int function = 1)
    {
        addReader(QStringLiteral("Tor"), kSerial, 2, 5, central, 0, true, function);
        exec("UPDATE Leser SET Typ = ?", type);
        linkToProfile(kSerial);
    }

    void key(const QString& number, const QString& profile = QStringLiteral("P"))
    {
        exec("INSERT OR IGNORE INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES (?, ?, 0)", number, number);
        exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, ?)", number, profile);
    }

    TransferPreparation prepare() const { return prepareTransfer(path(), kSerial, QStringLiteral("Tor")); }

    MemoryImage image() const
    {
        const TransferPreparation p = prepare();
        if (!p.job)
            qFatal("no image: %s", qPrintable(p.messages.value(0).text));
        return p.job->image;
    }
};

} // namespace

class TestMemoryImage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void configurationBlocks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("central");
        QTest::addColumn<int>("rsz");
        QTest::addColumn<bool>("switches");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("Mifare") << 1 << true << 3 << true << hex("000503C600E180C7");
        QTest::newRow("EM central") << 0 << true << 3 << true << hex("000503FF02E18000");
        QTest::newRow("EM decentral, RSZ x 8") << 0 << false << 3 << true << hex("000518FF02E10000");
        QTest::newRow("switches off") << 0 << true << 3 << false << hex("000503FF02408000");
        QTest::newRow("Mifare, switches off") << 1 << true << 0 << false << hex("000500C6004080C7");
        QTest::newRow("decentral 32 s: the longest it holds, not 0")
            << 0 << false << 32 << true << hex("0005FFFF02E10000");
    }

    void configurationBlocks()
    {
        QFETCH(int, type);
        QFETCH(bool, central);
        QFETCH(int, rsz);
        QFETCH(bool, switches);
        QFETCH(QByteArray, block);
        Project project;
        project.reader(type, central);
        project.exec("UPDATE Leser SET RSZ = ?, ProgSp = ?, TOE = ?, Akustik = ?", rsz, int(switches), int(switches),
            int(switches));
        const MemoryImage image = project.image();
        QCOMPARE(image.bytes().left(8), block);
        QCOMPARE(image.isKeyImage(), !central);
        if (central) {
            QCOMPARE(image.end(), 8);
            QCOMPARE(image.bytes().mid(8), QByteArray(2040, char(0xFF)));
        }
    }

    void keyImageWithoutKeysEndsWithItsEmptyRecord()
    {
        Project project;
        project.reader(0, false);
        const MemoryImage image = project.image();
        QCOMPARE(image.bytes().left(32), hex("000518FF02E10000") + QByteArray(24, '\0'));
        QCOMPARE(image.bytes().mid(32), QByteArray(2016, char(0xFF)));
        QCOMPARE(image.recordCount(), 4);
        QCOMPARE(image.end(), 40); // the empty record is written too
    }

    void recordsHoldTheKeyLeastSignificantByteFirst()
    {
        Project project;
        project.reader(0, false, 2);
        project.key(QStringLiteral("0A1B2C3D4E5F"));
        project.key(QStringLiteral("abc")); // an old file's short, small-letter number
        const MemoryImage image = project.image();
        QCOMPARE(image.bytes().mid(32, 24),
            hex("415F4E3D2C1B0AFF"
                "41BC0A00000000FF"
                "FFFFFFFFFFFFFFFF"));
        QCOMPARE(image.recordCount(), 6);
        QCOMPARE(image.end(), 56);
    }

    void twoHundredFiftyKeys()
    {
        Project project;
        project.reader(0, false);
        project.addKeys(QStringLiteral("P"), 250);
        const MemoryImage image = project.image();
        QCOMPARE(image.recordCount(), 254);
        QCOMPARE(image.bytes().mid(32, 8), hex("40000000000000FF")); // key 000000000000
        QCOMPARE(image.bytes().mid(832, 8), hex("40000100000000FF")); // key 000000000100
        QCOMPARE(image.bytes().mid(2024, 8), hex("40490200000000FF")); // key 000000000249
        QCOMPARE(image.bytes().mid(2032), QByteArray(16, char(0xFF)));
        QCOMPARE(image.end(), 2040);
    }

    // Older files may link a key to two profiles; the reader then holds it twice.
    void keyThroughTwoProfilesGivesTwoRecords()
    {
        Project project;
        project.exec("DROP INDEX ZuschluesselIndex");
        project.addProfile(QStringLiteral("Q"));
        project.reader(0, false);
        project.addAssignment(QStringLiteral("Q"), kSerial);
        project.key(QStringLiteral("000000001234"));
        project.key(QStringLiteral("000000001234"), QStringLiteral("Q"));
        const MemoryImage image = project.image();
        QCOMPARE(image.bytes().mid(32, 24),
            hex("40341200000000FF"
                "40341200000000FF"
                "FFFFFFFFFFFFFFFF"));
    }

    void recordsThatFillTheMemoryNeedNoEmptyRecord()
    {
        Project project;
        project.reader(0, false);
        project.addKeys(QStringLiteral("P"), MemoryImage::kMaxRecords);
        const MemoryImage image = project.image();
        QCOMPARE(image.end(), 2048);
        QCOMPARE(image.bytes().right(8), hex("40510200000000FF")); // key 000000000251
    }

    void refusals_data()
    {
        const QList<Message> prepared = { TransferTexts::preparationFailedMessage() };
        const QString preparation = "Datenübertragung abgebrochen - Fehler in der Vorbereitung";
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("central");
        QTest::addColumn<int>("function");
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("com");
        QTest::addColumn<QList<Message>>("messages");
        QTest::addColumn<QString>("written");
        QTest::newRow("too many records")
            << 0 << false << 1 << 253 << 5 << QList { TransferTexts::tooManyRecords("Tor", 253) } + prepared
            << preparation;
        QTest::newRow("wrong function") << 0 << false << 0 << 1 << 5
                                        << QList { TransferTexts::wrongFunction() } + prepared << preparation;
        QTest::newRow("decentral Mifare")
            << 1 << false << 1 << 0 << 5 << QList { TransferTexts::decentralMifare() } + prepared << preparation;
        QTest::newRow("unknown type") << 2 << true << 0 << 0 << 5 << QList { TransferTexts::unknownType() }
                                      << "Datenübertragung für Tor abgebrochen - Der aus der Datenbank ausgelesene "
                                         "Typ des Lesers ist unbekannt!";
        QTest::newRow("no COM port") << 0 << true << 0 << 0 << 0 << QList { TransferTexts::noComPort() }
                                     << "Datenübertragung für Tor abgebrochen - Dem HLV:BUS-Strang des Lesers ist "
                                        "keine COM-Schnittstelle zugeordnet!";
    }

    // Nothing is built: the reasons to show and the protocol line.
    void refusals()
    {
        QFETCH(int, type);
        QFETCH(bool, central);
        QFETCH(int, function);
        QFETCH(int, keys);
        QFETCH(int, com);
        QFETCH(QList<Message>, messages);
        QFETCH(QString, written);
        Project project;
        project.reader(type, central, function);
        project.assignComPort(2, com);
        if (keys > 0)
            project.addKeys(QStringLiteral("P"), keys);
        const TransferPreparation p = project.prepare();
        QVERIFY(!p.job);
        QCOMPARE(p.messages, messages);
        QCOMPARE(p.protocolText, written);
    }

    // An older file may hold a number that is not hexadecimal: no garbage is sent.
    void keyNumberThatIsNotHexadecimalIsRefused()
    {
        Project project;
        project.reader(0, false);
        project.key(QStringLiteral("00000000ABCX"));
        const TransferPreparation p = project.prepare();
        QVERIFY(!p.job);
        QCOMPARE(
            p.messages.value(0).text, QString("Die Schlüsselnummer 00000000ABCX ist keine gültige Schlüsselnummer."));
    }

    void overflowMessageNamesTheReader()
    {
        QCOMPARE(TransferTexts::tooManyRecords("Tor", 253),
            test::message(
                "Die Schlüsselliste des Lesers Tor passt nicht in seinen Speicher (253 Einträge, höchstens 252).",
                "Fehler", MessageIcon::Critical));
    }
};

QTEST_GUILESS_MAIN(TestMemoryImage)
#include "tst_memoryimage.moc"
