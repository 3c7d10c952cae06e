#pragma once

// A large installation for the benchmarks and the kill check of saving.
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

namespace varnox::bench {

// How many rows of each kind fillProject adds.
struct ProjectSize {
    int busLines = 15;
    int readersPerLine = 64;
    int keys = 20000;
    int profiles = 500;
    int timeZones = 100;
    int assignments = 5000;
};

// Adds a large installation to a project of version 3 or later (the
// columns every such layout has), in one transaction.
inline void fillProject(const QString& path, const ProjectSize& size)
{
    Database db(path);
    SQLite::Transaction transaction(db.sql());
    // Each statement makes one row for each i from 0 to ?1 - 1.
    const auto rows = [&db](const char* insert, std::initializer_list<int> values) {
        SQLite::Statement q(db.sql(), std::string("WITH RECURSIVE n(i) AS (SELECT 0 WHERE ?1 > 0 UNION ALL "
                                                  "SELECT i + 1 FROM n WHERE i + 1 < ?1) ")
                                          + insert);
        int i = 0;
        for (const int value : values)
            q.bind(++i, value);
        q.exec();
    };
    const int readers = size.busLines * size.readersPerLine;
    rows("INSERT INTO Leser (Lname, Seriennr, BusID, AS_adr, Zmodus, Funktion, Sanzahl, Modify, RSZ, ProgSp, TOE, "
         "Akustik, Zeiterfassung) SELECT 'Leser ' || (i / ?2 + 1) || '-' || (i % ?2), 200000 + i, "
         "i / ?2 + 1 + (i / ?2 + 1 >= 8), i % ?2, 1, 0, 0, 1, 0, 0, 0, 0, 0 FROM n",
         {readers, size.readersPerLine});
    rows("INSERT INTO Zutrittsprofile (Zname) SELECT 'Profil ' || i FROM n", {size.profiles});
    rows("INSERT INTO Zeitzonen (Tname, MoSzeit1, MoEzeit1) SELECT 'Zone ' || i, '07:00:00', '18:00:00' FROM n",
         {size.timeZones});
    // Each round over the profiles moves on to other readers: no pair twice.
    rows("INSERT INTO Zuleser (Profil, Leser, Zeitzone, ZFunktion) SELECT 'Profil ' || (i % ?2), "
         "200000 + (i + i / ?2 * 7) % ?3, 'Zone ' || (i % ?4), 'Tür auf' FROM n",
         {size.assignments, size.profiles, readers, size.timeZones});
    rows("INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID) "
         "SELECT printf('%012X', 268435456 + i), 'Schlüssel ' || i, 'K' || i FROM n",
         {size.keys});
    rows("INSERT INTO Zuschluessel (Schluessel, Profil) SELECT printf('%012X', 268435456 + i), 'Profil ' || (i % ?2) FROM n",
         {size.keys, size.profiles});
    transaction.commit();
}

}  // namespace varnox::bench
