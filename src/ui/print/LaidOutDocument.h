#pragma once

#include "core/reports/Document.h"

#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QRectF>

namespace varnox {

// The sheet a document is laid out for: paper size and orientation (from the
// printer or the PDF file) and the margins, all in twips.
struct PageFrame {
    QPageLayout layout; // paper size and orientation; its own margins are not used
    double left = 1440, top = 1440, right = 1440, bottom = 1440;

    static PageFrame a4(QPageLayout::Orientation orientation = QPageLayout::Portrait);
    static PageFrame of(const QPageLayout& layout);

    QSizeF paper() const; // twips, as the sheet lies
    double bodyWidth() const { return paper().width() - left - right; }
};

// A piece of text at its baseline position, in twips from the sheet's corner.
struct TextRun {
    QPointF pos;
    QString text;
    int style = 0; // index into LaidOutDocument::styles
};

struct PageContent {
    QList<TextRun> runs;
    QList<QLineF> lines;
    QList<QRectF> shades; // light background of table headers
};

// A document laid out on pages. Header and footer are kept as text and
// drawn on every page with its number, so that numbering the pages once
// their count is known changes nothing else.
struct LaidOutDocument {
    QString name;
    PageFrame frame;
    QList<QFont> fonts; // per style
    QList<bool> marked; // per style: drawn in red
    QList<PageContent> pages;
    QString header;
    QString footer;
    int furnitureStyle = 0;
    double headerTop = 0; // top of the header's first line
    double footerBottom = 0; // bottom of the footer's last line

    int pageCount() const { return int(pages.size()); }
};

} // namespace varnox
