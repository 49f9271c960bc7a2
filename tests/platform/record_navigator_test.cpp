#include "TestDatabases.h"
#include "navigation/RecordNavigator.h"
#include "navigation/ValueReader.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

class RecordNavigatorTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override
    {
        m_test = std::make_unique<TestDatabase>(GetParam());
        Database& db = m_test->db();
        db.Execute(QStringLiteral("create table cnote (cnoteID integer primary key, progid integer, cnoteNumber varchar(30))"), 1).Run();
        for (const auto& [id, prog] : {std::pair{3, 1}, {5, 1}, {9, 1}, {7, 2}})
            db.Execute(QStringLiteral("insert into cnote values (%1, %2, 'N%1')").arg(id).arg(prog), 1).Run();
        ASSERT_TRUE(db.LastError().IsEmpty()) << db.LastError().Message.toStdString();
        m_nav.Bind(&db);
    }

    std::unique_ptr<TestDatabase> m_test;
    RecordNavigator m_nav;
    const QString m_select = QStringLiteral(" SELECT * from cnote ");
};

TEST_P(RecordNavigatorTest, MovesOverTheRecordsOfTheCondition)
{
    const struct {
        int mode;
        qint64 current;
        int expectedId;
        const char* position;
    } cases[] = {
        {0, 0, 3, "1/3"}, {3, 0, 9, "3/3"}, {2, 3, 5, "2/3"}, {2, 9, 9, "3/3"}, {1, 5, 3, "1/3"},
        {1, 3, 3, "1/3"}, {2, 0, 3, "1/3"}, {1, 7, 5, "2/3"},
    };
    for (const auto& c : cases) {
        QString position;
        DbRecordset rs;
        const QVariant result = m_nav.Move(&position, &rs, m_select, QStringLiteral("progid=1"), c.mode, c.current, QStringLiteral("cnoteID"), 1);
        ASSERT_FALSE(result.isNull()) << c.mode << "," << c.current;
        EXPECT_EQ(result.toString(), QString());
        ASSERT_FALSE(rs.Eof());
        EXPECT_EQ(rs.Field(QStringLiteral("cnoteid")).toInt(), c.expectedId) << c.mode << "," << c.current;
        EXPECT_EQ(position, QString::fromLatin1(c.position)) << c.mode << "," << c.current;
    }

    QString position;
    DbRecordset rs;
    EXPECT_TRUE(m_nav.Move(&position, &rs, m_select, QStringLiteral("progid=99"), 0, 0, QStringLiteral("cnoteID")).isNull());
    EXPECT_TRUE(position.isEmpty());
    const QVariant failed = m_nav.Move(&position, &rs, m_select, QStringLiteral("progid=1 AND nosuch=1"), 0, 0, QStringLiteral("cnoteID"));
    EXPECT_FALSE(failed.toString().isEmpty());
    EXPECT_TRUE(m_test->db().LastError().IsEmpty());
}

TEST_P(RecordNavigatorTest, FindsAndAllocatesIds)
{
    QString position;
    DbRecordset rs;
    ASSERT_EQ(m_nav.Find(&position, &rs, m_select, QStringLiteral("progid=1"), QStringLiteral(" cnoteNumber like '%9%' "), QStringLiteral("cnoteID")),
              QVariant(QString()));
    EXPECT_EQ(rs.Field(QStringLiteral("cnoteNumber")).toString(), QStringLiteral("N9"));
    EXPECT_EQ(position, QStringLiteral("3/3"));
    EXPECT_TRUE(m_nav.Find(&position, &rs, m_select, QStringLiteral("progid=1"), QStringLiteral("cnoteID=7"), QStringLiteral("cnoteID")).isNull());
    ASSERT_EQ(m_nav.Find(&position, &rs, m_select, QStringLiteral("progid=1"), QString(), QStringLiteral("cnoteID")), QVariant(QString()));
    EXPECT_EQ(rs.Field(QStringLiteral("cnoteID")).toInt(), 3);

    qint64 id = 0;
    EXPECT_EQ(m_nav.NewID(QStringLiteral("cnote"), QStringLiteral("cnoteID"), &id), QString());
    EXPECT_EQ(id, 10);
    m_test->db().Execute(QStringLiteral("delete from cnote"), 1).Run();
    EXPECT_EQ(m_nav.NewID(QStringLiteral("cnote"), QStringLiteral("cnoteID"), &id), QString());
    EXPECT_EQ(id, 1);
    EXPECT_FALSE(m_nav.NewID(QStringLiteral("nosuch"), QStringLiteral("cnoteID"), &id).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordNavigatorTest, ::testing::Values(TestEngine::Sqlite, TestEngine::Postgres),
                         [](const auto& info) { return std::string(EngineName(info.param)); });

TEST(ValueReaderTest, NullSafeConversions)
{
    EXPECT_EQ(ValueReader::ToText(QVariant()), QString());
    EXPECT_EQ(ValueReader::ToText(12), QStringLiteral("12"));
    EXPECT_EQ(ValueReader::ToLong(QVariant()), 0);
    EXPECT_EQ(ValueReader::ToLong(QStringLiteral("12.0")), 12);
    EXPECT_EQ(ValueReader::ToLong(QStringLiteral("abc")), 0);
    EXPECT_DOUBLE_EQ(ValueReader::ToDouble(QStringLiteral(" 2.5 ")), 2.5);
    EXPECT_DOUBLE_EQ(ValueReader::ToDouble(QVariant()), 0.0);
    EXPECT_EQ(ValueReader::ToDate(QDate(2026, 1, 5)), QStringLiteral("2026-01-05"));
    EXPECT_EQ(ValueReader::ToDate(QStringLiteral("2026-01-05")), QStringLiteral("2026-01-05"));
    EXPECT_EQ(ValueReader::ToDate(QStringLiteral("2026-01-05 10:00:00")), QStringLiteral("2026-01-05"));
    EXPECT_EQ(ValueReader::ToDate(QStringLiteral("")), QString());
    EXPECT_EQ(ValueReader::ToDate(QVariant()), QString());
}

}  // namespace
