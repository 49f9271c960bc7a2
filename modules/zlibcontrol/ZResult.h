#pragma once

// Result codes of Compress and Decompress. Codes -2..-5 are zlib's own, handed on unchanged.
namespace ZResult {
constexpr int Ok = 0;
constexpr int FileError = -1;       // zlib's Z_ERRNO: a file could not be opened, read or written
constexpr int StreamError = -2;     // Z_STREAM_ERROR
constexpr int DataError = -3;       // Z_DATA_ERROR
constexpr int MemoryError = -4;     // Z_MEM_ERROR
constexpr int BufferError = -5;     // Z_BUF_ERROR
constexpr int EmptyOrBadMagic = -7; // Compress: empty list; Decompress: not a container
constexpr int Exists = -8;          // Compress: container exists and Overwrite is false
constexpr int Missing = -9;         // container is a folder (both) or missing (Decompress)
constexpr int Damaged = -10;        // a length or count points past the data it describes
constexpr int BadName = -11;        // a name that cannot be stored, or that leaves the output folder

// Short English description of a code, for logs and the administration command.
const char* describe(int code);
}
