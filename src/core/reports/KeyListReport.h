#pragma once

#include "core/reports/Document.h"
#include "core/shell/Message.h"

#include <QDate>

namespace varnox {

struct KeyListRow {
    QString name;
    QString number;
};

// Every key of the project, ordered by name.
Outcome readAllKeys(const QString& workCopy, QList<KeyListRow>& keys);

// The list of all registered keys: Arial 12, the title, project and date in
// the header on the right, a table of running number, name and key number
// in Courier. Without keys nothing is composed (a document without blocks).
Document keyListDocument(const QString& projectName, const QDate& day, const QList<KeyListRow>& keys);

// The clipboard text: title, "Stand vom" and the date, an empty line, the
// column headers and a line per key, fields separated by TAB, lines ended by
// CR LF.
QString keyListExportText(const QDate& day, const QList<KeyListRow>& keys);

// There is nothing to copy.
Message noKeysToCopyMessage();

} // namespace varnox
