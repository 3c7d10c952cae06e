#include "core/model/FunctionMessages.h"

#include "core/lang/Texts.h"
#include "core/model/Function.h"

namespace varnox::FunctionMessages {
namespace {

const QString kBreak = QStringLiteral("\r\n");

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

Message stop(const QString& text, const QString& title = GetText(348, "Datenbankfehler"))
{
    return Message{text, title, MessageIcon::Critical, QString(), false};
}

Message exclamation(const QString& text, const QString& title)
{
    return Message{text, title, MessageIcon::Exclamation, QString(), false};
}

QString removeLinksFirst()
{
    return GetText(345, "sämtliche Verknüpfungen mit der Funktion im Register") + QLatin1Char(' ')
        + quoted(GetText(346, "Leserzuordnung")) + GetText(347, " löschen.");
}

QString newValuesNeeded() { return GetText(2876, "müssen ihr neue Werte zugeordnet werden."); }

}  // namespace

Message duplicateName()
{
    Message m = stop(GetText(2862, "Die eingegebene Bezeichnung existiert bereits in der Projektdatenbank!") + kBreak
                     + GetText(2863, "Das Programm lässt zwei Funktionen mit der gleichen Bezeichnung in einer Anlage nicht zu.") + kBreak
                     + GetText(2864, "Falls Sie eine bereits vorhandene Funktion ändern wollten, ") + kBreak
                     + GetText(2865, "nutzen Sie den Button ") + quoted(GetText(2811, "Änderungen übernehmen") + QLatin1Char('.')));
    m.focus = QString::fromLatin1(FunctionField::name);
    m.selectAll = true;
    return m;
}

Message noneSelected()
{
    return stop(GetText(2867, "Sie müssen eine vorhandene Funktion auswählen, ") + GetText(2868, "bevor Sie sie ändern können!") + kBreak
                + GetText(2869, "Falls Sie eine neue Funktion erstellen wollen, ") + GetText(2865, "nutzen Sie den Button ")
                + quoted(GetText(26, "Neu")) + QLatin1Char('.'));
}

Message inUseForChange()
{
    return stop(GetText(342, "Die ausgewählte Funktion ist mindestens einmal in Benutzung!") + kBreak
                + GetText(343, "Deshalb kann sie nicht verändert werden.") + kBreak
                + GetText(344, "Falls Sie die Funktion ändern wollen, müssen Sie zuvor") + kBreak + removeLinksFirst());
}

Message inUseForDelete()
{
    return stop(GetText(342, "Die ausgewählte Funktion ist mindestens einmal in Benutzung!") + kBreak
                + GetText(2870, "Deshalb kann sie nicht gelöscht werden.") + kBreak + kBreak
                + GetText(2871, "Falls Sie die Funktion löschen wollen, müssen Sie zuvor") + kBreak + removeLinksFirst());
}

Message notFoundForDelete()
{
    return exclamation(GetText(2872, "Die zu löschende Funktion wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message notFoundForShow()
{
    return exclamation(GetText(2884, "Die ausgewählte Funktion wurde nicht gefunden!"), GetText(246, "Fehler"));
}

Message readerGone()
{
    return stop(GetText(2873, "Der Leser, der in die Funktion eingebunden wurde, existiert nicht mehr!") + kBreak
                    + GetText(2874, "Löschen Sie die fehlerhafte Funktion!") + kBreak
                    + GetText(2875, "Falls Sie die Funktion weiterhin nutzen wollen,") + kBreak + newValuesNeeded(),
                GetText(2877, "Datenbankfehler - fehlender Leser"));
}

Message freeLengthWrong()
{
    return exclamation(GetText(2878, "Die Länge des freien Protokolls ist nicht korrekt!") + kBreak
                           + GetText(2879, "Falls Sie die Funktion wieder nutzen wollen,") + kBreak + newValuesNeeded(),
                       GetText(2880, "Fehlerhafter Eintrag"));
}

Message wrongKind()
{
    return exclamation(GetText(2881, "Die Funktion besitzt einen falschen Funktionstyp!") + kBreak
                           + GetText(2882, "Sie kann nicht vollständig angezeigt werden.") + kBreak
                           + GetText(2879, "Falls Sie die Funktion wieder nutzen wollen,") + kBreak + newValuesNeeded(),
                       GetText(2880, "Fehlerhafter Eintrag"));
}

}  // namespace varnox::FunctionMessages
