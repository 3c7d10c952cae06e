#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnox {

class Supervision;

// The second tab of "Sicherheit": the watchdog over TCP/IP with its delay
// and what a failure does. The address of the backup PC is checked when
// Enter is pressed in its field, but neither stored nor used: the program
// listens for any peer.
class SheitNetworkTab : public QWidget {
    Q_OBJECT
public:
    SheitNetworkTab(QString workCopy, Supervision& supervision, QWidget* parent = nullptr);

    void showStored();

private:
    void checkAddress();
    void save();
    void loadCaptions();

    QString m_workCopy;
    Supervision& m_supervision;
    QGroupBox* m_frame;
    QCheckBox* m_on;
    QLabel* m_addressLabel;
    QLineEdit* m_address;
    QLabel* m_delayLabel;
    QComboBox* m_delay;
    QLabel* m_seconds;
    QGroupBox* m_reports;
    QCheckBox* m_sendFunction;
    QLabel* m_functionLabel;
    QComboBox* m_function;
    QCheckBox* m_showText;
    QLabel* m_textLabel;
    QLineEdit* m_text;
    QPushButton* m_save;
};

} // namespace varnox
