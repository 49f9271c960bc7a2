#pragma once

#include <QByteArray>
#include <QFile>
#include <cstdint>

// Writes a container file: the header, then each entry as its name, a header whose sizes and
// CRCs are filled in when the entry ends, and its blocks.
class ZContainerWriter {
public:
    bool open(const QString& filename);
    bool writeHeader(int32_t lastIndex);
    // nameBytes in the container code page; characters is the name length the format stores.
    bool beginEntry(const QByteArray& nameBytes, uint32_t characters);
    bool writeBlock(uint32_t uncompressedLength, const unsigned char* compressed,
                    uint32_t compressedLength);
    // Fills in the entry header; false also when the data area outgrew 32 bits.
    bool endEntry(uint32_t fileSize, uint32_t fileCrc, uint32_t compressedCrc);
    uint32_t dataSize() const { return static_cast<uint32_t>(m_dataSize); }
    bool close();

private:
    bool writeU32(uint32_t value);

    QFile m_file;
    qint64 m_fieldsAt = 0;
    uint64_t m_dataSize = 0;
};
