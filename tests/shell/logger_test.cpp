#include "dialogs/ScriptedDialogs.h"
#include "log/LogService.h"
#include "log/Logger.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

TEST(LoggerTest, TitlesAndOperationRecords)
{
    ScriptedDialogs dialogs;
    LogService service;
    QString subject;
    QString user;
    Logger logger(service, [&] { return subject; }, [&] { return user; });

    logger.WriteLog(QStringLiteral("用户名不能为空"), 4);
    subject = QStringLiteral("货运系统");
    logger.WriteLog(QStringLiteral("无权运行"), 2);
    logger.WriteLog(QStringLiteral("失败"), 8, QStringLiteral("错误："));
    ASSERT_EQ(dialogs.Requests().size(), 3);
    EXPECT_EQ(dialogs.Requests().at(0).title, QStringLiteral("Tarvel软件"));
    EXPECT_EQ(dialogs.Requests().at(1).title, QStringLiteral("货运系统"));
    EXPECT_EQ(dialogs.Requests().at(2).title, QStringLiteral("错误："));

    EXPECT_EQ(Logger::ActionRecord(0, QString(), QStringLiteral("正在注销用户并退出系统！")),
              QStringLiteral("<log><progid>0</progid><user></user><message>正在注销用户并退出系统！</message></log>"));
    const QString hostile = QStringLiteral("</message><x a='1'>&\"") + QChar(0x1) + QStringLiteral("]]>");
    const QString record = Logger::ActionRecord(650001, QStringLiteral("王<五>"), hostile);
    EXPECT_EQ(record, QStringLiteral("<log><progid>650001</progid><user>王&lt;五&gt;</user><message>&lt;/message&gt;&lt;x a=&apos;1&apos;&gt;&amp;&quot;]]&gt;</message></log>"));
    QXmlStreamReader xml(record);
    QString message;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("message"))
            message = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError());
    EXPECT_EQ(message, QStringLiteral("</message><x a='1'>&\"]]>"));
}

}  // namespace
