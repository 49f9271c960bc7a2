#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

// Names in containers are in the Chinese Windows code page (CP936/GBK): one byte per ASCII
// character, two per Chinese character.
namespace GbkCodec {
// Bytes of text in CP936; nullopt when a character has no CP936 form.
std::optional<QByteArray> encode(const QString& text);
// Text of CP936 bytes; nullopt for an invalid sequence.
std::optional<QString> decode(const QByteArray& bytes);
// Bytes taken by the character that starts with this byte: 1, 2, or 0 when no character does.
int charLength(unsigned char leadByte);
// Number of characters in CP936 bytes.
uint32_t characterCount(const QByteArray& bytes);
}
