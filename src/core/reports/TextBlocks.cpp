#include "core/reports/TextBlocks.h"

#include "core/lang/Texts.h"
#include "core/shell/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace varnox {
namespace {

QString fileName(TextBlock block, const QString& suffix)
{
    return QStringLiteral("ProTxt0%1%2.txt").arg(int(block)).arg(suffix);
}

Message missingMessage(TextBlock block)
{
    const bool first = block == TextBlock::First;
    const QStringList lines {
        first ? GetText(491, "Auf die Textdatei ProTxt01.txt im Verzeichnis Texte kann nicht")
              : GetText(496, "Auf die Textdatei ProTxt02.txt im Verzeichnis Texte kann nicht"),
        GetText(492, "zugegriffen werden."),
        first ? GetText(493, "Sie beinhaltet den ersten frei konfigurierbaren Textbaustein")
              : GetText(497, "Sie beinhaltet den zweiten frei konfigurierbaren Textbaustein"),
        GetText(494, "für das Übergabeprotokoll."),
    };
    return { .text = lines.join(QStringLiteral("\r\n")),
        .title = GetText(495, "Dateifehler"),
        .icon = MessageIcon::Information,
        .focus = {},
        .selectAll = false };
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

QString textBlockSuffix(int languageId)
{
    switch (languageId) {
    case 1031:
    case 4103:
        return QStringLiteral("_dt");
    case 1036:
        return QStringLiteral("_fr");
    default:
        return QStringLiteral("_en");
    }
}

QString textBlockPath(TextBlock block, int languageId)
{
    return ProgramFolder::textsDir() + QLatin1Char('/') + fileName(block, textBlockSuffix(languageId));
}

Outcome readTextBlock(TextBlock block, int languageId, QString* text)
{
    QFile file(textBlockPath(block, languageId));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return Outcome::fail(missingMessage(block));
    QStringList lines = decode(file.readAll()).split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // the line break that ends the last line starts no line of its own
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    *text = lines.join(QStringLiteral("\r\n"));
    return Outcome::ok();
}

bool seedTextBlocks()
{
    const QString folder = ProgramFolder::textsDir();
    if (QFileInfo::exists(folder))
        return true;
    if (!QDir().mkpath(folder))
        return false;
    bool written = true;
    for (const TextBlock block : { TextBlock::First, TextBlock::Second }) {
        for (const char* suffix : { "_dt", "_fr", "_en" }) {
            const QString name = fileName(block, QLatin1String(suffix));
            const QString path = folder + QLatin1Char('/') + name;
            if (QFileInfo::exists(path))
                continue;
            // Whole or not at all: a half-written block would never be seeded again.
            QFile source(QStringLiteral(":/texte/") + name);
            QSaveFile target(path);
            if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly)
                || target.write(source.readAll()) != source.size() || !target.commit())
                written = false;
        }
    }
    return written;
}

} // namespace varnox
