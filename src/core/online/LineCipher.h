#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>

namespace varnox {

// Where a record stands in the chain of its day file: its running number and
// its authentication tag. The record before the first one of a file is the
// zero link: number 0, a tag of zero bytes.
struct ChainLink {
    static constexpr int kTagSize = 16;

    quint64 sequence = 0;
    QByteArray tag = QByteArray(kTagSize, '\0');

    bool operator==(const ChainLink&) const = default;
};

// One record as read back from a day file.
struct OpenedRecord {
    bool authentic = false;  // the record is exactly as the program wrote it
    bool wellFormed = false; // it has the shape of a record (true when authentic)
    quint64 sequence = 0;    // as the record states it (trustworthy only when authentic)
    ChainLink previous;      // the link the record names as its predecessor
    QByteArray tag;          // the record's own tag, as stored
    QString line;            // the deciphered "hh:mm:ss<TAB>text" (authentic records only)

    ChainLink link() const { return {sequence, tag}; }
};

// The line cipher of the daily protocol. Each protocol line becomes one
// printable record (base64, no line break of its own) holding a format byte,
// its running number, the tag of the record before it, a random nonce and
// the line sealed with XChaCha20-Poly1305. Number, predecessor and day are
// authenticated along with the text, so a record cannot be edited, moved to
// another place or another day's file without being found out.
//
// The key is derived from the program's fixed key text: anyone holding the
// program can write records too. The chain shows edits made by other means;
// it is no protection against a forger who runs this code.
class LineCipher {
public:
    explicit LineCipher(const QString& keyText);

    // The record of `line`, following `previous` in the file of `day`; `sealed`
    // receives the record's own link. Empty when the cipher library is
    // unusable (nothing should then be written).
    QByteArray seal(const QString& line, const ChainLink& previous, const QDate& day, ChainLink* sealed = nullptr) const;
    OpenedRecord open(QByteArrayView record, const QDate& day) const;

private:
    std::array<unsigned char, 32> m_key {};
    bool m_ready = false;
};

}  // namespace varnox
