#pragma once

#include "core/model/Reader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace varnox {

// What a reader's EEPROM receives. A Mifare reader and an EM reader in
// Zentralmodus get the configuration block (addresses 0..7) only; an EM
// reader in dezentraler Modus gets a key image: the block, zeros up to 31,
// then one eight-byte record per key from 32 on, ended by an empty record
// (0xFF) unless the records fill the memory to its last byte.
class MemoryImage {
public:
    static constexpr int kSize = 2048;
    static constexpr int kBlockSize = 8;
    static constexpr int kRecordSize = 8;
    static constexpr int kFirstRecord = 32;
    static constexpr int kMaxRecords = (kSize - kFirstRecord) / kRecordSize; // 252

    enum class Kind { ConfigurationBlock, KeyImage };

    Kind kind() const { return m_kind; }
    bool isKeyImage() const { return m_kind == Kind::KeyImage; }
    const QByteArray& bytes() const { return m_bytes; }
    quint8 at(int address) const { return quint8(m_bytes.at(address)); }

    // Starts at 4 (the 32 bytes before the first record) and counts one per
    // record, so that the records end at 8 x recordCount.
    int recordCount() const { return m_recordCount; }

    // How many bytes go to the reader: 8 for the block; for a key image up
    // to and including the empty record that ends the list, so that records
    // of an earlier, longer list can never count as keys again.
    int end() const;

    static MemoryImage configurationBlock(const Reader& reader);
    // The records must fit: at most kMaxRecords.
    static MemoryImage keyImage(const Reader& reader, const QList<QByteArray>& records);

private:
    Kind m_kind = Kind::ConfigurationBlock;
    QByteArray m_bytes = QByteArray(kSize, char(0xFF));
    int m_recordCount = 4;
};

// 0x40, plus 0x01 with the programming lock, 0x20 with the relay on the door
// opener signal, 0x80 with the acoustic signal.
quint8 readerFlags(const ReaderSettings& settings);

// Addresses 0..7 of the reader's image.
QByteArray configurationBytes(const Reader& reader);

// One key record: 0x40 for "Türöffner mit AS-Adresse" (function 1), 0x41 for
// "Steuerfunktion 1 mit eigener SN" (function 2), the twelve-digit key
// number least significant byte first, 0xFF. Nothing for another function
// or a key number that is not hexadecimal.
std::optional<QByteArray> keyRecord(const QString& keyNumber, int function);

} // namespace varnox
