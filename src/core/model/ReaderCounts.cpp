#include "core/model/ReaderCounts.h"

#include "core/lang/Texts.h"
#include "core/model/ProjectWork.h"
#include "core/project/Database.h"

#include <SQLiteCpp/Statement.h>

namespace varnox {
namespace {

std::optional<QString> firstName(SQLite::Statement& q)
{
    if (!q.executeStep())
        return std::nullopt;
    return QString::fromStdString(q.getColumn(0).getString());
}

// Every reader assigned to the profile (`profile` is bound as the last value).
constexpr const char* kReadersOfProfile = "Seriennr IN (SELECT Leser FROM Zuleser WHERE Profil = ?)";

void changeCounts(Database& db, const QString& profile, int change)
{
    // Once per reader: a profile names a reader at most once. A count of
    // zero is never lowered.
    SQLite::Statement q(db.sql(), std::string("UPDATE Leser SET Sanzahl = coalesce(Sanzahl, 0) + ?, "
                                              "Modify = CASE WHEN coalesce(Zmodus, 0) = 0 THEN 1 ELSE Modify END "
                                              "WHERE (? > 0 OR coalesce(Sanzahl, 0) > 0) AND ")
                                      + kReadersOfProfile);
    q.bind(1, change);
    q.bind(2, change);
    q.bind(3, profile.toStdString());
    q.exec();
}

void recountReaders(Database& db, const QString& profile)
{
    SQLite::Statement q(db.sql(), std::string("UPDATE Leser SET Sanzahl = (SELECT count(*) FROM Zuleser l "
                                              "JOIN Zuschluessel s ON s.Profil = l.Profil WHERE l.Leser = Leser.Seriennr), "
                                              "Modify = CASE WHEN coalesce(Zmodus, 0) = 0 THEN 1 ELSE Modify END WHERE ")
                                      + kReadersOfProfile);
    q.bind(1, profile.toStdString());
    q.exec();
}

}  // namespace

std::optional<QString> fullReader(Database& db, const QString& profile, const QString& leaving)
{
    SQLite::Statement q(db.sql(), "SELECT Lname FROM Leser, Zuleser WHERE Profil = ? AND Leser = Seriennr "
                                  "AND coalesce(Zmodus, 0) = 0 AND Sanzahl > ? "
                                  "AND Seriennr NOT IN (SELECT Leser FROM Zuleser WHERE Profil = ? AND Leser IS NOT NULL) "
                                  "ORDER BY Zuleser.rowid");
    q.bind(1, profile.toStdString());
    q.bind(2, kDecentralKeyCapacity - 1);
    q.bind(3, leaving.toStdString());
    return firstName(q);
}

void countUp(Database& db, const QString& profile) { changeCounts(db, profile, 1); }

std::optional<QString> countDown(Database& db, const QString& profile)
{
    SQLite::Statement zero(db.sql(), "SELECT Lname FROM Leser, Zuleser WHERE Profil = ? AND Leser = Seriennr "
                                     "AND coalesce(Sanzahl, 0) = 0 ORDER BY Zuleser.rowid");
    zero.bind(1, profile.toStdString());
    std::optional<QString> wrong = firstName(zero);
    if (wrong)
        recountReaders(db, profile);
    else
        changeCounts(db, profile, -1);
    return wrong;
}

Message capacityMessage(const QString& readerName)
{
    return stopMessage(
        messageLines({GetText(403, "Der Schlüssel wurde in die Projektdatei aufgenommen."),
                      GetText(404, "Die Verknüpfung des Schlüssels mit dem Zutrittsprofil kann jedoch nicht erfolgen,"),
                      GetText(405, "weil der Leser ") + readerName.toUpper() + GetText(406, ", der dem Profil zugeordnet ist,"),
                      GetText(407, "im dezentralen Modus läuft und ihm die maximal erlaubte Anzahl an Schlüsseln (250)"),
                      GetText(408, "schon zugewiesen wurde."),
                      GetText(409, "Entweder Sie lösen zuvor eine andere Verknüpfung, die den Leser enthält,"),
                      GetText(410, "oder Sie entfernen den genannten Leser aus dem Zutrittsprofil, wobei"),
                      GetText(411, "allerdings der Leser in allen Verknüpfungen mit dem Profil verschwindet."),
                      GetText(412, "Welche Schlüssel an welchem Leser Zutritt haben, können Sie sich auf dem"),
                      GetText(413, "Register Schlüsselübersicht ansehen.")}),
        GetText(246, "Fehler"));
}

Message zeroCountMessage(const QString& readerName)
{
    return stopMessage(
        messageLines({GetText(396, "Die Verknüpfung des Schlüssels mit dem Zutrittsprofil wurde gelöscht."), QString(),
                      GetText(397, "Allerdings sind dem Leser ") + readerName.toUpper() + GetText(398, " laut Projektdatei 0"),
                      GetText(399, "Schlüssel zugeordnet, was jedoch offensichtlich ein Fehler ist."), QString(),
                      GetText(400, "Das Programm versucht diesen Fehler selbständig zu korrigieren."),
                      GetText(401, "Falls diese Meldung öfter auftritt, sollten Sie sich mit dem Software-"),
                      GetText(402, "entwickler in Verbindung setzen.")}),
        GetText(246, "Fehler"));
}

}  // namespace varnox
