#include "core/online/KeyRequestPairing.h"

#include "core/bus/ProtocolList.h"
#include "core/lang/Texts.h"

#include <algorithm>

namespace varnox {
namespace {

constexpr int kMaxAgeSeconds = 3;
constexpr int kSecondsPerDay = 24 * 60 * 60;

// Positions in a line: "hh:mm:ss L01: telegram".
constexpr int kLetterAt = 9;
constexpr int kLineAt = 10;
constexpr int kTelegramAt = 14;

} // namespace

ReceivedLine ReceivedLine::parse(const QString& line)
{
    ReceivedLine r;
    r.received = QTime::fromString(line.left(8), QStringLiteral("HH:mm:ss"));
    if (line.size() > kLetterAt)
        r.letter = line[kLetterAt];
    r.busLine = line.mid(kLineAt, 2).toInt();
    r.telegram = line.mid(kTelegramAt);
    return r;
}

bool ReceivedLine::isRequestStart() const
{
    return letter == QLatin1Char('A') && telegram.mid(1, 2) == QLatin1String("A0");
}

int ageInSeconds(const QTime& received, const QTime& now)
{
    if (!received.isValid() || !now.isValid())
        return kSecondsPerDay;
    const int then = received.msecsSinceStartOfDay() / 1000;
    const int current = now.msecsSinceStartOfDay() / 1000;
    return then > current ? current + kSecondsPerDay - then : current - then;
}

Pairing pairKeyRequest(
    ProtocolList& list, const QDateTime& now, const std::function<void(const QString&)>& writeProtocol)
{
    const auto restartWithout = [&](int index, const QString& text) {
        list.removeAt(index);
        writeProtocol(text);
        return Pairing { Pairing::Outcome::Restart, -1 };
    };
    if (list.count() < 2) {
        writeProtocol(GetText(926, "Kein oder nur ein Eintrag in der Liste - keine Bearbeitung"));
        return {};
    }
    const ReceivedLine first = ReceivedLine::parse(list.at(0));
    if (ageInSeconds(first.received, now.time()) > kMaxAgeSeconds)
        return restartWithout(
            0, GetText(927, "Protokoll gelöscht - 1. Eintrag älter als x Sekunden - Bearbeitung neu gestartet"));
    if (!first.isRequestStart())
        return restartWithout(
            0, GetText(931, "Protokoll gelöscht - 1. Eintrag kein richtiger A-Teil - Bearbeitung neu gestartet"));

    for (int index = 1;;) {
        if (index >= list.count()) {
            writeProtocol(GetText(932, "Bearbeitungsfehler --> Bearbeitung neu gestartet"));
            return { Pairing::Outcome::Restart, -1 };
        }
        const ReceivedLine line = ReceivedLine::parse(list.at(index));
        if (line.busLine != first.busLine) {
            if (index == list.count() - 1)
                return restartWithout(0,
                    GetText(935,
                        "Protokoll gelöscht - alleiniger Eintrag von diesem Bus-Strang - Bearbeitung neu gestartet"));
            ++index;
        } else if (line.isRequestStart()) {
            return restartWithout(
                0, GetText(934, "Protokoll gelöscht - 2. Eintrag richtiger A-Teil - Bearbeitung neu gestartet"));
        } else if (line.letter == QLatin1Char('A')) {
            list.removeAt(index);
            writeProtocol(GetText(933, "Protokoll gelöscht - 2. Eintrag falscher A-Teil - Bearbeitung fortsetzen"));
        } else {
            return { Pairing::Outcome::Paired, index };
        }
    }
}

KeyRequest KeyRequest::derive(const ReceivedLine& a, const ReceivedLine& q, const QDateTime& now)
{
    const QString qData = q.telegram.right(8);
    const QString aData = a.telegram.right(6);
    KeyRequest r;
    r.keyNumber
        = qData.mid(6, 2) + qData.mid(4, 2) + qData.mid(2, 2) + qData.mid(0, 2) + aData.mid(4, 2) + aData.mid(2, 2);
    bool ok = false;
    const int address = aData.left(2).toInt(&ok, 16);
    // Only digits and "A".."F" make an address: toInt would also take a sign or a blank.
    const bool hex = ok && aData.left(2).size() == 2
        && std::all_of(aData.begin(), aData.begin() + 2, [](QChar c) { return c.isDigit() || (c >= 'A' && c <= 'F'); });
    r.asAddress = hex ? address : -1;
    r.addressText = hex ? QString::number(address) : aData.left(2);
    r.busLine = a.busLine;
    r.moment = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return r;
}

} // namespace varnox
