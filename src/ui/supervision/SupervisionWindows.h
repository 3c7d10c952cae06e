#pragma once

#include "core/supervision/Supervision.h"

#include <QObject>

namespace varnox {

struct AppServices;
class FrmErrMessage;
class FrmMain;
class Operator;

// The supervision of the running program with the windows around it: the
// settings windows behind the menu items "Sicherheit" and "Fernwartung",
// the network watchdog's error window, and the messages of the additional
// save. The program owns one for its run.
class SupervisionWindows : public QObject {
    Q_OBJECT
public:
    SupervisionWindows(FrmMain& window, AppServices& services, Operator& op);
    ~SupervisionWindows() override;

    Supervision& core() { return m_supervision; }
    FrmErrMessage& errorWindow() const { return *m_errorWindow; }

    // FrmSheit and FrmFernWartung, modal, for the open project.
    void openSecuritySettings();
    void openRemoteMaintenance();

    // The hooks of opening and saving a project.
    void startSupervision() { m_supervision.StartSupervision(); }
    void additionalSave(const QString& workCopyName);

    void shutdown();

private:
    void showFailure(const QString& text);
    bool otherWindowShown() const;
    QString workCopy() const;

    FrmMain& m_window;
    AppServices& m_services;
    Supervision m_supervision;
    FrmErrMessage* m_errorWindow;
};

} // namespace varnox
