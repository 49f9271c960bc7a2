#include "security/TextCipher.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QStringDecoder>

namespace {

constexpr qsizetype kNonceSize = 8;
constexpr qsizetype kTagSize = 4;

QByteArray xorBytes(QByteArray data, const QByteArray& stream)
{
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(data[i] ^ stream[i]);
    return data;
}

}  // namespace

TextCipher::TextCipher(const QString& key)
    : m_key(key.toUtf8())
{
}

QString TextCipher::Encipher(const QString& text) const
{
    if (text.isEmpty())
        return {};
    QByteArray nonce(kNonceSize, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(nonce.data()), kNonceSize / 4);
    const QByteArray plain = text.toUtf8();
    const QByteArray sealed = nonce + tag(nonce, plain) + xorBytes(plain, keystream(nonce, plain.size()));
    return QString::fromLatin1(sealed.toBase64());
}

QString TextCipher::Decipher(const QString& cipherText) const
{
    const auto decoded = QByteArray::fromBase64Encoding(cipherText.trimmed().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() <= kNonceSize + kTagSize)
        return {};
    const QByteArray nonce = decoded.decoded.left(kNonceSize);
    const QByteArray body = decoded.decoded.mid(kNonceSize + kTagSize);
    const QByteArray plain = xorBytes(body, keystream(nonce, body.size()));
    if (tag(nonce, plain) != decoded.decoded.mid(kNonceSize, kTagSize))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(plain);
    return utf8.hasError() ? QString() : text;
}

QByteArray TextCipher::keystream(const QByteArray& nonce, qsizetype length) const
{
    QByteArray stream;
    for (quint32 block = 0; stream.size() < length; ++block) {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        hash.addData(m_key);
        hash.addData(nonce);
        hash.addData(QByteArray::number(block));
        stream += hash.result();
    }
    return stream.left(length);
}

QByteArray TextCipher::tag(const QByteArray& nonce, const QByteArray& plain) const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayLiteral("tag"));
    hash.addData(m_key);
    hash.addData(nonce);
    hash.addData(plain);
    return hash.result().left(kTagSize);
}
