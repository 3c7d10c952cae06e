#include "core/model/SerialNumber.h"

#include "core/lang/Texts.h"

namespace varnox {
namespace {

bool allDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// The digits without their leading zeros ("0" stays "0"); any length, so that
// a long run of digits cannot overflow on its way to the range check.
QString significant(const QString& digits)
{
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

}  // namespace

std::optional<Message> SerialNumber::check(const QString& text, Message missing, const QString& field)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        missing.icon = MessageIcon::Exclamation;
        missing.focus = field;
        return missing;
    }
    if (!allDigits(trimmed))
        return Message{GetText(330, "Die Seriennummer muss ein nummerischer Wert sein!"), GetText(246, "Fehler"),
                       MessageIcon::Exclamation, field, true};
    const QString digits = significant(trimmed);
    if (digits.size() > 6 || digits.toInt() > kMaximum)
        return Message{
            GetText(331, "Sie haben eine falsche Seriennummer angegeben! Der Eintrag darf nur einen Wert zwischen 0 und 999999 erhalten."),
            GetText(246, "Fehler"), MessageIcon::Exclamation, field, true};
    return std::nullopt;
}

QString SerialNumber::normalized(const QString& text) { return significant(text.trimmed()); }

}  // namespace varnox
