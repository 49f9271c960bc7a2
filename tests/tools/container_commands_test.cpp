#include "ContainerBytes.h"
#include "ContainerCommands.h"
#include "TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int code;
    QString out;
    QString err;
};

CommandRun run(int (*command)(const QStringList&), const QStringList& args)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int code = command(args);
    const QString out = QString::fromStdString(testing::internal::GetCapturedStdout());
    return {code, out, QString::fromStdString(testing::internal::GetCapturedStderr())};
}

}

TEST(ContainerCommands, PackListAndUnpack)
{
    TempFolder dir;
    dir.file("in/nav1.mnu", "<map>一</map>");
    dir.file("in/nav2.mnu", "<map>二</map>");
    dir.file("in/icon.png", QByteArray(3000, '\x89'));
    const QString container = dir.path("menus.zlc");

    const CommandRun pack = run(runPackCommand, {container, dir.path("in/nav#.mnu"), dir.path("in/icon.png"),
                                          "--level", "9"});
    ASSERT_EQ(pack.code, 0) << pack.err.toStdString();
    EXPECT_EQ(pack.out.count('\n'), 3);

    const CommandRun list = run(runListCommand, {container});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    const QStringList lines = list.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0), "name\tsize\tcrc\tcompressed crc\tdata size");
    const QStringList first = lines.at(1).split('\t');
    ASSERT_EQ(first.size(), 5);
    EXPECT_TRUE(first.at(0).endsWith("\\in\\nav1.mnu"));
    EXPECT_EQ(first.at(1), "14");
    EXPECT_EQ(first.at(2), QStringLiteral("%1").arg(ContainerBytes::crc("<map>一</map>"), 8, 16, QChar('0')).toUpper());

    const CommandRun unpack = run(runUnpackCommand, {container, dir.path("out")});
    ASSERT_EQ(unpack.code, 0) << unpack.err.toStdString();
    EXPECT_EQ(ContainerBytes::read(dir.path("out/nav2.mnu")), "<map>二</map>");
    EXPECT_EQ(ContainerBytes::read(dir.path("out/icon.png")), QByteArray(3000, '\x89'));

    const QString inside = QString(dir.path("in")).replace('/', '\\');
    const CommandRun tree = run(runUnpackCommand, {container, dir.path("tree"), "--use-paths"});
    ASSERT_EQ(tree.code, 0);
    EXPECT_TRUE(QFileInfo::exists(dir.path("tree") + QString(inside).replace('\\', '/') + "/nav1.mnu"));
}

TEST(ContainerCommands, FailuresAndUsage)
{
    TempFolder dir;
    const QString file = dir.file("a.txt", "a");
    const QString existing = dir.file("old.zlc", "old");
    const QString hostile = dir.path("hostile.zlc");
    ContainerBytes::write(hostile, ContainerBytes::header(0)
                                       + ContainerBytes::fileEntry("\\..\\..\\evil.txt", "x"));
    const struct {
        const char* name;
        int (*command)(const QStringList&);
        QStringList args;
        int code;
        const char* message;
    } cases[] = {
        {"pack help", runPackCommand, {"--help"}, 0, ""},
        {"unpack help", runUnpackCommand, {"--help"}, 0, ""},
        {"list help", runListCommand, {"--help"}, 0, ""},
        {"pack without files", runPackCommand, {existing}, 2, "missing arguments"},
        {"unknown option", runListCommand, {existing, "--bogus"}, 2, "bogus"},
        {"bad level", runPackCommand, {dir.path("n.zlc"), file, "--level", "x"}, 2, "--level"},
        {"no such file", runPackCommand, {dir.path("n.zlc"), dir.path("none")}, 1, "no such file"},
        {"existing container", runPackCommand, {existing, file}, 1, "container exists (code -8)"},
        {"not a container", runListCommand, {existing}, 1, "not a container (code -7)"},
        {"missing container", runUnpackCommand, {dir.path("none.zlc"), dir.path("o")}, 1, "code -9"},
        {"climbing name", runUnpackCommand, {hostile, dir.path("deep/out"), "--use-paths"}, 1, "code -11"},
    };
    for (const auto& c : cases) {
        const CommandRun result = run(c.command, c.args);
        EXPECT_EQ(result.code, c.code) << c.name;
        EXPECT_TRUE(result.err.contains(c.message)) << c.name << ": " << result.err.toStdString();
        if (c.args.contains("--help"))
            EXPECT_TRUE(result.out.startsWith("Usage: orvel-admin")) << c.name;
    }
    EXPECT_EQ(ContainerBytes::read(existing), "old");
    EXPECT_FALSE(QFileInfo::exists(dir.path("evil.txt")));
}

TEST(ContainerCommands, CrcFailureIsReportedUnlessChecksAreOff)
{
    TempFolder dir;
    const QByteArray data = ContainerBytes::block("text");
    const QString container = dir.path("c.zlc");
    ContainerBytes::write(container, ContainerBytes::header(0)
                                         + ContainerBytes::entry("\\t.txt", 4, 12345, 0, data));
    const CommandRun checked = run(runUnpackCommand, {container, dir.path("out")});
    EXPECT_EQ(checked.code, 1);
    EXPECT_TRUE(checked.err.contains("\\t.txt: CRC check failed"));
    EXPECT_FALSE(QFileInfo::exists(dir.path("out/t.txt")));

    const CommandRun unchecked = run(runUnpackCommand, {container, dir.path("out"), "--no-crc"});
    EXPECT_EQ(unchecked.code, 0);
    EXPECT_EQ(ContainerBytes::read(dir.path("out/t.txt")), "text");
}
