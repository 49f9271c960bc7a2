#include "parameters/ParameterList.h"

#include <gtest/gtest.h>

TEST(ParameterList, KeepsEntriesByNameWithoutRegardToCase)
{
    ParameterList list;
    list.Add(QStringLiteral("sID"), QStringLiteral("00012"), ParameterList::LongText);
    list.Add(QStringLiteral("backcolor"), 0xC0FFFF, ParameterList::Integer);

    EXPECT_TRUE(list.Exists(QStringLiteral("SID")));
    EXPECT_TRUE(list.Exists(QStringLiteral("BackColor")));
    EXPECT_FALSE(list.Exists(QStringLiteral("caption")));
    const ParameterItem id = list.Item(QStringLiteral("sid"));
    EXPECT_EQ(id.Name, QStringLiteral("sID"));
    EXPECT_EQ(id.Value, QVariant(QStringLiteral("00012")));  // a text id stays a text
    EXPECT_EQ(id.Type, 203);
    EXPECT_EQ(list.Item(QStringLiteral("backcolor")).Value.toInt(), 0xC0FFFF);
}

TEST(ParameterList, AddingANameAgainReplacesItsValueAndType)
{
    ParameterList list;
    list.Add(QStringLiteral("Caption"), QStringLiteral("old"), ParameterList::Text);
    list.Add(QStringLiteral("caption"), 5, ParameterList::Integer);

    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items().first().Name, QStringLiteral("Caption"));
    EXPECT_EQ(list.Item(QStringLiteral("CAPTION")).Value, QVariant(5));
    EXPECT_EQ(list.Item(QStringLiteral("CAPTION")).Type, ParameterList::Integer);
}

TEST(ParameterList, MissingEntryHasANullValue)
{
    const ParameterList list;
    const ParameterItem item = list.Item(QStringLiteral("backcolor"));
    EXPECT_TRUE(item.Value.isNull());
    EXPECT_EQ(item.Type, 0);
    EXPECT_EQ(list.Count(), 0);
}
