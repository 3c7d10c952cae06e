#include "core/shell/ConfigFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace varnox {
namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(4 * 1024 * 1024);
    QString text = QString::fromUtf8(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// "[Name]" gives Name; any other line gives a null string.
QString sectionName(const QString& line)
{
    const QString t = line.trimmed();
    if (t.size() >= 2 && t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

bool isComment(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

// Position of the '=' of a "key=value" line whose key is `key`, or -1.
qsizetype keyValueSplit(const QString& line, const QString& key)
{
    if (isComment(line))
        return -1;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return -1;
    return eq;
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
    for (const QString& line : readLines(m_path)) {
        const QString name = sectionName(line);
        if (!name.isNull()) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = keyValueSplit(line, key);
        if (eq >= 0)
            return decodeValue(line.mid(eq + 1));
    }
    return {};
}

bool ConfigFile::writeValue(const QString& section, const QString& key, const QString& value)
{
    if (QFileInfo(m_path).isDir())
        return false;
    QStringList lines = readLines(m_path);
    const QString entry = key + QLatin1Char('=') + encodeValue(value);

    qsizetype sectionStart = -1;
    qsizetype insertAt = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i]);
        if (!name.isNull()) {
            if (sectionStart >= 0)
                break;  // end of our section
            if (name.compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = insertAt = i + 1;
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (keyValueSplit(lines[i], key) >= 0) {
            lines[i] = entry;
            insertAt = -2;
            break;
        }
        if (!lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    }
    if (sectionStart < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines << QString();
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    } else if (insertAt >= 0) {
        lines.insert(insertAt, entry);
    }

    const bool existed = QFileInfo::exists(m_path);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        return false;
    if (!existed)  // passwords live here: only the owner may read the file
        QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
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
