#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace varnox {

// The menu bar of the main window: every menu and item under its
// established name, captions from the catalogue in the current language.
class MainMenus : public QObject {
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow* window);

    // The item or menu of that name; a missing name is a programming error.
    QAction* item(const QString& name) const;
    QMenu* menu(const QString& name) const;

private:
    QMenu* addMenu(const char* name);
    QAction* addItem(QMenu* menu, const char* name);
    void loadTexts();

    QMainWindow* m_window;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QAction*> m_items;
};

}  // namespace varnox
