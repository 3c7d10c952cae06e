#include "ui/main/FrmMain.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QCloseEvent>

namespace varnox {

FrmMain::FrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    loadCaptions(this, [this] { setCaption(this, GetText(916, "Varnox")); });
    resize(1024, 720);
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    if (m_closeGuard && !m_closeGuard())
        event->ignore();
    else
        event->accept();
}

}  // namespace varnox
