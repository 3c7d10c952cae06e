#pragma once

#include <QString>

class QBoxLayout;
class QLayout;
class QPushButton;
class QWidget;

namespace varnox {

// The four buttons of an entity page, between its form and its list:
// "Neu", "Hinzufügen > > >", "Änderungen übernehmen", "< < < Entfernen",
// named `Cmd<subject>Neu`, `...Hin`, `...Aend`, `...Ent`.
class EditButtons {
public:
    EditButtons(QWidget* page, const QString& subject);

    QPushButton* neu;
    QPushButton* add;
    QPushButton* change;
    QPushButton* remove;

    // A column of the four, between form and list.
    QBoxLayout* column() const;
    // The row of an entity page: its form, these buttons, its list. A list
    // without stretch keeps its width and leaves the rest of the row empty.
    QBoxLayout* row(QLayout* form, QLayout* list, int listStretch) const;
    void loadCaptions() const;
    // New: only "Hinzufügen" enabled. Edit: the other three.
    void setEditing(bool editing) const;
};

}  // namespace varnox
