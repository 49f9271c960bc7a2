#pragma once

#include <cstdint>

// Fixed parts of the container file; all integers are 32-bit little-endian.
namespace ZContainerFormat {
inline constexpr char kMagic[] = "Velqarion zLibControl";
inline constexpr int32_t kMagicLength = sizeof(kMagic) - 1;  // 21
inline constexpr int kEntryHeaderMinimum = 20;  // name length, no name, four 32-bit fields
inline constexpr int kBlockHeader = 8;          // uncompressed and compressed block length
}
