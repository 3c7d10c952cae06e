#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace varnox {

class Clock;

// cboProtIn: the reader telegrams of nine characters that came in, one line
// each, in arrival order, until the evaluation of key requests removes them.
// A line reads "hh:mm:ss", a blank, "A" (for "$" and "&") or "Q" (for "%"
// and "'"), the bus line as two digits, ": " and the telegram:
// "12:00:05 Q03: %11223344". The main window shows it as a list.
class ProtocolList : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ProtocolList(QObject* parent = nullptr);

    static QString formatLine(const QTime& time, QChar letter, int line, const QString& telegram);

    void append(const QString& line);
    void removeAt(int index);
    void clear();
    int count() const { return int(m_lines.size()); }
    const QString& at(int index) const { return m_lines.at(index); }
    const QStringList& lines() const { return m_lines; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_lines;
};

}  // namespace varnox
