#include "ZResult.h"

const char* ZResult::describe(int code)
{
    switch (code) {
    case Ok: return "ok";
    case FileError: return "file could not be opened, read or written";
    case StreamError: return "zlib stream error";
    case DataError: return "zlib data error (corrupted block)";
    case MemoryError: return "zlib out of memory";
    case BufferError: return "zlib buffer error (block larger than declared)";
    case EmptyOrBadMagic: return "empty file list, or not a container";
    case Exists: return "container exists";
    case Missing: return "container missing or a folder";
    case Damaged: return "container damaged (length past the end of its data)";
    case BadName: return "file name cannot be stored or leaves the output folder";
    default: return "error";
    }
}
