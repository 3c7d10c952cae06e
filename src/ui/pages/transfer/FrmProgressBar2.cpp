#include "ui/pages/transfer/FrmProgressBar2.h"

#include "core/lang/Texts.h"
#include "ui/common/Captions.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QVBoxLayout>

namespace varnox {

FrmProgressBar2::FrmProgressBar2(QListWidget& waiting, QListWidget& current, QWidget* parent)
    : QDialog(parent)
    , m_waiting(waiting)
    , m_current(current)
    , m_reader(new QLabel(this))
    , m_readerBar(new QProgressBar(this))
    , m_overallLabel(new QLabel(this))
    , m_overallBar(new QProgressBar(this))
    , m_timer(QStringLiteral("TimerPDA"), m_walk, this)
{
    setObjectName(QStringLiteral("FrmProgressBar2"));
    setWindowModality(Qt::ApplicationModal);
    m_reader->setObjectName(QStringLiteral("LblPDALeser"));
    m_readerBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_readerBar->setRange(0, HandheldWalk::kStepsPerReader);
    m_overallBar->setObjectName(QStringLiteral("ProgressBar2"));
    m_overallBar->setMinimumWidth(360);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_reader);
    layout->addWidget(m_readerBar);
    layout->addWidget(m_overallLabel);
    layout->addWidget(m_overallBar);
    loadCaptions(this, [this] {
        setWindowTitle(GetText(642, "Datenübertragung auf PDA läuft ..."));
        setCaption(m_overallLabel, GetText(643, "Gesamtfortschritt"));
    });

    connect(&m_walk, &HandheldWalk::readerStarted, this, [this] {
        m_readerBar->setValue(0);
        m_reader->setText(m_waiting.count() > 0 ? m_waiting.item(0)->text() : QString());
    });
    connect(&m_walk, &HandheldWalk::stepped, this, [this](int step, int overall) {
        m_readerBar->setValue(step);
        m_overallBar->setValue(overall);
    });
    connect(&m_walk, &HandheldWalk::readerHandedOver, this, [this] {
        if (QListWidgetItem* item = m_waiting.takeItem(0))
            m_current.addItem(item);
    });
    connect(&m_walk, &HandheldWalk::finished, this, [this] {
        accept();
        emit walkFinished();
    });
    connect(this, &QDialog::finished, this, [this] {
        m_timer.stop();
        m_walk.stop();
    });
}

void FrmProgressBar2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_walk.isRunning() || m_waiting.count() == 0)
        return;
    m_walk.begin(m_waiting.count());
    m_overallBar->setRange(0, m_walk.overallMaximum());
    m_overallBar->setValue(0);
    m_timer.start(0);
}

} // namespace varnox
