#pragma once

#include "ZBlockCodec.h"
#include "ZFileEntry.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class ZContainerReader;
class ZContainerWriter;
class ZProgress;

// File attribute bits of AddFile.
namespace ZFileAttribute {
constexpr int Normal = 0;
constexpr int Hidden = 2;     // also list names that start with "."
constexpr int Directory = 16; // also list folders (AddFile never adds one)
}

// The file list of the compression control and the work on containers: packing the list into a
// container and reading a container back into the list, extracting its files. Results are the
// codes of ZResult. Progress goes to an optional ZProgress (the visible bar).
class ZLibEngine {
public:
    static constexpr int kDefaultReadBuf = 65536;

    ZLibEngine() = default;
    virtual ~ZLibEngine() = default;

    void setProgress(ZProgress* progress) { m_progress = progress; }

    // One file, or every file matching a pattern of "*", "?" and "#"; false when nothing matches.
    bool AddFile(const QString& filename, int attrib = ZFileAttribute::Normal);
    bool RemoveFile(int index);
    void reset();
    int Compress(const QString& filename, bool Overwrite, int16_t level);
    int Decompress(const QString& filename, const QString& outputpath, bool GetFileInfoOnly,
                   bool CheckCRC32, bool DoubleCRC32, bool SaveCorruptedFiles, bool UsePaths,
                   bool Overwrite);
    // CRC-32 of a file; 0 for a missing file or a folder.
    uint32_t Calculate_Crc32(const QString& filename);

    int FileCount() const { return static_cast<int>(m_entries.size()); }
    QString Path(int index) const;
    QString filename(int index) const;
    // Stores the name without a drive and with a leading "\".
    void setFilename(int index, const QString& name);
    int64_t FileSize(int index) const;
    int64_t Compressed_Size(int index) const;
    QString Original_Crc32(int index) const;
    QString Compressed_CRC32(int index) const;
    // What the last Decompress did with an entry; Listed for an invalid index.
    ZEntryState State(int index) const;

    int ReadBuf() const { return m_readBuf; }
    void setReadBuf(int bytes) { m_readBuf = bytes > 0 ? bytes : kDefaultReadBuf; }

private:
    const ZFileEntry* entry(int index) const;
    bool addOne(const QString& path);
    int compressEntry(ZContainerWriter& writer, ZFileEntry& entry, int level);
    int extractEntry(ZContainerReader& reader, ZFileEntry& entry, const QString& target,
                     bool checkCrc, bool doubleCrc, bool saveCorrupted);
    void setRange(int64_t maximum);
    void setPosition(int64_t position);
    void advance(int64_t delta);

    std::vector<ZFileEntry> m_entries;
    int m_readBuf = kDefaultReadBuf;
    ZProgress* m_progress = nullptr;
    ZBlockCodec m_codec;
};
