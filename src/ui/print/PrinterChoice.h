#pragma once

#include "core/shell/Message.h"
#include "ui/print/LaidOutDocument.h"

#include <QPrinter>

class QWidget;

namespace varnox {

// The printer a preview prints on: the system's default printer at first,
// another one after "Drucker wechseln". Documents are laid out for its paper.
class PrinterChoice {
public:
    PrinterChoice();

    // There is something to print on (many desks have no printer).
    bool usable() const;
    QString name() const;
    PageFrame frame() const;

    QPageLayout::Orientation orientation() const;
    void setOrientation(QPageLayout::Orientation orientation);

    // The printer dialog; true when another choice was made.
    bool choose(QWidget* parent);

    // Prints pages `first` to `last`; the message when it cannot.
    Outcome print(const LaidOutDocument& document, int first, int last);

    // For tests: every printer prints into this PDF file instead (empty: off).
    static void redirectToPdf(const QString& path);

    static Message noPrinterMessage();

private:
    QPrinter m_printer { QPrinter::HighResolution };
};

} // namespace varnox
