#include "ZBlockCodec.h"

#include <cmath>

namespace {
constexpr int kAttempts = 12;
constexpr int kRetryLevel = 6;
constexpr size_t kChunk = 256 * 1024;
}

ZBlockCodec::ZBlockCodec()
    : m_chunk(kChunk)
{
    m_inflateReady = inflateInit(&m_inflate) == Z_OK;
}

ZBlockCodec::~ZBlockCodec()
{
    if (m_inflateReady)
        inflateEnd(&m_inflate);
}

int ZBlockCodec::compress(const unsigned char* data, uint32_t length, int level)
{
    uint64_t room = std::llround(length + length / 1000.0 + 12);
    int code = Z_OK;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (room > UINT32_MAX)
            return Z_BUF_ERROR;
        m_out.resize(room);
        uLongf outLength = room;
        code = compress2(m_out.data(), &outLength, data, length, level);
        if (code == Z_OK) {
            m_outLength = static_cast<uint32_t>(outLength);
            return Z_OK;
        }
        if (code == Z_BUF_ERROR)
            room *= 2;
        else if (code == Z_STREAM_ERROR)
            level = kRetryLevel;
        else
            return code;
    }
    return code;
}

int ZBlockCodec::decompress(const unsigned char* data, uint32_t length, uint64_t maxOutput,
                            const Sink& sink)
{
    if (!m_inflateReady || inflateReset(&m_inflate) != Z_OK)
        return Z_MEM_ERROR;
    m_inflate.next_in = const_cast<unsigned char*>(data);
    m_inflate.avail_in = length;
    uint64_t produced = 0;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        m_inflate.next_out = m_chunk.data();
        m_inflate.avail_out = static_cast<uInt>(m_chunk.size());
        code = inflate(&m_inflate, Z_NO_FLUSH);
        if (code == Z_NEED_DICT || code == Z_BUF_ERROR)  // Z_BUF_ERROR here: the input ran out
            return Z_DATA_ERROR;
        if (code != Z_OK && code != Z_STREAM_END)
            return code;
        const size_t chunk = m_chunk.size() - m_inflate.avail_out;
        produced += chunk;
        if (produced > maxOutput)
            return Z_BUF_ERROR;
        if (chunk > 0 && !sink(m_chunk.data(), chunk))
            return Z_ERRNO;
    }
    return Z_OK;
}
