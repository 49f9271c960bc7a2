#include "GbkCodec.h"

#include <algorithm>
#include <iconv.h>

namespace {

constexpr const char* kCodePage = "CP936";

// Converts all of input, or nothing.
std::optional<QByteArray> convert(const char* to, const char* from, const QByteArray& input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray output(input.size() * 2 + 4, Qt::Uninitialized);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || rc > 0 || inLeft != 0)  // rc > 0: lossy conversion
        return std::nullopt;
    output.truncate(output.size() - static_cast<qsizetype>(outLeft));
    return output;
}

}

std::optional<QByteArray> GbkCodec::encode(const QString& text)
{
    return convert(kCodePage, "UTF-8", text.toUtf8());
}

std::optional<QString> GbkCodec::decode(const QByteArray& bytes)
{
    const auto utf8 = convert("UTF-8", kCodePage, bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

int GbkCodec::charLength(unsigned char leadByte)
{
    if (leadByte <= 0x80)
        return 1;
    return leadByte == 0xFF ? 0 : 2;
}

uint32_t GbkCodec::characterCount(const QByteArray& bytes)
{
    uint32_t count = 0;
    for (qsizetype i = 0; i < bytes.size(); ++count)
        i += std::max(1, charLength(static_cast<unsigned char>(bytes.at(i))));
    return count;
}
