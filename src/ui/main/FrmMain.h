#pragma once

#include "core/shell/ModeTable.h"
#include "ui/common/MessageBox.h"

#include <QMainWindow>
#include <functional>

namespace varnox {

struct AppServices;
class BusSystem;
class DataTransfer;
class MainMenus;
class MainPages;
class MainStatusBar;
class MainToolbar;
class OnlineEvaluation;
class SerialPortFactory;

// The one main window of the program: the menu bar, Toolbar1, the tab strip
// TabOne1 with the ten pages and StatusBar1. It owns the bus (the ports of
// all lines), the transfer into the readers and the desk reader for as long
// as the program runs.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    FrmMain(AppServices& services, SerialPortFactory& ports, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Asked whenever the window is about to close, by whatever way; the
    // window stays open when it answers false.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    // The menu item or toolbar button of that name (for the actions behind them).
    QAction* menuItem(const QString& name) const;
    QAction* toolbarButton(const QString& key) const;
    MainPages& pages() const { return *m_pages; }
    MainStatusBar& status() const { return *m_status; }
    BusSystem& bus() const { return *m_bus; }
    OnlineEvaluation& online() const { return *m_online; }
    DataTransfer& transfer() const { return *m_transfer; }

    // FillMainWindow: the caption with the project, the hint in the status
    // bar, the check mark of `Sprache`, the pages' lists for the project,
    // then ApplyMode.
    void FillMainWindow();
    // ApplyMode: menus, pages and toolbar for the current mode; selects page
    // 9 (Beobachtungs- and Standardmodus) or 0 (Konfigurationsmodus).
    void ApplyMode();
    void selectPage(int index);

    // "Varnox v1.2.3 - Projekt NAME" while a project is open, else the title.
    QString caption() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void connectTransfer();
    ModeLayout currentLayout() const;
    void showSaveState();
    void loadTexts();

    AppServices& m_services;
    BusSystem* m_bus;
    OnlineEvaluation* m_online;
    MainMenus* m_menus;
    MainToolbar* m_toolbar;
    MainPages* m_pages;
    MainStatusBar* m_status;
    std::function<bool()> m_closeGuard;
    UiOperator m_operator { this };
    DataTransfer* m_transfer = nullptr;
};

}  // namespace varnox
