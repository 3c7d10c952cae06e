#pragma once

#include <QString>

namespace varnox::shots {

// Writes a small installation to a new project file at `path`: five readers
// on lines 1 and 9 (central and decentral, an EM and a Mifare one), a
// function of each kind, the profiles "Verwaltung" (twelve keys, two
// readers), "Lager" and "Reinigung", the zone "Werktag" and four keys with a
// fixed period.
void writeSampleInstallation(const QString& path);

}  // namespace varnox::shots
