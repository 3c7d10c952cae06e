#pragma once

#include "core/shell/Message.h"
#include "core/shell/Session.h"

#include <QList>

namespace varnox {

class ConfigFile;

// The password dialog FrmPW: in Konfigurationsmodus the passwords of all
// modes can be set; the old password is not asked for.
class PasswordChange {
public:
    // The objectNames of the dialog's two password boxes.
    static const QString kNewBox;
    static const QString kRepeatBox;

    explicit PasswordChange(ConfigFile& config) : m_config(config) { }

    // The modes offered in CmbPWMod: Konfigurationsmodus only to itself.
    static QList<Mode> offeredModes(Mode current);

    // ChangePassword: the dialog's OK button. On success the hash is stored
    // and `protocolLine` holds the entry for the daily protocol.
    Outcome ChangePassword(Mode chosen, const QString& password, const QString& repetition, QString* protocolLine);

private:
    ConfigFile& m_config;
};

}  // namespace varnox
