#pragma once

#include <QStringList>

namespace varnox::ctl {

// The words the command line uses for the program's choices, in the order
// of the pages' lists (so a word's position is the list position).
namespace Words {
inline const QStringList readerTypes = { QStringLiteral("em"), QStringLiteral("mifare") };
inline const QStringList modes = { QStringLiteral("central"), QStringLiteral("decentral") };
inline const QStringList linkedFunctions = { QStringLiteral("door-opener"), QStringLiteral("control") };
inline const QStringList timeRecording = { QStringLiteral("none"), QStringLiteral("in"), QStringLiteral("out") };
inline const QStringList functionKinds
    = { QStringLiteral("door-opener"), QStringLiteral("control"), QStringLiteral("free") };
inline const QStringList lengths = { QStringLiteral("short"), QStringLiteral("long") };
// Day prefixes of the zone options (--mo1 .. --so4), as the stored columns name the days.
inline const QStringList days = { QStringLiteral("mo"), QStringLiteral("di"), QStringLiteral("mi"),
    QStringLiteral("do"), QStringLiteral("fr"), QStringLiteral("sa"), QStringLiteral("so") };
} // namespace Words

// The word at a position of a list; empty outside it.
inline QString wordAt(const QStringList& words, int position)
{
    return words.value(position);
}

} // namespace varnox::ctl
