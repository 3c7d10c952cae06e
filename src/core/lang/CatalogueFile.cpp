#include "core/lang/CatalogueFile.h"

#include <QFile>

namespace varnox {

QString CatalogueFile::unescape(QStringView escaped, bool* ok)
{
    if (ok)
        *ok = true;
    QString out;
    out.reserve(escaped.size());
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar c = escaped[i];
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        const QChar e = i + 1 < escaped.size() ? escaped[++i] : QChar();
        switch (e.unicode()) {
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case '\\': out += QLatin1Char('\\'); break;
        default:
            if (ok)
                *ok = false;
            out += c;
            if (!e.isNull())
                out += e;
        }
    }
    return out;
}

QString CatalogueFile::escape(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        case '\\': out += QLatin1String("\\\\"); break;
        default: out += c;
        }
    }
    return out;
}

CatalogueFile CatalogueFile::parse(const QByteArray& utf8)
{
    CatalogueFile result;
    const QList<QByteArray> lines = utf8.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = QString::fromUtf8(lines[i]);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto fail = [&](const QString& why) {
            result.errors << QStringLiteral("line %1: %2").arg(i + 1).arg(why);
        };
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool numeric = false;
        const int number = tab > 0 ? line.left(tab).toInt(&numeric) : 0;
        if (!numeric || number < 0 || number > 65535) {
            fail(QStringLiteral("expected a text number and a tab"));
            continue;
        }
        if (result.texts.contains(number)) {
            fail(QStringLiteral("number %1 appears twice").arg(number));
            continue;
        }
        bool ok = false;
        const QString text = unescape(QStringView(line).mid(tab + 1), &ok);
        if (!ok)
            fail(QStringLiteral("unknown escape in text %1").arg(number));
        else if (text.isEmpty())
            fail(QStringLiteral("text %1 is empty").arg(number));
        else
            result.texts.insert(number, text);
    }
    return result;
}

CatalogueFile CatalogueFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CatalogueFile missing;
        missing.errors << QStringLiteral("cannot read %1").arg(path);
        return missing;
    }
    return parse(file.readAll());
}

}  // namespace varnox
