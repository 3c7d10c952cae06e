#pragma once

#include "core/online/DayFileReader.h"
#include "core/shell/Message.h"

#include <QFile>
#include <memory>

namespace varnox {

// The viewer's two filters, compared without regard to case; an empty
// filter lets everything through.
struct ProtocolFilter {
    QString with;     // only lines containing this
    QString without;  // no lines containing this

    ProtocolFilter(const QString& withText = {}, const QString& withoutText = {});
    bool passes(const QString& line) const;
};

// One line of the viewer's list.
struct ListedEntry {
    QString number;  // the running number of the listed entries, ten digits
    QString time;
    QString text;
    RecordState state = RecordState::Ok;
};

// Loads an enciphered day file into the viewer's list, a batch of records at
// a time so that the window stays responsive and can stop it. Sound entries
// are listed when they pass the filter; entries that are not sound are
// listed whatever the filter says, so that a damaged or tampered protocol
// can never hide behind a search.
class DayLoader {
public:
    enum class State { Idle, Loading, Finished, Stopped };
    static constexpr int kBatch = 99;

    explicit DayLoader(const LineCipher& cipher);
    ~DayLoader();

    // Makes the temporary copy and opens it; the message when that fails.
    Outcome start(const QDate& day, const ProtocolFilter& filter);
    // Reads the next batch; true while the file has more.
    bool tick();
    void stop();

    State state() const { return m_state; }
    const QList<ListedEntry>& entries() const { return m_entries; }
    qint64 position() const;
    qint64 size() const { return m_size; }

private:
    void finish(State state);

    const LineCipher& m_cipher;
    State m_state = State::Idle;
    QDate m_day;
    ProtocolFilter m_filter;
    QFile m_file;
    std::unique_ptr<DayFileReader> m_reader;
    QList<ListedEntry> m_entries;
    qint64 m_size = 0;
};

}  // namespace varnox
