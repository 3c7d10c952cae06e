#include "ui/settings/FrmAllgemein.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/online/ProtocolSwitch.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmAllgemein::FrmAllgemein(ConfigFile& config, DailyProtocol& protocol, QWidget* parent)
    : QDialog(parent)
    , m_config(config)
    , m_protocol(protocol)
{
    setObjectName(QStringLiteral("frmAllgemein"));
    chkLog = new QCheckBox;
    chkLog->setObjectName(QStringLiteral("chkLog"));
    chkLog->setChecked(m_protocol.recording());
    m_save = new QPushButton;
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setDefault(true);
    m_cancel = new QPushButton;
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(m_save, &QPushButton::clicked, this, &FrmAllgemein::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkLog);
    layout->addLayout(buttons);

    loadCaptions(this, [this] {
        setCaption(this, GetText(2000, "Allgemein"));
        setCaption(chkLog, GetText(2001, "Tagesprotokoll aufzeichnen"));
        setCaption(m_save, GetText(10, "Speichern"));
        setCaption(m_cancel, GetText(11, "Abbrechen"));
    });
}

void FrmAllgemein::save()
{
    MessageBox::showOutcome(this, switchRecording(chkLog->isChecked(), m_config, m_protocol));
    accept();
}

}  // namespace varnox
