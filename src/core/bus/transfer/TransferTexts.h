#pragma once

#include "core/shell/Message.h"

#include <QString>
#include <optional>

namespace varnox {

// Why a running transfer stopped short of its end.
enum class TransferFailure {
    NoDevice, // nobody answered the search
    NoReaderAnswer, // the reader did not answer its selection
    NoEepromAnswer, // the reader never opened its EEPROM
    WriteReadError, // a group read back wrong five times
    PortUnavailable, // the bus line's port is closed or went away
    WindowClosed, // the operator closed the progress window
    ProgramEnd, // the program ended during the transfer
};

// The message box of a failure; none where the operator ended it himself.
std::optional<Message> transferFailureMessage(TransferFailure failure);
// Its line in the daily protocol.
QString transferFailureProtocolText(TransferFailure failure);

namespace TransferTexts {

QString started(const QString& readerName); // "Datenübertragung für NAME gestartet"
QString stoppedBecause(const QString& readerName, const QString& reason); // "... für NAME abgebrochen - reason"
QString succeeded(); // the protocol line of a finished transfer
QString preparationFailed(); // its protocol line
QString resetDone(const QString& readerName); // "NAME zurückgesetzt"

Message allReadersCurrent(); // nothing to transfer (also the handheld's)
Message nothingToReset();
Message finished();
Message unknownType();
QString unknownTypeReason();
Message noComPort();
QString noComPortReason();
Message wrongFunction();
Message badKeyNumber(const QString& keyNumber);
Message tooManyRecords(const QString& readerName, int records);
Message decentralMifare();
Message preparationFailedMessage();

} // namespace TransferTexts
} // namespace varnox
