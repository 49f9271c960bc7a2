#include "ContainerBytes.h"
#include "TempFolder.h"
#include "ZLibEngine.h"
#include "ZResult.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// Decompress with the arguments the workbench uses, CRC checks switchable.
int unpack(ZLibEngine& zip, const QString& container, const QString& out, bool usePaths = false,
           bool overwrite = true)
{
    return zip.Decompress(container, out, false, true, true, false, usePaths, overwrite);
}

}

TEST(ZLibEngine, RoundTripOfSeveralFiles)
{
    TempFolder src;
    const QList<QPair<QString, QByteArray>> files = {
        {"运单.txt", "托运单 goods"},
        {"big.bin", QByteArray(300000, 'x') + QByteArray::number(42)},
        {"empty.dat", {}},
        {"b.txt", "plain"},
    };
    ZLibEngine zip;
    zip.setReadBuf(1000);
    for (const auto& [name, content] : files)
        ASSERT_TRUE(zip.AddFile(src.file("in/" + name, content))) << name.toStdString();
    ASSERT_EQ(zip.Compress(src.path("c.zlc"), false, 9), ZResult::Ok);

    ZLibEngine back;
    ASSERT_EQ(unpack(back, src.path("c.zlc"), src.path("out")), ZResult::Ok);
    ASSERT_EQ(back.FileCount(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        const auto& [name, content] = files[i];
        EXPECT_EQ(back.filename(i), zip.filename(i));
        EXPECT_EQ(back.Original_Crc32(i), zip.Original_Crc32(i));
        EXPECT_EQ(back.Compressed_CRC32(i), zip.Compressed_CRC32(i));
        EXPECT_EQ(back.FileSize(i), content.size());
        EXPECT_TRUE(back.Path(i).isEmpty());
        if (content.isEmpty())
            EXPECT_FALSE(QFileInfo::exists(src.path("out/" + name)));
        else
            EXPECT_EQ(ContainerBytes::read(src.path("out/" + name)), content) << name.toStdString();
    }
}

TEST(ZLibEngine, ResultCodes)
{
    TempFolder dir;
    const QString file = dir.file("a.txt", "a");
    const QString existing = dir.file("exists.zlc", "old");
    QDir().mkpath(dir.path("folder.zlc"));
    ContainerBytes::write(dir.path("magic.zlc"),
                          ContainerBytes::header(0, "Velqarion zLibKontrol"));
    ContainerBytes::write(dir.path("short.zlc"), ContainerBytes::le32(21) + "Velq");
    ContainerBytes::write(dir.path("length.zlc"), ContainerBytes::le32(20) + "Velqarion zLibContro");

    ZLibEngine empty;
    EXPECT_EQ(empty.Compress(dir.path("new.zlc"), true, 6), ZResult::EmptyOrBadMagic);

    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(file));
    EXPECT_EQ(zip.Compress(existing, false, 6), ZResult::Exists);
    EXPECT_EQ(ContainerBytes::read(existing), "old");
    EXPECT_EQ(zip.Compress(dir.path("folder.zlc"), true, 6), ZResult::Missing);
    EXPECT_EQ(zip.Compress(existing, true, 6), ZResult::Ok);

    const struct {
        const char* container;
        int code;
    } cases[] = {
        {"missing.zlc", ZResult::Missing}, {"folder.zlc", ZResult::Missing},
        {"magic.zlc", ZResult::EmptyOrBadMagic}, {"short.zlc", ZResult::EmptyOrBadMagic},
        {"length.zlc", ZResult::EmptyOrBadMagic}, {"exists.zlc", ZResult::Ok},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unpack(zip, dir.path(c.container), dir.path("out")), c.code) << c.container;
}

TEST(ZLibEngine, InvalidLevelFallsBackToLevelSix)
{
    TempFolder dir;
    const QByteArray data(5000, 'q');
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("q.txt", data)));
    zip.setFilename(0, "\\q.txt");
    ASSERT_EQ(zip.Compress(dir.path("c.zlc"), false, 42), ZResult::Ok);
    EXPECT_EQ(ContainerBytes::read(dir.path("c.zlc")),
              ContainerBytes::header(0) + ContainerBytes::fileEntry("\\q.txt", data));
}

TEST(ZLibEngine, UsePathsChoosesBareNameOrStoredFolders)
{
    TempFolder dir;
    ContainerBytes::write(dir.path("c.zlc"),
                          ContainerBytes::header(0) + ContainerBytes::fileEntry("\\docs\\sub\\a.mnu", "A"));
    ZLibEngine zip;
    ASSERT_EQ(unpack(zip, dir.path("c.zlc"), dir.path("flat"), false), ZResult::Ok);
    ASSERT_EQ(unpack(zip, dir.path("c.zlc"), dir.path("tree") + "\\", true), ZResult::Ok);
    EXPECT_EQ(dir.files(), (QStringList{"c.zlc", "flat/a.mnu", "tree/docs/sub/a.mnu"}));
}

TEST(ZLibEngine, ExistingTargetIsKeptWithoutOverwrite)
{
    TempFolder dir;
    ContainerBytes::write(dir.path("c.zlc"),
                          ContainerBytes::header(0) + ContainerBytes::fileEntry("\\a.txt", "new"));
    dir.file("out/a.txt", "old");
    ZLibEngine zip;
    ASSERT_EQ(unpack(zip, dir.path("c.zlc"), dir.path("out"), false, false), ZResult::Ok);
    EXPECT_EQ(zip.State(0), ZEntryState::Skipped);
    EXPECT_EQ(ContainerBytes::read(dir.path("out/a.txt")), "old");
    ASSERT_EQ(unpack(zip, dir.path("c.zlc"), dir.path("out"), false, true), ZResult::Ok);
    EXPECT_EQ(zip.State(0), ZEntryState::Written);
    EXPECT_EQ(ContainerBytes::read(dir.path("out/a.txt")), "new");
}

TEST(ZLibEngine, CrcChecksDecideWhetherAFileIsWritten)
{
    const QByteArray content = "consignment";
    const QByteArray data = ContainerBytes::block(content);
    const uint32_t goodCrc = ContainerBytes::crc(content);
    const uint32_t goodCompressedCrc = ContainerBytes::crc(data.mid(8));
    const struct {
        const char* name;
        uint32_t fileCrc, compressedCrc;
        bool check, twice, saveCorrupted, written;
    } cases[] = {
        {"all good", goodCrc, goodCompressedCrc, true, true, false, true},
        {"bad file crc", goodCrc ^ 1, goodCompressedCrc, true, false, false, false},
        {"bad file crc saved", goodCrc ^ 1, goodCompressedCrc, true, false, true, true},
        {"bad file crc unchecked", goodCrc ^ 1, goodCompressedCrc, false, false, false, true},
        {"bad compressed crc single", goodCrc, goodCompressedCrc ^ 1, true, false, false, true},
        {"bad compressed crc double", goodCrc, goodCompressedCrc ^ 1, true, true, false, false},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        ContainerBytes::write(dir.path("c.zlc"),
                              ContainerBytes::header(0)
                                  + ContainerBytes::entry("\\n.txt", content.size(), c.fileCrc,
                                                          c.compressedCrc, data));
        ZLibEngine zip;
        EXPECT_EQ(zip.Decompress(dir.path("c.zlc"), dir.path("out"), false, c.check, c.twice,
                                 c.saveCorrupted, false, true),
                  ZResult::Ok)
            << c.name;
        EXPECT_EQ(QFileInfo::exists(dir.path("out/n.txt")), c.written) << c.name;
        EXPECT_EQ(zip.State(0), c.written ? ZEntryState::Written : ZEntryState::CrcFailed) << c.name;
        EXPECT_EQ(dir.files().filter("out/").size(), c.written ? 1 : 0) << c.name;
    }
}

TEST(ZLibEngine, CorruptedBlockStopsWithZlibDataErrorAndWritesNothing)
{
    TempFolder dir;
    QByteArray entry = ContainerBytes::fileEntry("\\a.txt", QByteArray(4000, 'a') + "tail");
    entry[entry.size() - 3] = char(entry.at(entry.size() - 3) ^ 0x5A);
    ContainerBytes::write(dir.path("c.zlc"), ContainerBytes::header(0) + entry);
    ZLibEngine zip;
    EXPECT_EQ(unpack(zip, dir.path("c.zlc"), dir.path("out")), ZResult::DataError);
    EXPECT_EQ(dir.files(), QStringList{"c.zlc"});
}

TEST(ZLibEngine, BlockLargerThanDeclaredIsTakenWithinTheRetryRoom)
{
    QByteArray content;
    for (int i = 0; i < 1000; ++i)
        content += char((i * 7919 + i / 3) & 0xFF);  // hardly compressible: R is near 1000
    QByteArray block = ContainerBytes::block(content);
    block.replace(0, 4, ContainerBytes::le32(10));  // declares 10 bytes, holds 1000
    const QByteArray huge(4 * 1024 * 1024, '\0');
    QByteArray bomb = ContainerBytes::block(huge);
    bomb.replace(0, 4, ContainerBytes::le32(10));
    const struct {
        const char* name;
        QByteArray data;
        uint32_t size, crc;
        int code;
    } cases[] = {
        {"fits retry room", block, 1000, ContainerBytes::crc(content), ZResult::Ok},
        {"beyond retry room", bomb, uint32_t(huge.size()), ContainerBytes::crc(huge),
         ZResult::BufferError},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        ContainerBytes::write(dir.path("c.zlc"),
                              ContainerBytes::header(0)
                                  + ContainerBytes::entry("\\r.bin", c.size, c.crc, 0, c.data));
        ZLibEngine zip;
        EXPECT_EQ(zip.Decompress(dir.path("c.zlc"), dir.path("out"), false, true, false, false,
                                 false, true),
                  c.code)
            << c.name;
        EXPECT_EQ(QFileInfo::exists(dir.path("out/r.bin")), c.code == ZResult::Ok) << c.name;
    }
}

TEST(ZLibEngine, EntryFieldsAsText)
{
    TempFolder dir;
    ContainerBytes::write(dir.path("c.zlc"),
                          ContainerBytes::header(0) + ContainerBytes::entry("\\x.txt", 7, 255, 0xABCDEF12, {}));
    ZLibEngine zip;
    ASSERT_EQ(zip.Decompress(dir.path("c.zlc"), {}, true, true, true, false, false, false), ZResult::Ok);
    EXPECT_EQ(zip.Original_Crc32(0), "000000FF");
    EXPECT_EQ(zip.Compressed_CRC32(0), "ABCDEF12");
    EXPECT_EQ(zip.FileSize(0), 7);
    for (int bad : {-1, 1}) {
        EXPECT_EQ(zip.Original_Crc32(bad), QString());
        EXPECT_EQ(zip.Compressed_CRC32(bad), QString());
        EXPECT_EQ(zip.Path(bad), QString());
        EXPECT_EQ(zip.filename(bad), QString());
        EXPECT_EQ(zip.FileSize(bad), -1);
        EXPECT_EQ(zip.Compressed_Size(bad), -1);
        EXPECT_FALSE(zip.RemoveFile(bad));
    }
}

TEST(ZLibEngine, WritingFilenameDropsDriveAndAddsBackslash)
{
    const struct {
        const char* written;
        const char* stored;
    } cases[] = {
        {"C:\\docs\\a.mnu", "\\docs\\a.mnu"}, {"d:a.mnu", "\\a.mnu"}, {"a.mnu", "\\a.mnu"},
        {"\\a.mnu", "\\a.mnu"}, {"/home/x/a.mnu", "\\home\\x\\a.mnu"},
    };
    TempFolder dir;
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("a.mnu", "x")));
    for (const auto& c : cases) {
        zip.setFilename(0, c.written);
        EXPECT_EQ(zip.filename(0), c.stored) << c.written;
    }
}

TEST(ZLibEngine, AddFileWithNamesAndPatterns)
{
    TempFolder dir;
    for (const char* name : {"f1.txt", "f2.txt", "fa.txt", "g.log", ".hidden.txt", "f#.txt"})
        dir.file(name, name);
    QDir().mkpath(dir.path("folder.d"));
    const int hidden = ZFileAttribute::Hidden;
    const int folders = ZFileAttribute::Directory;
    const struct {
        const char* pattern;
        int attrib;
        bool result;
        QStringList added;
    } cases[] = {
        {"f#.txt", 0, true, {"f#.txt", "f1.txt", "f2.txt"}},
        {"f?.txt", 0, true, {"f#.txt", "f1.txt", "f2.txt", "fa.txt"}},
        {"*.log", 0, true, {"g.log"}},
        {"*.txt", 0, true, {"f#.txt", "f1.txt", "f2.txt", "fa.txt"}},
        {"*.txt", hidden, true, {".hidden.txt", "f#.txt", "f1.txt", "f2.txt", "fa.txt"}},
        {"*.d", folders, true, {}},
        {"*.d", 0, false, {}},
        {"*.none", 0, false, {}},
        {"g.log", 0, true, {"g.log"}},
        {"g.log", folders, true, {}},
        {"folder.d", folders, true, {}},
        {"folder.d", 0, false, {}},
        {".hidden.txt", 0, false, {}},
        {"missing.txt", 0, false, {}},
    };
    for (const auto& c : cases) {
        ZLibEngine zip;
        EXPECT_EQ(zip.AddFile(dir.path(c.pattern), c.attrib), c.result) << c.pattern;
        QStringList added;
        for (int i = 0; i < zip.FileCount(); ++i)
            added << QFileInfo(zip.Path(i)).fileName();
        EXPECT_EQ(added, c.added) << c.pattern;
    }
}

TEST(ZLibEngine, AddedFileHasSizeCrcAndStoredName)
{
    TempFolder dir;
    const QByteArray content = "123456789";
    const QString path = dir.file("check.txt", content);
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(path));
    EXPECT_EQ(zip.Path(0), path);
    EXPECT_EQ(zip.filename(0), QString(path).replace('/', '\\'));
    EXPECT_EQ(zip.FileSize(0), 9);
    EXPECT_EQ(zip.Original_Crc32(0), "CBF43926");  // the CRC-32 check value
    EXPECT_EQ(zip.Calculate_Crc32(path), 0xCBF43926u);
    EXPECT_EQ(zip.Calculate_Crc32(dir.path("missing")), 0u);
    EXPECT_EQ(zip.Calculate_Crc32(dir.path()), 0u);
    EXPECT_TRUE(zip.RemoveFile(0));
    EXPECT_EQ(zip.FileCount(), 0);
    zip.AddFile(path);
    zip.AddFile(path);
    zip.reset();
    EXPECT_EQ(zip.FileCount(), 0);
}

TEST(ZLibEngine, SourceGoneBeforeCompressIsLeftOutAndCounted)
{
    TempFolder dir;
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("a.txt", "a")));
    ASSERT_TRUE(zip.AddFile(dir.file("b.txt", "b")));
    QFile::remove(dir.path("a.txt"));
    ASSERT_EQ(zip.Compress(dir.path("c.zlc"), false, 6), ZResult::Ok);
    ZLibEngine back;
    ASSERT_EQ(unpack(back, dir.path("c.zlc"), dir.path("out")), ZResult::Ok);
    ASSERT_EQ(back.FileCount(), 1);
    EXPECT_EQ(ContainerBytes::read(dir.path("out/b.txt")), "b");
}

TEST(ZLibEngine, ReadBufZeroOrLessMeans65536)
{
    ZLibEngine zip;
    EXPECT_EQ(zip.ReadBuf(), 65536);
    zip.setReadBuf(100);
    EXPECT_EQ(zip.ReadBuf(), 100);
    for (int value : {0, -5}) {
        zip.setReadBuf(value);
        EXPECT_EQ(zip.ReadBuf(), 65536);
    }
}
