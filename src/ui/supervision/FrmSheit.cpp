#include "ui/supervision/FrmSheit.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"
#include "ui/supervision/SheitBusTab.h"
#include "ui/supervision/SheitNetworkTab.h"
#include "ui/supervision/SheitSaveTab.h"
#include "ui/supervision/SupervisionWidgets.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace varnox {

FrmSheit::FrmSheit(const QString& workCopy, Supervision& supervision, QWidget* parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
    , m_bus(new SheitBusTab(workCopy, supervision))
    , m_network(new SheitNetworkTab(workCopy, supervision))
    , m_save(new SheitSaveTab(workCopy, supervision))
    , m_close(SupervisionWidgets::button("CmdSheitCancel"))
    , m_shown(3, false)
{
    setObjectName(QStringLiteral("FrmSheit"));
    m_tabs->setObjectName(QStringLiteral("SSTabSheit"));
    m_tabs->addTab(m_bus, QString());
    m_tabs->addTab(m_network, QString());
    m_tabs->addTab(m_save, QString());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    resize(560, 420);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FrmSheit::tabShown);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
    // The first tab says what it cannot show once the window is up.
    QTimer::singleShot(0, this, [this] { tabShown(m_tabs->currentIndex()); });
}

void FrmSheit::loadCaptions()
{
    setCaption(this, GetText(2430, "Sicherheit"));
    m_tabs->setTabText(0, GetText(3709, "über HLV:BUS"));
    m_tabs->setTabText(1, GetText(3710, "Watchdog über TCP/IP"));
    m_tabs->setTabText(2, GetText(2809, "Erweiterte Einstellungen"));
    setCaption(m_close, GetText(13, "Schließen"));
}

void FrmSheit::tabShown(int index)
{
    if (index < 0 || index >= m_shown.size() || m_shown[index])
        return;
    m_shown[index] = true;
    switch (index) {
    case 0:
        m_bus->showStored();
        break;
    case 1:
        m_network->showStored();
        break;
    case 2:
        m_save->showStored();
        break;
    }
}

} // namespace varnox
