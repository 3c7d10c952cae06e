#pragma once

#include <QStringList>

namespace varnox {

// The bus lines a list offers: Bus 01 to Bus 07, then Bus 09 to Bus 16.
// Line 8 belongs to the desk reader and is never offered, so list position p
// stands for line p + 1 below position 7 and for line p + 2 from there on.
class BusLineList {
public:
    static constexpr int kCount = 15;

    // The bus line at a list position; -1 for a position outside the list.
    static int lineAt(int position);
    // The list position of a bus line; -1 for line 8 and lines outside 1..16.
    static int positionOf(int line);
    // "Bus 01" .. "Bus 16" in list order, in the current language.
    static QStringList captions();
};

}  // namespace varnox
