#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace varnox {

class ProtocolList;

// One line of the protocol list cboProtIn taken apart:
// "12:00:05 Q03: %11223344" is received at 12:00:05, letter "Q", bus line 3,
// telegram "%11223344".
struct ReceivedLine {
    QTime received; // invalid when the line does not start with hh:mm:ss
    QChar letter;
    int busLine = 0;
    QString telegram;

    static ReceivedLine parse(const QString& line);
    // An "A" line whose telegram reads "A0" after its type character: the
    // first half of a key request.
    bool isRequestStart() const;
};

// The first step of evaluating a key request: find the "A" line at the head
// of the list and the "Q" line of the same bus line that belongs to it,
// clearing away what cannot be part of a request. Lines that go are removed
// from the list here, each with its line in the daily protocol.
struct Pairing {
    enum class Outcome {
        TooFewLines, // nothing to do until the next "Q" line comes
        Restart, // a line went; look again
        Paired, // the "A" line is at 0, its "Q" line at qIndex
    };
    Outcome outcome = Outcome::TooFewLines;
    int qIndex = -1;
};

// How many whole seconds lie between a line received at `received` and
// `now`; a time of day later than now's was received yesterday.
int ageInSeconds(const QTime& received, const QTime& now);

Pairing pairKeyRequest(
    ProtocolList& list, const QDateTime& now, const std::function<void(const QString&)>& writeProtocol);

// What the pair says: the key number (the four data bytes of the "Q"
// telegram in reverse order, then the last and the middle byte of the "A"
// telegram) and the reader's AS address (the first byte of the "A" data).
struct KeyRequest {
    QString keyNumber;
    int asAddress = -1; // -1 when the two characters are not hexadecimal
    QString addressText; // as the protocol shows it
    int busLine = 0;
    QDateTime moment; // when the pair was found, to the second

    static KeyRequest derive(const ReceivedLine& a, const ReceivedLine& q, const QDateTime& now);
};

} // namespace varnox
