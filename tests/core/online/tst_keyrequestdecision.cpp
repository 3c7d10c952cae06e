// A key request from the protocol list to its decision: which lines pair,
// what the pair says, and whether the key may pass, with the texts that say so.
#include "ProjectFixture.h"
#include "core/bus/ProtocolList.h"
#include "core/lang/Texts.h"
#include "core/online/AccessDecision.h"
#include "core/online/KeyRequestPairing.h"

#include <QTest>

using namespace varnox;

namespace {

// "A1 $A00A5566 @12:00:05" is the line "12:00:05 A01: $A00A5566".
QString line(const QString& shorthand)
{
    const QStringList p = shorthand.split(QLatin1Char(' '));
    const QString time = p.size() > 2 ? p[2].mid(1) : QStringLiteral("12:00:05");
    return time + QLatin1Char(' ') + p[0][0] + QStringLiteral("%1").arg(p[0].mid(1).toInt(), 2, 10, QLatin1Char('0'))
        + QStringLiteral(": ") + p[1];
}

const QDate kMonday(2026, 12, 7);

// The installation the decisions are made in: the central reader
// "Haupteingang" at AS 10 of line 1; keys of "Anna" (always), "Ben" (office
// hours), "Cleo" (a fixed period in December), "Dora" (no profile), "Emil"
// (a profile without this reader), "Fritz" (a zone that is gone) and "Gerd"
// (an assignment whose function cannot be read).
void fill(const test::ProjectFixture& p)
{
    p.addReader("Haupteingang", "1001", 1, 10);
    p.addFunction("Tür", 0, "110A", 1);
    p.exec("INSERT INTO Zeitzonen (Tname, MoSzeit1, MoEzeit1, MoSzeit2, MoEzeit2) "
           "VALUES ('Büro', '08:00:00', '17:00:00', '18:00:00', '00:00:00')");
    const QList<std::tuple<const char*, const char*, const char*, const char*>> keys = {
        { "443322116655", "Anna", "Immer", "IMMER" },
        { "000000000002", "Ben", "Büro", "Büro" },
        { "000000000003", "Cleo", "Fest", "Büro" },
        { "000000000004", "Dora", nullptr, nullptr },
        { "000000000005", "Emil", "Leer", nullptr },
        { "000000000006", "Fritz", "Weg", "Gelöscht" },
        { "000000000007", "Gerd", "Defekt", "IMMER" },
    };
    for (const auto& [number, name, profile, zone] : keys) {
        p.exec("INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) VALUES (?, ?, 0)", number, name);
        if (!profile)
            continue;
        p.exec("INSERT INTO Zuschluessel (Schluessel, Profil) VALUES (?, ?)", number, profile);
        if (zone)
            p.addAssignment(profile, "1001", zone, "Tür");
    }
    p.exec("UPDATE Schluessel SET AbsoluteZeit = 1, Startzeit = '2026-12-01T08:00:00', Endzeit = '2026-12-24T12:00:00' "
           "WHERE Sname = 'Cleo'");
    p.exec("UPDATE Zuleser SET ZFunktion = NULL WHERE Profil = 'Defekt'");
}

} // namespace

class TestKeyRequestDecision : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTexts(); }

    void pairing_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("qIndex"); // -1: no pair
        QTest::addColumn<QList<int>>("texts");
        QTest::addColumn<QStringList>("left");
        const QString a = "A1 $A00A5566", q = "Q1 %11223344";
        const QTime now(12, 0, 8);
        QTest::newRow("one line") << QStringList { a } << now << -1 << QList<int> { 926 } << QStringList { a };
        QTest::newRow("4 s old") << QStringList { "A1 $A00A5566 @12:00:04", q } << now << -1 << QList<int> { 927 }
                                 << QStringList { q };
        QTest::newRow("3 s old stays") << QStringList { "A1 $A00A5566 @12:00:05", q } << now << 1 << QList<int> {}
                                       << QStringList { "A1 $A00A5566 @12:00:05", q };
        QTest::newRow("across midnight: 2 s") << QStringList { "A1 $A00A5566 @23:59:59", q } << QTime(0, 0, 1) << 1
                                              << QList<int> {} << QStringList { "A1 $A00A5566 @23:59:59", q };
        QTest::newRow("Q first") << QStringList { q, a } << now << -1 << QList<int> { 931 } << QStringList { a };
        QTest::newRow("A without A0") << QStringList { "A1 $B00A5566", q } << now << -1 << QList<int> { 931 }
                                      << QStringList { q };
        QTest::newRow("wrong A part on the way") << QStringList { a, "A1 &120A5566", "A2 $A0010101", q } << now << 2
                                                 << QList<int> { 933 } << QStringList { a, "A2 $A0010101", q };
        QTest::newRow("wrong A part at the end") << QStringList { a, "A2 $A0010101", "A1 &120A5566" } << now << -1
                                                 << QList<int> { 933, 932 } << QStringList { a, "A2 $A0010101" };
        QTest::newRow("second proper A part") << QStringList { a, "A1 $A00B7788", q } << now << -1 << QList<int> { 934 }
                                              << QStringList { "A1 $A00B7788", q };
        QTest::newRow("alone on its line")
            << QStringList { "A2 $A00A5566", "A3 $A00A5566", "Q3 %11223344" } << now << -1 << QList<int> { 935 }
            << QStringList { "A3 $A00A5566", "Q3 %11223344" };
    }

    void pairing()
    {
        QFETCH(QStringList, lines);
        QFETCH(QTime, now);
        QFETCH(int, qIndex);
        QFETCH(QList<int>, texts);
        ProtocolList list;
        for (const QString& l : lines)
            list.append(line(l));
        QStringList written;
        const Pairing p = pairKeyRequest(list, QDateTime(kMonday, now), [&written](const QString& t) { written << t; });
        QCOMPARE(p.outcome == Pairing::Outcome::Paired ? p.qIndex : -1, qIndex);
        QCOMPARE(written.size(), texts.size());
        for (int i = 0; i < texts.size(); ++i)
            QVERIFY2(written[i] == GetText(texts[i], ""), qPrintable(written[i]));
        QFETCH(QStringList, left);
        for (QString& l : left)
            l = line(l);
        QCOMPARE(list.lines(), left);
    }

    // The key number is the four data bytes of the "Q" telegram in reverse
    // order, then the last and the middle byte of the "A" data.
    void derivation()
    {
        const QDateTime now(kMonday, QTime(12, 0, 8, 765));
        KeyRequest r = KeyRequest::derive(
            ReceivedLine::parse(line("A3 $A00A5566")), ReceivedLine::parse(line("Q3 %11223344")), now);
        QCOMPARE(r.keyNumber, QString("443322116655"));
        QCOMPARE(r.asAddress, 10);
        QCOMPARE(r.busLine, 3);
        QCOMPARE(r.moment, QDateTime(kMonday, QTime(12, 0, 8)));
        r = KeyRequest::derive(
            ReceivedLine::parse(line("A3 $A0'(5566")), ReceivedLine::parse(line("Q3 %11223344")), now);
        QCOMPARE(r.asAddress, -1);
        QCOMPARE(r.addressText, QString("'("));
    }

    void decision_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("address");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("protocol"); // empty: granted
        QTest::addColumn<QString>("monitor");
        QTest::addColumn<QColor>("colour");
        const QDateTime monday(kMonday, QTime(12, 0, 0));
        const QColor red = kRefusedColour;
        QTest::newRow("unknown key, known reader")
            << "0000000000FF" << 10 << monday
            << "Schlüsselnr.: 0000000000FF - unbekannter Schlüssel am Leser Haupteingang"
            << "unbekannter Schlüssel am Leser HAUPTEINGANG" << red;
        QTest::newRow("unknown key, unknown reader")
            << "''; DROP --'" << 11 << monday
            << "Schlüsselnr.: ''; DROP --' - unbekannter Schlüssel am unbekannten Leser (HLV:Bus 1, AS 11)"
            << "unbekannter Schlüssel am unbekannten Leser (HLV:Bus 1, AS 11)" << red;
        QTest::newRow("no profile") << "000000000004" << 10 << monday
                                    << "Schlüsselbezeichnung: Dora - Anfrage am Leser Haupteingang"
                                    << "Anfrage am Leser HAUPTEINGANG" << red;
        QTest::newRow("unknown reader")
            << "443322116655" << 12 << monday
            << "Schlüsselbezeichnung: Anna - Anfrage am unbekannten Leser (HLV:Bus 1, AS 12)"
            << "Anfrage am unbekannten Leser (HLV:Bus 1, AS 12)" << red;
        QTest::newRow("no assignment") << "000000000005" << 10 << monday
                                       << "Schlüsselbezeichnung: Emil - Anfrage am Leser HAUPTEINGANG"
                                       << "Anfrage am Leser HAUPTEINGANG" << red;
        QTest::newRow("assignment unreadable")
            << "000000000007" << 10 << monday
            << "Schlüsselbezeichnung: Gerd - Anfrage am unbekannten Leser (HLV:Bus 1, AS 10)"
            << "Anfrage am unbekannten Leser (HLV:Bus 1, AS 10)" << kUnreadableColour;
        QTest::newRow("always") << "443322116655" << 10 << QDateTime(kMonday, QTime(3, 0)) << ""
                                << "" << red;
        QTest::newRow("fixed period, before")
            << "000000000003" << 10 << QDateTime(QDate(2026, 12, 1), QTime(7, 59, 59))
            << "Schlüsselbezeichnung: Cleo - CLEO an Leser HAUPTEINGANG - ausserhalb des festen Zeitraums"
            << "CLEO an Leser HAUPTEINGANG - ausserhalb des festen Zeitraums" << red;
        QTest::newRow("fixed period, inside, outside its zone")
            << "000000000003" << 10 << QDateTime(kMonday, QTime(3, 0)) << ""
            << "" << red;
        QTest::newRow("fixed period, at its end")
            << "000000000003" << 10 << QDateTime(QDate(2026, 12, 24), QTime(12, 0))
            << "Schlüsselbezeichnung: Cleo - CLEO an Leser HAUPTEINGANG - ausserhalb des festen Zeitraums"
            << "CLEO an Leser HAUPTEINGANG - ausserhalb des festen Zeitraums" << red;
        QTest::newRow("zone gone") << "000000000006" << 10 << monday
                                   << "Schlüsselbezeichnung: Fritz - FRITZ an Leser HAUPTEINGANG"
                                   << "FRITZ an Leser HAUPTEINGANG" << red;
        QTest::newRow("inside a period") << "000000000002" << 10 << QDateTime(kMonday, QTime(8, 0)) << ""
                                         << "" << red;
        QTest::newRow("period to midnight") << "000000000002" << 10 << QDateTime(kMonday, QTime(23, 59, 59)) << ""
                                            << "" << red;
        QTest::newRow("at a period's end")
            << "000000000002" << 10 << QDateTime(kMonday, QTime(17, 0))
            << "Schlüsselbezeichnung: Ben - Anfrage am Leser HAUPTEINGANG - ausserhalb der erlaubten Zeit"
            << "Anfrage am Leser HAUPTEINGANG - ausserhalb der erlaubten Zeit" << red;
        QTest::newRow("another weekday")
            << "000000000002" << 10 << QDateTime(kMonday.addDays(1), QTime(9, 0))
            << "Schlüsselbezeichnung: Ben - Anfrage am Leser HAUPTEINGANG - ausserhalb der erlaubten Zeit"
            << "Anfrage am Leser HAUPTEINGANG - ausserhalb der erlaubten Zeit" << red;
    }

    void decision()
    {
        QFETCH(QString, key);
        QFETCH(int, address);
        QFETCH(QDateTime, moment);
        QFETCH(QString, protocol);
        test::ProjectFixture p;
        fill(p);
        Database db(p.path(), Database::Access::ReadOnly);
        const AccessDecision d = decideAccess(db, KeyRequest { key, address, QString::number(address), 1, moment });
        QCOMPARE(d.granted, protocol.isEmpty());
        if (d.granted) {
            QCOMPARE(d.protocolText, "Schlüsselbezeichnung: " + d.keyName);
            QCOMPARE(d.function, QString("Tür"));
            return;
        }
        QCOMPARE(d.protocolText, protocol);
        QTEST(d.monitorText, "monitor");
        QTEST(d.colour, "colour");
        QCOMPARE(d.monitorKey, d.keyName.isEmpty() ? key : d.keyName);
    }
};

QTEST_GUILESS_MAIN(TestKeyRequestDecision)
#include "tst_keyrequestdecision.moc"
