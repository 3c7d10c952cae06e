#pragma once

#include <QLabel>
#include <QListWidget>
#include <functional>

namespace varnox {

// Refills an entity list with one item per entry, made by `makeItem`, and
// shows how many there are in `count`. `step(row, rows)` follows each row,
// for the progress bar.
template <typename Entry>
void fillList(QListWidget* list, QLabel* count, const QList<Entry>& entries,
              const std::function<QListWidgetItem*(const Entry&)>& makeItem, const std::function<void(int, int)>& step)
{
    list->clear();
    list->setUpdatesEnabled(false);
    const int rows = int(entries.size());
    for (int row = 0; row < rows; ++row) {
        list->addItem(makeItem(entries[row]));
        step(row + 1, rows);
    }
    list->setUpdatesEnabled(true);
    count->setText(QString::number(rows));
}

}  // namespace varnox
