#include "core/model/ReaderMessages.h"

#include "core/lang/Texts.h"
#include "core/model/Reader.h"

namespace varnox::ReaderMessages {
namespace {

const QString kBreak = QStringLiteral("\r\n");

Message exclamation(const QString& text, const QString& title)
{
    return Message{text, title, MessageIcon::Exclamation, QString(), false};
}

Message stop(const QString& text)
{
    return Message{text, GetText(348, "Datenbankfehler"), MessageIcon::Critical, QString(), false};
}

Message duplicateSerial()
{
    return stop(GetText(441, "Die eingegebene Seriennummer existiert bereits in der Projektdatenbank!") + kBreak
                + GetText(415, "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte.") + kBreak
                + GetText(442, "Das Programm lässt zwei Leser mit der gleichen Seriennummer ")
                + GetText(2814, "in einer Anlage nicht zu."));
}

}  // namespace

Message tooManyKeysForDecentral()
{
    Message m = exclamation(GetText(430, "Der Leser ist mit mehr als 250 Schlüssel verknüpft und") + kBreak
                                + GetText(431, "kann deshalb nicht in den dezentralen Modus umgeschaltet werden.") + kBreak
                                + GetText(432, "Falls Sie dies ermöglichen wollen,") + kBreak
                                + GetText(433, "müssen Sie entsprechend viele Verknüpfungen mit Schlüsseln entfernen!"),
                            GetText(246, "Fehler"));
    m.focus = QString::fromLatin1(ReaderField::decentral);
    return m;
}

Message cannotBecomeCentral()
{
    Message m = exclamation(GetText(434, "Das Wechseln des Modus von dezentral auf zentral") + kBreak
                                + GetText(435, "ist leider im Programm nicht möglich!") + kBreak
                                + GetText(436, "Löschen Sie den Leser und legen Sie einen neuen Eintrag") + kBreak
                                + GetText(437, "mit der gleichen Seriennummer an."),
                            GetText(438, "Nicht möglich!"));
    m.focus = QString::fromLatin1(ReaderField::central);
    return m;
}

Message notFoundForDelete()
{
    return exclamation(GetText(422, "Der zu löschende Leser wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message notFoundForChange()
{
    return exclamation(GetText(2815, "Der zu ändernde Leser wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message notFoundForLoad()
{
    return exclamation(GetText(2816, "Der ausgewählte Leser wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message writeRefused(const DbError& error)
{
    switch (error.kind) {
    case DbErrorKind::Duplicate: return duplicateSerial();
    case DbErrorKind::StillReferenced:
        return stop(GetText(443, "Es ist im Augenblick nicht möglich den Eintrag zu ändern,") + kBreak
                    + GetText(444, "weil der Leser mit mindestens einem Zutrittsprofil verknüpft ist.") + kBreak + kBreak
                    + GetText(445, "Möchten Sie die Änderung durchführen, müssen sie zuvor") + kBreak
                    + GetText(426, "die Verknüpfung(en) löschen."));
    case DbErrorKind::NoCurrentRow: return notFoundForChange();
    default: return databaseErrorMessage(error);
    }
}

Message deleteRefused(const DbError& error)
{
    switch (error.kind) {
    case DbErrorKind::StillReferenced:
        return stop(GetText(423, "Es ist im Augenblick nicht möglich den Leser zu löschen,") + kBreak
                    + GetText(424, "weil er mit mindestens einem Zutrittsprofil verknüpft ist.") + kBreak + kBreak
                    + GetText(425, "Möchten Sie die Aktion durchführen, müssen sie zuvor") + kBreak
                    + GetText(426, "die Verknüpfung(en) löschen."));
    case DbErrorKind::NoCurrentRow: return notFoundForDelete();
    default: return databaseErrorMessage(error);
    }
}

}  // namespace varnox::ReaderMessages
