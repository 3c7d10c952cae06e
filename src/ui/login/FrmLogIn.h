#pragma once

#include "core/shell/Session.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnox {

class DailyProtocol;
class LoginProcedure;
struct LoginStep;

// The login dialog: a mode, its password, OK and cancel. At start-up it is
// the first window; later the main window's mode items bring it up modally.
class FrmLogIn : public QDialog {
    Q_OBJECT
public:
    FrmLogIn(LoginProcedure& login, DailyProtocol& protocol, QWidget* parent = nullptr);

    // The first window of the program, in the middle of the screen.
    void showAtStart();

    // RequestMode: the mode preselected, the password box empty, modal.
    void RequestMode(Mode mode);

public slots:
    // CancelLogin: the cancel button, Escape and the close box.
    void reject() override;

signals:
    void firstLogin();  // the way to a project follows
    void modeChanged();  // the main window is filled for the new mode
    void endRequested();  // the first login was cancelled: the program ends

private:
    void Login();
    void follow(const LoginStep& step);
    void loadCaptions();

    LoginProcedure& m_login;
    DailyProtocol& m_protocol;
    QLabel* m_title;
    QLabel* m_modeLabel;
    QComboBox* m_mode;
    QLabel* m_passwordLabel;
    QLineEdit* m_password;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace varnox
