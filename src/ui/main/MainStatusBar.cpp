#include "ui/main/MainStatusBar.h"

#include <QLabel>
#include <QProgressBar>

namespace varnox {

MainStatusBar::MainStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_mode(new QLabel(this))
    , m_text(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    m_mode->setObjectName(QStringLiteral("Panel1"));
    m_text->setObjectName(QStringLiteral("Panel2"));
    m_bar->setObjectName(QStringLiteral("ProgressBar1"));
    m_mode->setMinimumWidth(150);
    m_mode->setContentsMargins(6, 0, 6, 0);
    m_text->setContentsMargins(6, 0, 6, 0);
    // A long hint must not widen the window: it is cut at the panel's end.
    m_text->setMinimumWidth(1);
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_bar->setFixedWidth(180);
    m_bar->setTextVisible(false);
    m_bar->hide();
    addWidget(m_mode);
    addWidget(m_text, 1);
    addPermanentWidget(m_bar);
    setSizeGripEnabled(true);
}

void MainStatusBar::setModeText(const QString& text) { m_mode->setText(text); }

void MainStatusBar::setText(const QString& text)
{
    m_text->setText(text);
    m_text->setToolTip(text);
}

QString MainStatusBar::text() const { return m_text->text(); }

void MainStatusBar::setProgress(int value, int maximum)
{
    if (maximum <= 0) {
        m_bar->hide();
        return;
    }
    m_bar->setRange(0, maximum);
    m_bar->setValue(value);
    m_bar->show();
}

}  // namespace varnox
