#include "CnoteSearch.h"

#include <gtest/gtest.h>

namespace {

struct Line {
    const char* column;
    const char* value;
};

PvData definition(std::initializer_list<Line> lines, PvData::Slot slot)
{
    PvData data;
    for (const Line& l : lines) {
        const QString column = QString::fromUtf8(l.column);
        const qsizetype space = column.indexOf(QLatin1Char(' '));
        data.AppendLine(slot, column.left(space), column.mid(space + 1), QString::fromUtf8(l.value));
    }
    return data;
}

TEST(CnoteSearchTest, BuildsTheConditionWithTheDelimitersOfColumnAndDriver)
{
    const struct {
        std::initializer_list<Line> lines;
        const char* driver;
        const char* expected;
    } cases[] = {
        {{{"fromName like", "华联"}}, "jet", " fromName like '%华联%' "},
        {{{"cnoteDate >=", "2026-03-01"}}, "jet", " cnoteDate >=#2026-03-01#"},
        {{{"cnoteDate >=", "2026-03-01"}}, "pgsql", " cnoteDate >='2026-03-01'"},
        {{{"fromName like", "华联"}, {"cnoteDate =", "2026-03-01"}}, "pgsql", " fromName like '%华联%'  and cnoteDate ='2026-03-01'"},
        {{{"fromName like", "  "}, {"endway =", "上海"}}, "pgsql", " endway ='上海'"},
        {{{"fromName like", ""}}, "jet", ""},
        // A quote in the value is doubled: it stays inside the literal.
        {{{"fromName like", "O'Neil"}}, "pgsql", " fromName like '%O''Neil%' "},
        {{{"endway =", "x' or '1'='1"}}, "pgsql", " endway ='x'' or ''1''=''1'"},
        // A "#" can never end a date literal early.
        {{{"cnoteDate =", "2026-03-01# or 1=1 or #2026"}}, "jet", " cnoteDate =#2026-03-01 or 1=1 or 2026#"},
    };
    for (const auto& c : cases) {
        for (PvData::Slot slot : {PvData::FindSlot, PvData::FilterSlot}) {
            EXPECT_EQ(CnoteSearch::BuildCondition(definition(c.lines, slot), slot, QString::fromUtf8(c.driver)), QString::fromUtf8(c.expected))
                << c.expected;
        }
    }
}

TEST(CnoteSearchTest, ReadsOnlyTheSlotOfTheOperation)
{
    const PvData data = definition({{"fromName like", "华联"}}, PvData::FilterSlot);
    EXPECT_EQ(CnoteSearch::BuildCondition(data, PvData::FindSlot, QStringLiteral("jet")), QString());
    EXPECT_EQ(CnoteSearch::BuildCondition(data, PvData::FilterSlot, QStringLiteral("jet")), QStringLiteral(" fromName like '%华联%' "));
}

}  // namespace
