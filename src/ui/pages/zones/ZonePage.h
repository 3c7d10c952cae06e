#pragma once

#include "ui/pages/Page.h"
#include "ui/pages/PageLayout.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace varnox {

class ZoneWeekGrid;

// Page 4 "Zeitzonen": the zones of the project with their periods of the week.
class ZonePage : public Page {
    Q_OBJECT
public:
    explicit ZonePage(AppServices& services, QWidget* parent = nullptr);

    // Fills the time lists and the zone list for the open project and clears
    // the page; the main window calls it whenever it fills itself for a project.
    void fillForProject();

    // Selecting the page reloads nothing, so that half-entered times survive a
    // look at another page; only a page never filled for this project fills itself.
    void pageShown() override;

    // Shows a zone as its choice in the zone list does ("IMMER" shows the row "Immer").
    void showZone(const QString& name);

private:
    void buildLayout();
    void loadCaptions();
    void reloadZoneList();
    void newZone();
    void addZone();
    void changeZone();
    void removeZone();
    void zoneChosen(int index);
    QString workCopy() const;
    void afterWrite(bool ok);

    PageLayout::EditButtons m_buttons;
    QLabel* m_title;
    QLabel* m_listLabel;
    QComboBox* m_zoneList;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_nameHint;
    QGroupBox* m_weekBox;
    ZoneWeekGrid* m_week;
    QLabel* m_weekHint;
    QString m_chosen;     // the zone change and delete act on
    QString m_filledFor;  // the work copy the zone list was filled for
};

}  // namespace varnox
