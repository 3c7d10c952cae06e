#include "ui/pages/welcome/WelcomePage.h"

#include "core/lang/Texts.h"
#include "core/shell/Version.h"
#include "ui/common/Captions.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace varnox {
namespace {

QLabel* centred(QWidget* parent, qreal scale, bool bold)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

WelcomePage::WelcomePage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageWillkommen"));
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("FrameWillkommen"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedWidth(600);
    m_name = centred(frame, 3.0, true);
    m_purpose = centred(frame, 1.4, false);
    m_version = centred(frame, 1.0, false);
    m_hint = centred(frame, 1.0, false);
    m_hint->setForegroundRole(QPalette::PlaceholderText);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(40, 32, 40, 32);
    inner->setSpacing(10);
    inner->addWidget(m_name);
    inner->addWidget(m_purpose);
    inner->addWidget(m_version);
    inner->addSpacing(18);
    inner->addWidget(m_hint);

    auto* page = new QVBoxLayout(this);
    page->addStretch(1);
    page->addWidget(frame, 0, Qt::AlignHCenter);
    page->addStretch(2);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

void WelcomePage::loadCaptions()
{
    setCaption(m_name, GetText(916, "Varnox"));
    setCaption(m_purpose, GetText(813, "Programm für Zutrittskontrolle"));
    setCaption(m_version, GetText(811, "Version: ") + versionText());
    setCaption(m_hint, GetText(386, "Nutzen Sie die Möglichkeiten der Symbolleiste oder der Register, um direkt zu einer Seite zu gelangen"));
}

}  // namespace varnox
