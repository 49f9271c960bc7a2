#include "security/TextCipher.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(TextCipherTest, RoundTripsAnyTextAndNeverShowsIt)
{
    const TextCipher cipher(QStringLiteral("qmzt"));
    const QString texts[] = {QStringLiteral("secret"), QStringLiteral("密码口令123"), QStringLiteral(" a b "),
                             QStringLiteral("x").repeated(100), QStringLiteral("😀\t'\"")};
    const QRegularExpression printable(QStringLiteral("^[A-Za-z0-9+/=]+$"));
    for (const QString& text : texts) {
        const QString sealed = cipher.Encipher(text);
        EXPECT_TRUE(printable.match(sealed).hasMatch()) << sealed.toStdString();
        EXPECT_FALSE(sealed.contains(text));
        EXPECT_NE(cipher.Encipher(text), sealed);  // fresh nonce each time
        EXPECT_EQ(cipher.Decipher(sealed), text);
    }
    EXPECT_EQ(cipher.Encipher(QString()), QString());
    EXPECT_EQ(cipher.Decipher(QString()), QString());
}

TEST(TextCipherTest, DamagedOrForeignInputGivesEmpty)
{
    const TextCipher cipher(QStringLiteral("qmzt"));
    const QString sealed = cipher.Encipher(QStringLiteral("密码"));
    QString flipped = sealed;
    flipped[12] = flipped[12] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    const QString inputs[] = {QStringLiteral("secret"), QStringLiteral("!!!***"), QStringLiteral("密码"),
                              QStringLiteral("QUJD"), sealed.left(sealed.size() - 4), flipped};
    for (const QString& input : inputs)
        EXPECT_EQ(cipher.Decipher(input), QString()) << input.toStdString();
    EXPECT_EQ(TextCipher(QStringLiteral("abcd")).Decipher(sealed), QString());
}

}  // namespace
