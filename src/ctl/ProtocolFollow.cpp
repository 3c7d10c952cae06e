#include "core/online/DailyProtocol.h"
#include "core/online/DayFileReader.h"
#include "core/online/LineCipher.h"
#include "core/shell/Scramble.h"
#include "ctl/Commands.h"
#include "ctl/ProtocolLines.h"

#include <QFile>

#include <csignal>
#include <memory>
#include <poll.h>

namespace varnox::ctl {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onStop(int)
{
    stopRequested = 1;
}

// Ctrl-C, kill and a closed terminal end the follow after a last look at
// the file. A SIGINT ignored by whoever started us stays ignored, so that a
// script can end the follow itself once the program has written its last line.
void catchStopSignals()
{
    struct sigaction action = {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    for (const int number : { SIGTERM, SIGHUP })
        sigaction(number, &action, nullptr);
    struct sigaction interrupt = {};
    sigaction(SIGINT, nullptr, &interrupt);
    if (interrupt.sa_handler != SIG_IGN)
        sigaction(SIGINT, &action, nullptr);
}

// One day's file as it grows: what was added since the last look, complete
// lines only, since the program may be in the middle of writing a record.
class GrowingDay {
public:
    GrowingDay(const LineCipher& cipher, const QDate& day, bool showExisting)
        : m_day(day)
        , m_path(DailyProtocol::filePath(day))
        , m_cipher(cipher)
        , m_chain(std::make_unique<DayChain>(cipher, day))
        , m_show(showExisting)
    {
    }

    const QDate& day() const { return m_day; }

    // Prints the entries written since the last look; from now on every look prints.
    void look()
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_show = true; // a file that comes later is new in every line
            return;
        }
        if (file.size() < m_offset) // replaced or cut: read it afresh
            restart();
        file.seek(m_offset);
        QString text;
        for (QByteArray bytes; !(bytes = file.read(kChunk)).isEmpty();) {
            m_offset += bytes.size();
            takeLines(m_pending + bytes, text);
        }
        if (m_show)
            out(text);
        m_show = true;
    }

private:
    static constexpr qint64 kChunk = 1 << 20;

    void restart()
    {
        m_offset = 0;
        m_pending.clear();
        m_chain = std::make_unique<DayChain>(m_cipher, m_day);
    }

    void takeLines(const QByteArray& bytes, QString& text)
    {
        qsizetype from = 0;
        for (qsizetype end; (end = bytes.indexOf('\n', from)) >= 0; from = end + 1) {
            QByteArray line = bytes.mid(from, end - from);
            if (line.endsWith('\r'))
                line.chop(1);
            if (line.trimmed().isEmpty())
                continue;
            const DayEntry entry = m_chain->judge(line);
            if (m_show)
                text += protocolLine(entry);
        }
        m_pending = bytes.mid(from);
        // A line without end that grows beyond any record is damage: it is told once and dropped.
        if (m_pending.size() > DayFileReader::kMaxLine) {
            const DayEntry damaged = m_chain->judge(QByteArrayLiteral("\x01"));
            if (m_show)
                text += protocolLine(damaged);
            m_pending.clear();
        }
    }

    QDate m_day;
    QString m_path;
    const LineCipher& m_cipher;
    std::unique_ptr<DayChain> m_chain;
    qint64 m_offset = 0;
    QByteArray m_pending;
    bool m_show;
};

} // namespace

// Today's protocol from now on, as the program writes it, into the next
// days' files after midnight, until a signal ends it. What the file held
// before is read for the chain's sake but not shown.
ExitStatus followProtocol()
{
    catchStopSignals();
    const LineCipher cipher(programKeyText());
    auto day = std::make_unique<GrowingDay>(cipher, QDate::currentDate(), false);
    day->look();
    while (!stopRequested) {
        ::poll(nullptr, 0, 250); // a signal cuts the wait short
        // The date is taken before the last look at the old day, so that
        // its lines written up to midnight are all shown before the switch.
        const QDate today = QDate::currentDate();
        day->look();
        if (today != day->day()) {
            day = std::make_unique<GrowingDay>(cipher, today, true);
            day->look();
        }
    }
    day->look();
    return Done;
}

} // namespace varnox::ctl
