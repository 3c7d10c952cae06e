#pragma once

#include <QLabel>
#include <QList>
#include <QListWidget>
#include <QString>
#include <functional>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace varnox {

// The shared look of the entity pages: a heading, the entity's fields on the
// left, the buttons "Neu", "Hinzufügen > > >", ... in a column in the middle,
// and the list of what exists on the right with its count and legend.
namespace PageLayout {

// The heading at the top of a page ("Verwaltung der ..."), set by the page's captions.
QLabel* title(QWidget* page);

QComboBox* combo(QWidget* page, const char* objectName);
QLineEdit* edit(QWidget* page, const char* objectName);
QPushButton* button(QWidget* page, const char* objectName);
QListWidget* list(QWidget* page, const char* objectName);

// A grid of labels in column 0 and their fields in column 1, which takes
// the width left over.
QGridLayout* grid(QWidget* parent = nullptr);

// Appends a row of a label (or check box) and its field to a grid; returns
// the row.
int addRow(QGridLayout* grid, QWidget* label, QWidget* field);

// The right-hand column: the list's caption and the list, then each of
// `rows` (such as "Anzahl:" with the count, or a legend) from the left; a
// null entry in a row pushes what follows to the right. A list takes the
// height left; a drop-down list keeps its own and leaves the rest empty.
QVBoxLayout* listColumn(QLabel* caption, QWidget* list, const QList<QList<QWidget*>>& rows = {});

// The page from top to bottom: the heading widgets, then `body`.
QVBoxLayout* stack(QWidget* page, const QList<QWidget*>& header, QLayout* body, int bodyStretch = 1);

// Refills an entity list with one item per entry, made by `makeItem`, and
// shows how many there are in `count` when given. `step(row, rows)` follows
// each row, for the progress bar.
template <typename Entry>
void fillList(QListWidget* list, QLabel* count, const QList<Entry>& entries,
              const std::function<QListWidgetItem*(const Entry&)>& makeItem, const std::function<void(int, int)>& step);

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

    // The row of an entity page: its form, these buttons in a column, its
    // list. A list without stretch keeps its width and leaves the rest of
    // the row empty.
    QBoxLayout* row(QLayout* form, QLayout* list, int listStretch, int formStretch = 0) const;
    void loadCaptions() const;
    // New: only "Hinzufügen" enabled. Edit: the other three.
    void setEditing(bool editing) const;
};

}  // namespace PageLayout

template <typename Entry>
void PageLayout::fillList(QListWidget* list, QLabel* count, const QList<Entry>& entries,
                          const std::function<QListWidgetItem*(const Entry&)>& makeItem,
                          const std::function<void(int, int)>& step)
{
    list->clear();
    list->setUpdatesEnabled(false);
    const int rows = int(entries.size());
    for (int row = 0; row < rows; ++row) {
        list->addItem(makeItem(entries[row]));
        step(row + 1, rows);
    }
    list->setUpdatesEnabled(true);
    if (count)
        count->setText(QString::number(rows));
}

}  // namespace varnox
