#include "core/shell/ConfigFile.h"

#include "core/shell/ReplaceFile.h"

#include <QFile>
#include <QFileInfo>

namespace varnox {
namespace {

// One line of the file as stored: its bytes and the line break that ended
// it ("\r\n", "\n", or nothing for a last line without one). Lines the
// program does not change are written back exactly as they were read, so
// that comments and values of other tools survive in whatever encoding
// those tools used.
struct Line {
    QByteArray text;
    QByteArray ending;
};

QList<Line> readLines(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        if (lf < 0) {
            lines.append({bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = lf > start && bytes[lf - 1] == '\r';
        lines.append({bytes.mid(start, lf - start - (crlf ? 1 : 0)), crlf ? QByteArray("\r\n") : QByteArray("\n")});
        start = lf + 1;
    }
    return lines;
}

// New lines follow the line breaks the file already uses.
QByteArray lineBreakOf(const QList<Line>& lines)
{
    for (const Line& line : lines)
        if (!line.ending.isEmpty())
            return line.ending;
    return QByteArrayLiteral("\n");
}

// "[Name]" gives Name; any other line gives a null string.
QString sectionName(const QByteArray& line)
{
    const QString t = QString::fromUtf8(line).trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool isComment(const QByteArray& line)
{
    const QByteArray t = line.trimmed();
    return t.startsWith(';') || t.startsWith('#');
}

// Position of the '=' of a "key=value" line whose key is `key`, or -1. The
// byte '=' never occurs inside a multi-byte character, so the position is
// the same whatever the line's encoding.
qsizetype keyValueSplit(const QByteArray& line, const QString& key)
{
    if (isComment(line))
        return -1;
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || QString::fromUtf8(line.left(eq)).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return -1;
    return eq;
}

// Passwords live in the file: a new one is readable by its owner only.
bool writeLines(const QString& path, QList<Line> lines)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].ending.isEmpty() && i + 1 < lines.size())
            lines[i].ending = lineBreakOf(lines);  // a last line without a break got a line after it
        bytes += lines[i].text + lines[i].ending;
    }
    return replaceFileContents(path, bytes, 0600);
}

bool needsQuotes(const QString& value)
{
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace() || value.front() == QLatin1Char('"'))
        return true;
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || c.isSurrogate())
            return true;
    }
    return false;
}

}  // namespace

ConfigFile::ConfigFile(QString path) : m_path(std::move(path)) {}

QString ConfigFile::encodeValue(const QString& value)
{
    if (!needsQuotes(value))
        return value;
    QString out = QStringLiteral("\"");
    for (const QChar c : value) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\') + QString(c);
        else if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || c.isSurrogate())
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString ConfigFile::decodeValue(const QString& stored)
{
    const QString t = stored.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('"')) || !t.endsWith(QLatin1Char('"')))
        return t;
    QString out;
    const QString inner = t.mid(1, t.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner[i];
        if (c != QLatin1Char('\\') || i + 1 == inner.size()) {
            out += c;
            continue;
        }
        const QChar e = inner[++i];
        if (e == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (e == QLatin1Char('r'))
            out += QLatin1Char('\r');
        else if (e == QLatin1Char('t'))
            out += QLatin1Char('\t');
        else if (e == QLatin1Char('u') && i + 4 < inner.size()) {
            bool ok = false;
            const ushort code = inner.mid(i + 1, 4).toUShort(&ok, 16);
            out += ok ? QChar(code) : QChar(QChar::ReplacementCharacter);
            i += 4;
        } else
            out += e;
    }
    return out;
}

QString ConfigFile::readValue(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (const Line& line : readLines(m_path)) {
        const QString name = sectionName(line.text);
        if (!name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = keyValueSplit(line.text, key);
        if (eq >= 0)
            return decodeValue(QString::fromUtf8(line.text.mid(eq + 1)));
    }
    return {};
}

bool ConfigFile::writeValue(const QString& section, const QString& key, const QString& value)
{
    if (QFileInfo(m_path).isDir())
        return false;
    QList<Line> lines = readLines(m_path);
    const QByteArray lineBreak = lineBreakOf(lines);
    const QByteArray stored = encodeValue(value).toUtf8();

    qsizetype sectionStart = -1;
    qsizetype insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i].text);
        if (!name.isNull()) {
            if (sectionStart >= 0)
                break;  // end of our section
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = insertAt = i + 1;
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (const qsizetype eq = keyValueSplit(lines[i].text, key); eq >= 0) {
            // The key keeps its spelling; only the value changes.
            lines[i].text = lines[i].text.left(eq + 1) + stored;
            insertAt = -2;
            break;
        }
        if (!lines[i].text.trimmed().isEmpty())
            insertAt = i + 1;
    }
    const QByteArray entry = key.toUtf8() + '=' + stored;
    if (sectionStart < 0) {
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty())
            lines.append({QByteArray(), lineBreak});
        lines.append({'[' + section.toUtf8() + ']', lineBreak});
        lines.append({entry, lineBreak});
    } else if (insertAt >= 0) {
        lines.insert(insertAt, {entry, lineBreak});
    }
    return writeLines(m_path, lines);
}

long long lenientNumber(const QString& value)
{
    const QString t = value.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        negative = t[i++] == QLatin1Char('-');
    long long n = 0;
    for (; i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i) {
        if (n > 1'000'000'000'000LL)
            break;  // far beyond any value kept here
        n = n * 10 + (t[i].unicode() - '0');
    }
    return negative ? -n : n;
}

}  // namespace varnox
