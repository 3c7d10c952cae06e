#include "ui/print/PreviewWindow.h"

#include "core/lang/Texts.h"
#include "core/reports/PageText.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/print/DocumentLayouter.h"
#include "ui/print/PdfFile.h"
#include "ui/print/PreviewView.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace varnox {
namespace {

template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

PreviewWindow::PreviewWindow(const char* name, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    build();
    varnox::loadCaptions(this, [this] { loadCaptions(); });
    showPrinter();
    updateButtons();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::build()
{
    m_printBox = named(new QGroupBox, "FrDrucken");
    m_printPage = named(new QPushButton, "CmdAktSeite");
    m_printAll = named(new QPushButton, "CmdAlleSeiten");
    auto* printBox = new QVBoxLayout(m_printBox);
    printBox->addWidget(m_printPage);
    printBox->addWidget(m_printAll);
    m_changePrinter = named(new QPushButton, "CmdDrucker");
    m_printerCaption = named(new QLabel, "LblDrucker");
    m_printerName = named(new QLabel, "LblDruckerName");
    m_printerName->setWordWrap(true);
    m_pdf = named(new QPushButton, "CmdPdf");
    m_close = named(new QPushButton, "CmdClose");

    m_extra = new QVBoxLayout;
    m_extraButtons = new QVBoxLayout;
    auto* side = new QVBoxLayout;
    side->addLayout(m_extra);
    side->addWidget(m_printBox);
    side->addWidget(m_changePrinter);
    side->addWidget(m_printerCaption);
    side->addWidget(m_printerName);
    side->addWidget(m_pdf);
    side->addLayout(m_extraButtons);
    side->addStretch();
    side->addWidget(m_close);

    m_view = named(new PreviewView, "Preview");
    m_pageScroller = named(new QScrollBar(Qt::Horizontal), "HScrollSeite");
    m_pageScroller->setRange(1, 1);
    m_pageLabel = named(new QLabel, "LblSeite");
    m_pageLabel->setMinimumWidth(130);
    m_progress = named(new QProgressBar, "ProgBarDruck");
    m_progress->setRange(0, 100);
    m_progress->hide();
    auto* pages = new QHBoxLayout;
    pages->addWidget(m_pageScroller, 1);
    pages->addWidget(m_pageLabel);
    auto* right = new QVBoxLayout;
    right->addWidget(m_view, 1);
    right->addLayout(pages);
    right->addWidget(m_progress);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addLayout(right, 1);
    resize(1000, 760);

    m_composeTimer = new QTimer(this);
    m_composeTimer->setObjectName(QStringLiteral("TimerCompose"));
    m_composeTimer->setInterval(0);
    connect(m_composeTimer, &QTimer::timeout, this, &PreviewWindow::step);
    connect(m_pageScroller, &QScrollBar::valueChanged, this, [this](int page) { showPage(page - 1); });
    connect(m_printPage, &QPushButton::clicked, this, [this] { printPages(currentPage(), currentPage()); });
    connect(m_printAll, &QPushButton::clicked, this, [this] { printPages(0, m_doc.pageCount() - 1); });
    connect(m_changePrinter, &QPushButton::clicked, this, &PreviewWindow::changePrinter);
    connect(m_pdf, &QPushButton::clicked, this, [this] { saveAsPdf(this, m_doc); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void PreviewWindow::loadCaptions()
{
    setCaption(m_printBox, GetText(186, "Drucken"));
    setCaption(m_printPage, GetText(189, "Aktuelle Seite"));
    varnox::setToolTip(m_printPage, GetText(190, "Druckt nur die gerade sichtbare Seite"));
    setCaption(m_printAll, GetText(191, "Alle Seiten"));
    varnox::setToolTip(m_printAll, m_allPagesToolTip);
    setCaption(m_changePrinter, GetText(187, "Drucker wechseln"));
    varnox::setToolTip(m_changePrinter, GetText(188, "Wechselt zu einem anderen Drucker"));
    setCaption(m_printerCaption, GetText(193, "Aktueller Drucker"));
    setCaption(m_pdf, GetText(3805, "Als PDF speichern"));
    varnox::setToolTip(m_pdf, GetText(3809, "Speichert das Dokument als PDF-Datei"));
    setCaption(m_close, GetText(163, "Schließen"));
    varnox::setToolTip(m_close, GetText(198, "Zum Hauptprogramm zurückkehren"));
    varnox::setToolTip(
        m_view, GetText(641, "+ZOOM - Doppelklick linke Maustaste, -ZOOM - Doppelklick rechte Maustaste"));
    showPage(currentPage());
}

void PreviewWindow::setAllPagesToolTip(const QString& text)
{
    m_allPagesToolTip = text;
    varnox::setToolTip(m_printAll, text);
}

bool PreviewWindow::composing() const
{
    return m_composeTimer->isActive();
}

int PreviewWindow::currentPage() const
{
    return m_view->page();
}

void PreviewWindow::clear()
{
    m_composeTimer->stop();
    m_layouter.reset();
    m_source.reset();
    m_progress->hide();
    m_doc = LaidOutDocument();
    m_view->setDocument(&m_doc);
    m_pageScroller->setRange(1, 1);
    showPage(0);
    updateButtons();
}

void PreviewWindow::compose()
{
    clear();
    m_source = makeSource();
    Document document;
    const Outcome opened = m_source ? m_source->open(document) : Outcome::fail({});
    if (!opened) {
        m_source.reset();
        if (!opened.message().text.isEmpty())
            MessageBox::show(this, opened.message());
        return;
    }
    m_layouter = std::make_unique<DocumentLayouter>(m_printer.frame(), document);
    m_progress->setValue(0);
    m_progress->show();
    m_composeTimer->start();
    updateButtons();
}

void PreviewWindow::step()
{
    QList<Block> blocks;
    const bool more = m_source->next(blocks);
    m_layouter->add(blocks);
    m_progress->setValue(m_source->percent());
    if (!more)
        finishComposition();
}

void PreviewWindow::finishComposition()
{
    m_composeTimer->stop();
    m_doc = m_layouter->finish();
    m_layouter.reset();
    m_source.reset();
    numberPages(m_doc);
    m_view->setDocument(&m_doc);
    m_progress->hide();
    const QSignalBlocker quiet(m_pageScroller);
    m_pageScroller->setRange(1, qMax(1, m_doc.pageCount()));
    showPage(0);
    updateButtons();
}

void PreviewWindow::showPage(int index)
{
    const int count = m_doc.pageCount();
    index = qBound(0, index, qMax(0, count - 1));
    if (m_view->page() != index)
        m_view->setPage(index);
    const QSignalBlocker quiet(m_pageScroller);
    m_pageScroller->setValue(index + 1);
    m_pageLabel->setText(count == 0 ? pageLabel(0, 0)
            : index == 0            ? GetText(500, "Seite 1 von ") + QString::number(count)
                                    : pageLabel(index + 1, count));
}

void PreviewWindow::showPrinter()
{
    m_printerName->setText(m_printer.name());
}

void PreviewWindow::updateButtons()
{
    const bool ready = !composing() && m_doc.pageCount() > 0;
    for (QPushButton* b : { m_printPage, m_printAll, m_pdf })
        b->setEnabled(ready);
    m_changePrinter->setEnabled(!composing());
}

void PreviewWindow::printPages(int first, int last)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Outcome printed = m_printer.print(m_doc, first, last);
    QApplication::restoreOverrideCursor();
    MessageBox::showOutcome(this, printed);
}

void PreviewWindow::changePrinter()
{
    if (!m_printer.choose(this))
        return;
    showPrinter();
    compose();
}

} // namespace varnox
