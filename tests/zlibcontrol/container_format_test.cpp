#include "ContainerBytes.h"
#include "TempFolder.h"
#include "ZLibEngine.h"
#include "ZResult.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray mixedBytes(int size)
{
    QByteArray data;
    data.reserve(size);
    for (int i = 0; data.size() < size; ++i)
        data += (i % 3 == 0) ? QByteArray::number(i * 7919) + " goods line\n"
                             : QByteArray(1, char((i * 131) & 0xFF));
    data.truncate(size);
    return data;
}

uint32_t u32At(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}

}

TEST(ContainerFormat, FileOf150000BytesIsWrittenAsThreeBlocksByteForByte)
{
    TempFolder dir;
    const QByteArray data = mixedBytes(150000);
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("a.bin", data)));
    zip.setFilename(0, QStringLiteral("\\docs\\a.bin"));
    ASSERT_EQ(zip.Compress(dir.path("c.zlc"), false, 6), ZResult::Ok);

    const QByteArray written = ContainerBytes::read(dir.path("c.zlc"));
    EXPECT_EQ(written, ContainerBytes::header(0) + ContainerBytes::fileEntry("\\docs\\a.bin", data));

    // Walk the blocks: lengths 65536, 65536, 18928 and D = sum of (8 + C).
    const qsizetype dataAt = 29 + 4 + 11 + 16;
    const uint32_t dataSize = u32At(written, dataAt - 4);
    QList<uint32_t> lengths;
    for (qsizetype at = dataAt; at < dataAt + dataSize; at += 8 + u32At(written, at + 4))
        lengths << u32At(written, at);
    EXPECT_EQ(lengths, (QList<uint32_t>{65536, 65536, 18928}));
    EXPECT_EQ(written.size(), dataAt + dataSize);
    EXPECT_EQ(zip.Compressed_Size(0), dataSize);
    EXPECT_EQ(zip.FileSize(0), 150000);
}

TEST(ContainerFormat, HeaderIsLengthMagicAndLastIndex)
{
    TempFolder dir;
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("1.txt", "one")));
    ASSERT_TRUE(zip.AddFile(dir.file("2.txt", "two")));
    ASSERT_EQ(zip.Compress(dir.path("c.zlc"), false, 6), ZResult::Ok);
    const QByteArray written = ContainerBytes::read(dir.path("c.zlc"));
    EXPECT_EQ(written.left(29),
              QByteArray::fromHex("15000000") + "Velqarion zLibControl" + QByteArray::fromHex("01000000"));
}

TEST(ContainerFormat, ChineseNameIsStoredInCp936WithItsCharacterCount)
{
    TempFolder dir;
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("n.mnu", "<map/>")));
    zip.setFilename(0, QStringLiteral("\\docs\\运单.mnu"));
    ASSERT_EQ(zip.Compress(dir.path("c.zlc"), false, 6), ZResult::Ok);
    const QByteArray written = ContainerBytes::read(dir.path("c.zlc"));
    EXPECT_EQ(written.mid(29, 4 + 14),
              QByteArray::fromHex("0c000000") + "\\docs\\" + QByteArray::fromHex("d4cbb5a5") + ".mnu");
}

TEST(ContainerFormat, ContainerFromAChineseWindowsSystemIsRead)
{
    TempFolder dir;
    const QByteArray text = "<map>导航</map>";
    ContainerBytes::write(dir.path("w.zlc"),
                          ContainerBytes::header(0) + ContainerBytes::fileEntry("\\菜单\\运单.mnu", text));
    ZLibEngine zip;
    ASSERT_EQ(zip.Decompress(dir.path("w.zlc"), dir.path("out"), false, true, true, false, true, true),
              ZResult::Ok);
    EXPECT_EQ(zip.filename(0), QStringLiteral("\\菜单\\运单.mnu"));
    EXPECT_EQ(ContainerBytes::read(dir.path("out/菜单/运单.mnu")), text);
}

TEST(ContainerFormat, EmptyFileHasNoBlockAndIsListedButNotWritten)
{
    TempFolder dir;
    ZLibEngine zip;
    ASSERT_TRUE(zip.AddFile(dir.file("empty.txt", {})));
    ASSERT_EQ(zip.Compress(dir.path("c.zlc"), false, 6), ZResult::Ok);
    EXPECT_EQ(ContainerBytes::read(dir.path("c.zlc")),
              ContainerBytes::header(0)
                  + ContainerBytes::entry(zip.filename(0), 0, 0, 0, {}));

    ZLibEngine back;
    ASSERT_EQ(back.Decompress(dir.path("c.zlc"), dir.path("out"), false, true, false, false, false, true),
              ZResult::Ok);
    EXPECT_EQ(back.FileCount(), 1);
    EXPECT_EQ(back.Compressed_Size(0), 0);
    EXPECT_FALSE(QFileInfo::exists(dir.path("out/empty.txt")));
}
