#include "TempFolder.h"
#include "ZOutputFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(ZOutputFolder, OutputPathFollowsTheDriveRulesOfThisSystem)
{
    const struct {
        const char* outputPath;
        const char* root;
    } cases[] = {
        {"out", "/out"},          // no drive: from the root, as C:\out
        {"\\out\\", "/out"},      // "\out" -> "C:\out"
        {"C:\\out\\sub", "/out/sub"},
        {"D:/data", "/data"},
        {"/tmp/x///", "/tmp/x"},
        {"C:\\", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZOutputFolder(c.outputPath).root(), c.root) << c.outputPath;
}

TEST(ZOutputFolder, TargetsOfStoredNames)
{
    TempFolder dir;
    const ZOutputFolder out(dir.path("out"));
    const QString root = dir.path("out");
    using S = ZOutputFolder::Status;
    const struct {
        const char* stored;
        bool usePaths;
        S status;
        const char* relative;
    } cases[] = {
        {"\\docs\\a.mnu", false, S::Ok, "/a.mnu"},
        {"\\docs\\a.mnu", true, S::Ok, "/docs/a.mnu"},
        {"C:\\docs\\b.mnu", true, S::Ok, "/docs/b.mnu"},
        {"\\docs\\.\\c.mnu", true, S::Ok, "/docs/c.mnu"},
        {"\\..\\evil.txt", true, S::Unsafe, ""},
        {"\\..\\evil.txt", false, S::Ok, "/evil.txt"},
        {"\\a\\..\\..\\evil.txt", true, S::Unsafe, ""},
        {"\\docs/../../evil.txt", true, S::Unsafe, ""},
        {"\\..", false, S::Unsafe, ""},
        {"C:..", false, S::Unsafe, ""},
        {"\\docs\\", false, S::Unsafe, ""},
        {"\\docs\\.", true, S::Unsafe, ""},
        {"", false, S::Unsafe, ""},
    };
    for (const auto& c : cases) {
        const ZOutputFolder::Target target = out.target(c.stored, c.usePaths, true);
        EXPECT_EQ(target.status, c.status) << c.stored;
        if (c.status == S::Ok)
            EXPECT_EQ(target.path, root + c.relative) << c.stored;
    }
    EXPECT_EQ(dir.files(), QStringList());
    EXPECT_TRUE(QDir(dir.path("out/docs")).exists());
}

TEST(ZOutputFolder, SymbolicLinksCannotLeadOutOfTheOutputFolder)
{
    TempFolder dir;
    const QString outside = dir.file("outside/secret.txt", "keep");
    QDir().mkpath(dir.path("out"));
    ASSERT_TRUE(QFile::link(dir.path("outside"), dir.path("out/link")));
    ASSERT_TRUE(QFile::link(outside, dir.path("out/secret.txt")));
    const ZOutputFolder out(dir.path("out"));

    EXPECT_EQ(out.target("\\link\\secret.txt", true, true).status, ZOutputFolder::Status::Unsafe);
    EXPECT_EQ(out.target("\\link\\new\\x.txt", true, true).status, ZOutputFolder::Status::Unsafe);
    EXPECT_FALSE(QDir(dir.path("outside/new")).exists());

    // A link in the place of the target is removed, never written through.
    const ZOutputFolder::Target target = out.target("\\secret.txt", false, true);
    EXPECT_EQ(target.status, ZOutputFolder::Status::Ok);
    EXPECT_FALSE(QFileInfo(dir.path("out/secret.txt")).isSymLink());
    EXPECT_EQ(out.target("\\link", false, false).status, ZOutputFolder::Status::Skip);
}

TEST(ZOutputFolder, FileInThePlaceOfAFolderFails)
{
    TempFolder dir;
    dir.file("out/docs", "a file");
    EXPECT_EQ(ZOutputFolder(dir.path("out")).target("\\docs\\a.mnu", true, true).status,
              ZOutputFolder::Status::Failed);
}
