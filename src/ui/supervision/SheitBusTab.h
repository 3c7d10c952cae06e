#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace varnox {

class Supervision;

// The first tab of "Sicherheit": the system test and the watchdog over the
// HLV:BUS, each switched on with its interval and its function.
class SheitBusTab : public QWidget {
    Q_OBJECT
public:
    SheitBusTab(QString workCopy, Supervision& supervision, QWidget* parent = nullptr);

    // Fills the lists, shows what is stored and says what it cannot show.
    void showStored();

private:
    struct Feature {
        QGroupBox* frame;
        QCheckBox* on;
        QLabel* intervalLabel;
        QComboBox* interval;
        QLabel* functionLabel;
        QComboBox* function;
    };
    Feature makeFeature(const char* check, const char* interval, const char* function);
    void save();
    void loadCaptions();

    QString m_workCopy;
    Supervision& m_supervision;
    Feature m_test;
    Feature m_watchdog;
    QPushButton* m_save;
};

} // namespace varnox
