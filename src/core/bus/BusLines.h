#pragma once

#include <QList>

namespace varnox {

// Bus lines are numbered 1..16. Number 8 is not a bus line: it stands for
// the desk reader's port, so that its COM port sits in row 8 of HLV_BUS and
// it is opened and retried with the others.
constexpr int kFirstLine = 1;
constexpr int kLastLine = 16;
constexpr int kDeskReaderLine = 8;
constexpr int kLineSlots = 18;  // per-line arrays are indexed 0..17

constexpr bool isBusLine(int n) { return n >= kFirstLine && n <= kLastLine && n != kDeskReaderLine; }

// The bus lines in the order they are opened: 1..7, then 9..16.
QList<int> busLineNumbers();

}  // namespace varnox
