#include "core/bus/PortMessages.h"

#include "core/bus/BusLines.h"
#include "core/lang/Texts.h"
#include "core/shell/ConfigFile.h"

namespace varnox {
namespace {

const QString kNewLine = QStringLiteral("\r\n");

QString comName(int port) { return GetText(2600, "COM-") + QString::number(port); }

QString failureReason(PortFailure failure, const QString& device, const QString& group)
{
    switch (failure) {
    case PortFailure::PermissionDenied:
        if (group.isEmpty())
            return GetText(2605, "Keine Zugriffsberechtigung für ") + device + QLatin1Char('.');
        return GetText(2605, "Keine Zugriffsberechtigung für ") + device
            + GetText(3475, " - das Benutzerkonto muss Mitglied der Gruppe %1 sein.").arg(group);
    case PortFailure::NotFound: return GetText(2607, "Das Gerät ") + device + GetText(2608, " ist nicht vorhanden.");
    case PortFailure::Busy:
        return GetText(3476, "Das Gerät %1 wird bereits von einem anderen Programm verwendet.").arg(device);
    default: return {};
    }
}

QString portWithDevice(int line, int port, const QString& device)
{
    return lineDisplayName(line) + QStringLiteral(": ") + comName(port) + QStringLiteral(" (") + device
        + QStringLiteral(")");
}

}  // namespace

QString lineDisplayName(int line)
{
    if (line == kDeskReaderLine)
        return GetText(2609, "Tischleser");
    return GetText(2610, "HLV:BUS-Strang ") + QString::number(line);
}

Message portFailureMessage(int line, int port, PortFailure failure, const QString& device, const QString& group)
{
    QStringList lines;
    if (line == kDeskReaderLine)
        lines << comName(port) + GetText(2604, " belegt!");
    else
        lines << comName(port) + GetText(2601, " belegt oder kein Interface angeschlossen!");
    const QString reason = failureReason(failure, device, group);
    if (!reason.isEmpty())
        lines << reason;
    if (line != kDeskReaderLine)
        lines << QString()
              << GetText(2602, "Überprüfen Sie die angegebene Schnittstelle und starten Sie das Programm erneut!");
    Message m;
    m.text = lines.join(kNewLine);
    m.title = GetText(2603, "Schnittstellenfehler");
    m.icon = MessageIcon::Critical;
    return m;
}

QString portFailedProtocolText(int line, int port, PortFailure failure, const QString& device)
{
    QString reason;
    switch (failure) {
    case PortFailure::None:
        if (line != kDeskReaderLine)  // the desk reader is never asked for an answer
            reason = GetText(3478, "das Interface antwortet nicht");
        break;
    case PortFailure::NotFound: reason = GetText(3479, "Gerät nicht vorhanden"); break;
    case PortFailure::PermissionDenied: reason = GetText(3480, "keine Zugriffsberechtigung"); break;
    case PortFailure::Busy: reason = GetText(3481, "von einem anderen Programm belegt"); break;
    case PortFailure::Other: break;
    }
    const QString text = portWithDevice(line, port, device) + GetText(3477, " nach 5 Versuchen nicht geöffnet");
    return reason.isEmpty() ? text : text + QStringLiteral(": ") + reason;
}

QString portLostProtocolText(int line, int port, const QString& device)
{
    const QString failed
        = GetText(2611, " ausgefallen - die Verbindung wird automatisch wiederhergestellt, sobald die Schnittstelle zurück ist");
    return portWithDevice(line, port, device) + failed;
}

QString portRestoredProtocolText(int line, int port, const QString& device)
{
    return portWithDevice(line, port, device) + GetText(2612, " wieder geöffnet");
}

int readTimeBusOk(ConfigFile& config)
{
    const QString section = QStringLiteral("Config");
    const QString key = QStringLiteral("TimeBusOk");
    const QString value = config.readValue(section, key);
    const long long seconds = lenientNumber(value);
    if (value.trimmed().isEmpty() || seconds < 1 || seconds > 60) {
        config.writeValue(section, key, QStringLiteral("3"));
        return 3;
    }
    return int(seconds);
}

}  // namespace varnox
