#include "ui/login/FrmLogIn.h"

#include "core/lang/Texts.h"
#include "core/online/DailyProtocol.h"
#include "core/shell/Login.h"
#include "core/shell/Modes.h"
#include "core/shell/Version.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageBox.h"
#include "ui/login/LoginLayout.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace varnox {

FrmLogIn::FrmLogIn(LoginProcedure& login, DailyProtocol& protocol, QWidget* parent)
    : QDialog(parent)
    , m_login(login)
    , m_protocol(protocol)
    , m_title(new QLabel(this))
    , m_modeLabel(new QLabel(this))
    , m_mode(new QComboBox(this))
    , m_passwordLabel(new QLabel(this))
    , m_password(new QLineEdit(this))
    , m_ok(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("FrmLogIn"));
    m_title->setObjectName(QStringLiteral("LblLogUeb"));
    m_mode->setObjectName(QStringLiteral("CmbLogMod"));
    m_password->setObjectName(LoginProcedure::kPasswordBox);
    m_ok->setObjectName(QStringLiteral("CmdLogOK"));
    m_cancel->setObjectName(QStringLiteral("CmdLogCancel"));
    m_password->setEchoMode(QLineEdit::Password);
    m_ok->setDefault(true);
    for (int i = 0; i < 3; ++i)
        m_mode->addItem(QString());
    m_mode->setCurrentIndex(-1);  // chosen by the operator at start

    layOutLoginDialog(this, m_title, {{m_modeLabel, m_mode}, {m_passwordLabel, m_password}}, m_ok, m_cancel);
    connect(m_ok, &QPushButton::clicked, this, &FrmLogIn::Login);
    connect(m_cancel, &QPushButton::clicked, this, &FrmLogIn::reject);
    varnox::loadCaptions(this, [this] { loadCaptions(); });
}

void FrmLogIn::loadCaptions()
{
    setCaption(this, GetText(527, "Anmeldung"));
    setCaption(m_title, GetText(916, "Varnox") + GetText(1014, " v") + versionText());
    setCaption(m_modeLabel, GetText(2451, "Modus:"));
    setCaption(m_passwordLabel, GetText(2452, "Passwort:"));
    setCaption(m_ok, GetText(58, "OK"));
    setCaption(m_cancel, GetText(11, "Abbrechen"));
    m_mode->setPlaceholderText(GetText(2453, "Bitte wählen Sie einen Modus"));
    for (int i = 0; i < m_mode->count(); ++i)
        m_mode->setItemText(i, modeName(modeAtListPosition(i)));
}

void FrmLogIn::showAtStart()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
}

void FrmLogIn::RequestMode(Mode mode)
{
    m_login.RequestMode();
    m_mode->setCurrentIndex(listPositionOf(mode));
    m_password->clear();
    m_password->setFocus();
    // Modal from the moment it shows, and in front of the main window even
    // without a window manager that keeps dialogs in front.
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    exec();
}

void FrmLogIn::Login() { follow(m_login.Login(m_mode->currentIndex(), m_password->text())); }

void FrmLogIn::reject() { follow(m_login.CancelLogin()); }

void FrmLogIn::follow(const LoginStep& step)
{
    for (const QString& line : step.protocolLines)
        m_protocol.write(line);
    switch (step.kind) {
    case LoginStep::Kind::Refused: MessageBox::showOutcome(this, Outcome::fail(step.message)); break;
    case LoginStep::Kind::FirstLogin: emit firstLogin(); break;
    case LoginStep::Kind::ModeChanged:
        emit modeChanged();
        done(Accepted);
        break;
    case LoginStep::Kind::ModeKept: QDialog::reject(); break;
    case LoginStep::Kind::EndProgram:
        QDialog::reject();
        emit endRequested();
        break;
    }
}

}  // namespace varnox
