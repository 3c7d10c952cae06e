#pragma once

#include "core/shell/Message.h"

#include <QList>
#include <QStringList>
#include <optional>

namespace varnox {

struct SupervisionSettings;

// The settings windows of the supervision as the core sees them: what the
// operator chose (0 or an empty text: nothing chosen), the checks with their
// messages, and the rows written. Every check runs before anything is
// written, so that a refused save leaves all rows as they were.

// The first tab of "Sicherheit": system test and watchdog over the bus.
struct BusFeatureForm {
    bool on = false;
    int interval = 0; // seconds
    QString function;
};
struct BusTabForm {
    BusFeatureForm systemTest;
    BusFeatureForm watchdog;
};
Outcome saveBusTab(const QString& workCopy, const BusTabForm& form);

// The second tab: the watchdog over TCP/IP.
struct NetworkTabForm {
    bool on = false;
    int delay = 0; // seconds
    bool sendFunction = false;
    QString function;
    bool showText = false;
    QString text;
};
Outcome saveNetworkTab(const QString& workCopy, const NetworkTabForm& form);

// The third tab: the additional save.
struct AdditionalSaveForm {
    bool on = false;
    QString folder;
};
Outcome saveAdditionalSaveTab(const QString& workCopy, const AdditionalSaveForm& form);

// The window "Fernwartung".
struct RemoteMaintenanceForm {
    bool on = false;
    int interval = 0; // minutes
    QString path;
};
Outcome saveRemoteMaintenance(const QString& workCopy, const RemoteMaintenanceForm& form);

// What the windows cannot show of the stored settings: an interval that is
// not among the choices, a function that no longer exists. Nothing stored
// (0, an empty name) is no fault.
QList<Message> busTabWarnings(const SupervisionSettings& settings, const QStringList& functions);
QList<Message> networkTabWarnings(const SupervisionSettings& settings, const QStringList& functions);
std::optional<Message> remoteMaintenanceWarning(const SupervisionSettings& settings);

// Whether `name` is among `names` as the project compares names.
bool containsName(const QStringList& names, const QString& name);

// The field of the IP address of the backup PC: the address written back,
// or nothing when the text is not four numbers 0..255 joined by points.
std::optional<QString> checkIpAddress(const QString& text);
Message ipAddressConfirmation(const QString& address);

// The object names of the fields that a failed check puts the focus on.
namespace SupervisionField {
constexpr const char* testInterval = "CmbATZeit";
constexpr const char* testFunction = "CmbATFkt";
constexpr const char* watchdogInterval = "CmbWDZeit";
constexpr const char* watchdogFunction = "CmbWDFkt";
constexpr const char* networkDelay = "CmbWDoNWZeit";
constexpr const char* networkFunction = "CmbWDoNWFkt";
constexpr const char* networkText = "txtWDoNWMsgBox";
constexpr const char* saveFolder = "txtDblSave";
constexpr const char* remoteInterval = "CmbFWIntervall";
constexpr const char* remotePath = "TxtFWPfad";
} // namespace SupervisionField

} // namespace varnox
