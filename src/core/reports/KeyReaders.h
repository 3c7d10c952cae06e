#pragma once

#include "core/shell/Message.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace varnox {

// A key as the key assignment window offers it: by name, looked up by number.
struct KeyChoice {
    QString name;
    QString number;
};

// Every key in stored order.
Outcome readKeyChoices(const QString& workCopy, QList<KeyChoice>& keys);

// The readers a key opens, as the key assignment window lists them: one row
// per reader of the key's profile, five texts each (running number and
// serial number as six digits; name, bus line and AS address after two
// blanks), in the order the readers were assigned to the profile.
Outcome readReadersOfKey(const QString& workCopy, const QString& keyNumber, QList<QStringList>& rows);

// The list's column headers: "lfd. Nr.", "Leserbezeichnung", ...
QStringList readerListHeaders();

// The title above the readers in print and export: "Bezeichnung der
// einzelnen Türstationen (Stand dd.mm.yyyy)".
QString readerListTitle(const QDate& day);

// The clipboard text: the title, an empty line, the headers and every row,
// fields separated by TAB, lines ended by CR LF.
QString readerListExportText(const QDate& day, const QList<QStringList>& rows);

// No key is chosen when the protocol is to be printed or the list exported.
Message noKeyToPrintMessage();
Message noKeyToExportMessage();

} // namespace varnox
