#include "core/shell/Scramble.h"

#include <array>

namespace varnox {
namespace {

// 0x80..0x9F of code page 1252; the five unassigned codes keep their C1 value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

template <typename Shift>
QString walk(const QString& text, const QString& key, Shift shift)
{
    if (key.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        out += fromAnsiCode(shift(ansiCode(text[i]), ansiCode(key[i % key.size()])));
    return out;
}

}  // namespace

int ansiCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighControls.size()); ++i)
        if (kHighControls[i] == u)
            return 0x80 + i;
    return '?';
}

QChar fromAnsiCode(int code)
{
    if (code >= 0x80 && code < 0xA0)
        return QChar(kHighControls[code - 0x80]);
    return QChar(char16_t(code & 0xFF));
}

QString Scramble(const QString& text, const QString& key)
{
    return walk(text, key, [](int c, int k) {
        const int s = c + k;
        return s >= 256 ? s - 255 : s;
    });
}

// Scrambling maps code 255 to the key code itself, as it does code 0; no
// password holds code 0, so a result of 0 stands for 255. (Wrapping only
// negative results would turn a 'ÿ' in a password into a NUL.)
QString Unscramble(const QString& text, const QString& key)
{
    return walk(text, key, [](int c, int k) {
        const int s = c - k;
        return s <= 0 ? s + 255 : s;
    });
}

}  // namespace varnox
