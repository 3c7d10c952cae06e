#pragma once

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace varnox {

class Supervision;

// The third tab of "Sicherheit": the additional save of the project into a
// second folder after every save.
class SheitSaveTab : public QWidget {
    Q_OBJECT
public:
    SheitSaveTab(QString workCopy, Supervision& supervision, QWidget* parent = nullptr);

    void showStored();

private:
    void chooseFolder();
    void save();
    void loadCaptions();

    QString m_workCopy;
    Supervision& m_supervision;
    QGroupBox* m_frame;
    QCheckBox* m_on;
    QLabel* m_folderLabel;
    QLineEdit* m_folder;
    QPushButton* m_choose;
    QPushButton* m_save;
};

} // namespace varnox
