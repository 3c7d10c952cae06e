#include "ui/pages/connections/ConnectionsPage.h"

#include "core/bus/BusLines.h"
#include "core/bus/ComAssignment.h"
#include "core/bus/PortMap.h"
#include "core/lang/Texts.h"
#include "core/project/DbError.h"
#include "core/project/ProjectPaths.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/Session.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace varnox {

ConnectionsPage::ConnectionsPage(AppServices& services, QWidget* parent)
    : Page(services, parent)
    , m_workCopy([this] {
        const QString name = this->services().session.workCopyName;
        return name.isEmpty() ? QString() : workCopyPath(name);
    })
    , m_configPath(services.config.path())
{
    setObjectName(QStringLiteral("Kommunikation"));
    auto* grid = new QGridLayout(this);
    for (int k = 0; k < kLastLine; ++k) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("LblComBus") + QString::number(k));
        auto* box = new QComboBox(this);
        box->setObjectName(comBusListName(k));
        box->setMinimumContentsLength(28);
        label->setBuddy(box);
        grid->addWidget(label, k, 0);
        grid->addWidget(box, k, 1);
        m_labels << label;
        m_lists << box;
    }
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("CmdComSave"));
    grid->addWidget(m_save, kLastLine, 1, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(kLastLine + 1, 1);
    connect(m_save, &QPushButton::clicked, this, &ConnectionsPage::SaveComAssignment);

    loadCaptions(this, [this] { retranslate(); });
}

void ConnectionsPage::retranslate()
{
    for (int k = 0; k < kLastLine; ++k) {
        const int line = k + 1;
        setCaption(m_labels[k], line == kDeskReaderLine
                                    ? GetText(2621, "Tischleser - QTR500:")
                                    : GetText(2610, "HLV:BUS-Strang ") + QString::number(line) + QLatin1Char(':'));
    }
    setCaption(m_save, GetText(10, "Speichern"));
    if (m_lists.first()->count() > 0)
        FillComPortLists();  // the entries are words of the language too
}

void ConnectionsPage::FillComPortLists()
{
    const ConfigFile config(m_configPath);
    QStringList entries{GetText(2622, "kein COM")};
    const QString com = GetText(2623, "COM ");
    for (int n = 1; n <= kMaxComPort; ++n)
        entries << com + QString::number(n) + QStringLiteral("  (") + deviceForComPort(config, n) + QLatin1Char(')');
    for (QComboBox* box : m_lists) {
        const int kept = qMax(0, box->currentIndex());
        box->clear();
        box->addItems(entries);
        box->setCurrentIndex(kept);
    }
}

void ConnectionsPage::ShowComAssignment()
{
    ComAssignment ports{};
    try {
        ports = readComAssignment(m_workCopy ? m_workCopy() : QString());
    } catch (const std::exception& e) {
        MessageBox::show(this, databaseErrorMessage(toDbError(e)));
    }
    for (int k = 0; k < kLastLine; ++k) {
        const int p = ports[size_t(k)];
        m_lists[k]->setCurrentIndex(p >= 0 && p <= kMaxComPort ? p : 0);
    }
}

void ConnectionsPage::SaveComAssignment()
{
    ComAssignment ports{};
    for (int k = 0; k < kLastLine; ++k)
        ports[size_t(k)] = qMax(0, m_lists[k]->currentIndex());
    if (!MessageBox::showOutcome(this, varnox::SaveComAssignment(m_workCopy ? m_workCopy() : QString(), ports)))
        return;
    emit projectChanged();
    emit initPortsRequested();
}

}  // namespace varnox
