#include "ZContainerReader.h"

#include "GbkCodec.h"
#include "ZContainerFormat.h"
#include "ZResult.h"

#include <QFileInfo>
#include <QtEndian>

int ZContainerReader::open(const QString& filename)
{
    const QFileInfo info(filename);
    if (!info.exists() || info.isDir())
        return ZResult::Missing;
    m_file.setFileName(filename);
    if (!m_file.open(QIODevice::ReadOnly))
        return ZResult::FileError;
    m_size = m_file.size();
    return ZResult::Ok;
}

bool ZContainerReader::readU32(uint32_t& value)
{
    unsigned char bytes[4];
    if (m_file.read(reinterpret_cast<char*>(bytes), 4) != 4)
        return false;
    value = qFromLittleEndian<uint32_t>(bytes);
    return true;
}

int ZContainerReader::readHeader(int64_t& entryCount)
{
    uint32_t magicLength = 0;
    if (!readU32(magicLength) || magicLength != ZContainerFormat::kMagicLength)
        return ZResult::EmptyOrBadMagic;
    if (m_file.read(ZContainerFormat::kMagicLength) != QByteArray(ZContainerFormat::kMagic))
        return ZResult::EmptyOrBadMagic;
    uint32_t lastIndex = 0;
    if (!readU32(lastIndex))
        return ZResult::Damaged;
    entryCount = int64_t(int32_t(lastIndex)) + 1;
    if (entryCount < 0 || entryCount > remaining() / ZContainerFormat::kEntryHeaderMinimum)
        return ZResult::Damaged;
    return ZResult::Ok;
}

int ZContainerReader::readEntryHeader(ZFileEntry& entry)
{
    uint32_t nameLength = 0;
    if (!readU32(nameLength) || nameLength > remaining())
        return ZResult::Damaged;
    if (const int code = readName(nameLength, entry.storedName); code != ZResult::Ok)
        return code;
    if (!readU32(entry.fileSize) || !readU32(entry.fileCrc) || !readU32(entry.compressedCrc)
        || !readU32(entry.dataSize) || entry.dataSize > remaining())
        return ZResult::Damaged;
    return ZResult::Ok;
}

// The name length counts characters; a Chinese character takes two bytes.
int ZContainerReader::readName(uint32_t characters, QString& name)
{
    QByteArray bytes;
    for (uint32_t i = 0; i < characters; ++i) {
        char lead = 0;
        if (!m_file.getChar(&lead))
            return ZResult::Damaged;
        bytes.append(lead);
        const int length = GbkCodec::charLength(static_cast<unsigned char>(lead));
        if (length == 0)
            return ZResult::Damaged;
        if (length == 2) {
            char trail = 0;
            if (!m_file.getChar(&trail))
                return ZResult::Damaged;
            bytes.append(trail);
        }
    }
    const auto decoded = GbkCodec::decode(bytes);
    if (!decoded)
        return ZResult::Damaged;
    name = *decoded;
    return ZResult::Ok;
}

int ZContainerReader::skip(uint32_t length)
{
    if (length > remaining() || !m_file.seek(m_file.pos() + length))
        return ZResult::Damaged;
    return ZResult::Ok;
}

int ZContainerReader::readBlockHeader(uint32_t& uncompressedLength, uint32_t& compressedLength)
{
    return readU32(uncompressedLength) && readU32(compressedLength) ? ZResult::Ok
                                                                     : ZResult::Damaged;
}

int ZContainerReader::readBytes(uint32_t length, QByteArray& bytes)
{
    if (length > remaining())
        return ZResult::Damaged;
    bytes.resize(length);
    if (m_file.read(bytes.data(), length) != length)
        return ZResult::Damaged;
    return ZResult::Ok;
}
