#include "ZContainerWriter.h"

#include "ZContainerFormat.h"

#include <QtEndian>

bool ZContainerWriter::open(const QString& filename)
{
    m_file.setFileName(filename);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool ZContainerWriter::writeU32(uint32_t value)
{
    unsigned char bytes[4];
    qToLittleEndian(value, bytes);
    return m_file.write(reinterpret_cast<const char*>(bytes), 4) == 4;
}

bool ZContainerWriter::writeHeader(int32_t lastIndex)
{
    return writeU32(ZContainerFormat::kMagicLength)
           && m_file.write(ZContainerFormat::kMagic, ZContainerFormat::kMagicLength)
                  == ZContainerFormat::kMagicLength
           && writeU32(static_cast<uint32_t>(lastIndex));
}

bool ZContainerWriter::beginEntry(const QByteArray& nameBytes, uint32_t characters)
{
    if (!writeU32(characters) || m_file.write(nameBytes) != nameBytes.size())
        return false;
    m_fieldsAt = m_file.pos();
    m_dataSize = 0;
    return m_file.write(QByteArray(16, '\0')) == 16;
}

bool ZContainerWriter::writeBlock(uint32_t uncompressedLength, const unsigned char* compressed,
                                  uint32_t compressedLength)
{
    m_dataSize += ZContainerFormat::kBlockHeader + uint64_t(compressedLength);
    return writeU32(uncompressedLength) && writeU32(compressedLength)
           && m_file.write(reinterpret_cast<const char*>(compressed), compressedLength)
                  == compressedLength;
}

bool ZContainerWriter::endEntry(uint32_t fileSize, uint32_t fileCrc, uint32_t compressedCrc)
{
    if (m_dataSize > UINT32_MAX)
        return false;
    const qint64 end = m_file.pos();
    return m_file.seek(m_fieldsAt) && writeU32(fileSize) && writeU32(fileCrc)
           && writeU32(compressedCrc) && writeU32(static_cast<uint32_t>(m_dataSize))
           && m_file.seek(end);
}

bool ZContainerWriter::close()
{
    const bool flushed = m_file.flush();
    m_file.close();
    return flushed && m_file.error() == QFileDevice::NoError;
}
