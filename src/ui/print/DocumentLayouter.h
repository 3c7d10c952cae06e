#pragma once

#include "ui/print/LaidOutDocument.h"

#include "ui/print/TextMeasure.h"

#include <memory>
#include <vector>

namespace varnox {

// Lays a document out on pages, a block at a time, so that a long document
// can be laid out while it is being composed. Pages are made as content
// needs them: a document without blocks has no page.
class DocumentLayouter {
public:
    static constexpr double kTabStop = 720; // twips
    static constexpr double kLineWidth = 10;

    DocumentLayouter(const PageFrame& frame, const Document& document);
    ~DocumentLayouter();

    void add(const Block& block);
    void add(const QList<Block>& blocks);
    LaidOutDocument finish();

private:
    void paragraph(const Paragraph& paragraph);
    void table(const Table& table);
    void rule();
    void space(int height);
    void tableRow(const Table& table, const QStringList& cells, bool header);
    void closeTableOnPage(const Table& table);
    bool makeRoom(double height);
    PageContent& page();
    int styleIndex(const TextStyle& style);
    double left(Align align, double width) const;

    LaidOutDocument m_doc;
    std::vector<std::unique_ptr<TextMeasure>> m_measures; // stable addresses while styles are added
    QList<TextStyle> m_styles;
    double m_bodyTop = 0;
    double m_bodyBottom = 0;
    double m_y = 0;
    double m_tableTop = -1; // where the open table began on this page
};

// Lays the whole document out and numbers its pages in two passes: first
// with the footer as the document has it, then with the page count.
LaidOutDocument layOutNumbered(const Document& document, const PageFrame& frame);
void numberPages(LaidOutDocument& laidOut);

} // namespace varnox
