#include "core/online/DayFileReader.h"

#include <QBuffer>
#include <QRegularExpression>

namespace varnox {
namespace {

bool isPlainLine(const QByteArray& line)
{
    static const QRegularExpression plain(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\t"));
    return plain.match(QString::fromLatin1(line.left(9))).hasMatch();
}

QByteArray withoutLineEnd(QByteArray line)
{
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

}  // namespace

DayChain::DayChain(const LineCipher& cipher, const QDate& day)
    : m_cipher(cipher)
    , m_day(day)
{
}

DayFileReader::DayFileReader(QIODevice& file, const LineCipher& cipher, const QDate& day)
    : m_file(file)
    , m_chain(cipher, day)
{
}

// One line into the reader's buffer (allocated once: a fresh buffer of the
// greatest line length for every line would cost more than reading it).
qint64 DayFileReader::readLine()
{
    if (m_buffer.isEmpty())
        m_buffer.resize(kMaxLine + 1);
    return m_file.readLine(m_buffer.data(), m_buffer.size());
}

bool DayFileReader::nextLine(QByteArray& line)
{
    while (!m_file.atEnd()) {
        qint64 n = readLine();
        if (n <= 0)
            return false;  // a read error ends the file
        line = QByteArray(m_buffer.constData(), n);
        if (!line.endsWith('\n') && !m_file.atEnd()) {
            // An overlong line: hand on a part that cannot open and drop the rest of it.
            while (!m_file.atEnd() && (n = readLine()) > 0 && m_buffer[n - 1] != '\n') {
            }
            line = QByteArrayLiteral("\x01");
            return true;
        }
        line = withoutLineEnd(line);
        if (!line.trimmed().isEmpty())
            return true;
    }
    return false;
}

bool DayFileReader::next(DayEntry& entry)
{
    QByteArray line;
    if (!nextLine(line))
        return false;
    entry = m_chain.judge(line);
    return true;
}

DayEntry DayChain::judge(const QByteArray& line)
{
    if (isPlainLine(line))
        return {RecordState::Plain, QString::fromUtf8(line)};

    const OpenedRecord record = m_cipher.open(line.trimmed(), m_day);
    if (!record.authentic) {
        if (record.wellFormed)
            m_failedSinceLast.append(record.link());
        return {RecordState::Undecipherable, QString()};
    }
    const bool linked = record.previous == m_last || m_failedSinceLast.contains(record.previous);
    m_last = record.link();
    m_failedSinceLast.clear();
    return {linked ? RecordState::Ok : RecordState::ChainBroken, record.line};
}

QList<DayEntry> readDayFile(const QByteArray& content, const LineCipher& cipher, const QDate& day)
{
    QByteArray copy = content;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    DayFileReader reader(buffer, cipher, day);
    QList<DayEntry> entries;
    DayEntry entry;
    while (reader.next(entry))
        entries.append(entry);
    return entries;
}

}  // namespace varnox
