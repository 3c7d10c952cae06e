#pragma once

#include "ui/print/TextMeasure.h"

#include <QList>
#include <QString>

namespace varnox {

// One line as it stands on the page: pieces of text at their offsets from
// the line's start (a TAB moves the next piece to the next tab stop).
struct WrappedLine {
    struct Piece {
        double x = 0;
        QString text;
    };
    QList<Piece> pieces;
    double width = 0;
};

// Breaks one line of text (no line breaks in it) into lines of at most
// `width`, between words where it can and inside a word that is longer than
// a line. A line that runs on after a TAB continues under the text that
// followed the TAB, so that the protocol's times stay in their column.
class TextWrap {
public:
    TextWrap(const TextMeasure& measure, double width, double tabStop);

    QList<WrappedLine> wrap(const QString& text);

private:
    void place(const QString& segment);
    void placeLongWord(QString word);
    void flushPiece();
    void newLine();
    double advance(QStringView text) const { return m_measure.width(text); }

    const TextMeasure& m_measure;
    double m_width;
    double m_tabStop;
    QList<WrappedLine> m_lines;
    WrappedLine m_current;
    double m_x = 0;
    double m_indent = 0;
    QString m_piece;
    double m_pieceX = 0;
};

} // namespace varnox
