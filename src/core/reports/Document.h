#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <variant>

namespace varnox {

// A printed document as data: what it says and in which fonts, not where on
// the page it goes. The print layer lays it out for a printer or a PDF file.

// A font by the family name the documents have always named ("Arial",
// "Times New Roman", "Courier"); the print layer finds its metric twin.
struct TextStyle {
    QString family = QStringLiteral("Arial");
    double size = 12; // points
    bool bold = false;
    bool marked = false; // stands out (red): a damaged protocol record

    bool operator==(const TextStyle&) const = default;
};

enum class Align { Left, Centre, Right };

// Text whose lines are separated by "\r\n"; a line too long for the page wraps.
struct Paragraph {
    QString text;
    TextStyle style;
    Align align = Align::Left;
};

struct TableColumn {
    int width = 0; // twips (1/1440 inch)
    Align align = Align::Left;

    bool operator==(const TableColumn&) const = default;
};

// Rows of cells; a cell's text wraps within its column. The header row is
// repeated at the top of every page the table runs onto.
struct Table {
    QList<TableColumn> columns;
    QStringList header;
    QList<QStringList> rows;
    TextStyle style;
    bool ruled = true; // lines around the cells
};

// A line across the page.
struct Rule { };

// Vertical space, in twips.
struct Space {
    int height = 0;
};

using Block = std::variant<Paragraph, Table, Rule, Space>;

// Header and footer use the three-part notation (left|centre|right, "%d" the
// page number, see PageText); both are set in `style`.
struct Document {
    QString name; // the print job's and the PDF file's title
    TextStyle style;
    QString header;
    QString footer;
    QList<Block> blocks;

    bool isEmpty() const { return blocks.isEmpty(); }
};

} // namespace varnox
