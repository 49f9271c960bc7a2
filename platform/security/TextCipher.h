#pragma once

#include "PlatformExport.h"

#include <QByteArray>
#include <QString>

// A reversible text cipher for values a program keeps for the operator, such as a remembered
// password. The key is held by the calling program, so this is obfuscation against a casual
// reader of the settings file, not protection against anyone who has the program.
// Output is printable (base64): a random nonce, a check tag and the UTF-8 text XOR-ed with a
// keystream that SHA-256 derives from key, nonce and a block counter.
class ORVEL_PLATFORM_EXPORT TextCipher {
public:
    explicit TextCipher(const QString& key);

    // Empty for an empty text; the same text gives a different output each time.
    QString Encipher(const QString& text) const;
    // The original text; empty for an empty, damaged or foreign input (or another key).
    QString Decipher(const QString& cipherText) const;

private:
    QByteArray keystream(const QByteArray& nonce, qsizetype length) const;
    QByteArray tag(const QByteArray& nonce, const QByteArray& plain) const;

    QByteArray m_key;
};
