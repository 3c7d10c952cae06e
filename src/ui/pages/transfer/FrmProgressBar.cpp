#include "ui/pages/transfer/FrmProgressBar.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace varnox {

FrmProgressBar::FrmProgressBar(const QString& readerName, QWidget* parent)
    : QDialog(parent)
    , m_reader(new QLabel(readerName, this))
    , m_bar(new QProgressBar(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmProgressBar"));
    setWindowModality(Qt::ApplicationModal);
    m_reader->setObjectName(QStringLiteral("LblProgressLeser"));
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_bar->setRange(0, 8);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(360);
    m_cancel->setObjectName(QStringLiteral("CmdProgressAbbrechen"));
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reader);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
    loadCaptions(this, [this] {
        setWindowTitle(GetText(3648, "Datenübertragung zum Leser läuft ..."));
        setCaption(m_cancel, GetText(11, "Abbrechen"));
    });
}

void FrmProgressBar::setProgress(int value, int maximum)
{
    m_bar->setMaximum(qMax(1, maximum));
    m_bar->setValue(qBound(0, value, m_bar->maximum()));
}

} // namespace varnox
