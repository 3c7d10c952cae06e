#include "core/reports/HandoverProtocol.h"

#include "core/lang/Texts.h"
#include "core/reports/KeyReaders.h"
#include "core/reports/PageText.h"
#include "core/reports/TableFormat.h"
#include "core/reports/TextBlocks.h"

namespace varnox {
namespace {

TextStyle times(double size = 12, bool bold = false)
{
    return { .family = QStringLiteral("Times New Roman"), .size = size, .bold = bold, .marked = false };
}

Paragraph line(const QString& text, TextStyle style = times(), Align align = Align::Left)
{
    return { .text = text, .style = std::move(style), .align = align };
}

// The five columns of the key assignment list share the width the protocol
// has always given its station table, so that they line up on paper.
Table stationTable(const QList<QStringList>& readers)
{
    Table table;
    table.columns = parseTableFormat(QStringLiteral("^+900|+3400|^+1800|^+1300|^+1600;"));
    table.header = readerListHeaders();
    table.style = times();
    for (const QStringList& row : readers) {
        QStringList cells;
        for (const QString& text : row)
            cells << text.trimmed();
        table.rows << cells;
    }
    return table;
}

// Two lines to sign on, side by side, each with what belongs there below it.
Table signatureLines()
{
    const QString underline(25, QLatin1Char('_'));
    Table table;
    table.columns = parseTableFormat(QStringLiteral("^+4500|^+4500;"));
    table.rows = { { underline, underline },
        { GetText(582, "                       Unterschrift des Schlüsselempfängers").trimmed(),
            GetText(583, "                          Ort & Datum                      ").trimmed() } };
    table.style = times();
    table.ruled = false;
    return table;
}

} // namespace

Outcome readHandoverBlocks(int languageId, QString* first, QString* second)
{
    const Outcome read = readTextBlock(TextBlock::First, languageId, first);
    return read ? readTextBlock(TextBlock::Second, languageId, second) : read;
}

Document handoverDocument(const Handover& handover)
{
    Document doc;
    doc.name = GetText(584, " Leserliste ") + handover.keyName;
    doc.style = times();
    doc.footer = firstPassFooter();
    doc.blocks = {
        line(GetText(498, "Übergabeprotokoll"), times(16, true), Align::Centre),
        Space { 480 },
        line(GetText(490, "Bezeichnung des Schlüssels:   ") + handover.keyName, times(12, true)),
        Space { 240 },
        line(handover.firstBlock),
        Space { 360 },
        line(readerListTitle(handover.day), times(12, true)),
        Space { 120 },
        stationTable(handover.readers),
        Space { 360 },
        line(handover.secondBlock),
        Space { 1440 },
        signatureLines(),
    };
    return doc;
}

} // namespace varnox
