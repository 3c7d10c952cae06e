#include "core/online/ProtocolExport.h"

#include "core/lang/Texts.h"

namespace varnox {

QString recordStateText(RecordState state)
{
    switch (state) {
    case RecordState::Ok: return {};
    case RecordState::Plain: return GetText(2023, "nicht verschlüsselt");
    case RecordState::Undecipherable: return GetText(2024, "nicht entschlüsselbar");
    case RecordState::ChainBroken: return GetText(2025, "Kette unterbrochen");
    }
    return {};
}

QString exportText(const QDate& day, const QList<ListedEntry>& entries)
{
    const QString crlf = QStringLiteral("\r\n");
    const QChar tab = QLatin1Char('\t');
    QString out = GetText(578, "Tagesprotokoll vom ") + day.toString(QStringLiteral("dd.MM.yyyy")) + crlf + crlf;
    for (const ListedEntry& e : entries) {
        out += e.number + tab + e.time + tab + e.text;
        if (e.state != RecordState::Ok)
            out += tab + recordStateText(e.state);
        out += crlf;
    }
    return out;
}

}  // namespace varnox
