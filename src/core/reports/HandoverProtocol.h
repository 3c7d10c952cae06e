#pragma once

#include "core/reports/Document.h"
#include "core/shell/Message.h"

#include <QDate>

namespace varnox {

// What the handover protocol of one key is made of.
struct Handover {
    QString keyName;
    QList<QStringList> readers; // the rows of the key assignment list
    QString firstBlock; // the operator's text blocks
    QString secondBlock;
    QDate day;
};

// Both text blocks in the language `languageId` asks for; the message of the
// first one that cannot be read.
Outcome readHandoverBlocks(int languageId, QString* first, QString* second);

// The handover protocol, in Times New Roman: the title, the key's name, the
// first block, the door stations it opens as a table, the second block and
// the lines for the recipient's signature and the place and date.
Document handoverDocument(const Handover& handover);

} // namespace varnox
