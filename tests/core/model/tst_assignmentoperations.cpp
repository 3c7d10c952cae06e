// Profiles: create, rename and delete with their messages, and a profile
// named by keys or assignments keeps its name and its row. Assigning readers
// to profiles: the key count of the reader follows the keys of the profile,
// decentral readers are marked for transfer and always open with their own
// function, and a refused operation changes nothing.
#include "MessageCompare.h"
#include "ProjectFixture.h"
#include "core/model/AssignmentOperations.h"
#include "core/model/ProfileOperations.h"


using namespace varnox;

namespace {

struct Project : test::ProjectFixture {
    const QString path = ProjectFixture::path();

    Project()
    {
        addProfile("Büro");
        addProfile("Leer");
        addKeys("Büro", 12);
        addFunction("Tür auf");
        addReader("Eingang", "100", 1, -1, true, 5);
        addReader("Lager", "200", 1, -1, false, 7, false, 2);
    }
    int assignments() const { return intValue("SELECT count(*) FROM Zuleser"); }
};

Assignment central(const char* profile, const char* zone = "IMMER", const char* function = "Tür auf")
{
    return Assignment{profile, "100", zone, function};
}

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

class TestAssignmentOperations : public QObject {
    Q_OBJECT

private slots:
    void assigningAndRemovingFollowTheProfilesKeys()
    {
        Project p;
        QVERIFY(assignReader(p.path, central("Büro")));
        QCOMPARE(p.counted("100"), QStringLiteral("17/0")); // a central reader holds no keys of its own
        QVERIFY(assignReader(p.path, central("Leer")));
        QCOMPARE(p.keyCount("100"), 17);

        QVERIFY(removeAssignment(p.path, QStringLiteral("büro"), QStringLiteral("100")));
        QCOMPARE(p.keyCount("100"), 5);
        QVERIFY(removeAssignment(p.path, QStringLiteral("Leer"), QStringLiteral("100")));
        QCOMPARE(p.keyCount("100"), 5);
        QCOMPARE(p.assignments(), 0);
    }

    void decentralReaderOpensAlwaysWithItsOwnFunction()
    {
        Project p;
        QVERIFY(assignReader(p.path, Assignment{"Leer", "200", "Tag", "Tür auf"}));
        QCOMPARE(p.counted("200"), QStringLiteral("7/1"));
        QCOMPARE(p.value("SELECT Zeitzone || '/' || ifnull(ZFunktion, '<null>') FROM Zuleser WHERE Leser = '200'"),
            "IMMER/<null>");
        QVERIFY(assignReader(p.path, Assignment{"Büro", "200", "", ""}));
        QCOMPARE(p.keyCount("200"), 19);

        p.exec("UPDATE Leser SET Modify = 0");
        const Outcome change = changeAssignment(p.path, Assignment{"Büro", "200", "IMMER", "Tür auf"});
        QCOMPARE(change.message().text, QStringLiteral("Der von Ihnen ausgewählte Leser arbeitet im dezentralen Modus.\r\n"
                                                       "Er kann deshalb nicht auf dieser Registerseite verändert werden.\r\n"
                                                       "Möchten Sie die Funktion verändern,\r\n"
                                                       "kann dies nur auf der Leser-Registerseite erfolgen!"));
        QCOMPARE(change.message().title, QStringLiteral("Änderung nicht möglich"));
        QVERIFY(removeAssignment(p.path, QStringLiteral("Büro"), QStringLiteral("200")));
        QCOMPARE(p.counted("200"), QStringLiteral("7/1"));
        // A count that was already wrong stops at zero.
        p.addAssignment("Büro", "200");
        p.exec("UPDATE Leser SET Sanzahl = 3 WHERE Seriennr = '200'");
        QVERIFY(removeAssignment(p.path, QStringLiteral("Büro"), QStringLiteral("200")));
        QCOMPARE(p.keyCount("200"), 0);
    }

    void centralReaderNeedsZoneAndFunction()
    {
        Project p;
        Outcome o = assignReader(p.path, central("Büro", ""));
        QCOMPARE(o.message().text, QStringLiteral("Der von Ihnen ausgewählte Leser arbeitet im Zentralmodus.\r\n"
                                                  "Sie müssen ihm eine Zeitzone zuordnen!"));
        QCOMPARE(o.message().title, QStringLiteral("Zeitzone fehlt"));
        QCOMPARE(o.message().focus, QStringLiteral("CmbZutr2Zeit"));
        o = assignReader(p.path, central("Büro", "Immer", ""));
        QCOMPARE(o.message().title, QStringLiteral("Funktion fehlt"));
        QCOMPARE(p.assignments(), 0);
        QCOMPARE(p.keyCount("100"), 5);

        QVERIFY(assignReader(p.path, central("Büro", "immer")));
        QCOMPARE(p.value("SELECT Zeitzone || '/' || ZFunktion FROM Zuleser"), "IMMER/Tür auf");
        p.addFunction("Licht");
        p.exec("INSERT INTO Zeitzonen (Tname) VALUES ('Nacht')");
        QVERIFY(changeAssignment(p.path, central("Büro", "Nacht", "Licht")));
        QCOMPARE(p.value("SELECT Zeitzone || '/' || ZFunktion FROM Zuleser"), "Nacht/Licht");
        QCOMPARE(p.keyCount("100"), 17);
        QCOMPARE(changeAssignment(p.path, central("Leer")).message().text,
                 QStringLiteral("Die Zuordnung konnte nicht verändert werden!"));
    }

    void refusalsBeforeAndInsideTheDatabase()
    {
        Project p;
        QCOMPARE(assignReader(p.path, Assignment{"", "100", "IMMER", "Tür auf"}).message().title,
                 QStringLiteral("Zutrittsprofil fehlt"));
        QCOMPARE(assignReader(p.path, Assignment{"Büro", "", "IMMER", "Tür auf"}).message().text,
                 QStringLiteral("Wenn Sie einen Leser einem Zutrittsprofil zuordnen möchten,\r\n"
                                "müssen Sie ihn zunächst aus der Liste der Leser auswählen!"));
        QCOMPARE(assignReader(p.path, Assignment{"Büro", "999", "IMMER", "Tür auf"}).message().text,
                 QStringLiteral("Der Leser wurde in der Projektdatei nicht gefunden!"));
        QCOMPARE(changeAssignment(p.path, Assignment{"Büro", "999", "IMMER", "Tür auf"}).message().text,
                 QStringLiteral("Die zu ändernde Zuordnung wurde nicht gefunden!"));
        QCOMPARE(removeAssignment(p.path, QStringLiteral("Büro"), QStringLiteral("100")).message().text,
                 QStringLiteral("Die zu löschende Zuordnung wurde nicht gefunden!"));
        // The second assignment of a reader to the same profile is refused as a whole.
        QVERIFY(assignReader(p.path, central("Büro")));
        QVERIFY(!assignReader(p.path, central("büro")));
        QCOMPARE(p.assignments(), 1);
        QCOMPARE(p.keyCount("100"), 17);
    }

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
        QCOMPARE(renameProfile(path, QStringLiteral("Büro"), QStringLiteral("Verwaltung")).message(),
            test::message(kLinked, "Datenbankfehler", MessageIcon::Critical, "TxtZutr1Bez", true));
        QCOMPARE(deleteProfile(path, QStringLiteral("Büro")).message().text, kInUse);
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

QTEST_GUILESS_MAIN(TestAssignmentOperations)
#include "tst_assignmentoperations.moc"
