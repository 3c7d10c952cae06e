#include "core/shell/Scramble.h"

#include <QTest>

using namespace varnox;

class TestScramble : public QObject {
    Q_OBJECT

private slots:
    void roundTripOverEveryCode()
    {
        const QString key = programKeyText();
        QCOMPARE(key.size(), 17);
        // Each code at every key position, so every key character meets every code.
        for (int offset = 0; offset < key.size(); ++offset) {
            QString text(offset, QLatin1Char('x'));
            for (int c = 1; c < 256; ++c)
                text += fromAnsiCode(c);
            const QString scrambled = Scramble(text, key);
            QCOMPARE(scrambled.size(), text.size());
            QCOMPARE(Unscramble(scrambled, key), text);
        }
    }

    void sumOf256GivesCodeOne()
    {
        // 'B' (66) + 190 = 256, which wraps to 1 (minus 255, not 256).
        const QString text(1, fromAnsiCode(190));
        const QString scrambled = Scramble(text, programKeyText());
        QCOMPARE(ansiCode(scrambled[0]), 1);
        QCOMPARE(Unscramble(scrambled, programKeyText()), text);
    }

    void knownValues()
    {
        // 'a' (97) + 'B' (66) = 163; 'b' (98) + 'r' (114) = 212; 'ü' is 252 in the key.
        QCOMPARE(Scramble("ab", programKeyText()), QString(QChar(163)) + QChar(212));
        QCOMPARE(ansiCode(programKeyText()[2]), 252);
        QCOMPARE(ansiCode(QChar(0x20AC)), 0x80);  // the euro sign has its code-page code
        QCOMPARE(ansiCode(QChar(0x3A9)), int('?'));  // not in the code page
        QCOMPARE(Scramble(QString(), programKeyText()), QString());
    }
};

QTEST_GUILESS_MAIN(TestScramble)
#include "tst_scramble.moc"
