#include "SimLine.h"

#include "SimLog.h"

#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>

namespace varnox::bussim {
namespace {

int hexField(const QString& text, int from, int length) { return text.mid(from, length).toInt(nullptr, 16); }

}  // namespace

SimLine::SimLine(int number, const QString& linkPath, SimLog& log, int delayMs, QObject* parent)
    : QObject(parent)
    , m_number(number)
    , m_log(log)
    , m_delayMs(delayMs)
    , m_device(linkPath)
{
    connect(&m_device, &PtyDevice::received, this, &SimLine::onReceived);
}

SimReader* SimLine::reader(int serial)
{
    for (SimReader& r : m_readers) {
        if (r.serial == serial)
            return &r;
    }
    return nullptr;
}

SimReader* SimLine::readerAt(int as)
{
    for (SimReader& r : m_readers) {
        if (r.as == as)
            return &r;
    }
    return nullptr;
}

bool SimLine::transferring() const
{
    return std::any_of(m_readers.begin(), m_readers.end(), [](const SimReader& r) { return r.selected; });
}

void SimLine::unplug()
{
    m_device.pullOut();
    m_setUp = false;
}

void SimLine::onReceived(const QByteArray& bytes)
{
    for (const FrameReader::Frame& f : m_rx.feed(bytes)) {
        if (f.valid())
            handle(QString::fromLatin1(f.text));
        else
            m_log.invalidFrame(m_number, f.fault, f.bytes);
    }
}

void SimLine::handle(const QString& telegram)
{
    m_log.telegram(m_number, "rx", telegram);
    if (isDeskReader() || m_silent)
        return;
    if (telegram == QLatin1String("(01")) {
        m_setUp = false;
        if (++m_presenceQueries >= m_answerFrom)
            answer(QStringLiteral("#"));
    } else if (telegram == QLatin1String(".3F")) {
        m_setUp = true;
        m_log.event(m_number, QStringLiteral("interface set up"));
    } else if (telegram.startsWith(QLatin1Char(' '))) {
        busCommand(telegram.mid(1));
    } else {
        m_log.event(m_number, QStringLiteral("interface ignores ") + telegram);
    }
}

void SimLine::busCommand(const QString& p)
{
    if (p == QLatin1String("580B")) {
        int k = 0;
        for (const SimReader& r : m_readers) {
            if (!r.silent)
                answer(r.acknowledgement(), 10 * k++);
        }
    } else if (p.startsWith(QLatin1String("81")) && p.size() == 8) {
        const int serial = hexField(p, 3, 5);
        for (SimReader& r : m_readers) {
            // Selecting the reader again (another page, every sixteen bytes)
            // keeps its EEPROM open; selecting another closes it.
            const bool again = r.selected && r.serial == serial;
            r.selected = r.serial == serial && !r.silent;
            r.access = r.access && again && r.selected;
            if (r.selected) {
                r.page = hexField(p, 2, 1);
                answer(r.acknowledgement());
            }
        }
    } else if (p == QLatin1String("5100")) {
        for (SimReader& r : m_readers) {
            if (r.selected)
                m_log.event(m_number, QStringLiteral("reader %1: transfer ended").arg(r.serial));
            r.selected = r.access = false;
        }
    } else if (p.size() == 8 && p.startsWith(QLatin1Char('5')) && p.endsWith(QLatin1String("80"))) {
        if (SimReader* r = reader(hexField(p, 1, 5)); r && !r->silent)
            answer(r->acknowledgement());
    } else if (p.startsWith(QLatin1String("88")) || p.startsWith(QLatin1String("82"))
               || (p.startsWith(QLatin1String("84")) && p.size() == 4)) {
        eepromCommand(p);
    } else {
        toReader(p);
    }
}

void SimLine::eepromCommand(const QString& p)
{
    for (SimReader& r : m_readers) {
        if (!r.selected || r.silent)
            continue;
        const int address = r.page * 256 + hexField(p, 2, 2);
        if (p == QLatin1String("8800")) {
            r.access = true;
            answer(QStringLiteral("$8801"));
        } else if (p.startsWith(QLatin1String("82")) && p.size() == 8 && r.access) {
            r.write(address, quint8(hexField(p, 4, 2)), quint8(hexField(p, 6, 2)));
        } else if (p.startsWith(QLatin1String("84")) && r.access) {
            answer(r.readBack(address));
        }
    }
}

// Commands for a reader by its AS address or for a device by its serial.
void SimLine::toReader(const QString& p)
{
    if (p.size() == 4 && p.startsWith(QLatin1String("A1"))) {
        if (SimReader* r = readerAt(hexField(p, 2, 2)); r && !r->silent) {
            m_log.event(m_number, QStringLiteral("reader %1: access granted").arg(r->serial));
            answer(r->acknowledgement());
        }
    } else if (p.size() == 4 && p.startsWith(QLatin1String("11"))) {
        const SimReader* r = readerAt(hexField(p, 2, 2));
        m_log.event(m_number, r ? QStringLiteral("reader %1: door opener").arg(r->serial)
                                : QStringLiteral("door opener for AS %1, no such reader").arg(hexField(p, 2, 2)));
    } else if (p.size() == 8 && p.startsWith(QLatin1Char('6'))) {
        m_log.event(m_number,
                    QStringLiteral("device %1: control function %2").arg(hexField(p, 1, 5)).arg(hexField(p, 6, 2)));
    } else {
        m_log.event(m_number, QStringLiteral("free telegram ") + p);
    }
}

void SimLine::answer(const QString& text, int extraDelayMs)
{
    QTimer::singleShot(m_delayMs + extraDelayMs, this, [this, text] { sendTelegram(text); });
}

void SimLine::sendTelegram(const QString& text)
{
    if (!m_device.isPresent())
        return;
    m_log.telegram(m_number, "tx", text);
    m_device.write(kSoh + text.toLatin1() + kEot);
}

void SimLine::presentKey(int as, const QString& keyNumber)
{
    if (isDeskReader()) {
        sendTelegram(keyNumber);
        return;
    }
    const SimReader* r = readerAt(as);
    if (r && r->silent)
        return;
    if (r && !r->central) {
        const bool known = r->knowsKey(keyNumber);
        m_log.event(m_number, QStringLiteral("reader %1 decides itself: key %2 %3")
                                  .arg(r->serial)
                                  .arg(keyNumber, known ? QStringLiteral("granted") : QStringLiteral("refused")));
        return;
    }
    const QString k = keyNumber;  // characters 1..12 are k[0..11]
    answer(QStringLiteral("$A0") + hexText(quint32(as), 2) + k.mid(10, 2) + k.mid(8, 2));
    answer(QLatin1Char('%') + k.mid(6, 2) + k.mid(4, 2) + k.mid(2, 2) + k.mid(0, 2), 20);
}

void SimLine::setTraffic(int perSecond)
{
    m_traffic.setRate(perSecond);
    m_log.event(m_number, QStringLiteral("traffic: %1 reader telegrams a second").arg(m_traffic.rate()));
}

void SimLine::sendNoise(int count)
{
    QByteArray noise;
    while (noise.size() < count) {
        const char c = char(QRandomGenerator::global()->bounded(256));
        if (c != kEot && c != kSoh)  // noise never makes or ends a telegram by itself
            noise += c;
    }
    m_log.event(m_number, QStringLiteral("%1 noise bytes").arg(count));
    m_device.write(noise);
}

}  // namespace varnox::bussim
