#include "core/online/DailyProtocol.h"

#include "core/shell/Clock.h"
#include "core/shell/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace varnox {

DailyProtocol::DailyProtocol(const Clock& clock) : m_clock(clock) {}

QString DailyProtocol::fileName(const QDate& day)
{
    return day.toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".log");
}

QString DailyProtocol::filePath(const QDate& day)
{
    return ProgramFolder::logDir() + QLatin1Char('/') + fileName(day);
}

void DailyProtocol::write(const QString& text)
{
    if (!recording())
        return;
    const QDateTime now = m_clock.now();
    QFile file(filePath(now.date()));
    if (!file.open(QIODevice::Append)) {
        QDir().mkpath(ProgramFolder::logDir());
        if (!file.open(QIODevice::Append))
            return;
    }
    const QString line = now.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('\t') + text;
    file.write(line.toUtf8() + "\r\n");
}

}  // namespace varnox
