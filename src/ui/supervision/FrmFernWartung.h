#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnox {

class Supervision;

// "Fernwartung": whether, and how often, the reference project file on the
// server is compared with the open project.
class FrmFernWartung : public QDialog {
    Q_OBJECT
public:
    FrmFernWartung(QString workCopy, Supervision& supervision, QWidget* parent = nullptr);

private:
    void showStored();
    void choosePath();
    void save();
    void loadCaptions();

    QString m_workCopy;
    Supervision& m_supervision;
    QCheckBox* m_on;
    QLabel* m_pathLabel;
    QLineEdit* m_path;
    QPushButton* m_choose;
    QLabel* m_intervalLabel;
    QComboBox* m_interval;
    QLabel* m_minutes;
    QPushButton* m_save;
    QPushButton* m_cancel;
};

} // namespace varnox
