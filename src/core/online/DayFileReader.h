#pragma once

#include "core/online/LineCipher.h"

#include <QDate>
#include <QList>
#include <QString>

class QIODevice;

namespace varnox {

// What the reader found out about one record of an enciphered day file.
enum class RecordState {
    Ok,             // authentic and in its place in the chain
    Plain,          // a plain protocol line, not enciphered and so not protected
    Undecipherable, // changed, damaged or not a record at all
    ChainBroken,    // authentic, but records before it were removed, inserted or moved
};

// One entry of a day file: the line "hh:mm:ss<TAB>text" when it could be read.
struct DayEntry {
    RecordState state = RecordState::Ok;
    QString line;

    QString time() const { return line.left(8); }
    QString text() const { return line.mid(9); }
    bool sound() const { return state == RecordState::Ok; }
};

// The chain check of a day's records, one complete line at a time: for the
// reader of a whole file below and for a reader that follows a file while
// the program is still writing it.
class DayChain {
public:
    DayChain(const LineCipher& cipher, const QDate& day);

    // One non-empty line of the file, without its line end.
    DayEntry judge(const QByteArray& line);

    // The last authentic record seen so far (the zero link before the first).
    const ChainLink& lastLink() const { return m_last; }

private:
    const LineCipher& m_cipher;
    QDate m_day;
    ChainLink m_last;
    // Records that failed since m_last: one of them may be the changed
    // predecessor of the next sound record, which then links to it.
    QList<ChainLink> m_failedSinceLast;
};

// Reads the records of an enciphered day file one by one and checks the
// chain as it goes. Each non-empty line is one record (a record is a single
// base64 line, an empty line closes it), so a damaged record never swallows
// its neighbours. Nothing is skipped: every line that is not a sound record
// comes out marked, and no input, however broken, makes it fail.
class DayFileReader {
public:
    // Lines longer than this are damage: no record of the program comes near it.
    static constexpr qsizetype kMaxLine = 1024 * 1024;

    DayFileReader(QIODevice& file, const LineCipher& cipher, const QDate& day);

    // False at the end of the file.
    bool next(DayEntry& entry);

    // The last authentic record seen so far (the zero link before the first).
    const ChainLink& lastLink() const { return m_chain.lastLink(); }

private:
    qint64 readLine();
    bool nextLine(QByteArray& line);

    QIODevice& m_file;
    QByteArray m_buffer;
    DayChain m_chain;
};

// Reads a whole day file from memory, for tests and small tools.
QList<DayEntry> readDayFile(const QByteArray& content, const LineCipher& cipher, const QDate& day);

}  // namespace varnox
