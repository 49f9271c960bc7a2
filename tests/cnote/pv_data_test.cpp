#include "PvData.h"

#include <gtest/gtest.h>

TEST(PvData, FindLinesStandInSlotOne)
{
    PvData data;
    data.AppendLine(PvData::FindSlot, QStringLiteral("cnoteNumber"), QStringLiteral("like"), QStringLiteral("A%"));
    data.AppendLine(PvData::FindSlot, QStringLiteral("startway"), QString(), QStringLiteral("上海"));

    const QVariantList planes = data.ToVariant().toList();
    ASSERT_EQ(planes.size(), 2);
    const QVariantList values = planes[0].toList();
    const QVariantList columns = planes[1].toList();
    ASSERT_EQ(values.size(), 2);
    EXPECT_EQ(values[0].toList()[1], QVariant(QStringLiteral("A%")));       // [0][0][1]
    EXPECT_TRUE(values[0].toList()[0].isNull());                           // [0][0][0]
    EXPECT_EQ(columns[0].toList()[1], QVariant(QStringLiteral("cnoteNumber like")));
    EXPECT_EQ(columns[1].toList()[1], QVariant(QStringLiteral("startway")));
    EXPECT_TRUE(data.Conditions(PvData::FilterSlot).isEmpty());
}

TEST(PvData, RoundTripsThroughAVariant)
{
    PvData data;
    data.AppendLine(PvData::FilterSlot, QStringLiteral("fromName"), QStringLiteral("="), QStringLiteral("华东"));
    data.AppendLine(PvData::FilterSlot, QStringLiteral("yuanfee"), QStringLiteral(">="), 100.5);

    const auto back = PvData::FromVariant(data.ToVariant());
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->LineCount(), 2);
    const QList<PvData::Condition> conditions = back->Conditions(PvData::FilterSlot);
    ASSERT_EQ(conditions.size(), 2);
    EXPECT_EQ(conditions[1].Column, QStringLiteral("yuanfee"));
    EXPECT_EQ(conditions[1].Operator, QStringLiteral(">="));
    EXPECT_EQ(conditions[1].Value, QVariant(100.5));
}

TEST(PvData, SplitsTheColumnFromItsComparison)
{
    const struct { const char* text; const char* column; const char* op; } cases[] = {
        {"startway like", "startway", "like"}, {"startway", "startway", "="},
        {" cnoteDate  >= ", "cnoteDate", ">="}, {"toName not like", "toName", "not like"},
    };
    for (const auto& c : cases) {
        const QVariantList values{QVariant(QVariantList{QVariant(), 1})};
        const QVariantList columns{QVariant(QVariantList{QVariant(), QString::fromUtf8(c.text)})};
        const auto data = PvData::FromVariant(QVariantList{QVariant(values), QVariant(columns)});
        ASSERT_TRUE(data.has_value()) << c.text;
        const PvData::Condition condition = data->ConditionAt(0, PvData::FindSlot);
        EXPECT_EQ(condition.Column, QString::fromUtf8(c.column)) << c.text;
        EXPECT_EQ(condition.Operator, QString::fromUtf8(c.op)) << c.text;
    }
}

TEST(PvData, NullMeansNoSearchAndOtherShapesAreRefused)
{
    EXPECT_TRUE(PvData::FromVariant(QVariant())->IsEmpty());
    EXPECT_TRUE(PvData::FromVariant(QVariant(QMetaType::fromType<QVariantList>()))->IsEmpty());
    EXPECT_FALSE(PvData().ToVariant().isValid());

    const QVariant line(QVariantList{1, 2});
    const QVariant shortLine(QVariantList{1});
    const QVariant bad[] = {
        QVariant(QStringLiteral("x")),
        QVariant(QVariantList{QVariant(QVariantList{line})}),                              // one plane
        QVariant(QVariantList{QVariant(QVariantList{line}), QVariant(QVariantList{})}),   // planes differ
        QVariant(QVariantList{QVariant(QVariantList{shortLine}), QVariant(QVariantList{shortLine})}),
        QVariant(QVariantList{QVariant(QVariantList{1}), QVariant(QVariantList{1})}),    // lines not lists
    };
    for (const QVariant& value : bad)
        EXPECT_FALSE(PvData::FromVariant(value).has_value());
}

TEST(PvData, OutOfRangeLinesReadAsNull)
{
    PvData data;
    data.AppendLine(PvData::FindSlot, QStringLiteral("a"), QString(), 1);
    EXPECT_TRUE(data.Value(1, PvData::FindSlot).isNull());
    EXPECT_TRUE(data.ColumnText(-1, PvData::FindSlot).isEmpty());
}
