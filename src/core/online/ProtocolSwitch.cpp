#include "core/online/ProtocolSwitch.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/ConfigFile.h"

namespace varnox {

Outcome switchRecording(bool on, ConfigFile& config, DailyProtocol& protocol)
{
    const QString section = QStringLiteral("Config");
    const QString key = QStringLiteral("Recording");
    bool stored = false;
    if (on) {
        protocol.setRecording(true);
        stored = config.writeValue(section, key, QStringLiteral("255"));
        protocol.write(GetText(924, "Protokollierung aktiviert"));
    } else {
        protocol.write(GetText(925, "Protokollierung deaktiviert"));
        protocol.setRecording(false);
        stored = config.writeValue(section, key, QStringLiteral("0"));
    }
    if (stored)
        return Outcome::ok();
    return Outcome::fail(
        {.text = GetText(2002, "Die Einstellung konnte nicht gespeichert werden und gilt nur bis zum Programmende."),
         .title = GetText(379, "Achtung!"),
         .icon = MessageIcon::Exclamation, .focus = {}, .selectAll = false});
}

}  // namespace varnox
