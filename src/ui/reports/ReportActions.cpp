#include "ui/reports/ReportActions.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"
#include "ui/reports/FrmKeyAll.h"
#include "ui/reports/FrmKeyList.h"

namespace varnox {

void openKeyAssignment(AppServices& services, QWidget* parent)
{
    if (services.session.workCopyName.isEmpty())
        return;
    FrmKeyList window(services, parent);
    window.exec();
}

void openKeyList(AppServices& services, QWidget* parent)
{
    if (services.session.workCopyName.isEmpty())
        return;
    services.protocol.write(GetText(3808, "Menü 'Schlüsselliste drucken' aufgerufen"));
    FrmKeyAll window(services, parent);
    window.exec();
}

} // namespace varnox
