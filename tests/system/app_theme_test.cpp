#include "system/AppTheme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(AppThemeTest, LoadsAFolderWithAStyleSheetAndIgnoresAMissingOne)
{
    int argc = 1;
    char name[] = "system_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString blue = dir.filePath(QStringLiteral("blue"));
    const QString bare = dir.filePath(QStringLiteral("bare"));
    ASSERT_TRUE(QDir().mkpath(blue));
    ASSERT_TRUE(QDir().mkpath(bare));
    writeFile(blue + QStringLiteral("/style.qss"), "QWidget { color: #123456; }");

    QWidget window;
    window.setStyleSheet(QStringLiteral("QWidget { color: red; }"));
    AppTheme theme;
    theme.Apply(&window);  // no theme yet
    EXPECT_EQ(window.styleSheet(), QStringLiteral("QWidget { color: red; }"));

    const struct {
        QString folder;
        bool loads;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing")), false},
        {bare, false},
        {QString(), false},
        {blue, true},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_EQ(theme.Load(QStringLiteral("t"), c.folder, &error), c.loads) << c.folder.toStdString();
        EXPECT_EQ(error.isEmpty(), c.loads) << error.toStdString();
        EXPECT_EQ(theme.Folder(), c.loads ? QDir(c.folder).absolutePath() : QString());
    }
    // The theme's rules follow the window's own; a second apply does not repeat them.
    const QString themed = QStringLiteral("QWidget { color: red; }\nQWidget { color: #123456; }");
    theme.Apply(&window);
    EXPECT_EQ(window.styleSheet(), themed);
    theme.Apply(&window);
    EXPECT_EQ(window.styleSheet(), themed);
    theme.Apply(nullptr);

    // A failed load drops the theme that was loaded before.
    EXPECT_FALSE(theme.Load(QStringLiteral("gone"), dir.filePath(QStringLiteral("gone"))));
    EXPECT_TRUE(theme.Folder().isEmpty());
    EXPECT_TRUE(theme.StyleSheet().isEmpty());
}

}  // namespace
