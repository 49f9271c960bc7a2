#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// Builds container bytes by hand, for tests that need exact or deliberately broken files.
namespace ContainerBytes {
QByteArray le32(uint32_t value);
// Length 21, the magic text, the last entry index.
QByteArray header(int32_t lastIndex, const QByteArray& magic = "Velqarion zLibControl");
// One block: L, C and the compress2 output of plain.
QByteArray block(const QByteArray& plain);
// One entry with a CP936 name; data is the data area, its length written as D.
QByteArray entry(const QString& name, uint32_t fileSize, uint32_t fileCrc, uint32_t compressedCrc,
                 const QByteArray& data);
// A complete, valid entry for plain, cut in blocks of blockSize bytes.
QByteArray fileEntry(const QString& name, const QByteArray& plain, int blockSize = 65536);
uint32_t crc(const QByteArray& bytes);
bool write(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);
}
