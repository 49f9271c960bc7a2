#include "ContainerBytes.h"

#include "GbkCodec.h"

#include <QFile>
#include <QtEndian>
#include <zlib.h>

QByteArray ContainerBytes::le32(uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray ContainerBytes::header(int32_t lastIndex, const QByteArray& magic)
{
    return le32(magic.size()) + magic + le32(static_cast<uint32_t>(lastIndex));
}

QByteArray ContainerBytes::block(const QByteArray& plain)
{
    uLongf length = compressBound(plain.size());
    QByteArray out(length, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &length,
              reinterpret_cast<const Bytef*>(plain.constData()), plain.size(), 6);
    out.truncate(length);
    return le32(plain.size()) + le32(out.size()) + out;
}

QByteArray ContainerBytes::entry(const QString& name, uint32_t fileSize, uint32_t fileCrc,
                                 uint32_t compressedCrc, const QByteArray& data)
{
    const QByteArray encoded = GbkCodec::encode(name).value();
    return le32(GbkCodec::characterCount(encoded)) + encoded + le32(fileSize) + le32(fileCrc)
           + le32(compressedCrc) + le32(data.size()) + data;
}

QByteArray ContainerBytes::fileEntry(const QString& name, const QByteArray& plain, int blockSize)
{
    QByteArray data;
    uLong compressedCrc = 0;
    for (qsizetype at = 0; at < plain.size(); at += blockSize) {
        const QByteArray one = block(plain.mid(at, blockSize));
        compressedCrc = crc32(compressedCrc, reinterpret_cast<const Bytef*>(one.constData()) + 8,
                              one.size() - 8);
        data += one;
    }
    return entry(name, plain.size(), crc(plain), compressedCrc, data);
}

uint32_t ContainerBytes::crc(const QByteArray& bytes)
{
    return crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), bytes.size());
}

bool ContainerBytes::write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ContainerBytes::read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
