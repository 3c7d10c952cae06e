#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>

namespace varnox {

// One decided key request as the monitor shows it.
struct MonitorEntry {
    QString time; // "dd. MMMM yyyy  hh:mm:ss" of the decision
    QString key; // the key's name, or its number when the key is unknown
    QString text;
    QColor colour;
};

// ListViewMon: the decided key requests, newest last, at most 501. The
// evaluation makes room when it finds a new pair (the oldest entry goes once
// more than 500 are listed) and adds the entry when the request is done.
class MonitorList : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kKeptBeforeNew = 500;

    using QAbstractTableModel::QAbstractTableModel;

    void makeRoom();
    void add(const MonitorEntry& entry);
    void clear(); // CmdMon
    // The column titles follow the interface language.
    void retranslate() { emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1); }

    int count() const { return int(m_entries.size()); }
    const MonitorEntry& at(int row) const { return m_entries.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    static constexpr int kColumns = 3;
    void removeFirst(int count);

    QList<MonitorEntry> m_entries;
};

} // namespace varnox
