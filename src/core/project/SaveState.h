#pragma once

#include <QObject>

namespace varnox {

// Whether the open project has changes that are not saved. The main window
// follows it with its save button and its menu item `Speichern`: disabled
// while the project is saved, enabled after a change.
class SaveState : public QObject {
    Q_OBJECT
public:
    static SaveState& instance();

    bool isSaved() const { return m_saved; }
    void set(bool saved);

signals:
    void savedChanged(bool saved);

private:
    bool m_saved = true;
};

// SetSaved: every operation that changed the project calls SetSaved(false)
// after its change succeeded; opening, creating and saving call SetSaved(true).
void SetSaved(bool saved);

}  // namespace varnox
