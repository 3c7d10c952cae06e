#pragma once

#include <QString>

namespace varnox {

// The fixed key text of the program: it scrambles the legacy password entries
// and seeds the key of the protocol line cipher.
inline const QString& programKeyText()
{
    static const QString key = QStringLiteral("BrückenStahlWerke");
    return key;
}

// Character codes of the Windows ANSI code page (1252), 0..255; a character
// that page cannot hold counts as '?'.
int ansiCode(QChar c);
QChar fromAnsiCode(int code);

// The reversible password scramble of older configuration files: each code
// is shifted by the code of the key character at its position, modulo 255.
QString Scramble(const QString& text, const QString& key);
QString Unscramble(const QString& text, const QString& key);

}  // namespace varnox
