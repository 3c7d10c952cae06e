#include "ui/print/DocumentLayouter.h"

#include "core/reports/PageText.h"
#include "ui/print/PrintFonts.h"
#include "ui/print/TextWrap.h"

#include <QRegularExpression>

namespace varnox {
namespace {

constexpr double kCellPadX = 20; // "lfd. Nr." in Courier 12 just fits its 1200 twips
constexpr double kCellPadY = 40;
constexpr double kFurnitureGap = 240;

int lineCount(const ThreeParts& parts)
{
    return int(qMax(parts.left.size(), qMax(parts.centre.size(), parts.right.size())));
}

QStringList textLines(const QString& text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return { text };
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return text.split(lineBreak);
}

} // namespace

PageFrame PageFrame::a4(QPageLayout::Orientation orientation)
{
    return of(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF()));
}

PageFrame PageFrame::of(const QPageLayout& layout)
{
    PageFrame frame;
    frame.layout = layout;
    return frame;
}

QSizeF PageFrame::paper() const
{
    return layout.fullRectPoints().size() * kTwipsPerPoint;
}

DocumentLayouter::DocumentLayouter(const PageFrame& frame, const Document& document)
{
    m_doc.name = document.name;
    m_doc.frame = frame;
    m_doc.header = document.header;
    m_doc.footer = document.footer;
    m_doc.furnitureStyle = styleIndex(document.style);
    const double lineHeight = m_measures[m_doc.furnitureStyle]->metrics().lineSpacing();
    const QSizeF paper = frame.paper();

    m_doc.headerTop = frame.top / 2;
    const int headerLines = lineCount(splitThreeParts(document.header, 1));
    m_bodyTop
        = headerLines == 0 ? frame.top : qMax(frame.top, m_doc.headerTop + headerLines * lineHeight + kFurnitureGap);
    m_doc.footerBottom = paper.height() - frame.bottom / 2;
    const int footerLines = lineCount(splitThreeParts(document.footer, 1));
    m_bodyBottom = paper.height() - frame.bottom;
    if (footerLines > 0)
        m_bodyBottom = qMin(m_bodyBottom, m_doc.footerBottom - footerLines * lineHeight - kFurnitureGap);
    m_y = m_bodyTop;
}

DocumentLayouter::~DocumentLayouter() = default;

void DocumentLayouter::add(const QList<Block>& blocks)
{
    for (const Block& block : blocks)
        add(block);
}

void DocumentLayouter::add(const Block& block)
{
    if (const auto* p = std::get_if<Paragraph>(&block))
        paragraph(*p);
    else if (const auto* t = std::get_if<Table>(&block))
        table(*t);
    else if (std::holds_alternative<Rule>(block))
        rule();
    else if (const auto* s = std::get_if<Space>(&block))
        space(s->height);
}

LaidOutDocument DocumentLayouter::finish()
{
    return std::move(m_doc);
}

int DocumentLayouter::styleIndex(const TextStyle& style)
{
    const qsizetype found = m_styles.indexOf(style);
    if (found >= 0)
        return int(found);
    m_styles.append(style);
    m_doc.fonts.append(printFont(style));
    m_doc.marked.append(style.marked);
    m_measures.push_back(std::make_unique<TextMeasure>(m_doc.fonts.last()));
    return int(m_styles.size() - 1);
}

PageContent& DocumentLayouter::page()
{
    if (m_doc.pages.isEmpty()) {
        m_doc.pages.append(PageContent());
        m_y = m_bodyTop;
    }
    return m_doc.pages.last();
}

// Starts a new page when `height` does not fit below the current position;
// true when it did. What is taller than a page goes on a page of its own.
bool DocumentLayouter::makeRoom(double height)
{
    if (m_doc.pages.isEmpty()) {
        page();
        return false;
    }
    if (m_y + height <= m_bodyBottom || m_y <= m_bodyTop)
        return false;
    m_doc.pages.append(PageContent());
    m_y = m_bodyTop;
    return true;
}

double DocumentLayouter::left(Align align, double width) const
{
    const double room = m_doc.frame.bodyWidth() - width;
    switch (align) {
    case Align::Left:
        return m_doc.frame.left;
    case Align::Centre:
        return m_doc.frame.left + room / 2;
    case Align::Right:
        return m_doc.frame.left + room;
    }
    return m_doc.frame.left;
}

void DocumentLayouter::paragraph(const Paragraph& paragraph)
{
    const int style = styleIndex(paragraph.style);
    const TextMeasure& measure = *m_measures[style];
    const QFontMetricsF& metrics = measure.metrics();
    const double lineHeight = metrics.lineSpacing();
    TextWrap wrap(measure, m_doc.frame.bodyWidth(), kTabStop);
    for (const QString& text : textLines(paragraph.text)) {
        for (const WrappedLine& line : wrap.wrap(text)) {
            makeRoom(lineHeight);
            const double x = left(paragraph.align, line.width);
            PageContent& content = page();
            for (const WrappedLine::Piece& piece : line.pieces)
                content.runs.append({ QPointF(x + piece.x, m_y + metrics.ascent()), piece.text, style });
            m_y += lineHeight;
        }
    }
}

void DocumentLayouter::table(const Table& table)
{
    if (table.columns.isEmpty())
        return;
    m_tableTop = -1;
    if (!table.header.isEmpty())
        tableRow(table, table.header, true);
    for (const QStringList& row : table.rows)
        tableRow(table, row, false);
    closeTableOnPage(table);
}

void DocumentLayouter::tableRow(const Table& table, const QStringList& cells, bool header)
{
    TextStyle textStyle = table.style;
    textStyle.bold = textStyle.bold || header;
    const int style = styleIndex(textStyle);
    const TextMeasure& measure = *m_measures[style];
    const QFontMetricsF& metrics = measure.metrics();
    const double lineHeight = metrics.lineSpacing();

    QList<QList<WrappedLine>> wrapped;
    qsizetype lines = 1;
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        TextWrap wrap(measure, table.columns[c].width - 2 * kCellPadX, kTabStop);
        QList<WrappedLine> cell;
        for (const QString& text : textLines(cells.value(c)))
            cell += wrap.wrap(text);
        lines = qMax(lines, cell.size());
        wrapped.append(cell);
    }
    const double height = lines * lineHeight + 2 * kCellPadY;
    if (!header && !m_doc.pages.isEmpty() && m_y + height > m_bodyBottom && m_y > m_bodyTop) {
        closeTableOnPage(table);
        makeRoom(height);
        if (!table.header.isEmpty())
            tableRow(table, table.header, true); // the header again on the new page
    }
    if (header)
        makeRoom(height + lineHeight + 2 * kCellPadY); // never a header alone at the foot of a page
    else
        makeRoom(height);

    PageContent& content = page();
    double width = 0;
    for (const TableColumn& column : table.columns)
        width += column.width;
    const double x0 = m_doc.frame.left;
    if (m_tableTop < 0) {
        m_tableTop = m_y;
        if (table.ruled)
            content.lines.append(QLineF(x0, m_y, x0 + width, m_y));
    }
    if (header && table.ruled)
        content.shades.append(QRectF(x0, m_y, width, height));
    double x = x0;
    for (qsizetype c = 0; c < table.columns.size(); ++c) {
        const TableColumn& column = table.columns[c];
        const double room = column.width - 2 * kCellPadX;
        double y = m_y + kCellPadY + metrics.ascent();
        for (const WrappedLine& line : wrapped[c]) {
            const double offset = column.align == Align::Centre ? (room - line.width) / 2
                : column.align == Align::Right                  ? room - line.width
                                                                : 0;
            for (const WrappedLine::Piece& piece : line.pieces)
                content.runs.append({ QPointF(x + kCellPadX + qMax(0.0, offset) + piece.x, y), piece.text, style });
            y += lineHeight;
        }
        x += column.width;
    }
    m_y += height;
    if (table.ruled)
        content.lines.append(QLineF(x0, m_y, x0 + width, m_y));
}

// The column lines of the part of the table on the current page.
void DocumentLayouter::closeTableOnPage(const Table& table)
{
    if (m_tableTop < 0)
        return;
    if (table.ruled) {
        double x = m_doc.frame.left;
        PageContent& content = page();
        content.lines.append(QLineF(x, m_tableTop, x, m_y));
        for (const TableColumn& column : table.columns) {
            x += column.width;
            content.lines.append(QLineF(x, m_tableTop, x, m_y));
        }
    }
    m_tableTop = -1;
}

void DocumentLayouter::rule()
{
    makeRoom(kLineWidth);
    const double x = m_doc.frame.left;
    page().lines.append(QLineF(x, m_y, x + m_doc.frame.bodyWidth(), m_y));
    m_y += kLineWidth;
}

void DocumentLayouter::space(int height)
{
    if (!m_doc.pages.isEmpty() && m_y > m_bodyTop)
        m_y += height;
}

LaidOutDocument layOutNumbered(const Document& document, const PageFrame& frame)
{
    DocumentLayouter layouter(frame, document);
    layouter.add(document.blocks);
    LaidOutDocument laidOut = layouter.finish();
    numberPages(laidOut);
    return laidOut;
}

// The second pass: header and footer stand in the margins, so the pages of
// the first pass stay as they are and only the footer learns the count.
void numberPages(LaidOutDocument& laidOut)
{
    if (laidOut.footer == firstPassFooter())
        laidOut.footer = numberedFooter(laidOut.pageCount());
}

} // namespace varnox
