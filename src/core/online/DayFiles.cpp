#include "core/online/DayFiles.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace varnox {

QSet<QDate> DayFiles::daysWithFile(int year, int month)
{
    QSet<QDate> days;
    const QStringList names = QDir(ProgramFolder::logDir()).entryList({QStringLiteral("*.log")}, QDir::Files);
    for (const QString& name : names) {
        if (name.size() != 12)
            continue;
        const QDate day = QDate::fromString(name.left(8), QStringLiteral("ddMMyyyy"));
        if (day.isValid() && day.year() == year && day.month() == month)
            days.insert(day);
    }
    return days;
}

QString DayFiles::temporaryCopyPath(const QDate& day)
{
    const QString name = DailyProtocol::fileName(day);
    return ProgramFolder::logDir() + QStringLiteral("/~hlv") + name.chopped(4) + QStringLiteral(".tmp");
}

Outcome DayFiles::makeTemporaryCopy(const QDate& day)
{
    const QString source = DailyProtocol::filePath(day);
    if (!QFileInfo(source).isFile())
        return Outcome::fail(noFileMessage());
    const QString copy = temporaryCopyPath(day);
    if (QFileInfo::exists(copy) && !QFile::remove(copy))
        return Outcome::fail(accessMessage());
    if (!QFile::copy(source, copy))
        return Outcome::fail(accessMessage());
    return Outcome::ok();
}

void DayFiles::removeTemporaryCopy(const QDate& day) { QFile::remove(temporaryCopyPath(day)); }

Outcome DayFiles::readPlain(const QDate& day, QString* text)
{
    const Outcome copied = makeTemporaryCopy(day);
    if (!copied)
        return copied;
    QFile file(temporaryCopyPath(day));
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::fail(noFileMessage());
    *text = QString::fromUtf8(file.readAll());
    file.close();
    removeTemporaryCopy(day);
    return Outcome::ok();
}

Message DayFiles::noFileMessage()
{
    return {.text = GetText(501, "Für diesen Tag existiert keine Protokolldatei."),
            .title = GetText(495, "Dateifehler"),
            .icon = MessageIcon::Information, .focus = {}, .selectAll = false};
}

Message DayFiles::accessMessage()
{
    const QStringList lines {
        GetText(939, "Das ausgewählte Tagesprotokoll kann nicht geöffnet werden."),
        GetText(746, "Der Zugriff wurde verweigert."),
        QString(),
        GetText(747, "Es besteht die Möglichkeit, daß die Datei bereits von"),
        GetText(748, "einem anderen Programm benutzt wird und damit für jedes"),
        GetText(749, "weitere Programm gesperrt wurde. Sie kann auch schreib-"),
        GetText(750, "geschützt sein bzw. sich auf einem schreibgeschützten"),
        GetText(751, "Datenträger befinden oder Sie haben keine ausreichende"),
        GetText(752, "Zugriffsberechtigung!"),
    };
    return {.text = lines.join(QStringLiteral("\r\n")), .title = GetText(495, "Dateifehler"), .icon = MessageIcon::Critical, .focus = {}, .selectAll = false};
}

}  // namespace varnox
