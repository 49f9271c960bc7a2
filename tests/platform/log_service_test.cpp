#include "dialogs/ScriptedDialogs.h"
#include "log/LogService.h"
#include "log/LogWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(LogServiceTest, RecordsEveryKindAndShowsOnlyTheOperatorKinds)
{
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("OrvelMain.exe.Config")));
    config.open(QIODevice::WriteOnly);
    config.write("<configuration><system><log folder=\"runlog\\\\main\"/></system></configuration>");
    config.close();

    ScriptedDialogs dialogs;
    LogService service;
    service.LoadSettings(config.fileName());
    EXPECT_EQ(service.Folder(), dir.filePath(QStringLiteral("runlog/main")));
    service.Write({QStringLiteral("提示："), 2, QStringLiteral("before attach")});  // shown, not recorded

    LogWriter writer;
    service.Attach(QStringLiteral("OrvelMain"), &writer);
    for (int kind : {1, 2, 4, 8, 48})
        service.Write({QStringLiteral("t%1").arg(kind), kind, QStringLiteral("第%1行\n\tend\\").arg(kind)});

    QFile log(writer.CurrentFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly)) << writer.CurrentFile().toStdString();
    const QStringList lines = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    const QStringList fields = lines.at(0).split(QLatin1Char('\t'));
    ASSERT_EQ(fields.size(), 4);
    EXPECT_EQ(fields.at(1), QStringLiteral("1"));
    EXPECT_EQ(fields.at(2), QStringLiteral("t1"));
    EXPECT_EQ(fields.at(3), QStringLiteral("第1行\\n\\tend\\\\"));

    EXPECT_EQ(dialogs.Requests().size(), 4);
    EXPECT_EQ(dialogs.Requests().at(0).text, QStringLiteral("before attach"));
    EXPECT_EQ(dialogs.Requests().at(1).icon, DialogIcon::Information);
    EXPECT_EQ(dialogs.Requests().at(2).icon, DialogIcon::Warning);
    EXPECT_EQ(dialogs.Requests().at(3).icon, DialogIcon::Critical);
    EXPECT_EQ(dialogs.Requests().at(3).title, QStringLiteral("t8"));
}

}  // namespace
