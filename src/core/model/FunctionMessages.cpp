#include "core/model/FunctionMessages.h"

#include "core/lang/Texts.h"
#include "core/model/Function.h"
#include "core/model/ProjectWork.h"

namespace varnox::FunctionMessages {
namespace {

QString removeLinksFirst()
{
    return GetText(345, "sämtliche Verknüpfungen mit der Funktion im Register") + QLatin1Char(' ')
        + quoted(GetText(346, "Leserzuordnung")) + GetText(347, " löschen.");
}

QString newValuesNeeded() { return GetText(2876, "müssen ihr neue Werte zugeordnet werden."); }

}  // namespace

Message duplicateName()
{
    return databaseRefusal(
        {GetText(2862, "Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!"),
         GetText(2863, "Das Programm lässt zwei Funktionen mit der gleichen Bezeichnung in einer Anlage nicht zu."),
         GetText(2864, "Falls Sie eine bereits vorhandene Funktion ändern wollten, "),
         GetText(2865, "nutzen Sie den Button ") + quoted(GetText(2811, "Änderungen übernehmen") + QLatin1Char('.'))},
        QString::fromLatin1(FunctionField::name), true);
}

Message noneSelected()
{
    return databaseRefusal({GetText(2867, "Sie müssen eine vorhandene Funktion auswählen, ")
                                + GetText(2868, "bevor Sie sie ändern können!"),
                            GetText(2869, "Falls Sie eine neue Funktion erstellen wollen, ")
                                + GetText(2865, "nutzen Sie den Button ") + quoted(GetText(26, "Neu")) + QLatin1Char('.')});
}

Message inUseForChange()
{
    return databaseRefusal({GetText(342, "Die ausgewählte Funktion ist mindestens einmal in Benutzung!"),
                            GetText(343, "Deshalb kann sie nicht verändert werden."),
                            GetText(344, "Falls Sie die Funktion ändern wollen, müssen Sie zuvor"), removeLinksFirst()});
}

Message inUseForDelete()
{
    return databaseRefusal({GetText(342, "Die ausgewählte Funktion ist mindestens einmal in Benutzung!"),
                            GetText(2870, "Deshalb kann sie nicht gelöscht werden."), QString(),
                            GetText(2871, "Falls Sie die Funktion löschen wollen, müssen Sie zuvor"), removeLinksFirst()});
}

Message notFoundForDelete()
{
    return exclamationMessage(GetText(2872, "Die zu löschende Funktion wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message notFoundForShow()
{
    return exclamationMessage(GetText(2884, "Die ausgewählte Funktion wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message readerGone()
{
    return stopMessage(messageLines({GetText(2873, "Der Leser, der in die Funktion eingebunden wurde, existiert nicht mehr!"),
                                     GetText(2874, "Löschen Sie die fehlerhafte Funktion!"),
                                     GetText(2875, "Falls Sie die Funktion weiterhin nutzen wollen,"), newValuesNeeded()}),
                       GetText(2877, "Datenbankfehler - fehlender Leser"));
}

Message freeLengthWrong()
{
    return exclamationMessage(messageLines({GetText(2878, "Die Länge des freien Protokolls ist nicht korrekt!"),
                                            GetText(2879, "Falls Sie die Funktion wieder nutzen wollen,"), newValuesNeeded()}),
                              GetText(2880, "Fehlerhafter Eintrag"));
}

Message wrongKind()
{
    return exclamationMessage(messageLines({GetText(2881, "Die Funktion besitzt einen falschen Funktionstyp!"),
                                            GetText(2882, "Sie kann nicht vollständig angezeigt werden."),
                                            GetText(2879, "Falls Sie die Funktion wieder nutzen wollen,"), newValuesNeeded()}),
                              GetText(2880, "Fehlerhafter Eintrag"));
}

}  // namespace varnox::FunctionMessages
