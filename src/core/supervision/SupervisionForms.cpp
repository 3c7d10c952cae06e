#include "core/supervision/SupervisionForms.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"
#include "core/supervision/AdditionalSave.h"
#include "core/supervision/SupervisionSettings.h"

#include <algorithm>

namespace varnox {
namespace {

Message missing(const QString& text, const QString& title, const char* field)
{
    return exclamationMessage(text, title, QString::fromLatin1(field));
}

Message noInterval(const char* field)
{
    return missing(
        GetText(3730, "Es muss ein Zeitintervall ausgewählt werden!"), GetText(3731, "Zeitintervall fehlt"), field);
}

Message noFunction(const char* field)
{
    return missing(GetText(3732, "Es muss eine Funktion ausgewählt werden!"), GetText(440, "Funktion fehlt"), field);
}

std::optional<Message> checkBusFeature(const BusFeatureForm& f, const char* intervalField, const char* functionField)
{
    if (!f.on)
        return std::nullopt;
    if (f.interval <= 0)
        return noInterval(intervalField);
    if (f.function.isEmpty())
        return noFunction(functionField);
    return std::nullopt;
}

SettingWrite busFeatureRow(const char* name, const BusFeatureForm& f)
{
    if (!f.on)
        return { name, false, std::nullopt, std::nullopt };
    return { name, true, f.interval, f.function };
}

// A row that stores a text with its switch, or only the switch when it is off.
SettingWrite textRow(const char* name, bool on, const QString& text)
{
    return on ? SettingWrite { name, true, std::nullopt, text }
              : SettingWrite { name, false, std::nullopt, std::nullopt };
}

Message storedFault(std::initializer_list<QString> lines)
{
    return stopMessage(messageLines(lines), GetText(3724, "Fehler!"));
}

QString chooseAgain()
{
    return GetText(3723, "und Speichern Sie sie erneut ab.");
}
QString chooseStandardTime()
{
    return GetText(3722, "Wählen Sie aus der Auswahlbox eine der Standardzeiten aus");
}
QString chooseFunction()
{
    return GetText(3729, "Wählen Sie aus der Auswahlbox eine der vorhandenen Funktionen aus");
}

bool wrongInterval(int stored, const QList<int>& choices)
{
    return stored != 0 && !choices.contains(stored);
}

} // namespace

Outcome saveBusTab(const QString& workCopy, const BusTabForm& form)
{
    if (auto m = checkBusFeature(form.systemTest, SupervisionField::testInterval, SupervisionField::testFunction))
        return Outcome::fail(*m);
    if (auto m = checkBusFeature(form.watchdog, SupervisionField::watchdogInterval, SupervisionField::watchdogFunction))
        return Outcome::fail(*m);
    return writeSupervisionSettings(workCopy,
        { busFeatureRow(SettingName::systemTest, form.systemTest),
            busFeatureRow(SettingName::watchdog, form.watchdog) });
}

Outcome saveNetworkTab(const QString& workCopy, const NetworkTabForm& form)
{
    if (!form.on)
        return writeSupervisionSettings(
            workCopy, { { SettingName::networkWatchdog, false, std::nullopt, std::nullopt } });
    if (form.delay <= 0)
        return Outcome::fail(missing(GetText(3744, "Es muss eine Meldeverzögerung ausgewählt werden!"),
            GetText(3745, "Zeit fehlt"), SupervisionField::networkDelay));
    if (form.sendFunction && form.function.isEmpty())
        return Outcome::fail(noFunction(SupervisionField::networkFunction));
    if (form.showText && form.text.isEmpty())
        return Outcome::fail(missing(GetText(3746, "Es muss ein Text eingetragen werden!"), GetText(3747, "Text fehlt"),
            SupervisionField::networkText));
    return writeSupervisionSettings(workCopy,
        { textRow(SettingName::errorBus, form.sendFunction, form.function),
            textRow(SettingName::errorText, form.showText, form.text),
            { SettingName::networkWatchdog, true, form.delay, std::nullopt } });
}

Outcome saveAdditionalSaveTab(const QString& workCopy, const AdditionalSaveForm& form)
{
    if (form.on && form.folder.isEmpty())
        return Outcome::fail(
            missing(GetText(3758, "Es muss ein Ort für die zusätzliche Speicherung eingetragen werden!"),
                GetText(3759, "Verzeichnis fehlt"), SupervisionField::saveFolder));
    if (form.on && !folderAccessible(form.folder))
        return Outcome::fail(exclamationMessage(folderInaccessibleText(), GetText(3761, "Verzeichnispfad falsch"),
            QString::fromLatin1(SupervisionField::saveFolder), true));
    return writeSupervisionSettings(workCopy, { textRow(SettingName::additionalSave, form.on, form.folder) });
}

Outcome saveRemoteMaintenance(const QString& workCopy, const RemoteMaintenanceForm& form)
{
    if (!form.on)
        return writeSupervisionSettings(
            workCopy, { { SettingName::remoteMaintenance, false, std::nullopt, std::nullopt } });
    if (form.interval <= 0)
        return Outcome::fail(noInterval(SupervisionField::remoteInterval));
    if (form.path.isEmpty())
        return Outcome::fail(missing(GetText(3770, "Es muss ein Dateipfad ausgewählt werden!"),
            GetText(3771, "Dateipfad fehlt"), SupervisionField::remotePath));
    return writeSupervisionSettings(workCopy, { { SettingName::remoteMaintenance, true, form.interval, form.path } });
}

QList<Message> busTabWarnings(const SupervisionSettings& s, const QStringList& functions)
{
    struct Feature {
        const SettingRow& row;
        QString intervalTail;
        QString functionTail;
    };
    const Feature features[] = {
        { s.systemTest, GetText(3720, " Sekunden beim Anlagentest ist falsch!"),
            GetText(3726, " beim Anlagentest existiert") },
        { s.watchdog, GetText(3721, " Sekunden beim Watchdog ist falsch!"), GetText(3727, " beim Watchdog existiert") },
    };
    QList<Message> warnings;
    for (const Feature& f : features) {
        if (wrongInterval(f.row.interval, busIntervalChoices()))
            warnings << storedFault(
                { GetText(3719, "Die eingetragene Zeit von ") + QString::number(f.row.interval) + f.intervalTail,
                    chooseStandardTime(), chooseAgain() });
        if (!f.row.text.isEmpty() && !containsName(functions, f.row.text))
            warnings << storedFault({ GetText(3725, "Die eingetragene Funktion ") + f.row.text + f.functionTail,
                GetText(3728, " nicht mehr in der Projektdatei!"), chooseFunction(), chooseAgain() });
    }
    return warnings;
}

QList<Message> networkTabWarnings(const SupervisionSettings& s, const QStringList& functions)
{
    QList<Message> warnings;
    if (!s.errorBus.text.isEmpty() && !containsName(functions, s.errorBus.text))
        warnings << storedFault(
            { GetText(3748, "Die gespeicherte Funktion ") + s.errorBus.text + GetText(3749, ", die im Fehlerfall auf "),
                GetText(3750, "dem HLV:BUS gesendet werden sollte, existiert nicht mehr in der Projektdatei!"),
                chooseFunction(), chooseAgain() });
    if (wrongInterval(s.networkWatchdog.interval, networkDelayChoices()))
        warnings << storedFault({ GetText(3751, "Die für den Watchdog über TCP/IP gespeicherte"),
            GetText(3752, " Meldeverzögerung ist falsch!"), chooseStandardTime(), chooseAgain() });
    return warnings;
}

std::optional<Message> remoteMaintenanceWarning(const SupervisionSettings& s)
{
    const int stored = s.remoteMaintenance.interval;
    if (!wrongInterval(stored, remoteIntervalChoices()))
        return std::nullopt;
    return storedFault({ GetText(3719, "Die eingetragene Zeit von ") + QString::number(stored)
            + GetText(3772, " Minuten bei der Fernwartung ist falsch!"),
        chooseStandardTime(), chooseAgain() });
}

bool containsName(const QStringList& names, const QString& name)
{
    return std::any_of(names.begin(), names.end(), [&name](const QString& n) { return compareNames(n, name) == 0; });
}

std::optional<QString> checkIpAddress(const QString& text)
{
    constexpr int kMaxLength = 15;
    const QStringList parts = text.split(QLatin1Char('.'));
    if (text.size() > kMaxLength || parts.size() != 4)
        return std::nullopt;
    for (const QString& part : parts) {
        const bool digits = std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (part.isEmpty() || part.size() > 3 || !digits || part.toInt() > 255)
            return std::nullopt;
    }
    return parts.join(QLatin1Char('.'));
}

Message ipAddressConfirmation(const QString& address)
{
    return Message { GetText(3741, "IP-Adresse=") + address + GetText(3742, " ist in Ordnung!"),
        GetText(3743, "IP-Check"), MessageIcon::Information, {}, false };
}

} // namespace varnox
