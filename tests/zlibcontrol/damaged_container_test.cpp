#include "ContainerBytes.h"
#include "TempFolder.h"
#include "ZLibEngine.h"
#include "ZResult.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

using ContainerBytes::entry;
using ContainerBytes::header;
using ContainerBytes::le32;

namespace {

const QByteArray kText = "navigation document";

QByteArray goodEntry(const QString& name = "\\a.txt")
{
    return ContainerBytes::fileEntry(name, kText);
}

// The container sits beside the output folder; only the output folder may receive files.
void expectRejected(const QByteArray& container, int code, const std::string& label)
{
    for (const bool usePaths : {false, true}) {
        TempFolder sandbox;
        ContainerBytes::write(sandbox.path("c.zlc"), container);
        ZLibEngine zip;
        const int result = zip.Decompress(sandbox.path("c.zlc"), sandbox.path("out"), false, true,
                                          true, false, usePaths, true);
        if (code != 0)
            EXPECT_EQ(result, code) << label;
        else
            EXPECT_NE(result, ZResult::Ok) << label;
        for (const QString& file : sandbox.files())
            EXPECT_TRUE(file == "c.zlc" || file.startsWith("out/")) << label << " wrote " << file.toStdString();
    }
}

}

TEST(DamagedContainer, LengthsAndCountsPastTheEndAreRejected)
{
    const QByteArray block = ContainerBytes::block(kText);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"no entries behind the count", header(0)},
        {"two billion entries", header(2000000000) + goodEntry()},
        {"negative entry count", header(-5) + goodEntry()},
        {"name length 4 GB", header(0) + le32(0xFFFFFFFF) + "\\a"},
        {"name cut short", header(0) + le32(40) + "\\abc"},
        {"name in an invalid code", header(0) + le32(2) + "\\\xFF" + QByteArray(16, '\0')},
        {"fields cut short", header(0) + le32(2) + "\\a" + le32(1)},
        {"data size past the end", header(0) + entry("\\a.txt", 5, 0, 0, {}).chopped(4) + le32(1000) + "ab"},
        {"block length 4 GB in compressed length",
         header(0) + entry("\\a.txt", 5, 0, 0, le32(5) + le32(0xFFFFFFFF) + "abcd")},
        {"block header cut", header(0) + entry("\\a.txt", 5, 0, 0, le32(5) + "ab")},
        {"second entry missing", header(1) + goodEntry()},
        {"block past its data area", header(0) + entry("\\a.txt", 5, 0, 0, block.left(12))},
    };
    for (const auto& c : cases)
        expectRejected(c.bytes, ZResult::Damaged, c.name);
}

TEST(DamagedContainer, UncompressedLengthOf4GBAllocatesNothing)
{
    QByteArray block = ContainerBytes::block(kText);
    block.replace(0, 4, le32(0xFFFFFFFF));
    TempFolder dir;
    ContainerBytes::write(dir.path("c.zlc"),
                          header(0) + entry("\\a.txt", kText.size(), ContainerBytes::crc(kText), 0, block));
    ZLibEngine zip;
    ASSERT_EQ(zip.Decompress(dir.path("c.zlc"), dir.path("out"), false, true, false, false, false, true),
              ZResult::Ok);
    EXPECT_EQ(ContainerBytes::read(dir.path("out/a.txt")), kText);
}

TEST(DamagedContainer, NamesThatClimbOutOfTheOutputFolderAreRejected)
{
    for (const char* name : {"\\..\\..\\evil.txt", "\\a\\..\\..\\..\\evil.txt", "..\\evil.txt",
                             "\\x/../../evil.txt", "C:..\\evil.txt"}) {
        TempFolder sandbox;
        ContainerBytes::write(sandbox.path("c.zlc"), header(0) + goodEntry(name));
        ZLibEngine zip;
        EXPECT_EQ(zip.Decompress(sandbox.path("c.zlc"), sandbox.path("deep/out"), false, true, true,
                                 false, true, true),
                  ZResult::BadName)
            << name;
        EXPECT_EQ(sandbox.files(), QStringList{"c.zlc"}) << name;
    }
    expectRejected(header(0) + goodEntry("\\.."), ZResult::BadName, "bare ..");
}

TEST(DamagedContainer, FuzzFindingsEndWithAnErrorCode)
{
    QDirIterator fixtures(ZLIB_FIXTURE_DIR, QDir::Files);
    int seen = 0;
    while (fixtures.hasNext()) {
        const QString path = fixtures.next();
        expectRejected(ContainerBytes::read(path), 0, path.toStdString());
        ++seen;
    }
    EXPECT_GT(seen, 0);
}
