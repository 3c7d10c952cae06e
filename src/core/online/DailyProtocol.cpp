#include "core/online/DailyProtocol.h"

#include "core/online/ChainTail.h"
#include "core/shell/Clock.h"
#include "core/shell/ProgramFolder.h"
#include "core/shell/Scramble.h"

#include <QDir>
#include <QFile>

namespace varnox {
namespace {

// What must come before a new entry so that it starts on a line of its own:
// a line torn off by a crash is closed first, and an enciphered record gets
// the empty line that ends the record before it.
QByteArray separator(QFile& file, bool enciphered)
{
    const qint64 size = file.size();
    if (size == 0 || !file.seek(qMax<qint64>(0, size - 3)))
        return {};
    const QByteArray tail = file.read(3);
    if (!tail.endsWith('\n'))
        return enciphered ? "\r\n\r\n" : "\r\n";
    if (!enciphered)
        return {};
    const QByteArray beforeBreak = tail.chopped(tail.endsWith("\r\n") ? 2 : 1);
    const bool emptyLine = beforeBreak.endsWith('\n') || (beforeBreak.isEmpty() && size == tail.size());
    return emptyLine ? QByteArray() : QByteArray("\r\n");
}

}  // namespace

DailyProtocol::DailyProtocol(const Clock& clock)
    : m_clock(clock)
    , m_cipher(programKeyText())
{
}

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
    const QDate day = now.date();
    QFile file(filePath(day));
    // Unbuffered: the tail is read and the entry appended on the same handle.
    constexpr auto mode = QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered;
    if (!file.open(mode)) {
        QDir().mkpath(ProgramFolder::logDir());
        if (!file.open(mode))
            return;
    }
    const QString line = now.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char('\t') + text;
    QByteArray out = separator(file, encrypt());
    const bool tailKnown = m_tail.path == file.fileName() && m_tail.size == file.size();
    ChainLink link = m_tail.link;
    if (encrypt()) {
        const ChainLink previous = tailKnown ? m_tail.link : lastChainLink(file, m_cipher, day);
        const QByteArray record = m_cipher.seal(line, previous, day, &link);
        if (record.isEmpty())
            return;  // never write in plain what should be enciphered
        out += record + "\r\n\r\n";
    } else {
        out += line.toUtf8() + "\r\n";
    }
    const qint64 before = file.size();
    const bool complete = file.write(out) == out.size();
    if (complete && (encrypt() || tailKnown))
        m_tail = {file.fileName(), before + out.size(), link};
    else
        m_tail = {};
}

}  // namespace varnox
