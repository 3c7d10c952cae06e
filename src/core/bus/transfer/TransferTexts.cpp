#include "core/bus/transfer/TransferTexts.h"

#include "core/bus/transfer/MemoryImage.h"
#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"

namespace varnox {
namespace {

Message critical(const QString& text)
{
    return stopMessage(text, GetText(246, "Fehler"));
}

} // namespace

std::optional<Message> transferFailureMessage(TransferFailure failure)
{
    switch (failure) {
    case TransferFailure::NoDevice:
        return critical(GetText(281, "Kein Gerät für Zutrittskontrolle gefunden, Übertragung abgebrochen!"));
    case TransferFailure::NoReaderAnswer:
        return critical(GetText(3629, "Keine Antwort vom Leser, Übertragung abgebrochen!"));
    case TransferFailure::NoEepromAnswer:
        return critical(GetText(3631, "Keine Antwort vom EEPROM, Übertragung abgebrochen!"));
    case TransferFailure::WriteReadError:
        return critical(GetText(3633, "Schreib-/Lesefehler, Übertragung abgebrochen!"));
    case TransferFailure::PortUnavailable:
        return critical(
            GetText(3644, "Die Schnittstelle des HLV:BUS-Strangs ist nicht verfügbar, Übertragung abgebrochen!"));
    case TransferFailure::WindowClosed:
    case TransferFailure::ProgramEnd:
        return std::nullopt;
    }
    return std::nullopt;
}

QString transferFailureProtocolText(TransferFailure failure)
{
    switch (failure) {
    case TransferFailure::NoDevice:
        return GetText(3628, "Datenübertragung abgebrochen - Kein Gerät für Zutrittskontrolle gefunden!");
    case TransferFailure::NoReaderAnswer:
        return GetText(3630, "Datenübertragung abgebrochen - Keine Antwort vom Leser!");
    case TransferFailure::NoEepromAnswer:
        return GetText(3632, "Datenübertragung abgebrochen - Keine Antwort vom EEPROM!");
    case TransferFailure::WriteReadError:
        return GetText(3634, "Datenübertragung abgebrochen - Schreib-/Lesefehler!");
    case TransferFailure::PortUnavailable:
        return GetText(3645, "Datenübertragung abgebrochen - Schnittstelle nicht verfügbar!");
    case TransferFailure::WindowClosed:
        return GetText(3646, "Datenübertragung abgebrochen - Übertragungsfenster geschlossen!");
    case TransferFailure::ProgramEnd:
        return GetText(3647, "Datenübertragung abgebrochen - Programm beendet!");
    }
    return QString();
}

namespace TransferTexts {

QString started(const QString& readerName)
{
    return GetText(3605, "Datenübertragung für ") + readerName + GetText(3606, " gestartet");
}

QString stoppedBecause(const QString& readerName, const QString& reason)
{
    return GetText(3605, "Datenübertragung für ") + readerName + GetText(3607, " abgebrochen") + QStringLiteral(" - ")
        + reason;
}

QString succeeded()
{
    return GetText(3637, "Datenübertragung erfolgreich abgeschlossen");
}

QString preparationFailed()
{
    return GetText(3627, "Datenübertragung abgebrochen - Fehler in der Vorbereitung");
}

QString resetDone(const QString& readerName)
{
    return readerName + GetText(3640, " zurückgesetzt");
}

Message allReadersCurrent()
{
    return exclamationMessage(messageLines({ GetText(268, "Alle Leser besitzen die aktuellen Daten."),
                                  GetText(269, "Keine Übertragung möglich!") }),
        GetText(270, "Fehler!"));
}

Message nothingToReset()
{
    return exclamationMessage(messageLines({ GetText(3638, "Kein Leser in der Liste vorhanden."),
                                  GetText(3639, "Zurücksetzen nicht möglich!") }),
        GetText(270, "Fehler!"));
}

Message finished()
{
    return Message { GetText(3635, "Daten wurden vollständig übertragen!"), GetText(3636, "Übertragung beendet"),
        MessageIcon::Information, {}, false };
}

Message unknownType()
{
    return critical(messageLines({ GetText(3608, "Der Typ des Lesers ist unbekannt!"),
        GetText(3609, "Die Datenübertragung kann deshalb nicht fortgesetzt werden."),
        GetText(3610, "Bitte kontrollieren Sie ggf. noch einmal die Konfiguration des Lesers.") }));
}

QString unknownTypeReason()
{
    return GetText(3611, "Der aus der Datenbank ausgelesene Typ des Lesers ist unbekannt!");
}

Message noComPort()
{
    return critical(messageLines({
        noComPortReason(),
        GetText(3613, "Wenn Sie die Daten auf den aktuellen Leser übertragen wollen, gehen"),
        GetText(3614, "sie wie folgt vor:"),
        GetText(3615, "1. Informieren Sie sich im Register LESER, in welchem HLV:BUS-Strang"),
        GetText(3616, "sich der Leser in Ihrem Projekt befindet."),
        GetText(3617, "2. Ordnen Sie dem HLV:BUS-Strang die COM-Schnittstelle zu, an dem der"),
        GetText(3618, "reale HLV:BUS mit dem in Frage kommenden Leser angeschlossen ist."),
        GetText(3619, "3. Um die Veränderungen wirksam werden zu lassen, speichern Sie das"),
        GetText(3620, "Projekt nochmals und starten Sie danach das Programm neu."),
    }));
}

QString noComPortReason()
{
    return GetText(3612, "Dem HLV:BUS-Strang des Lesers ist keine COM-Schnittstelle zugeordnet!");
}

Message wrongFunction()
{
    return critical(messageLines({ GetText(3621, "Dem Leser wurde eine falsche Funktion zugeordnet."),
        GetText(3622, "Korrigieren sie dies im Register Leser,"),
        GetText(3623, "bevor die Daten übertragen werden.") }));
}

Message badKeyNumber(const QString& keyNumber)
{
    return critical(GetText(3642, "Die Schlüsselnummer %1 ist keine gültige Schlüsselnummer.").arg(keyNumber));
}

Message tooManyRecords(const QString& readerName, int records)
{
    return critical(
        GetText(3641, "Die Schlüsselliste des Lesers %1 passt nicht in seinen Speicher (%2 Einträge, höchstens %3).")
            .arg(readerName)
            .arg(records)
            .arg(MemoryImage::kMaxRecords));
}

Message decentralMifare()
{
    return critical(messageLines({ GetText(3643, "Ein Mifare-Leser arbeitet nur im Zentralmodus."),
        GetText(3622, "Korrigieren sie dies im Register Leser,"),
        GetText(3623, "bevor die Daten übertragen werden.") }));
}

Message preparationFailedMessage()
{
    return critical(
        messageLines({ GetText(3624, "Bei den Vorbereitungen zur Datenübertragung sind Fehler aufgetreten!"),
            GetText(3625, "Falls es ihnen nicht selbst gelingt, anhand der Meldungen den Fehler zu beseitigen,"),
            GetText(3626, "wenden sie sich an den Softwarehersteller.") }));
}

} // namespace TransferTexts
} // namespace varnox
