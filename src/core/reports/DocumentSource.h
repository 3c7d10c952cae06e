#pragma once

#include "core/reports/Document.h"
#include "core/shell/Message.h"

#include <utility>

namespace varnox {

// Where a preview gets its document from, a batch of blocks at a time, so
// that a long document (the protocol of a busy day) is composed while the
// window stays responsive and shows how far it has come.
class DocumentSource {
public:
    virtual ~DocumentSource() = default;

    // Sets the document's name, fonts, header and footer; the message when
    // the document cannot be composed at all.
    virtual Outcome open(Document& document) = 0;
    // Appends the next blocks; false once the document is complete.
    virtual bool next(QList<Block>& blocks) = 0;
    // How far composing has come, 0 to 99; 100 only at the end.
    virtual int percent() const { return 0; }
};

// A document composed at once: open() hands over everything but the blocks,
// the first next() the blocks. A failed composition fails open().
class ComposedDocument final : public DocumentSource {
public:
    explicit ComposedDocument(Document document, Outcome outcome = Outcome::ok())
        : m_document(std::move(document))
        , m_outcome(std::move(outcome))
    {
    }

    Outcome open(Document& document) override
    {
        document = m_document;
        document.blocks.clear();
        return m_outcome;
    }
    bool next(QList<Block>& blocks) override
    {
        blocks += std::exchange(m_document.blocks, {});
        return false;
    }

private:
    Document m_document;
    Outcome m_outcome;
};

} // namespace varnox
