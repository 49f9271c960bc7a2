#include "addins/StartupAddins.h"
#include "component/ComponentSystem.h"
#include "dialogs/ScriptedDialogs.h"
#include "log/LogService.h"
#include "log/LogWriter.h"
#include "log/Logger.h"
#include "xml/XmlDoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList readLines(const QString& file)
{
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class StartupAddinsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("ORVEL_REGISTRY_DIR", m_dir.filePath(QStringLiteral("registry")).toUtf8());
        qputenv("ORVEL_TEST_ADDIN_JOURNAL", journal().toUtf8());
        ASSERT_TRUE(m_components.Register(QStringLiteral(ORVEL_TEST_ADDIN_LIBRARY))) << m_components.LastError().toStdString();
        m_service.SetDialogs(&m_dialogs);
        m_service.LoadSettings(m_dir.filePath(QStringLiteral("none.Config")));
        m_service.Attach(QStringLiteral("test"), &m_writer);
        Logger::Install(&m_logger);
    }
    void TearDown() override { Logger::Install(nullptr); }

    QString journal() const { return m_dir.filePath(QStringLiteral("journal.txt")); }

    QTemporaryDir m_dir;
    ComponentSystem m_components{QFileInfo(QStringLiteral(ORVEL_TEST_ADDIN_LIBRARY)).absolutePath()};
    ScriptedDialogs m_dialogs;
    LogService m_service;
    LogWriter m_writer;
    Logger m_logger{m_service, [] { return QStringLiteral("示范"); }, [] { return QStringLiteral("admin"); }};
};

XmlDoc configWith(const char* plugins)
{
    XmlDoc doc;
    doc.LoadXml(QStringLiteral("<configuration><system><plugins>%1</plugins></system></configuration>").arg(QString::fromUtf8(plugins)));
    return doc;
}

TEST_F(StartupAddinsTest, RunsTheActiveAddinsOfTheStageInOrder)
{
    const XmlDoc config = configWith(
        "<plugin active=\"加载\"><style>100</style><classname>TestStartupAddins.Good</classname></plugin>"
        "<plugin active=\"不加载\"><style>100</style><classname>TestStartupAddins.Good</classname></plugin>"
        "<plugin active=\"加载\"><style>101</style><classname>TestStartupAddins.Good</classname></plugin>"
        "<plugin active=\"加载\"><style>100</style><classname>TestStartupAddins.Failing</classname></plugin>");
    RunStartupAddins(100, config, m_components, {QString(), QString(), QStringLiteral("货运"), 202612, QStringLiteral("账套")},
                     QStringLiteral("admin"));
    EXPECT_EQ(readLines(journal()), (QStringList{QStringLiteral("Good Start 货运 202612 账套"), QStringLiteral("Good Run"),
                                                 QStringLiteral("Good Finish"), QStringLiteral("Failing Start 货运 202612 账套"),
                                                 QStringLiteral("Failing Run"), QStringLiteral("Failing Finish")}));
    const QStringList log = readLines(m_writer.CurrentFile());
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log.at(0).endsWith(QStringLiteral("\t48\t示范\t<log><progid>0</progid><user>admin</user><message>运行插件[Good]</message></log>")))
        << log.at(0).toStdString();
    EXPECT_TRUE(log.at(1).endsWith(QStringLiteral("\t4\t示范\t数据不完整\\n\\n程序继续运行！"))) << log.at(1).toStdString();
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
}

TEST_F(StartupAddinsTest, AFailureEndsTheStageOnly)
{
    const XmlDoc config = configWith(
        "<plugin active=\"加载\"><style>100</style><classname>TestStartupAddins.Throwing</classname></plugin>"
        "<plugin active=\"加载\"><style>100</style><classname>TestStartupAddins.Good</classname></plugin>"
        "<plugin active=\"加载\"><style>101</style><classname>TestStartupAddins.Missing</classname></plugin>"
        "<plugin active=\"加载\"><style>101</style><classname>TestStartupAddins.Good</classname></plugin>");
    RunStartupAddins(100, config, m_components, {}, QString());
    EXPECT_EQ(readLines(journal()), (QStringList{QStringLiteral("Throwing Start  0 "),
                                                 QStringLiteral("Throwing Run")}));
    RunStartupAddins(101, config, m_components, {}, QString());
    EXPECT_EQ(readLines(journal()).size(), 2);  // the missing identifier ended stage 101 before Good

    ASSERT_EQ(m_dialogs.Requests().size(), 2);
    for (const DialogRequest& r : m_dialogs.Requests()) {
        EXPECT_EQ(r.title, QStringLiteral("错误："));
        EXPECT_TRUE(r.text.startsWith(QStringLiteral("插件运行时发生错误，原因：")));
        EXPECT_TRUE(r.text.endsWith(QStringLiteral("\n\n主程序继续运行!")));
    }
    EXPECT_TRUE(m_dialogs.Requests().at(0).text.contains(QStringLiteral("run failed")));
    EXPECT_TRUE(m_dialogs.Requests().at(1).text.contains(QStringLiteral("TestStartupAddins.Missing")));
}

}  // namespace
