#pragma once

#include "FakeClock.h"
#include "TempHome.h"
#include "core/online/DailyProtocol.h"

namespace varnox::test {

// The texts of the plain protocol lines of `day`, without their times.
inline QStringList protocolTexts(const QDate& day)
{
    QFile file(DailyProtocol::filePath(day));
    QStringList texts;
    if (file.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            texts << line.section(QLatin1Char('\t'), 1, -1);
    return texts;
}

// A fresh program folder and a daily protocol writing at the time the test sets.
struct ProtocolHome {
    TempHome home;
    FakeClock clock;
    DailyProtocol protocol {clock};

    explicit ProtocolHome(const QDateTime& start, bool encrypt = true, int recording = 255) : clock(start)
    {
        protocol.setSwitches({quint8(recording), encrypt});
    }
};

}  // namespace varnox::test
