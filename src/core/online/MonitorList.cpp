#include "core/online/MonitorList.h"

#include "core/lang/Texts.h"

namespace varnox {

void MonitorList::removeFirst(int count)
{
    if (count <= 0)
        return;
    beginRemoveRows({}, 0, count - 1);
    m_entries.remove(0, count);
    endRemoveRows();
}

void MonitorList::makeRoom()
{
    removeFirst(count() > kKeptBeforeNew ? 1 : 0);
}

void MonitorList::add(const MonitorEntry& entry)
{
    // Cleared or trimmed or not, the list never holds more than one past the rest.
    removeFirst(count() - kKeptBeforeNew);
    beginInsertRows({}, count(), count());
    m_entries.append(entry);
    endInsertRows();
}

void MonitorList::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

int MonitorList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

int MonitorList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant MonitorList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    const MonitorEntry& e = m_entries.at(index.row());
    if (role == Qt::ForegroundRole)
        return e.colour;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case 0:
        return e.time;
    case 1:
        return e.key;
    default:
        return e.text;
    }
}

QVariant MonitorList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case 0:
        return GetText(2020, "Zeit");
    case 1:
        return GetText(2475, "Schlüssel");
    case 2:
        return GetText(2021, "Text");
    default:
        return {};
    }
}

} // namespace varnox
