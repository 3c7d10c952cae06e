#include "core/reports/DayReport.h"

#include "core/lang/Texts.h"
#include "core/online/DayFiles.h"
#include "core/online/ProtocolExport.h"
#include "core/reports/PageText.h"

namespace varnox {
namespace {

QString dateText(const QDate& day)
{
    return day.toString(QStringLiteral("dd.MM.yyyy"));
}

TextStyle arial(double size, bool bold = false, bool marked = false)
{
    return { .family = QStringLiteral("Arial"), .size = size, .bold = bold, .marked = marked };
}

} // namespace

DayReport::DayReport(const LineCipher& cipher, const QDate& day)
    : m_cipher(cipher)
    , m_day(day)
{
}

DayReport::~DayReport()
{
    close();
}

Outcome DayReport::open(Document& document)
{
    close();
    const Outcome copied = DayFiles::makeTemporaryCopy(m_day);
    if (!copied)
        return copied;
    m_file.setFileName(DayFiles::temporaryCopyPath(m_day));
    if (!m_file.open(QIODevice::ReadOnly)) {
        DayFiles::removeTemporaryCopy(m_day);
        return Outcome::fail(DayFiles::noFileMessage());
    }
    m_size = m_file.size();
    m_reader = std::make_unique<DayFileReader>(m_file, m_cipher, m_day);
    m_done = false;

    document = Document();
    document.name = GetText(579, " Protokoll ") + dateText(m_day);
    document.style = arial(12);
    document.header = QStringLiteral("||") + GetText(578, "Tagesprotokoll vom ") + dateText(m_day);
    document.footer = firstPassFooter();
    return Outcome::ok();
}

bool DayReport::next(QList<Block>& blocks)
{
    if (!m_reader)
        return false;
    DayEntry entry;
    for (int read = 0; read < kBatch; ++read) {
        if (!m_reader->next(entry)) {
            close();
            m_done = true;
            return false;
        }
        blocks.append(dayReportLine(entry));
    }
    return true;
}

int DayReport::percent() const
{
    if (m_done)
        return 100;
    if (!m_reader || m_size <= 0)
        return 0;
    return int(qMin<qint64>(99, m_file.pos() * 100 / m_size));
}

void DayReport::close()
{
    if (!m_reader)
        return;
    m_reader.reset();
    m_file.close();
    DayFiles::removeTemporaryCopy(m_day);
}

Paragraph dayReportLine(const DayEntry& entry)
{
    if (entry.sound())
        return { .text = entry.line, .style = arial(12), .align = Align::Left };
    const QString mark = QLatin1Char('[') + recordStateText(entry.state) + QLatin1Char(']');
    // An unreadable record has no time: its mark stands in the text column.
    const QString text = entry.line.isEmpty() ? QStringLiteral("\t\t") + mark : entry.line + QStringLiteral("  ") + mark;
    return { .text = text, .style = arial(12, true, true), .align = Align::Left };
}

Document plainDayDocument(const QDate& day, const QString& text)
{
    Document doc;
    doc.name = GetText(579, " Protokoll ") + dateText(day);
    doc.style = arial(10);
    doc.footer = firstPassFooter();
    QString body = text;
    if (body.endsWith(QStringLiteral("\r\n")))
        body.chop(2); // the line break that ends the last line
    doc.blocks = {
        Paragraph { .text = GetText(578, "Tagesprotokoll vom ") + dateText(day),
            .style = arial(14, true),
            .align = Align::Left },
        Space { 60 },
        Rule {},
        Space { 120 },
    };
    for (const QString& line : body.split(QStringLiteral("\r\n")))
        doc.blocks.append(Paragraph { .text = line, .style = arial(10), .align = Align::Left });
    return doc;
}

} // namespace varnox
