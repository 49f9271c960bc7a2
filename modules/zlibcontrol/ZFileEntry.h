#pragma once

#include <QString>
#include <cstdint>

// What Decompress did with an entry's data.
enum class ZEntryState { Listed, Written, Skipped, CrcFailed };

// One entry of the file list of the compression control.
struct ZFileEntry {
    QString path;        // source file on disk; empty for entries read from a container
    QString storedName;  // Windows-style name kept in the container, starting with "\"
    uint32_t fileCrc = 0;
    uint32_t compressedCrc = 0;
    uint32_t fileSize = 0;
    uint32_t dataSize = 0;
    ZEntryState state = ZEntryState::Listed;
};
