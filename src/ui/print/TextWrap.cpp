#include "ui/print/TextWrap.h"

#include <cmath>

namespace varnox {
namespace {

// "ab  cd e" -> "ab  ", "cd ", "e": each word keeps the blanks after it.
QStringList words(const QString& text)
{
    QStringList out;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text[end] != QLatin1Char(' '))
            ++end;
        while (end < n && text[end] == QLatin1Char(' '))
            ++end;
        out << text.mid(start, end - start);
        start = end;
    }
    return out;
}

QStringView withoutTrailingBlanks(QStringView word)
{
    while (!word.isEmpty() && word.back() == QLatin1Char(' '))
        word.chop(1);
    return word;
}

} // namespace

TextWrap::TextWrap(const TextMeasure& measure, double width, double tabStop)
    : m_measure(measure)
    , m_width(width)
    , m_tabStop(tabStop)
{
}

QList<WrappedLine> TextWrap::wrap(const QString& text)
{
    m_lines.clear();
    m_current = {};
    m_x = m_indent = 0;
    const QStringList segments = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < segments.size(); ++i) {
        if (i > 0) {
            m_x = (std::floor(m_x / m_tabStop) + 1) * m_tabStop;
            if (m_x >= m_width) {
                newLine();
                m_x = 0;
            }
            // Continuation lines start under this segment, unless that leaves them too little room.
            m_indent = m_x <= m_width / 2 ? m_x : 0;
        }
        place(segments[i]);
    }
    m_lines.append(m_current);
    return m_lines;
}

void TextWrap::place(const QString& segment)
{
    if (segment.isEmpty())
        return;
    const double whole = advance(segment);
    if (m_x + whole <= m_width) {
        m_current.pieces.append({ m_x, segment });
        m_x += whole;
        m_current.width = m_x;
        return;
    }
    m_piece.clear();
    m_pieceX = m_x;
    for (const QString& word : words(segment)) {
        const double visible = advance(withoutTrailingBlanks(word));
        if (m_x + visible > m_width && (m_x > m_indent || !m_piece.isEmpty())) {
            flushPiece();
            newLine();
        }
        if (m_x + visible > m_width) {
            placeLongWord(word);
            continue;
        }
        m_current.width = m_x + visible;
        m_piece += word;
        m_x += advance(word);
    }
    flushPiece();
}

// A word wider than a whole line is cut where the line ends.
void TextWrap::placeLongWord(QString word)
{
    while (!word.isEmpty()) {
        qsizetype fits = 1;
        while (fits < word.size() && m_x + advance(QStringView(word).left(fits + 1)) <= m_width)
            ++fits;
        m_piece += word.left(fits);
        m_x += advance(QStringView(word).left(fits));
        m_current.width = qMax(m_current.width, m_x);
        word.remove(0, fits);
        if (!word.isEmpty()) {
            flushPiece();
            newLine();
        }
    }
}

void TextWrap::flushPiece()
{
    if (!m_piece.isEmpty())
        m_current.pieces.append({ m_pieceX, m_piece });
    m_piece.clear();
}

void TextWrap::newLine()
{
    m_lines.append(m_current);
    m_current = {};
    m_x = m_pieceX = m_indent;
}

} // namespace varnox
