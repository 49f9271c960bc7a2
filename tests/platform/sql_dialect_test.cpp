#include "database/SqlDialect.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* sql;
    SqlEngine engine;
    const char* expected;  // nullptr: the statement is refused
};

const Case kCases[] = {
    {"select * from cnote where d=#2026-1-5#", SqlEngine::Sqlite, "select * from cnote where d='2026-01-05'"},
    {"select * from cnote where d=#1/5/2026#", SqlEngine::Postgres, "select * from cnote where d='2026-01-05'"},
    {"select * from t where d>=#2026/12/31 8:05#", SqlEngine::SqlServer, "select * from t where d>='2026-12-31 08:05:00'"},
    {"select * from t where d=#2026-2-30#", SqlEngine::Sqlite, nullptr},
    {"select * from t where d=#abc#", SqlEngine::Sqlite, nullptr},
    {"select * from t where d=#1/5/26#", SqlEngine::Sqlite, nullptr},
    {"select * from t where d=#2026-1-5 25:00#", SqlEngine::Sqlite, nullptr},
    {"select * from t where d=##", SqlEngine::Sqlite, nullptr},
    {"select * from t where d between #2026-1-5 9:30:15# and # 2026-01-06 #", SqlEngine::Sqlite,
     "select * from t where d between '2026-01-05 09:30:15' and '2026-01-06'"},
    {"select * from t where d=#2026-01-05", SqlEngine::Sqlite, nullptr},
    {"select 'a#b#c', '#2026-1-5#' from t", SqlEngine::Sqlite, "select 'a#b#c', '#2026-1-5#' from t"},
    {"select 'it''s #x#' from t where a='left(b,1)'", SqlEngine::Sqlite, "select 'it''s #x#' from t where a='left(b,1)'"},
    {"select top 1 * from sysdatabase order by zt_code", SqlEngine::Sqlite,
     "select * from sysdatabase order by zt_code limit 1"},
    {"SELECT DISTINCT TOP 5 a FROM t;", SqlEngine::Postgres, "SELECT DISTINCT a FROM t limit 5"},
    {"select top 5 a from t", SqlEngine::SqlServer, "select top 5 a from t"},
    {"select a from t where a in (select top 2 b from u order by b) order by a", SqlEngine::Sqlite,
     "select a from t where a in (select b from u order by b limit 2) order by a"},
    {"select a from t where top=1", SqlEngine::Sqlite, "select a from t where top=1"},
    {"select left(parent,4) from xt_menu", SqlEngine::Sqlite, "select substr(parent, 1,4) from xt_menu"},
    {"select left(left(a,3), 2) from t", SqlEngine::Sqlite, "select substr(substr(a, 1,3), 1, 2) from t"},
    {"select left(parent,4) from xt_menu", SqlEngine::Postgres, "select left(parent,4) from xt_menu"},
    {"select a from t left join u on t.a=u.a", SqlEngine::Sqlite, "select a from t left join u on t.a=u.a"},
    {"select getdate()", SqlEngine::Sqlite, "select datetime('now','localtime')"},
    {"select GETDATE( )", SqlEngine::Postgres, "select localtimestamp(0)"},
    {"select getdate()", SqlEngine::SqlServer, "select getdate()"},
    {"select [WayBill No] from [cnoteMx]", SqlEngine::Postgres, "select \"waybill no\" from \"cnotemx\""},
    {"select [WayBill] from cnoteMx", SqlEngine::Sqlite, "select [WayBill] from cnoteMx"},
};

TEST(SqlDialectTest, TranslatesComponentTextForEachEngine)
{
    for (const Case& c : kCases) {
        QString error;
        const QString out = SqlDialect::Translate(QString::fromUtf8(c.sql), c.engine, &error);
        if (c.expected) {
            EXPECT_TRUE(error.isEmpty()) << c.sql << ": " << error.toStdString();
            EXPECT_EQ(out.toStdString(), c.expected) << c.sql;
        } else {
            EXPECT_FALSE(error.isEmpty()) << c.sql << " should be refused";
            EXPECT_TRUE(error.contains(QLatin1Char('#'))) << error.toStdString();
        }
    }
}

}  // namespace
