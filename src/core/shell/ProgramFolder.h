#pragma once

#include <QString>

namespace varnox {

// The program folder holds the PC's own files: VARNOXCF.INI, default.$$$,
// projekte/, log/, time/, Texte/. $VARNOX_HOME names it; without it the
// folder lives below the user's data directory.
class ProgramFolder {
public:
    static QString root();
    static QString file(const QString& name);  // root + name
    static QString configFile();                // VARNOXCF.INI
    static QString templateFile();              // default.$$$
    static QString projectsDir();               // projekte
    static QString logDir();                    // log
    static QString timeDir();                   // time
    static QString textsDir();                  // Texte

    // Creates the folder itself when it is missing; false when it cannot be made.
    static bool ensureRoot();
};

}  // namespace varnox
