#pragma once

#include "core/shell/Session.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnox {

class DailyProtocol;
class PasswordChange;

// The password dialog: a mode, its new password twice, OK and cancel.
class FrmPW : public QDialog {
    Q_OBJECT
public:
    // `current`: the mode the operator is in, which decides the modes offered.
    FrmPW(PasswordChange& change, Mode current, DailyProtocol& protocol, QWidget* parent = nullptr);

private:
    void ChangePassword();
    void loadCaptions();

    PasswordChange& m_change;
    DailyProtocol& m_protocol;
    QList<Mode> m_modes;
    QLabel* m_modeLabel;
    QComboBox* m_mode;
    QLabel* m_newLabel;
    QLineEdit* m_new;
    QLabel* m_repeatLabel;
    QLineEdit* m_repeat;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

}  // namespace varnox
