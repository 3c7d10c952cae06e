#include "core/bus/ProtocolList.h"

#include <QTime>

namespace varnox {

ProtocolList::ProtocolList(QObject* parent) : QAbstractListModel(parent)
{
    setObjectName(QStringLiteral("cboProtIn"));
}

QString ProtocolList::formatLine(const QTime& time, QChar letter, int line, const QString& telegram)
{
    return time.toString(QStringLiteral("HH:mm:ss")) + QLatin1Char(' ') + letter
        + QStringLiteral("%1").arg(line, 2, 10, QLatin1Char('0')) + QStringLiteral(": ") + telegram;
}

void ProtocolList::append(const QString& line)
{
    const int row = count();
    beginInsertRows({}, row, row);
    m_lines.append(line);
    endInsertRows();
}

void ProtocolList::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    beginRemoveRows({}, index, index);
    m_lines.removeAt(index);
    endRemoveRows();
}

void ProtocolList::bound()
{
    if (count() <= m_capacity)
        return;
    const int drop = count() - (m_capacity - m_capacity / 10);
    beginRemoveRows({}, 0, drop - 1);
    m_lines.remove(0, drop);
    endRemoveRows();
    emit linesDropped(drop);
}

void ProtocolList::clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int ProtocolList::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

QVariant ProtocolList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_lines.at(index.row());
}

}  // namespace varnox
