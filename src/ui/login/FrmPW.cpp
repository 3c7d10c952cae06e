#include "ui/login/FrmPW.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Modes.h"
#include "core/shell/PasswordChange.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/login/LoginLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace varnox {

FrmPW::FrmPW(PasswordChange& change, Mode current, DailyProtocol& protocol, QWidget* parent)
    : QDialog(parent)
    , m_change(change)
    , m_protocol(protocol)
    , m_modes(PasswordChange::offeredModes(current))
    , m_modeLabel(new QLabel(this))
    , m_mode(new QComboBox(this))
    , m_newLabel(new QLabel(this))
    , m_new(new QLineEdit(this))
    , m_repeatLabel(new QLabel(this))
    , m_repeat(new QLineEdit(this))
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmPW"));
    m_mode->setObjectName(QStringLiteral("CmbPWMod"));
    m_new->setObjectName(PasswordChange::kNewBox);
    m_repeat->setObjectName(PasswordChange::kRepeatBox);
    m_ok->setObjectName(QStringLiteral("CmdPWOK"));
    m_cancel->setObjectName(QStringLiteral("CmdPWCancel"));
    m_new->setEchoMode(QLineEdit::Password);
    m_repeat->setEchoMode(QLineEdit::Password);
    m_ok->setDefault(true);
    for (qsizetype i = 0; i < m_modes.size(); ++i)
        m_mode->addItem(QString());
    m_mode->setCurrentIndex(0);

    layOutLoginDialog(this, nullptr, {{m_modeLabel, m_mode}, {m_newLabel, m_new}, {m_repeatLabel, m_repeat}}, m_ok,
                      m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &FrmPW::ChangePassword);
    connect(m_cancel, &QPushButton::clicked, this, &FrmPW::reject);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
    m_new->setFocus();
}

void FrmPW::loadCaptions()
{
    setCaption(this, GetText(2433, "Moduspasswort ändern"));
    setCaption(m_modeLabel, GetText(2451, "Modus:"));
    setCaption(m_newLabel, GetText(2456, "Neues Passwort:"));
    setCaption(m_repeatLabel, GetText(2457, "Passwort wiederholen:"));
    setCaption(m_ok, GetText(58, "OK"));
    setCaption(m_cancel, GetText(11, "Abbrechen"));
    for (qsizetype i = 0; i < m_modes.size(); ++i)
        m_mode->setItemText(int(i), modeName(m_modes[i]));
}

void FrmPW::ChangePassword()
{
    const int position = m_mode->currentIndex();
    const Mode chosen = position >= 0 && position < m_modes.size() ? m_modes[position] : Mode::None;
    QString line;
    if (!MessageBox::showOutcome(this, m_change.ChangePassword(chosen, m_new->text(), m_repeat->text(), &line)))
        return;
    m_protocol.write(line);
    accept();
}

}  // namespace varnox
