#include "core/model/KeyRows.h"

#include "core/lang/Texts.h"
#include "core/model/ProfileOperations.h"
#include "core/model/ValidityText.h"
#include "core/project/Database.h"

namespace varnox {

KeyFields keyFieldsOf(const KeyForm& form)
{
    KeyFields fields;
    if (!form.shortName.isEmpty())
        fields.shortName = form.shortName;
    if (form.fixedPeriod) {
        fields.start = storedValidityTime(*parseValidityText(form.startText));
        fields.end = storedValidityTime(*parseValidityText(form.endText));
    }
    return fields;
}

void bindOptional(SQLite::Statement& q, int index, const std::optional<QString>& value)
{
    if (value)
        q.bind(index, value->toStdString());
    else
        q.bind(index);
}

KeyInsert::KeyInsert(Database& db)
    : m_insert(db.sql(),
        "INSERT INTO Schluessel (Schluesselnr, Sname, HilfsID, AbsoluteZeit, Startzeit, Endzeit) "
        "VALUES (?, ?, ?, ?, ?, ?)")
{
}

void KeyInsert::run(const QString& number, const KeyForm& form, const KeyFields& fields)
{
    m_insert.tryReset();
    m_insert.bind(1, number.toStdString());
    m_insert.bind(2, form.name.toStdString());
    bindOptional(m_insert, 3, fields.shortName);
    m_insert.bind(4, form.fixedPeriod ? 1 : 0);
    bindOptional(m_insert, 5, fields.start);
    bindOptional(m_insert, 6, fields.end);
    m_insert.exec();
}

std::optional<Message> keyDuplicateRefusal(const DbError& error)
{
    if (error.kind != DbErrorKind::Duplicate)
        return std::nullopt;
    return databaseRefusal(
        { GetText(414, "Die eingegebene Bezeichnung bzw. Schlüsselnummer existiert bereits in der Projektdatenbank!"),
            GetText(415, "Wenn Ihnen bei der Eingabe ein Fehler unterlaufen ist, korrigieren Sie dies bitte."),
            GetText(417, "Das Programm lässt zwei Datensätze mit der gleichen Bezeichnung ")
                + GetText(418, "bzw. Schlüsselnummer in einer Anlage nicht zu.") });
}

std::optional<WriteResult> resolveKeyProfile(Database& db, const KeyForm& form, QString& profile)
{
    profile.clear();
    if (form.profile.isEmpty() || form.dropProfile)
        return std::nullopt;
    if (std::optional<QString> stored = storedProfileName(db, form.profile)) {
        profile = *stored;
        return std::nullopt;
    }
    return WriteResult { Outcome::fail(unknownProfileMessage(form.profile), Refusal::NotFound), false };
}

} // namespace varnox
