#pragma once

#include "core/shell/Message.h"

#include <QDate>
#include <QSet>
#include <QString>

namespace varnox {

// The day files of the log folder as the protocol viewer sees them.
class DayFiles {
public:
    // The days of one month that have a file "ddmmyyyy.log".
    static QSet<QDate> daysWithFile(int year, int month);

    // "~hlvddmmyyyy.tmp" beside the day's file.
    static QString temporaryCopyPath(const QDate& day);

    // Makes the temporary copy of the day's file anew. A day without a file
    // gives "no protocol file for this day"; a copy that cannot be made gives
    // the access message.
    static Outcome makeTemporaryCopy(const QDate& day);
    static void removeTemporaryCopy(const QDate& day);

    // The whole text of a plain day file, read through a fresh temporary copy.
    static Outcome readPlain(const QDate& day, QString* text);

    static Message noFileMessage();
    static Message accessMessage();
};

}  // namespace varnox
