#include "ctl/Csv.h"

#include "core/lang/Texts.h"

#include <QStringDecoder>

namespace varnox::ctl {
namespace {

// Reads one record from `pos`; `line` counts the lines read.
class CsvReader {
public:
    explicit CsvReader(const QString& text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    CsvRecord next();

private:
    QChar peek(qsizetype ahead = 0) const { return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : QChar(); }
    bool atLineEnd() const { return peek() == u'\n' || (peek() == u'\r' && peek(1) == u'\n'); }
    void skipLineEnd()
    {
        m_pos += peek() == u'\r' ? 2 : 1;
        ++m_line;
    }
    QString quoted(CsvRecord& record);
    QString plain(CsvRecord& record);
    void skipRecord();

    const QString& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

QString CsvReader::quoted(CsvRecord& record)
{
    QString field;
    ++m_pos; // the opening quote
    while (true) {
        if (atEnd()) {
            record.error = GetText(4050, "Ein Feld in Anführungszeichen wird nicht geschlossen.");
            return field;
        }
        const QChar c = m_text[m_pos++];
        if (c == u'"') {
            if (peek() != u'"')
                break;
            ++m_pos;
        } else if (c == u'\n') {
            ++m_line;
        }
        field += c;
    }
    if (!atEnd() && peek() != u',' && !atLineEnd())
        record.error = GetText(4051, "Nach dem schließenden Anführungszeichen eines Feldes steht noch etwas.");
    return field;
}

QString CsvReader::plain(CsvRecord& record)
{
    const qsizetype start = m_pos;
    while (!atEnd() && peek() != u',' && !atLineEnd()) {
        if (peek() == u'"' && record.error.isEmpty())
            record.error = GetText(4052, "Ein Anführungszeichen steht mitten in einem Feld ohne Anführungszeichen.");
        ++m_pos;
    }
    return m_text.mid(start, m_pos - start);
}

// After an error the rest of the line goes with it, so that the next
// record starts on a line of its own.
void CsvReader::skipRecord()
{
    while (!atEnd() && !atLineEnd())
        ++m_pos;
}

CsvRecord CsvReader::next()
{
    CsvRecord record;
    record.line = m_line;
    while (true) {
        record.fields << (peek() == u'"' ? quoted(record) : plain(record));
        if (!record.error.isEmpty())
            skipRecord();
        if (atEnd() || atLineEnd())
            break;
        ++m_pos; // the comma
    }
    if (!atEnd())
        skipLineEnd();
    return record;
}

// The line of the first byte sequence that is no UTF-8; 0 when there is none.
int firstLineNotUtf8(const QByteArray& data)
{
    const QList<QByteArray> lines = data.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder(lines[i]);
        Q_UNUSED(decoded);
        if (decoder.hasError())
            return int(i + 1);
    }
    return 0;
}

} // namespace

QList<CsvRecord> readCsv(const QByteArray& data)
{
    // A file in another encoding would store its names garbled: none of it is taken.
    if (const int line = firstLineNotUtf8(data))
        return { CsvRecord { line, {}, GetText(4053, "Die Datei ist nicht in UTF-8 geschrieben.") } };
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QList<CsvRecord> records;
    CsvReader reader(text);
    while (!reader.atEnd()) {
        CsvRecord record = reader.next();
        if (record.fields.size() == 1 && record.fields.first().isEmpty() && record.error.isEmpty())
            continue;
        records << record;
    }
    return records;
}

QString csvLine(const QStringList& fields)
{
    QStringList out;
    for (const QString& field : fields) {
        const bool quote
            = field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r');
        out << (quote ? QLatin1Char('"') + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\""))
                    + QLatin1Char('"')
                      : field);
    }
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace varnox::ctl
