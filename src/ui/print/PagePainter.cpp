#include "ui/print/PagePainter.h"

#include "core/reports/PageText.h"
#include "ui/print/DocumentLayouter.h"
#include "ui/print/PrintFonts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>

#include <algorithm>

namespace varnox {
namespace {

const QColor kShade(232, 232, 232);
const QColor kMarked(200, 0, 0);

// One part of a header or footer: its lines from `top` down, placed by `align`.
void paintPart(QPainter& painter, const LaidOutDocument& doc, const QStringList& lines, Align align, double top)
{
    const QFontMetricsF metrics(doc.fonts[doc.furnitureStyle]);
    const PageFrame& frame = doc.frame;
    const double right = frame.paper().width() - frame.right;
    double y = top + metrics.ascent();
    for (const QString& line : lines) {
        const double width = metrics.horizontalAdvance(line);
        const double x = align == Align::Left ? frame.left
            : align == Align::Right           ? right - width
                                              : (frame.left + right - width) / 2;
        painter.drawText(QPointF(x, y), line);
        y += metrics.lineSpacing();
    }
}

// Text of the Latin scripts goes straight to the font's own glyphs, placed
// by their advances as the layout measured them; any other text (marks that
// combine, scripts that need shaping, glyphs the font lacks) goes the long
// way, through the text engine and the fonts that have its glyphs.
bool simpleText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x250; });
}

void drawRun(QPainter& painter, const QRawFont& font, const TextRun& run)
{
    const QList<quint32> glyphs = simpleText(run.text) ? font.glyphIndexesForString(run.text) : QList<quint32>();
    if (glyphs.isEmpty() || glyphs.size() != run.text.size() || glyphs.contains(0)) {
        painter.drawText(run.pos, run.text);
        return;
    }
    QList<QPointF> positions = font.advancesForGlyphIndexes(glyphs);
    QPointF x;
    for (QPointF& position : positions)
        x += std::exchange(position, x);
    QGlyphRun glyphRun;
    glyphRun.setRawFont(font);
    glyphRun.setGlyphIndexes(glyphs);
    glyphRun.setPositions(positions);
    painter.drawGlyphRun(run.pos, glyphRun);
}

void paintFurniture(QPainter& painter, const LaidOutDocument& doc, int index)
{
    painter.setFont(doc.fonts[doc.furnitureStyle]);
    painter.setPen(Qt::black);
    const double lineHeight = QFontMetricsF(doc.fonts[doc.furnitureStyle]).lineSpacing();
    const ThreeParts header = splitThreeParts(doc.header, index + 1);
    paintPart(painter, doc, header.left, Align::Left, doc.headerTop);
    paintPart(painter, doc, header.centre, Align::Centre, doc.headerTop);
    paintPart(painter, doc, header.right, Align::Right, doc.headerTop);
    const ThreeParts footer = splitThreeParts(doc.footer, index + 1);
    for (const auto& [lines, align] :
        { std::pair { &footer.left, Align::Left }, { &footer.centre, Align::Centre }, { &footer.right, Align::Right } })
        paintPart(painter, doc, *lines, align, doc.footerBottom - lines->size() * lineHeight);
}

} // namespace

void paintPage(QPainter& painter, const LaidOutDocument& doc, int index)
{
    if (index < 0 || index >= doc.pageCount())
        return;
    const PageContent& page = doc.pages[index];
    for (const QRectF& shade : page.shades)
        painter.fillRect(shade, kShade);
    painter.setPen(QPen(Qt::black, DocumentLayouter::kLineWidth));
    painter.drawLines(page.lines);
    QList<QRawFont> rawFonts(doc.fonts.size());
    int style = -1;
    for (const TextRun& run : page.runs) {
        if (run.style != style) {
            style = run.style;
            painter.setFont(doc.fonts[style]);
            painter.setPen(doc.marked[style] ? kMarked : QColor(Qt::black));
            if (!rawFonts[style].isValid())
                rawFonts[style] = QRawFont::fromFont(doc.fonts[style]);
        }
        drawRun(painter, rawFonts[style], run);
    }
    paintFurniture(painter, doc, index);
}

bool paintPages(const LaidOutDocument& doc, QPagedPaintDevice& device, int first, int last,
    const std::function<void(int)>& pagePainted)
{
    // Each on its own: a printer that refuses margins this small still takes paper and orientation.
    device.setPageSize(doc.frame.layout.pageSize());
    device.setPageOrientation(doc.frame.layout.orientation());
    device.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scaleX = device.logicalDpiX() / kTwipsPerInch;
    const double scaleY = device.logicalDpiY() / kTwipsPerInch;
    for (int i = first; i <= last && i < doc.pageCount(); ++i) {
        if (i > first)
            device.newPage();
        painter.save();
        painter.scale(scaleX, scaleY);
        paintPage(painter, doc, i);
        painter.restore();
        if (pagePainted)
            pagePainted(i);
    }
    return painter.end();
}

bool writePdf(const LaidOutDocument& doc, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(doc.name.trimmed());
        writer.setCreator(QStringLiteral("Varnox"));
        painted = paintPages(doc, writer, 0, doc.pageCount() - 1);
    }
    if (painted && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace varnox
