#include "commandline/CommandLineParser.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLineParserTest, SwitchesAndValues)
{
    CommandLineParser parser;
    parser.Parse(QStringLiteral("  /s /W:12000 -h=8000 word /t:\"左 上\" /l: /x:1 /x:2 / -"));
    const struct {
        const char* name;
        bool present;
        QString value;
    } cases[] = {
        {"s", true, QString()}, {"w", true, QStringLiteral("12000")}, {"H", true, QStringLiteral("8000")},
        {"t", true, QStringLiteral("左 上")}, {"l", true, QString()}, {"x", true, QStringLiteral("2")},
        {"word", false, QString()}, {"q", false, QString()},
    };
    for (const auto& c : cases) {
        const CommandLineOption option = parser.Option(QString::fromUtf8(c.name));
        EXPECT_EQ(option.Present, c.present) << c.name;
        EXPECT_EQ(option.Value, c.value) << c.name;
    }
    parser.Parse(QString());
    EXPECT_FALSE(parser.Option(QStringLiteral("s")).Present);
}

}  // namespace
