#include "ui/supervision/SupervisionWindows.h"

#include "core/bus/BusSystem.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"
#include "ui/common/MessageBox.h"
#include "ui/main/FrmMain.h"
#include "ui/supervision/FrmErrMessage.h"
#include "ui/supervision/FrmFernWartung.h"
#include "ui/supervision/FrmSheit.h"

#include <QApplication>

namespace varnox {

SupervisionWindows::SupervisionWindows(FrmMain& window, AppServices& services, Operator& op)
    : QObject(&window)
    , m_window(window)
    , m_services(services)
    , m_supervision(
          window.bus().ports(), window.bus().reception(), services.protocol, op, services.clock,
          [this] { return workCopy(); }, this)
    , m_errorWindow(new FrmErrMessage(&window))
{
    NetworkWatchdog& network = m_supervision.network();
    connect(&network, &NetworkWatchdog::failureMessage, this, &SupervisionWindows::showFailure);
    connect(&network, &NetworkWatchdog::peerAlive, m_errorWindow, &QWidget::hide);
    connect(m_errorWindow, &FrmErrMessage::acknowledged, &network, &NetworkWatchdog::acknowledge);
}

SupervisionWindows::~SupervisionWindows() = default;

QString SupervisionWindows::workCopy() const
{
    const QString name = m_services.session.workCopyName;
    return name.isEmpty() ? QString() : workCopyPath(name);
}

void SupervisionWindows::openSecuritySettings()
{
    if (workCopy().isEmpty())
        return;
    FrmSheit dialog(workCopy(), m_supervision, &m_window);
    dialog.exec();
}

void SupervisionWindows::openRemoteMaintenance()
{
    if (workCopy().isEmpty())
        return;
    FrmFernWartung dialog(workCopy(), m_supervision, &m_window);
    dialog.exec();
}

void SupervisionWindows::additionalSave(const QString& workCopyName)
{
    const Outcome outcome = m_supervision.AdditionalSave(workCopyName);
    if (!outcome)
        MessageBox::show(&m_window, outcome.message());
}

void SupervisionWindows::shutdown()
{
    m_supervision.shutdown();
    m_errorWindow->hide();
}

// The message waits while the operator is busy with another window of the
// program; the protocol line and the bus function have happened anyway.
void SupervisionWindows::showFailure(const QString& text)
{
    if (!otherWindowShown())
        m_errorWindow->showText(text);
}

bool SupervisionWindows::otherWindowShown() const
{
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &m_window || w == m_errorWindow || !w->isVisible())
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Dialog || type == Qt::Window || type == Qt::Sheet)
            return true;
    }
    return false;
}

} // namespace varnox
