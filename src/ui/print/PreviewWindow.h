#pragma once

#include "core/reports/DocumentSource.h"
#include "ui/print/LaidOutDocument.h"
#include "ui/print/PrinterChoice.h"

#include <QDialog>
#include <memory>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTimer;
class QVBoxLayout;

namespace varnox {

class DocumentLayouter;
class PreviewView;

// What every print preview has: the document on the left's right, "Drucken"
// with the page shown or all pages, the printer and its change, the page
// scroller with "Seite n von m", saving as a PDF file, and "Schließen". The
// document is composed a batch at a time while the window stays responsive,
// with a progress bar, and then numbered with its page count.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    ~PreviewWindow() override;

    bool composing() const;
    const LaidOutDocument& document() const { return m_doc; }
    int currentPage() const; // from 0
    PreviewView* view() const { return m_view; }

    // Composes the document anew (also after a change of printer or orientation).
    void compose();

protected:
    explicit PreviewWindow(const char* name, QWidget* parent = nullptr);

    // The document to show; called by compose().
    virtual std::unique_ptr<DocumentSource> makeSource() = 0;

    // Room for a window's own controls above the common ones, and below them.
    QVBoxLayout* extraControls() const { return m_extra; }
    QVBoxLayout* extraButtons() const { return m_extraButtons; }
    void setAllPagesToolTip(const QString& text);
    PrinterChoice& printer() { return m_printer; }
    // Empties the preview (nothing composed).
    void clear();

private:
    void build();
    void loadCaptions();
    void step();
    void finishComposition();
    void showPage(int index);
    void showPrinter();
    void printPages(int first, int last);
    void changePrinter();
    void updateButtons();

    PrinterChoice m_printer;
    LaidOutDocument m_doc;
    std::unique_ptr<DocumentSource> m_source;
    std::unique_ptr<DocumentLayouter> m_layouter;
    QTimer* m_composeTimer = nullptr;
    QString m_allPagesToolTip;

    QVBoxLayout* m_extra = nullptr;
    QVBoxLayout* m_extraButtons = nullptr;
    PreviewView* m_view = nullptr;
    QScrollBar* m_pageScroller = nullptr;
    QLabel* m_pageLabel = nullptr;
    QProgressBar* m_progress = nullptr;
    QGroupBox* m_printBox = nullptr;
    QPushButton* m_printPage = nullptr;
    QPushButton* m_printAll = nullptr;
    QPushButton* m_changePrinter = nullptr;
    QLabel* m_printerCaption = nullptr;
    QLabel* m_printerName = nullptr;
    QPushButton* m_pdf = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace varnox
