#pragma once

#include <zlib.h>

#include <cstdint>
#include <functional>
#include <vector>

// One block of a container entry, through zlib, with the retry rules of the control.
class ZBlockCodec {
public:
    using Sink = std::function<bool(const unsigned char* data, size_t length)>;

    ZBlockCodec();
    ~ZBlockCodec();
    ZBlockCodec(const ZBlockCodec&) = delete;
    ZBlockCodec& operator=(const ZBlockCodec&) = delete;

    // compress2 of length bytes into compressed(). Output room starts at L + L/1000 + 12 and is
    // doubled on Z_BUF_ERROR; Z_STREAM_ERROR retries with level 6; at most 12 attempts. Returns the
    // zlib code that stopped the work, or Z_OK.
    int compress(const unsigned char* data, uint32_t length, int level);
    const unsigned char* compressed() const { return m_out.data(); }
    uint32_t compressedLength() const { return m_outLength; }

    // Inflates one zlib stream as uncompress does, handing the bytes to sink as they come, so that
    // memory does not depend on the declared lengths. Returns Z_BUF_ERROR when the stream holds more
    // than maxOutput bytes, Z_DATA_ERROR for a damaged or incomplete stream, Z_ERRNO when the sink
    // refuses the bytes.
    int decompress(const unsigned char* data, uint32_t length, uint64_t maxOutput, const Sink& sink);

private:
    std::vector<unsigned char> m_out;
    uint32_t m_outLength = 0;
    std::vector<unsigned char> m_chunk;
    z_stream m_inflate{};
    bool m_inflateReady = false;
};
