#include "system/SqlTemplate.h"

#include "database/Database.h"

#include <gtest/gtest.h>

namespace {

TEST(SqlTemplateTest, TypedTextStaysOneValue)
{
    const Database db;  // quoting only
    const struct {
        const char* sql;
        const char* typed;
        const char* expected;
    } cases[] = {
        {"Select startway,'' From cnote  where startway='@'", "北京", "Select startway,'' From cnote  where startway='北京'"},
        {"where a='@'", "x' or '1'='1", "where a='x'' or ''1''=''1'"},
        {"where a=@", "O'Hare", "where a='O''Hare'"},
        {"where a like '%@%' and b=@", "k", "where a like '%k%' and b='k'"},
        {"where a='it''s @'", "q'", "where a='it''s q'''"},
        {"where a='@' or b='@'", "a@b", "where a='a@b' or b='a@b'"},
        {"select 1", "x", "select 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SqlTemplate::FillTypedText(QString::fromUtf8(c.sql), QString::fromUtf8(c.typed), db), QString::fromUtf8(c.expected))
            << c.sql;
}

}  // namespace
