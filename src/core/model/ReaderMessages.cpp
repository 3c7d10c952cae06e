#include "core/model/ReaderMessages.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/model/Reader.h"

namespace varnox::ReaderMessages {
namespace {

Message duplicateSerial()
{
    return databaseRefusal({GetText(441, "Die eingegebene Seriennummer existiert bereits in der Projektdatenbank!"),
                            GetText(415, "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte."),
                            GetText(442, "Das Programm lässt zwei Leser mit der gleichen Seriennummer ")
                                + GetText(2814, "in einer Anlage nicht zu.")});
}

}  // namespace

Message tooManyKeysForDecentral()
{
    return exclamationMessage(
        messageLines({GetText(430, "Der Leser ist mit mehr als 250 Schlüssel verknüpft und"),
                      GetText(431, "kann deshalb nicht in den dezentralen Modus umgeschaltet werden."),
                      GetText(432, "Falls Sie dies ermöglichen wollen,"),
                      GetText(433, "müssen Sie entsprechend viele Verknüpfungen mit Schlüsseln entfernen!")}),
        GetText(246, "Fehler"), QString::fromLatin1(ReaderField::decentral));
}

Message cannotBecomeCentral()
{
    return exclamationMessage(messageLines({GetText(434, "Das Wechseln des Modus von dezentral auf zentral"),
                                            GetText(435, "ist leider im Programm nicht möglich!"),
                                            GetText(436, "Löschen Sie den Leser und legen Sie einen neuen Eintrag"),
                                            GetText(437, "mit der gleichen Seriennummer an.")}),
                              GetText(438, "Nicht möglich!"), QString::fromLatin1(ReaderField::central));
}

Message switchReplacesAssignments(int count)
{
    return Message {
        messageLines(
            { GetText(3450, "Im dezentralen Modus gilt ein Leser in jedem seiner Zutrittsprofile zu jeder Zeit"),
                GetText(3451, "und mit seiner eigenen verknüpften Funktion."),
                GetText(3452, "Zeitzone und Funktion werden deshalb in ") + QString::number(count)
                    + GetText(3453, " Zuordnung(en) dieses Lesers ersetzt."),
                GetText(3454, "Möchten Sie den Leser in den dezentralen Modus umschalten?") }),
        GetText(3455, "Moduswechsel"), MessageIcon::Question, QString(), false
    };
}

Message notFoundForDelete()
{
    return exclamationMessage(GetText(422, "Der zu löschende Leser wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message notFoundForChange()
{
    return exclamationMessage(GetText(2815, "Der zu ändernde Leser wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message notFoundForLoad()
{
    return exclamationMessage(GetText(2816, "Der ausgewählte Leser wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message writeRefused(const DbError& error)
{
    switch (error.kind) {
    case DbErrorKind::Duplicate: return duplicateSerial();
    case DbErrorKind::StillReferenced:
        return databaseRefusal({GetText(443, "Es ist im Augenblick nicht möglich den Eintrag zu ändern,"),
                                GetText(444, "weil der Leser mit mindestens einem Zutrittsprofil verknüpft ist."), QString(),
                                GetText(445, "Möchten Sie die Änderung durchführen, müssen sie zuvor"),
                                GetText(426, "die Verknüpfung(en) löschen.")});
    case DbErrorKind::NoCurrentRow: return notFoundForChange();
    default: return databaseErrorMessage(error);
    }
}

Message deleteRefused(const DbError& error)
{
    switch (error.kind) {
    case DbErrorKind::StillReferenced:
        return databaseRefusal({GetText(423, "Es ist im Augenblick nicht möglich den Leser zu löschen,"),
                                GetText(424, "weil er mit mindestens einem Zutrittsprofil verknüpft ist."), QString(),
                                GetText(425, "Möchten Sie die Aktion durchführen, müssen sie zuvor"),
                                GetText(426, "die Verknüpfung(en) löschen.")});
    case DbErrorKind::NoCurrentRow: return notFoundForDelete();
    default: return databaseErrorMessage(error);
    }
}

}  // namespace varnox::ReaderMessages
