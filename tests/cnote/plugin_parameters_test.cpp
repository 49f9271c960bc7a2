#include "PluginParameters.h"

#include <gtest/gtest.h>

TEST(PluginParameters, HoldsTheShellsValuesByName)
{
    PluginParameters parameters;
    parameters.Add(QStringLiteral("ProgID"), QString(), 100027);
    parameters.Add(QStringLiteral("ModeCode"), QString(), QStringLiteral("12"));
    parameters.Add(QStringLiteral("Caption"), QString(), QStringLiteral("数据导入"));
    parameters.Add(QStringLiteral("progid"), QString(), 100028);

    EXPECT_EQ(parameters.Count(), 3);
    EXPECT_EQ(parameters.Item(QStringLiteral("PROGID")).Value, QVariant(100028));
    EXPECT_EQ(parameters.Item(QStringLiteral("Caption")).Value, QVariant(QStringLiteral("数据导入")));
    EXPECT_TRUE(parameters.Exists(QStringLiteral("modecode")));
    EXPECT_FALSE(parameters.Exists(QStringLiteral("CommandLine")));
    EXPECT_TRUE(parameters.Item(QStringLiteral("CommandLine")).Value.isNull());
}
