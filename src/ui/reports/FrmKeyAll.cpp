#include "ui/reports/FrmKeyAll.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/project/ProjectPaths.h"
#include "core/reports/KeyListReport.h"
#include "core/shell/Clock.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/print/PreviewView.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmKeyAll::FrmKeyAll(AppServices& services, QWidget* parent)
    : PreviewWindow("FrmKeyAll", parent)
    , m_services(services)
    , m_export(new QPushButton)
{
    m_export->setObjectName(QStringLiteral("CmdExport"));
    extraButtons()->addWidget(m_export);
    connect(m_export, &QPushButton::clicked, this, &FrmKeyAll::exportToClipboard);
    varnox::loadCaptions(this, [this] {
        setCaption(this, GetText(2432, "Komplette Schlüsselliste"));
        setAllPagesToolTip(GetText(940, "Druckt die gesamte Schlüsselliste"));
        setCaption(m_export, GetText(818, "Exportieren"));
        varnox::setToolTip(m_export, GetText(943, "Kopiert die Liste in die Zwischenablage"));
    });
    view()->setZoom(PreviewView::Zoom::PageWidth);
    compose();
}

std::unique_ptr<DocumentSource> FrmKeyAll::makeSource()
{
    QList<KeyListRow> keys;
    const Outcome read = readAllKeys(workCopyPath(m_services.session.workCopyName), keys);
    const QString project = projectNameOf(m_services.session.workCopyName);
    return std::make_unique<ComposedDocument>(keyListDocument(project, m_services.clock.now().date(), keys), read);
}

void FrmKeyAll::exportToClipboard()
{
    QList<KeyListRow> keys;
    if (!MessageBox::showOutcome(this, readAllKeys(workCopyPath(m_services.session.workCopyName), keys)))
        return;
    if (keys.isEmpty()) {
        MessageBox::show(this, noKeysToCopyMessage());
        return;
    }
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(keyListExportText(m_services.clock.now().date(), keys));
    m_services.protocol.write(GetText(906, "Schlüsselliste exportiert"));
}

} // namespace varnox
