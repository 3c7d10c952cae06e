#pragma once

#include "core/shell/Message.h"

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

    // Creates the folder itself when it is missing and checks that files can
    // be written in it: 0 when it can hold the program's files, otherwise the
    // system's error number (a full disk, a folder that cannot be made or
    // written to). Nothing is left behind.
    static int prepare();

    // Why the program ends at once: the folder and the reason.
    static Message unusableMessage(const QString& reason);
};

}  // namespace varnox
