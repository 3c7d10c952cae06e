#pragma once

#include <QDate>

class QWidget;

namespace varnox {

class DailyProtocol;

// Printing the daily protocol of `day` (the viewer's CmdPrint, the monitor
// page's CmdMonDru). An enciphered protocol is composed in the print preview
// after "Menü 'Tagesprotokoll drucken' aufgerufen" is recorded. A plain one
// is printed as it stands once the operator agrees, and "Tagesprotokoll
// gedruckt" recorded; without a printer it can be saved as a PDF file.
void printDailyProtocol(QWidget* parent, DailyProtocol& protocol, const QDate& day);

} // namespace varnox
