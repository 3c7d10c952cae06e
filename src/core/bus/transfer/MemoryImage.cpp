#include "core/bus/transfer/MemoryImage.h"

#include "core/model/KeyNumber.h"

namespace varnox {
namespace {

char byteOf(int value)
{
    return char(qBound(0, value, 255));
}

} // namespace

quint8 readerFlags(const ReaderSettings& settings)
{
    return quint8(0x40 | (settings.progSp ? 0x01 : 0) | (settings.toe ? 0x20 : 0) | (settings.akustik ? 0x80 : 0));
}

QByteArray configurationBytes(const Reader& reader)
{
    const bool mifare = reader.type == int(ReaderType::Mifare);
    const bool decentral = !mifare && !reader.central;
    QByteArray block(MemoryImage::kBlockSize, '\0');
    block[1] = byteOf(reader.address);
    // A decentral reader counts its relay time in eighths of a second; 32 s
    // would wrap round to 0 (relay off), so it gets the longest it can hold.
    block[2] = byteOf(decentral ? reader.settings.rsz * 8 : reader.settings.rsz);
    block[3] = char(mifare ? 0xC6 : 0xFF);
    block[4] = char(mifare ? 0x00 : 0x02);
    block[5] = char(readerFlags(reader.settings));
    block[6] = char(decentral ? 0x00 : 0x80);
    block[7] = char(mifare ? 0xC7 : 0x00);
    return block;
}

std::optional<QByteArray> keyRecord(const QString& keyNumber, int function)
{
    if (function != 1 && function != 2)
        return std::nullopt;
    const QString digits = normalizedKeyNumber(keyNumber);
    if (!isKeyNumberText(digits))
        return std::nullopt;
    QByteArray record(MemoryImage::kRecordSize, char(0xFF));
    record[0] = char(function == 1 ? 0x40 : 0x41);
    for (int i = 0; i < 6; ++i) // characters 11-12 first
        record[1 + i] = char(digits.mid(10 - 2 * i, 2).toUInt(nullptr, 16));
    return record;
}

int MemoryImage::end() const
{
    if (m_kind == Kind::ConfigurationBlock)
        return kBlockSize;
    return qMin(kSize, kRecordSize * (m_recordCount + 1));
}

MemoryImage MemoryImage::configurationBlock(const Reader& reader)
{
    MemoryImage image;
    image.m_bytes.replace(0, kBlockSize, configurationBytes(reader));
    return image;
}

MemoryImage MemoryImage::keyImage(const Reader& reader, const QList<QByteArray>& records)
{
    Q_ASSERT(records.size() <= kMaxRecords);
    MemoryImage image;
    image.m_kind = Kind::KeyImage;
    image.m_bytes.replace(0, kFirstRecord, QByteArray(kFirstRecord, '\0'));
    image.m_bytes.replace(0, kBlockSize, configurationBytes(reader));
    for (const QByteArray& record : records) {
        if (image.m_recordCount * kRecordSize + kRecordSize > kSize)
            break; // never past the memory, whatever the caller passed
        image.m_bytes.replace(
            image.m_recordCount * kRecordSize, kRecordSize, record.leftJustified(kRecordSize, char(0xFF), true));
        ++image.m_recordCount;
    }
    return image;
}

} // namespace varnox
