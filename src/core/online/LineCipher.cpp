#include "core/online/LineCipher.h"

#include <QtEndian>
#include <cstdio>
#include <sodium.h>

namespace varnox {
namespace {

constexpr char kFormat = 1;
constexpr int kHeaderSize = 1 + 8 + ChainLink::kTagSize;  // format, number, previous tag
constexpr int kNonceSize = crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;
constexpr int kMacSize = crypto_aead_xchacha20poly1305_ietf_ABYTES;
constexpr int kMinimumSize = kHeaderSize + kNonceSize + kMacSize;
static_assert(kMacSize == ChainLink::kTagSize);

// Keeps keys derived for the protocol apart from any other use of the key text.
constexpr char kContext[] = "varnox daily protocol line cipher v1";

QByteArray header(quint64 sequence, const QByteArray& previousTag)
{
    QByteArray h(kHeaderSize, '\0');
    h[0] = kFormat;
    qToBigEndian(sequence, h.data() + 1);
    std::copy(previousTag.begin(), previousTag.end(), h.begin() + 9);
    return h;
}

// The authenticated data: the header and the day the file belongs to, as
// its file name gives it ("ddmmyyyy").
QByteArray associatedData(QByteArrayView head, const QDate& day)
{
    char date[16];
    const int n = std::snprintf(date, sizeof date, "%02d%02d%04d", day.day(), day.month(), day.year());
    return head.toByteArray().append(date, n);
}

const unsigned char* bytes(const QByteArray& a) { return reinterpret_cast<const unsigned char*>(a.constData()); }

}  // namespace

LineCipher::LineCipher(const QString& keyText)
{
    if (sodium_init() < 0)
        return;
    const QByteArray text = keyText.toUtf8();
    m_ready = crypto_generichash(m_key.data(), m_key.size(), bytes(text), text.size(),
                                 reinterpret_cast<const unsigned char*>(kContext), sizeof kContext - 1)
        == 0;
}

QByteArray LineCipher::seal(const QString& line, const ChainLink& previous, const QDate& day, ChainLink* sealed) const
{
    if (!m_ready || previous.tag.size() != ChainLink::kTagSize)
        return {};
    const QByteArray plain = line.toUtf8();
    const QByteArray head = header(previous.sequence + 1, previous.tag);
    const QByteArray ad = associatedData(head, day);
    QByteArray nonce(kNonceSize, '\0');
    randombytes_buf(nonce.data(), nonce.size());

    QByteArray body(plain.size() + kMacSize, '\0');
    unsigned long long bodySize = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(reinterpret_cast<unsigned char*>(body.data()), &bodySize, bytes(plain),
                                               plain.size(), bytes(ad), ad.size(), nullptr, bytes(nonce), m_key.data());
    body.truncate(qsizetype(bodySize));
    if (sealed)
        *sealed = {previous.sequence + 1, body.right(kMacSize)};
    return (head + nonce + body).toBase64();
}

OpenedRecord LineCipher::open(QByteArrayView record, const QDate& day) const
{
    OpenedRecord out;
    const auto decoded = QByteArray::fromBase64Encoding(record.toByteArray(), QByteArray::AbortOnBase64DecodingErrors);
    const QByteArray& raw = decoded.decoded;
    if (!decoded || raw.size() < kMinimumSize || raw[0] != kFormat)
        return out;
    out.wellFormed = true;
    out.sequence = qFromBigEndian<quint64>(raw.constData() + 1);
    out.previous = {out.sequence - 1, raw.mid(9, ChainLink::kTagSize)};
    out.tag = raw.right(kMacSize);
    if (!m_ready)
        return out;

    const QByteArray ad = associatedData(QByteArrayView(raw).first(kHeaderSize), day);
    const QByteArray sealed = raw.mid(kHeaderSize + kNonceSize);
    QByteArray plain(sealed.size() - kMacSize, '\0');
    unsigned long long plainSize = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(plain.data()), &plainSize, nullptr,
                                                   bytes(sealed), sealed.size(), bytes(ad), ad.size(),
                                                   bytes(raw) + kHeaderSize, m_key.data())
        != 0)
        return out;
    plain.truncate(qsizetype(plainSize));
    out.authentic = true;
    out.line = QString::fromUtf8(plain);
    return out;
}

}  // namespace varnox
