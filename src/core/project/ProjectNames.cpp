#include "core/project/ProjectNames.h"

#include "core/lang/Texts.h"

namespace varnox {

namespace {

bool forbidden(QChar c) { return QStringView(u"\\/:*?\"<>|").contains(c) || c.category() == QChar::Other_Control; }

}  // namespace

std::optional<Message> projectNameFault(const QString& name)
{
    Message m;
    if (name.trimmed().isEmpty()) {
        m.text = GetText(250, "Geben Sie bitte dem Projekt einen Namen!");
        m.title = GetText(251, "Name fehlt");
        m.icon = MessageIcon::Exclamation;
        return m;
    }
    for (const QChar c : name) {
        if (!forbidden(c))
            continue;
        m.text = GetText(592, "Ein Projektname darf keines der folgenden Zeichen enthalten:") + QStringLiteral("\r\n")
            + GetText(2200, "       \\  /  :  *  ?  \"  <  >  |");
        m.title = GetText(313, "Umbennen");
        m.icon = MessageIcon::Critical;
        return m;
    }
    return std::nullopt;
}

}  // namespace varnox
