#include "core/online/TimeRecord.h"

#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/ProgramFolder.h"

#include <QDir>

namespace varnox {
namespace {

const QString kTimesKey = QStringLiteral("Zeiten");

// A key name is the section as it stands. One that would not survive as a
// section line (blanks at either end, control characters, a leading quote)
// is written quoted with escapes, as values are, so that it reads back as
// the same section and never as the start of another line.
QString sectionOf(const QString& keyName)
{
    return ConfigFile::encodeValue(keyName);
}

} // namespace

QString timeRecordPath(const QDate& day)
{
    return ProgramFolder::timeDir() + QLatin1Char('/') + day.toString(QStringLiteral("yyyyMMdd"))
        + QStringLiteral(".tim");
}

void WriteTimeRecord(const Clock& clock, const QString& keyName, int role)
{
    const QDateTime now = clock.now();
    QDir().mkpath(ProgramFolder::timeDir());
    ConfigFile file(timeRecordPath(now.date()));
    const QString section = sectionOf(keyName);
    const QString event = now.toString(QStringLiteral("HHmmss")) + (role == 1 ? QLatin1Char(';') : QLatin1Char('|'));
    file.writeValue(section, kTimesKey, file.readValue(section, kTimesKey) + event);
}

QString readTimeRecord(const QDate& day, const QString& keyName)
{
    return ConfigFile(timeRecordPath(day)).readValue(sectionOf(keyName), kTimesKey);
}

} // namespace varnox
