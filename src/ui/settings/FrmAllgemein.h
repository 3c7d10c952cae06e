#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace varnox {

class ConfigFile;
class DailyProtocol;

// The general settings of the PC: whether the daily protocol is recorded.
class FrmAllgemein : public QDialog {
    Q_OBJECT
public:
    FrmAllgemein(ConfigFile& config, DailyProtocol& protocol, QWidget* parent = nullptr);

private:
    void save();

    ConfigFile& m_config;
    DailyProtocol& m_protocol;
    QCheckBox* chkLog = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace varnox
