#include "ui/reports/ProtocolPrinting.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/online/DayFiles.h"
#include "core/reports/DayReport.h"
#include "ui/common/MessageBox.h"
#include "ui/print/DocumentLayouter.h"
#include "ui/print/PdfFile.h"
#include "ui/print/PrinterChoice.h"
#include "ui/reports/FrmPrint.h"

#include <QApplication>

namespace varnox {
namespace {

void printPlain(QWidget* parent, DailyProtocol& protocol, const QDate& day)
{
    const Message question { .text = GetText(822, "Möchten Sie das Tagesprotokoll vom ")
            + day.toString(QStringLiteral("dd.MM.yyyy")) + GetText(823, " drucken?"),
        .title = GetText(185, "Tagesprotokoll drucken"),
        .icon = MessageIcon::Question,
        .focus = {},
        .selectAll = false };
    if (MessageBox::show(parent, question, Buttons::YesNo) != Answer::Yes)
        return;
    QString text;
    if (!MessageBox::showOutcome(parent, DayFiles::readPlain(day, &text)))
        return;
    PrinterChoice printer;
    const LaidOutDocument document = layOutNumbered(plainDayDocument(day, text), printer.frame());
    if (!printer.usable()) {
        MessageBox::show(parent, PrinterChoice::noPrinterMessage());
        saveAsPdf(parent, document);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Outcome printed = printer.print(document, 0, document.pageCount() - 1);
    QApplication::restoreOverrideCursor();
    if (MessageBox::showOutcome(parent, printed))
        protocol.write(GetText(826, "Tagesprotokoll gedruckt"));
}

} // namespace

void printDailyProtocol(QWidget* parent, DailyProtocol& protocol, const QDate& day)
{
    if (!protocol.encrypt()) {
        printPlain(parent, protocol, day);
        return;
    }
    protocol.write(GetText(275, "Menü 'Tagesprotokoll drucken' aufgerufen"));
    FrmPrint preview(protocol, day, parent);
    preview.exec();
}

} // namespace varnox
