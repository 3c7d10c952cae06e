#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;

namespace varnox {

// Page 7 "Verbindungen": which COM port each bus line's interface and the
// desk reader are on. List k (CmbComBus<k>, label LblComBus<k>) belongs to
// line k + 1; list 7 is the desk reader's. Position p of a list is COM p,
// position 0 "kein COM"; beside each port the page shows the device that
// [Ports] of VARNOXCF.INI maps it to.
class ConnectionsPage : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionsPage(QWidget* parent = nullptr);

    // The open project's work copy, asked at every read and save.
    void setWorkCopy(std::function<QString()> path) { m_workCopy = std::move(path); }
    void setConfigFile(const QString& path) { m_configPath = path; }

    void FillComPortLists();
    void ShowComAssignment();  // when the page is opened
    void SaveComAssignment();  // CmdComSave

    QComboBox* list(int k) const { return m_lists.at(k); }

signals:
    // After a successful save: SetSaved(false), then InitPorts.
    void projectChanged();
    void initPortsRequested();

private:
    void retranslate();

    QList<QLabel*> m_labels;
    QList<QComboBox*> m_lists;
    QPushButton* m_save = nullptr;
    std::function<QString()> m_workCopy;
    QString m_configPath;
};

}  // namespace varnox
