#include "SampleInstallation.h"

#include "core/model/ZoneOperations.h"
#include "core/project/Database.h"
#include "core/project/ProjectTemplate.h"

namespace varnox::shots {
namespace {

// Fixed rows of our own: nothing here comes from an operator.
constexpr const char* kRows = R"sql(
INSERT INTO Leser (Typ, Seriennr, Lname, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, RSZ, ProgSp, TOE, Akustik,
                   Zeiterfassung) VALUES
  (0, '1001', 'Haupteingang', 1, 5, 1, 0, 12, 0, 3, 1, 1, 1, 0),
  (0, '1002', 'Serverraum', 1, 6, 0, 1, 12, 1, 3, 1, 1, 1, 0),
  (0, '1003', 'Lieferanteneingang', 1, 7, 1, 0, 0, 0, 3, 1, 1, 1, 0),
  (1, '1004', 'Archiv', 9, 1, 0, 2, 0, 1, 3, 1, 1, 1, 0),
  (0, '42', 'Büro 2. OG', 9, 2, 1, 0, 0, 0, 3, 1, 1, 1, 1);
INSERT INTO Funktionen (Fname, FTyp, Protokoll, BusID) VALUES
  ('Tür öffnen', 0, '1105', 1), ('Licht Halle', 1, '61E24003', 1), ('Alarm quittieren', 2, 'AB12', 9);
INSERT INTO Zutrittsprofile (Zname) VALUES ('Verwaltung'), ('Lager'), ('Reinigung');
INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) VALUES
  ('Verwaltung', '1001', 'Werktag', 'Tür öffnen'), ('Verwaltung', '1002', 'IMMER', NULL),
  ('Lager', '1003', 'IMMER', 'Licht Halle');
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 12)
  INSERT INTO Schluessel (Schluesselnr, Sname, AbsoluteZeit) SELECT printf('%012d', i), printf('Mitarbeiter %02d', i), 0
  FROM n;
INSERT INTO Zuschluessel (Schluessel, Profil) SELECT Schluesselnr, 'Verwaltung' FROM Schluessel;
INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID, AbsoluteZeit, Startzeit, Endzeit) VALUES
  ('000000001001', 'Besucher 1', 'Gast', 1, '2026-12-07T08:00:00', '2026-12-18T17:30:00'),
  ('000000001002', 'Besucher 2', 'Gast', 1, '2026-12-07T08:00:00', '2026-12-18T17:30:00'),
  ('000000001003', 'Handwerker', 'Gast', 1, '2026-12-07T08:00:00', '2026-12-18T17:30:00'),
  ('000000001004', 'Reinigung', 'Gast', 1, '2026-12-07T08:00:00', '2026-12-18T17:30:00');
)sql";

// Mornings and afternoons on weekdays, a late shift on Friday, Saturday morning.
ZoneForm workingDays()
{
    ZoneForm zone;
    zone.name = QStringLiteral("Werktag");
    for (int day = 0; day < 5; ++day) {
        zone.at(0, day) = {7 * 60, 12 * 60};
        zone.at(1, day) = {12 * 60 + 30, 17 * 60 + 45};
    }
    zone.at(2, 4) = {20 * 60, kEndOfDay};
    zone.at(0, 5) = {8 * 60, 13 * 60};
    return zone;
}

}  // namespace

void writeSampleInstallation(const QString& path)
{
    if (!writeProjectTemplate(path))
        qFatal("cannot write a project to %s", qPrintable(path));
    Database(path).sql().exec(kRows);
    if (!createZone(path, workingDays()))
        qFatal("cannot store the sample zone");
}

}  // namespace varnox::shots
