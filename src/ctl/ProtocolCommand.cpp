#include "core/online/DailyProtocol.h"
#include "core/online/DayFileReader.h"
#include "core/online/DayFiles.h"
#include "core/online/LineCipher.h"
#include "core/online/ProtocolExport.h"
#include "core/shell/Scramble.h"
#include "ctl/Commands.h"
#include "ctl/ProtocolLines.h"
#include "ctl/Values.h"

#include <QFile>
#include <QRegularExpression>

namespace varnox::ctl {

// The day's file is read where it lies, without the copy the viewer makes:
// nothing is written into the log folder, and the program may go on
// appending meanwhile (a record it is writing at that moment may show as
// damaged at the very end).
ExitStatus protocolCommand(Context& c, Options& options)
{
    if (options.flag(QStringLiteral("follow"))) {
        c.words({});
        c.noneLeft(options);
        return followProtocol();
    }
    const QStringList words = c.words({ QStringLiteral("DDMMYYYY") });
    const bool verify = options.flag(QStringLiteral("verify"));
    c.noneLeft(options);
    static const QRegularExpression eightDigits(QStringLiteral("^\\d{8}$"));
    const QDate day = QDate::fromString(words[0], QStringLiteral("ddMMyyyy"));
    if (!eightDigits.match(words[0]).hasMatch() || !day.isValid())
        invalidValue(QStringLiteral("DDMMYYYY"), words[0]);
    QFile file(DailyProtocol::filePath(day));
    if (!file.exists()) {
        c.op.tell(DayFiles::noFileMessage());
        return Unusable;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        c.op.tell(DayFiles::accessMessage());
        return Unusable;
    }
    const LineCipher cipher(programKeyText());
    DayFileReader reader(file, cipher, day);
    DayEntry entry;
    int unsound = 0;
    QString text;
    while (reader.next(entry)) {
        text += protocolLine(entry);
        unsound += entry.sound() ? 0 : 1;
        if (text.size() > 65536) {
            out(text);
            text.clear();
        }
    }
    out(text);
    return verify && unsound > 0 ? DataRefused : Done;
}

} // namespace varnox::ctl
