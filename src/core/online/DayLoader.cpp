#include "core/online/DayLoader.h"

#include "core/online/DayFiles.h"

namespace varnox {

ProtocolFilter::ProtocolFilter(const QString& withText, const QString& withoutText)
    : with(withText.trimmed())
    , without(withoutText.trimmed())
{
}

bool ProtocolFilter::passes(const QString& line) const
{
    if (!with.isEmpty() && !line.contains(with, Qt::CaseInsensitive))
        return false;
    return without.isEmpty() || !line.contains(without, Qt::CaseInsensitive);
}

DayLoader::DayLoader(const LineCipher& cipher) : m_cipher(cipher) {}

DayLoader::~DayLoader()
{
    if (m_state == State::Loading)
        finish(State::Stopped);
}

Outcome DayLoader::start(const QDate& day, const ProtocolFilter& filter)
{
    if (m_state == State::Loading)
        finish(State::Stopped);
    m_entries.clear();
    m_state = State::Idle;
    m_day = day;
    m_filter = filter;
    const Outcome copied = DayFiles::makeTemporaryCopy(day);
    if (!copied)
        return copied;
    m_file.setFileName(DayFiles::temporaryCopyPath(day));
    if (!m_file.open(QIODevice::ReadOnly))
        return Outcome::fail(DayFiles::noFileMessage());
    m_size = m_file.size();
    m_reader = std::make_unique<DayFileReader>(m_file, m_cipher, day);
    m_state = State::Loading;
    return Outcome::ok();
}

bool DayLoader::tick()
{
    if (m_state != State::Loading)
        return false;
    DayEntry entry;
    for (int read = 0; read < kBatch; ++read) {
        if (!m_reader->next(entry)) {
            finish(State::Finished);
            return false;
        }
        if (entry.sound() && !m_filter.passes(entry.line))
            continue;
        m_entries.append({QStringLiteral("%1").arg(m_entries.size() + 1, 10, 10, QLatin1Char('0')), entry.time(),
                          entry.text(), entry.state});
    }
    return true;
}

void DayLoader::stop()
{
    if (m_state == State::Loading)
        finish(State::Stopped);
}

qint64 DayLoader::position() const { return m_state == State::Loading ? m_file.pos() : m_size; }

void DayLoader::finish(State state)
{
    m_reader.reset();
    m_file.close();
    DayFiles::removeTemporaryCopy(m_day);
    m_state = state;
}

}  // namespace varnox
