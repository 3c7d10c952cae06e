#include "ui/print/PrinterChoice.h"

#include "core/lang/Texts.h"
#include "ui/common/MessageBox.h"
#include "ui/print/PagePainter.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace varnox {
namespace {

QString& redirection()
{
    static QString path;
    return path;
}

} // namespace

PrinterChoice::PrinterChoice()
{
    m_printer.setFullPage(true); // the documents keep their own margins from the paper's edge
    if (!redirection().isEmpty()) {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(redirection());
    }
    if (m_printer.outputFormat() != QPrinter::NativeFormat)
        m_printer.setPageSize(QPageSize(QPageSize::A4));
}

void PrinterChoice::redirectToPdf(const QString& path)
{
    redirection() = path;
}

bool PrinterChoice::usable() const
{
    if (m_printer.outputFormat() == QPrinter::NativeFormat)
        return !m_printer.printerName().isEmpty();
    return !m_printer.outputFileName().isEmpty();
}

QString PrinterChoice::name() const
{
    if (!usable())
        return GetText(3801, "kein Drucker eingerichtet");
    return m_printer.outputFormat() == QPrinter::NativeFormat ? m_printer.printerName() : m_printer.outputFileName();
}

PageFrame PrinterChoice::frame() const
{
    return PageFrame::of(m_printer.pageLayout());
}

QPageLayout::Orientation PrinterChoice::orientation() const
{
    return m_printer.pageLayout().orientation();
}

void PrinterChoice::setOrientation(QPageLayout::Orientation orientation)
{
    m_printer.setPageOrientation(orientation);
}

bool PrinterChoice::choose(QWidget* parent)
{
    if (MessageBox::unattended())
        return false; // nobody there to choose
    QPrintDialog dialog(&m_printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

Outcome PrinterChoice::print(const LaidOutDocument& document, int first, int last)
{
    if (!usable())
        return Outcome::fail(noPrinterMessage());
    m_printer.setDocName(document.name.trimmed());
    if (paintPages(document, m_printer, first, last))
        return Outcome::ok();
    return Outcome::fail(
        { .text = GetText(3802, "Der Drucker kann nicht benutzt werden:") + QStringLiteral("\r\n") + name(),
            .title = GetText(246, "Fehler"),
            .icon = MessageIcon::Critical,
            .focus = {},
            .selectAll = false });
}

Message PrinterChoice::noPrinterMessage()
{
    return { .text = GetText(3803, "Auf diesem Rechner ist kein Drucker eingerichtet.") + QStringLiteral("\r\n")
            + GetText(3804, "Das Dokument kann als PDF-Datei gespeichert werden."),
        .title = GetText(186, "Drucken"),
        .icon = MessageIcon::Information,
        .focus = {},
        .selectAll = false };
}

} // namespace varnox
