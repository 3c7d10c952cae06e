#pragma once

#include "ui/print/LaidOutDocument.h"

#include <QAbstractScrollArea>

namespace varnox {

// Shows the pages of a laid-out document: one page at a percentage of its
// real size, as thumbnails, two pages side by side, the whole page or the
// page's width. A double click with the left button zooms in, with the
// right button out.
class PreviewView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Zoom { Percent, Thumbnail, TwoPages, WholePage, PageWidth };
    static constexpr int kMinPercent = 20;
    static constexpr int kMaxPercent = 400;
    static constexpr int kPercentStep = 20;

    explicit PreviewView(QWidget* parent = nullptr);

    void setDocument(const LaidOutDocument* document); // nullptr: empty
    void setPage(int index);
    int page() const { return m_page; }

    void setZoom(Zoom zoom);
    void setPercent(int percent);
    Zoom zoom() const { return m_zoom; }
    int percent() const { return m_percent; }

signals:
    // A double click changed the zoom to a percentage.
    void zoomChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    double scale() const; // device pixels per twip
    QSizeF pageSize() const;
    void updateScrollBars();
    void paintSheet(QPainter& painter, int index, QPointF topLeft, double scale) const;

    const LaidOutDocument* m_doc = nullptr;
    int m_page = 0;
    Zoom m_zoom = Zoom::WholePage;
    int m_percent = 100;
};

} // namespace varnox
