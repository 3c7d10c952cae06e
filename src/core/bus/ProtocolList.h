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
//
// The list is bounded, so that telegrams nobody evaluates (bus events
// without a key request) cannot make it grow for as long as the program
// runs. Past its capacity, bound() drops the oldest lines, a tenth of the
// capacity at once, and says how many went. Only the owner of the positions
// may call it: the evaluation notes where its pair lies, so lines go only
// while no request is under way.
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

    // How many lines the list keeps at most (see bound()).
    void setCapacity(int lines) { m_capacity = qMax(1, lines); }
    int capacity() const { return m_capacity; }
    void bound();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void linesDropped(int count);

private:
    QStringList m_lines;
    int m_capacity = 5000;
};

}  // namespace varnox
