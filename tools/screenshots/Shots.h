#pragma once

#include "core/online/DailyProtocol.h"
#include "core/shell/Clock.h"
#include "core/shell/ConfigFile.h"
#include "core/shell/EventSink.h"
#include "core/shell/Session.h"
#include "ui/common/AppServices.h"

#include <QString>
#include <QWidget>

namespace varnox::shots {

// Always the same moment, so that the pictures of one layout never differ.
class FixedClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 5), QTime(6, 0)); }
};

// What the pages and windows are built with, on the work copy `workCopy`
// (a name in the project folder) of an open project, at the fixed moment.
struct ShotServices {
    explicit ShotServices(const QString& workCopy);

    Session session;
    ConfigFile config;
    FixedClock clock;
    DailyProtocol protocol;
    EventSink events;
    AppServices services;
};

// Where the pictures go and which language they show ("de", "en", "fr").
struct Shots {
    QString folder;
    QString language;

    // Saves what `widget` shows as <folder>/<name>-<language>.png, once the
    // layouts have settled as they would on the screen.
    void save(QWidget* widget, const QString& name) const;
};

// The control of that objectName below `root`; ends the program when there is none.
template <typename T = QWidget> T* control(const QWidget* root, const char* name)
{
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Chooses an entry or clicks an item as the operator would.
void choose(const QWidget* root, const char* comboName, const QString& text);
void clickItem(const QWidget* root, const char* listName, const QString& text);

// The pages of the main window, filled from the sample installation of the
// work copy `workCopy` (a name in the project folder).
void renderPages(const Shots& shots, const QString& workCopy);
// The login dialog, the main window on every page and in every mode, and the
// password dialog, for the project file `projectFile` in the project folder.
void renderMainWindow(const Shots& shots, const QString& projectFile);
// The key assignment window and the print previews of the handover protocol,
// all keys and a day's protocol, for the same work copy.
void renderPrintPreviews(const Shots& shots, const QString& workCopy);

// The project `projectFile` of the program folder $VARNOX_HOME on the
// installation its ports lead to, after `seconds` of live operation.
int renderLiveInstallation(const QString& folder, const QString& projectFile, int seconds);

} // namespace varnox::shots
