#pragma once

// Small installations that page tests and the screenshots share.
#include "ProjectFixture.h"

namespace varnox::test {

// Profiles "Verwaltung" (twelve keys) and "Lager", the functions "Tür öffnen"
// and "Licht an", the zone "Werktag", the central readers "Haupteingang"
// (1001) and "Lieferanteneingang" (1003), the decentral "Serverraum" (1002,
// function 1) and "Archiv" (1004, function 2); "Haupteingang" and
// "Serverraum" belong to "Verwaltung".
inline void fillAssignmentProject(const ProjectFixture& p)
{
    p.addProfile("Verwaltung");
    p.addProfile("Lager");
    p.addKeys("Verwaltung", 12);
    p.addFunction("Tür öffnen");
    p.addFunction("Licht an");
    p.exec("INSERT INTO Zeitzonen (Tname, MoSzeit1) VALUES ('Werktag', '07:00:00')");
    p.addReader("Haupteingang", "1001");
    p.addReader("Serverraum", "1002", 1, -1, false, 0, false, 1);
    p.addReader("Lieferanteneingang", "1003");
    p.addReader("Archiv", "1004", 1, -1, false, 0, false, 2);
    p.addAssignment("Verwaltung", "1001", "Werktag", "Tür öffnen");
    p.addAssignment("Verwaltung", "1002");
}

}  // namespace varnox::test
