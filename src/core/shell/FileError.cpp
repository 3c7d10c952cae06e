#include "core/shell/FileError.h"

#include "core/lang/Texts.h"

#include <cerrno>

namespace varnox {

QString fileErrorReason(int errnum)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT: return GetText(3405, "Der Datenträger ist voll.");
    case EFBIG: return GetText(3406, "Die Datei überschreitet die zulässige Dateigröße.");
    case EACCES:
    case EPERM:
    case EROFS: return GetText(746, "Der Zugriff wurde verweigert.");
    case ENOENT:
    case ENOTDIR: return GetText(3407, "Der Ordner ist nicht vorhanden und kann nicht angelegt werden.");
    case EIO: return GetText(3408, "Der Datenträger meldet einen Ein-/Ausgabefehler.");
    case EISDIR: return GetText(3410, "An der Stelle der Datei liegt ein Ordner.");
    default: return GetText(3409, "Der Vorgang ist fehlgeschlagen.");
    }
}

QString fileErrorText(int errnum, const QString& technical)
{
    const QString reason = fileErrorReason(errnum);
    return technical.isEmpty() ? reason : reason + QStringLiteral(" (") + technical + QLatin1Char(')');
}

}  // namespace varnox
