#pragma once

#include <QHash>
#include <QList>
#include <QToolBar>

namespace varnox {

// Toolbar1: the buttons of the main window by their keys ("Neu", "Oeffnen",
// "Speichern", ...), in groups divided by separators. The save button is the
// third.
class MainToolbar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolbar(QWidget* parent = nullptr);

    QAction* button(const QString& key) const;

    // Shows the buttons as told (a key not named keeps its state) and hides
    // every separator that would have nothing to separate.
    void showButtons(const QHash<QString, bool>& shown);

private:
    void loadTexts();

    QHash<QString, QAction*> m_buttons;
    QList<QList<QAction*>> m_groups;
    QList<QAction*> m_separators;  // m_separators[i] stands before m_groups[i + 1]
};

}  // namespace varnox
