#include "ZLibEngine.h"

#include "FilePattern.h"
#include "GbkCodec.h"
#include "StoredName.h"
#include "ZContainerFormat.h"
#include "ZContainerReader.h"
#include "ZContainerWriter.h"
#include "ZOutputFolder.h"
#include "ZProgress.h"
#include "ZResult.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <zlib.h>

namespace {

QString crcText(uint32_t crc)
{
    return QStringLiteral("%1").arg(crc, 8, 16, QLatin1Char('0')).toUpper();
}

}

const ZFileEntry* ZLibEngine::entry(int index) const
{
    return index >= 0 && index < FileCount() ? &m_entries[index] : nullptr;
}

bool ZLibEngine::AddFile(const QString& filename, int attrib)
{
    const QFileInfo info(filename);
    const bool withHidden = attrib & ZFileAttribute::Hidden;
    const bool withFolders = attrib & ZFileAttribute::Directory;
    if (!FilePattern::hasWildcards(info.fileName())) {
        if (!info.exists() || (info.isHidden() && !withHidden))
            return false;
        if (info.isDir())
            return withFolders;
        return withFolders || addOne(info.absoluteFilePath());
    }

    QDir::Filters filters = QDir::Files | QDir::System | QDir::NoDotAndDotDot;
    if (withHidden)
        filters |= QDir::Hidden;
    if (withFolders)
        filters |= QDir::Dirs;
    const QFileInfoList listed = QDir(info.absolutePath()).entryInfoList(filters, QDir::Name);
    bool matched = false;
    for (const QFileInfo& candidate : listed) {
        if (!FilePattern::matches(info.fileName(), candidate.fileName()))
            continue;
        matched = true;
        if (!candidate.isDir())
            addOne(candidate.absoluteFilePath());
    }
    return matched;
}

// A file of 4 GiB or more does not fit the 32-bit sizes of the container and is not added.
bool ZLibEngine::addOne(const QString& path)
{
    const QFileInfo info(path);
    if (info.size() > int64_t(UINT32_MAX))
        return false;
    ZFileEntry added;
    added.path = path;
    added.storedName = StoredName::normalize(path);
    added.fileSize = static_cast<uint32_t>(info.size());
    setRange(info.size());
    added.fileCrc = Calculate_Crc32(path);
    m_entries.push_back(added);
    return true;
}

bool ZLibEngine::RemoveFile(int index)
{
    if (!entry(index))
        return false;
    m_entries.erase(m_entries.begin() + index);
    return true;
}

void ZLibEngine::reset()
{
    m_entries.clear();
    setPosition(0);
}

uint32_t ZLibEngine::Calculate_Crc32(const QString& filename)
{
    QFile file(filename);
    if (!QFileInfo(filename).isFile() || !file.open(QIODevice::ReadOnly))
        return 0;
    setRange(file.size());
    std::vector<char> block(m_readBuf);
    uLong crc = crc32(0, nullptr, 0);
    qint64 read = 0;
    while ((read = file.read(block.data(), m_readBuf)) > 0) {
        crc = crc32(crc, reinterpret_cast<const Bytef*>(block.data()), static_cast<uInt>(read));
        advance(read);
    }
    return static_cast<uint32_t>(crc);
}

int ZLibEngine::Compress(const QString& filename, bool Overwrite, int16_t level)
{
    if (m_entries.empty())
        return ZResult::EmptyOrBadMagic;
    const QFileInfo container(filename);
    if (container.exists()) {
        if (container.isDir())
            return ZResult::Missing;
        if (!Overwrite)
            return ZResult::Exists;
        if (!QFile::remove(filename))
            return ZResult::FileError;
    }
    // Entries whose source is gone or became a folder are left out before the count is written,
    // so that the count always agrees with the entries that follow it.
    std::vector<ZFileEntry*> present;
    for (ZFileEntry& candidate : m_entries) {
        if (!candidate.path.isEmpty() && QFileInfo(candidate.path).isFile())
            present.push_back(&candidate);
    }
    ZContainerWriter writer;
    if (!writer.open(filename) || !writer.writeHeader(static_cast<int32_t>(present.size()) - 1))
        return ZResult::FileError;
    for (ZFileEntry* source : present) {
        if (const int code = compressEntry(writer, *source, level); code != ZResult::Ok)
            return code;
    }
    return writer.close() ? ZResult::Ok : ZResult::FileError;
}

// Size and CRC of the file are taken from the bytes packed now, so that a file changed since
// AddFile still gets a header that matches its data.
int ZLibEngine::compressEntry(ZContainerWriter& writer, ZFileEntry& packed, int level)
{
    const auto name = GbkCodec::encode(packed.storedName);
    if (!name)
        return ZResult::BadName;
    QFile source(packed.path);
    if (!source.open(QIODevice::ReadOnly)
        || !writer.beginEntry(*name, GbkCodec::characterCount(*name)))
        return ZResult::FileError;
    setRange(source.size());
    std::vector<unsigned char> block(m_readBuf);
    uLong crc = crc32(0, nullptr, 0);
    uLong compressedCrc = crc;
    uint64_t size = 0;
    qint64 read = 0;
    while ((read = source.read(reinterpret_cast<char*>(block.data()), m_readBuf)) > 0) {
        const auto length = static_cast<uint32_t>(read);
        crc = crc32(crc, block.data(), length);
        if (const int code = m_codec.compress(block.data(), length, level); code != Z_OK)
            return code;
        compressedCrc = crc32(compressedCrc, m_codec.compressed(), m_codec.compressedLength());
        if (!writer.writeBlock(length, m_codec.compressed(), m_codec.compressedLength()))
            return ZResult::FileError;
        size += length;
        advance(length);
    }
    if (read < 0 || size > UINT32_MAX
        || !writer.endEntry(static_cast<uint32_t>(size), static_cast<uint32_t>(crc),
                            static_cast<uint32_t>(compressedCrc)))
        return ZResult::FileError;
    packed.fileSize = static_cast<uint32_t>(size);
    packed.fileCrc = static_cast<uint32_t>(crc);
    packed.compressedCrc = static_cast<uint32_t>(compressedCrc);
    packed.dataSize = writer.dataSize();
    return ZResult::Ok;
}

int ZLibEngine::Decompress(const QString& filename, const QString& outputpath,
                           bool GetFileInfoOnly, bool CheckCRC32, bool DoubleCRC32,
                           bool SaveCorruptedFiles, bool UsePaths, bool Overwrite)
{
    ZContainerReader reader;
    if (const int code = reader.open(filename); code != ZResult::Ok)
        return code;
    setRange(reader.size());
    int64_t count = 0;
    if (const int code = reader.readHeader(count); code != ZResult::Ok)
        return code;
    m_entries.clear();
    const ZOutputFolder output(outputpath);
    for (int64_t i = 0; i < count; ++i) {
        ZFileEntry& read = m_entries.emplace_back();
        int code = reader.readEntryHeader(read);
        if (code == ZResult::Ok && read.dataSize > 0) {
            if (GetFileInfoOnly) {
                code = reader.skip(read.dataSize);
            } else {
                const ZOutputFolder::Target target = output.target(read.storedName, UsePaths,
                                                                   Overwrite);
                switch (target.status) {
                case ZOutputFolder::Status::Unsafe: return ZResult::BadName;
                case ZOutputFolder::Status::Failed: return ZResult::FileError;
                case ZOutputFolder::Status::Skip:
                    read.state = ZEntryState::Skipped;
                    code = reader.skip(read.dataSize);
                    break;
                case ZOutputFolder::Status::Ok:
                    code = extractEntry(reader, read, target.path, CheckCRC32, DoubleCRC32,
                                        SaveCorruptedFiles);
                    break;
                }
            }
        }
        if (code != ZResult::Ok)
            return code;
        setPosition(reader.position());
    }
    return ZResult::Ok;
}

// The blocks go to a temporary file "zLi..." beside the target that replaces it only when the
// entry is complete and good; a damaged entry leaves nothing behind.
int ZLibEngine::extractEntry(ZContainerReader& reader, ZFileEntry& extracted,
                             const QString& target, bool checkCrc, bool doubleCrc,
                             bool saveCorrupted)
{
    QTemporaryFile out(QFileInfo(target).absolutePath() + QStringLiteral("/.zLiXXXXXX"));
    if (!out.open())
        return ZResult::FileError;
    uLong crc = crc32(0, nullptr, 0);
    uLong compressedCrc = crc;
    const ZBlockCodec::Sink sink = [&](const unsigned char* data, size_t length) {
        if (checkCrc)
            crc = crc32(crc, data, static_cast<uInt>(length));
        return out.write(reinterpret_cast<const char*>(data), length) == qint64(length);
    };
    QByteArray compressed;
    uint64_t remaining = extracted.dataSize;
    while (remaining > 0) {
        uint32_t length = 0;
        uint32_t compressedLength = 0;
        if (remaining < ZContainerFormat::kBlockHeader
            || reader.readBlockHeader(length, compressedLength) != ZResult::Ok)
            return ZResult::Damaged;
        remaining -= ZContainerFormat::kBlockHeader;
        if (compressedLength > remaining
            || reader.readBytes(compressedLength, compressed) != ZResult::Ok)
            return ZResult::Damaged;
        // A block larger than declared is still taken when it fits the last of the retry
        // buffers, (2k + 2) x R - 1 bytes for k = 10, R = the entry's bytes not yet consumed.
        const uint64_t retryRoom = remaining > 0 ? 22 * remaining - 1 : 0;
        remaining -= compressedLength;
        const auto* bytes = reinterpret_cast<const unsigned char*>(compressed.constData());
        if (checkCrc && doubleCrc)
            compressedCrc = crc32(compressedCrc, bytes, compressedLength);
        const int code = m_codec.decompress(bytes, compressedLength,
                                            std::max<uint64_t>(length, retryRoom), sink);
        if (code != Z_OK)
            return code;
        setPosition(reader.position());
    }
    const bool corrupt = checkCrc
                         && (crc != extracted.fileCrc
                             || (doubleCrc && compressedCrc != extracted.compressedCrc));
    if (corrupt && !saveCorrupted) {
        extracted.state = ZEntryState::CrcFailed;
        return ZResult::Ok;
    }
    std::error_code failed;
    if (!out.flush()
        || !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                               | QFileDevice::ReadGroup | QFileDevice::ReadOther))
        return ZResult::FileError;
    std::filesystem::rename(QFile::encodeName(out.fileName()).toStdString(),
                            QFile::encodeName(target).toStdString(), failed);
    if (failed)
        return ZResult::FileError;
    out.setAutoRemove(false);
    extracted.state = ZEntryState::Written;
    return ZResult::Ok;
}

QString ZLibEngine::Path(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? found->path : QString();
}

QString ZLibEngine::filename(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? found->storedName : QString();
}

void ZLibEngine::setFilename(int index, const QString& name)
{
    if (entry(index))
        m_entries[index].storedName = StoredName::normalize(name);
}

int64_t ZLibEngine::FileSize(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? int64_t(found->fileSize) : -1;
}

int64_t ZLibEngine::Compressed_Size(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? int64_t(found->dataSize) : -1;
}

QString ZLibEngine::Original_Crc32(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? crcText(found->fileCrc) : QString();
}

QString ZLibEngine::Compressed_CRC32(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? crcText(found->compressedCrc) : QString();
}

ZEntryState ZLibEngine::State(int index) const
{
    const ZFileEntry* found = entry(index);
    return found ? found->state : ZEntryState::Listed;
}

void ZLibEngine::setRange(int64_t maximum)
{
    if (m_progress)
        m_progress->setRange(maximum);
}

void ZLibEngine::setPosition(int64_t position)
{
    if (m_progress)
        m_progress->setPosition(position);
}

void ZLibEngine::advance(int64_t delta)
{
    if (m_progress)
        m_progress->advance(delta);
}
