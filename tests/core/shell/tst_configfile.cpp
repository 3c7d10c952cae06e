#include "DiskFull.h"
#include "TempHome.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/Scramble.h"
#include "core/shell/StartupRepair.h"

#include <QTest>

using namespace varnox;

class TestConfigFile : public QObject {
    Q_OBJECT

private slots:
    void missingEntriesReadEmpty()
    {
        test::TempHome home;
        ConfigFile config(home.file("VARNOXCF.INI"));
        QCOMPARE(config.readValue("Config", "Recording"), QString());
        home.writeFile("VARNOXCF.INI", "[Config]\nEncrypt=1\n");
        QCOMPARE(config.readValue("Config", "Recording"), QString());
        QCOMPARE(config.readValue("Berechtigungen", "1LEVEL"), QString());
        QCOMPARE(config.readValue("config", "ENCRYPT"), QString("1"));
    }

    // Lines the program does not change keep every byte: their line breaks,
    // text another tool wrote in Latin-1, a file of any length. New lines
    // follow the file's line breaks.
    void writeKeepsOtherLinesByteForByte()
    {
        test::TempHome home;
        const QByteArray head = "; Ger\xe4te von M\xfcller\r\n[Config]\r\nrecording = 255\r\n\r\n[Ports]\r\n"
                                "COM1=/dev/serial/by-id/usb-B\xfcro-if00\r\n";
        const QByteArray tail = "[Fremd]\nLang=" + QByteArray(5 * 1024 * 1024, 'y') + "\n; kein Zeilenende";
        home.writeFile("VARNOXCF.INI", head + tail);
        ConfigFile config(home.file("VARNOXCF.INI"));
        QVERIFY(config.writeValue("Config", "Encrypt", "0"));
        QVERIFY(config.writeValue("Config", "Recording", "0"));
        QVERIFY(config.writeValue("Berechtigungen", "2LEVEL", "x"));
        QCOMPARE(home.readFile("VARNOXCF.INI"),
                 QByteArray("; Ger\xe4te von M\xfcller\r\n[Config]\r\nrecording =0\r\nEncrypt=0\r\n\r\n[Ports]\r\n"
                            "COM1=/dev/serial/by-id/usb-B\xfcro-if00\r\n")
                     + tail + "\r\n\r\n[Berechtigungen]\r\n2LEVEL=x\r\n");
        QCOMPARE(config.readValue("Config", "Recording"), QString("0"));
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"VARNOXCF.INI"});
    }

    // A write that fails half-way (a full disk) leaves the file as it was,
    // and no file where there was none.
    void failedWriteKeepsTheFile()
    {
        test::TempHome home;
        const QByteArray before = "[Config]\nRecording=255\n; " + QByteArray(20000, 'k') + "\n";
        home.writeFile("VARNOXCF.INI", before);
        ConfigFile config(home.file("VARNOXCF.INI"));
        ConfigFile fresh(home.file("NEU.INI"));
        {
            test::DiskFull full(4096);
            QVERIFY(!config.writeValue("Config", "Encrypt", "1"));
            QVERIFY(!fresh.writeValue("Config", "Encrypt", QString(5000, QLatin1Char('e'))));
        }
        QCOMPARE(home.readFile("VARNOXCF.INI"), before);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"VARNOXCF.INI"});
    }

    void everyValueSurvivesTheFile_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "Leser Haupteingang";
        QTest::newRow("specials") << "a=b;c[d]#e\\f";
        QTest::newRow("line breaks") << "one\r\ntwo\nthree\r";
        QTest::newRow("blanks at the ends") << "  padded\t";
        QTest::newRow("quotes") << "\"quoted\"";
        QTest::newRow("windows path") << "C:\\temp\\new";
        QString controls;
        for (int c = 1; c < 256; ++c)
            controls += fromAnsiCode(c);
        QTest::newRow("every code 1..255") << controls;
        QTest::newRow("scrambled password") << Scramble(QString::fromUtf8("ÿ~\x7F geheim=;[x]\n"), programKeyText());
    }

    void everyValueSurvivesTheFile()
    {
        QFETCH(QString, value);
        test::TempHome home;
        ConfigFile config(home.file("VARNOXCF.INI"));
        QVERIFY(config.writeValue("Berechtigungen", "3LEVEL", value));
        QVERIFY(config.writeValue("Berechtigungen", "1LEVEL", "after"));
        QCOMPARE(config.readValue("Berechtigungen", "3LEVEL"), value);
        QCOMPARE(config.readValue("Berechtigungen", "1LEVEL"), QString("after"));
        QVERIFY(!home.readFile("VARNOXCF.INI").contains('\r'));
    }

    void garbageAndDirectoriesDoNotHurt()
    {
        test::TempHome home;
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919) % 256);
        home.writeFile("VARNOXCF.INI", garbage + "\n[Config]\nRecording=255\n" + garbage);
        ConfigFile config(home.file("VARNOXCF.INI"));
        QCOMPARE(config.readValue("Config", "Recording"), QString("255"));
        QVERIFY(config.writeValue("Config", "Encrypt", "1"));
        QCOMPARE(config.readValue("Config", "Encrypt"), QString("1"));

        QDir(home.path()).mkdir("folder.ini");
        ConfigFile folder(home.file("folder.ini"));
        QCOMPARE(folder.readValue("Config", "Recording"), QString());
        QVERIFY(!folder.writeValue("Config", "Recording", "0"));
    }

    void lenientNumbers()
    {
        for (const auto& [text, number] :
            { std::pair { "", 0LL }, { "255", 255LL }, { " 12abc", 12LL }, { "abc", 0LL }, { "-3", -3LL } })
            QCOMPARE(lenientNumber(text), number);
        QCOMPARE(lenientNumber("99999999999999999999999"), lenientNumber("99999999999999"));
    }

    void startupRepair_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("recording");
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("storedRecording");
        QTest::addColumn<QString>("storedEncrypt");
        QTest::newRow("empty file") << QByteArray() << 0 << true << "0" << "1";
        QTest::newRow("valid") << QByteArray("[Config]\nRecording=255\nEncrypt=0\n") << 255 << false << "255" << "0";
        QTest::newRow("repaired") << QByteArray("[Config]\nRecording=1\nEncrypt=2\n") << 0 << true << "0" << "1";
        QTest::newRow("leading digits") << QByteArray("[Config]\nRecording=255x\nEncrypt=0 \n") << 255 << false << "255x" << "0";
        QTest::newRow("words count as 0") << QByteArray("[Config]\nRecording=on\nEncrypt=yes\n") << 0 << false << "on" << "yes";
        QTest::newRow("a folder in its place: repaired, unstored") << QByteArray("folder") << 0 << true << "" << "";
    }

    void startupRepair()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, recording);
        QFETCH(bool, encrypt);
        test::TempHome home;
        if (file == "folder")
            QDir(home.path()).mkdir("VARNOXCF.INI");
        else
            home.writeFile("VARNOXCF.INI", file);
        ConfigFile config(home.file("VARNOXCF.INI"));
        const ProtocolSwitches s = StartupRepair(config);
        QCOMPARE(int(s.recording), recording);
        QCOMPARE(s.encrypt, encrypt);
        QTEST(config.readValue("Config", "Recording"), "storedRecording");
        QTEST(config.readValue("Config", "Encrypt"), "storedEncrypt");
    }

    // Passwords of older releases: every code at every key position comes
    // back, and a sum of 256 wraps to code 1 (minus 255, not 256).
    void scrambleRoundTripOverEveryCode()
    {
        const QString key = programKeyText();
        for (int offset = 0; offset < key.size(); ++offset) {
            QString text(offset, QLatin1Char('x'));
            for (int c = 1; c < 256; ++c)
                text += fromAnsiCode(c);
            const QString scrambled = Scramble(text, key);
            QCOMPARE(scrambled.size(), text.size());
            QCOMPARE(Unscramble(scrambled, key), text);
        }
        const QString wraps(1, fromAnsiCode(190));  // 'B' (66) + 190 = 256
        QCOMPARE(ansiCode(Scramble(wraps, key)[0]), 1);
        QCOMPARE(Unscramble(Scramble(wraps, key), key), wraps);
    }

    // What older files hold: 'a' (97) + 'B' (66) = 163; 'b' (98) + 'r' (114) = 212.
    void scrambleKnownValues()
    {
        QCOMPARE(Scramble("ab", programKeyText()), QString(QChar(163)) + QChar(212));
        QCOMPARE(ansiCode(QChar(0x20AC)), 0x80);  // the euro sign has its code-page code
        QCOMPARE(ansiCode(QChar(0x3A9)), int('?'));  // not in the code page
        QCOMPARE(Scramble(QString(), programKeyText()), QString());
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
