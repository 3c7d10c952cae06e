#include "ui/print/PreviewView.h"

#include "ui/print/PagePainter.h"
#include "ui/print/PrintFonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace varnox {
namespace {

constexpr int kGap = 16; // pixels around and between sheets
constexpr double kThumbnailPercent = 15;

} // namespace

PreviewView::PreviewView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PreviewView::setDocument(const LaidOutDocument* document)
{
    m_doc = document;
    m_page = 0;
    updateScrollBars();
    viewport()->update();
}

void PreviewView::setPage(int index)
{
    m_page = qMax(0, index);
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

void PreviewView::setZoom(Zoom zoom)
{
    m_zoom = zoom;
    updateScrollBars();
    viewport()->update();
}

void PreviewView::setPercent(int percent)
{
    m_percent = qBound(kMinPercent, percent, kMaxPercent);
    updateScrollBars();
    viewport()->update();
}

// An empty preview (nothing composed yet) shows the room of an A4 sheet.
QSizeF PreviewView::pageSize() const
{
    const QSizeF paper = m_doc ? m_doc->frame.paper() : QSizeF();
    return paper.isEmpty() ? PageFrame::a4().paper() : paper;
}

double PreviewView::scale() const
{
    const QSizeF paper = pageSize();
    const double width = viewport()->width() - 2 * kGap;
    const double height = viewport()->height() - 2 * kGap;
    const double realSize = logicalDpiX() / kTwipsPerInch;
    switch (m_zoom) {
    case Zoom::Percent:
        return realSize * m_percent / 100;
    case Zoom::Thumbnail:
        return realSize * kThumbnailPercent / 100;
    case Zoom::TwoPages:
        return qMax(0.001, qMin((width - kGap) / (2 * paper.width()), height / paper.height()));
    case Zoom::WholePage:
        return qMax(0.001, qMin(width / paper.width(), height / paper.height()));
    case Zoom::PageWidth:
        return qMax(0.001, width / paper.width());
    }
    return realSize;
}

void PreviewView::updateScrollBars()
{
    const QSizeF sheet = pageSize() * scale();
    const bool scrolls = m_zoom == Zoom::Percent || m_zoom == Zoom::PageWidth;
    const int contentWidth = scrolls ? int(sheet.width()) + 2 * kGap : 0;
    const int contentHeight = scrolls ? int(sheet.height()) + 2 * kGap : 0;
    horizontalScrollBar()->setRange(0, qMax(0, contentWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, qMax(0, contentHeight - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(40);
}

void PreviewView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PreviewView::paintSheet(QPainter& painter, int index, QPointF topLeft, double scale) const
{
    const QRectF sheet(topLeft, pageSize() * scale);
    painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 60));
    painter.fillRect(sheet, Qt::white);
    painter.save();
    painter.setClipRect(sheet);
    painter.translate(topLeft);
    painter.scale(scale, scale);
    paintPage(painter, *m_doc, index);
    painter.restore();
}

void PreviewView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    if (!m_doc || m_doc->pageCount() == 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double s = scale();
    const QSizeF sheet = pageSize() * s;
    const QPointF scrolled(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const double centred = qMax<double>(kGap, (viewport()->width() - sheet.width()) / 2);
    switch (m_zoom) {
    case Zoom::Thumbnail: {
        const int columns = qMax(1, int((viewport()->width() - kGap) / (sheet.width() + kGap)));
        const int rows = qMax(1, int((viewport()->height() - kGap) / (sheet.height() + kGap)));
        for (int i = 0; i < columns * rows && m_page + i < m_doc->pageCount(); ++i)
            paintSheet(painter, m_page + i,
                QPointF(kGap + (i % columns) * (sheet.width() + kGap), kGap + (i / columns) * (sheet.height() + kGap)),
                s);
        break;
    }
    case Zoom::TwoPages: {
        const double left = qMax<double>(kGap, (viewport()->width() - 2 * sheet.width() - kGap) / 2);
        paintSheet(painter, m_page, QPointF(left, kGap), s);
        if (m_page + 1 < m_doc->pageCount())
            paintSheet(painter, m_page + 1, QPointF(left + sheet.width() + kGap, kGap), s);
        break;
    }
    default:
        paintSheet(painter, m_page, QPointF(centred, kGap) + scrolled, s);
    }
}

void PreviewView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int current
        = m_zoom == Zoom::Percent ? m_percent : int(std::lround(scale() * kTwipsPerInch / logicalDpiX() * 100));
    const int step = event->button() == Qt::RightButton ? -kPercentStep : kPercentStep;
    // Onto the list's steps of 20 %.
    const int snapped = (current + (step > 0 ? 0 : kPercentStep - 1)) / kPercentStep * kPercentStep;
    m_zoom = Zoom::Percent;
    setPercent(snapped + step);
    emit zoomChanged(m_percent);
}

} // namespace varnox
