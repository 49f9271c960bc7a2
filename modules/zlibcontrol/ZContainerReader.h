#pragma once

#include "ZFileEntry.h"

#include <QByteArray>
#include <QFile>
#include <cstdint>

// Reads a container file front to back. Every length read from the file is checked against the
// bytes that are really left before anything is allocated or skipped, so a damaged or hostile
// container ends with ZResult::Damaged instead of a crash or a runaway allocation.
class ZContainerReader {
public:
    // ZResult::Ok, Missing (absent or a folder) or FileError.
    int open(const QString& filename);
    qint64 size() const { return m_size; }
    qint64 position() const { return m_file.pos(); }

    // Magic text and entry count: Ok, EmptyOrBadMagic or Damaged.
    int readHeader(int64_t& entryCount);
    // Name, sizes and CRCs of the next entry; its data size is checked against the file.
    int readEntryHeader(ZFileEntry& entry);
    int skip(uint32_t length);
    int readBlockHeader(uint32_t& uncompressedLength, uint32_t& compressedLength);
    int readBytes(uint32_t length, QByteArray& bytes);

private:
    qint64 remaining() const { return m_size - m_file.pos(); }
    bool readU32(uint32_t& value);
    int readName(uint32_t characters, QString& name);

    QFile m_file;
    qint64 m_size = 0;
};
