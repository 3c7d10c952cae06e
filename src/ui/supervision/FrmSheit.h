#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace varnox {

class SheitBusTab;
class SheitNetworkTab;
class SheitSaveTab;
class Supervision;

// "Sicherheit": the supervision settings of the open project on three tabs.
// Each tab shows what is stored when it is first shown and saves on its own
// button; the window's close button is shared.
class FrmSheit : public QDialog {
    Q_OBJECT
public:
    FrmSheit(const QString& workCopy, Supervision& supervision, QWidget* parent = nullptr);

    QTabWidget& tabs() const { return *m_tabs; }

private:
    void tabShown(int index);
    void loadCaptions();

    QTabWidget* m_tabs;
    SheitBusTab* m_bus;
    SheitNetworkTab* m_network;
    SheitSaveTab* m_save;
    QPushButton* m_close;
    QList<bool> m_shown;
};

} // namespace varnox
