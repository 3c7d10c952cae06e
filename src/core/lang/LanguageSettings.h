#pragma once

#include <QString>

namespace varnox {

// The operator's language choice, section "MultiLang" of the per-user
// settings file $XDG_CONFIG_HOME/varnox/varnox.ini (~/.config/varnox/varnox.ini
// when the variable is unset). A missing or unreadable file, or a missing
// entry, reads as the default.
struct LanguageSettings {
    int langId = 1031;
    QString langName;
    bool showDialog = true;

    static QString path();
    static LanguageSettings read();
    // False when the file could not be written.
    static bool write(const LanguageSettings& settings);
    static bool writeShowDialog(bool showDialog);
};

}  // namespace varnox
