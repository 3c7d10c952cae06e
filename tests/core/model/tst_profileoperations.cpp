// Profiles: create, rename and delete with their messages, and that a profile
// named by keys or assignments keeps its name and its row.
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/model/ProfileOperations.h"

#include <QTest>

using namespace varnox;

namespace {

QStringList profiles(const QString& path)
{
    QStringList names;
    if (!readProfileNames(path, names))
        qFatal("cannot read the profiles");
    return names;
}

const QString kInUse = QStringLiteral("Das ausgewählte Zutrittsprofil ist mindestens einmal in Benutzung!\r\n"
                                      "Deshalb kann es nicht gelöscht werden.\r\n"
                                      "Falls Sie das Profil löschen wollen, müssen Sie zuvor\r\n"
                                      "sämtliche Verknüpfungen mit dem Profil im Register \"Leserzuordnung\" löschen.");
const QString kLinked = QStringLiteral("Es ist im Augenblick nicht möglich den Eintrag zu ändern,\r\n"
                                       "weil das Zutrittsprofil mit mindestens einem Schlüssel verknüpft ist.\r\n\r\n"
                                       "Möchten Sie die Änderung durchführen, müssen sie zuvor\r\n"
                                       "die Verknüpfung(en) löschen.");

}  // namespace

class TestProfileOperations : public QObject {
    Q_OBJECT

private slots:
    void createRenameDeleteAndTheirMessages()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        QCOMPARE(createProfile(path, QString()).message(),
                 test::message("Geben Sie dem Zutrittsprofil eine Bezeichnung!", "Bezeichnung fehlt", MessageIcon::Exclamation,
                               "TxtZutr1Bez"));
        QVERIFY(createProfile(path, "Büro"));
        QVERIFY(createProfile(path, "Lager"));
        const Message duplicate = createProfile(path, "BÜRO").message();
        QCOMPARE(duplicate.text, "Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!\r\n"
                                 "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte.\r\n"
                                 "Das Programm lässt zwei Datensätze mit der gleichen Bezeichnung in einer Anlage nicht zu.");
        QVERIFY(duplicate.focus == "TxtZutr1Bez" && duplicate.selectAll);

        QCOMPARE(renameProfile(path, "Büro", QString()).message().text, "Geben Sie dem Zutrittsprofil eine Bezeichnung!");
        QCOMPARE(renameProfile(path, QString(), "X").message().text, "Das zu ändernde Zutrittsprofil wurde nicht gefunden!");
        QVERIFY(renameProfile(path, "Büro", "lager").message().text.endsWith(
            "\r\nDas Programm lässt zwei Profile mit der gleichen Bezeichnung in einer Anlage nicht zu."));
        QVERIFY(renameProfile(path, "büro", "Verwaltung"));
        QCOMPARE(profiles(path), (QStringList{"Verwaltung", "Lager"}));

        QCOMPARE(deleteProfile(path, "Büro").message().text, "Das zu löschende Zutrittsprofil wurde nicht gefunden!");
        QVERIFY(deleteProfile(path, "LAGER"));
        QCOMPARE(profiles(path), QStringList{"Verwaltung"});
    }

    void profileInUseKeepsNameAndRow_data()
    {
        QTest::addColumn<bool>("withKeys");
        QTest::addColumn<bool>("withAssignment");
        QTest::newRow("keys") << true << false;
        QTest::newRow("assignment") << false << true;
        QTest::newRow("both") << true << true;
    }

    void profileInUseKeepsNameAndRow()
    {
        QFETCH(bool, withKeys);
        QFETCH(bool, withAssignment);
        test::ProjectFixture p;
        const QString path = p.path();
        p.addProfile("Büro");
        if (withKeys)
            p.addKeys("büro", 2);
        if (withAssignment)
            p.addAssignment("BÜRO", "100");
        const Outcome rename = renameProfile(path, QStringLiteral("Büro"), QStringLiteral("Verwaltung"));
        QCOMPARE(rename.message().text, kLinked);
        QCOMPARE(rename.message().title, QStringLiteral("Datenbankfehler"));
        QCOMPARE(rename.message().icon, MessageIcon::Critical);
        const Outcome del = deleteProfile(path, QStringLiteral("Büro"));
        QCOMPARE(del.message().text, kInUse);
        QCOMPARE(profiles(path), QStringList{"Büro"});
        // Giving it its own name again changes nothing and is no rename.
        QVERIFY(renameProfile(path, QStringLiteral("Büro"), QStringLiteral("Büro")));
    }

    void testProfilesAllOrNone()
    {
        test::ProjectFixture p;
        const QString path = p.path();
        QVERIFY(createTestProfiles(path, 3));
        QCOMPARE(profiles(path), (QStringList{"Zutrittsprofil 000001", "Zutrittsprofil 000002", "Zutrittsprofil 000003"}));
        // A second run meets the first profile again and writes none of the five.
        QVERIFY(!createTestProfiles(path, 5));
        QCOMPARE(profiles(path).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestProfileOperations)
#include "tst_profileoperations.moc"
