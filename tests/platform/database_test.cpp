#include "TestDatabases.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DatabaseTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override
    {
        m_test = std::make_unique<TestDatabase>(GetParam());
        run("create table cnoteMx (id integer primary key, name varchar(50), d date, qty numeric(18,2))");
    }

    Database& db() { return m_test->db(); }

    void run(const QString& sql)
    {
        db().Execute(sql, 1).Run();
        ASSERT_TRUE(db().LastError().IsEmpty()) << sql.toStdString() << ": " << db().LastError().Message.toStdString();
    }

    QStringList column(const QString& sql)
    {
        QStringList values;
        DbRecordset rs = db().Execute(sql, 1).Recordset();
        EXPECT_TRUE(db().LastError().IsEmpty()) << sql.toStdString() << ": " << db().LastError().Message.toStdString();
        for (; !rs.Eof(); rs.MoveNext())
            values << rs.Field(0).toString();
        rs.Close();
        return values;
    }

    std::unique_ptr<TestDatabase> m_test;
};

TEST_P(DatabaseTest, RunsTheComponentDialect)
{
    run("insert into cnoteMx (id, name, d, qty) values (1, '北京-上海', #2026-1-5#, 2.5)");
    run("insert into CNOTEMX (id, name, d, qty) values (2, 'a#b''c', #2026-02-01#, 3)");
    run("insert into cnotemx (id, name, d, qty) values (3, '#2026-1-5#', #2025-12-31#, 0)");

    const struct {
        const char* sql;
        QStringList expected;
    } cases[] = {
        {"select id from cnoteMx where d=#2026-01-05#", {"1"}},
        {"select id from cnoteMx where d>=#2026-1-1# and d<=#2026-12-31# order by id", {"1", "2"}},
        {"select top 2 id from cnoteMx order by id desc", {"3", "2"}},
        {"select id from cnoteMx where id in (select top 1 id from cnotemx order by d) order by id", {"3"}},
        {"select left(name, 2) from cnoteMx where id=1", {"北京"}},
        {"select name from cnoteMx where name like '%#b%'", {"a#b'c"}},
        {"select name from cnoteMx where name='#2026-1-5#'", {"#2026-1-5#"}},
        {"select ID from CnoteMX where NAME='a#b''c'", {"2"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(column(QString::fromUtf8(c.sql)), c.expected) << c.sql;

    DbRecordset rs = db().Execute(QStringLiteral("select id as WaybillId, name from cnoteMx where id=2"), 1).Recordset();
    ASSERT_FALSE(rs.Eof());
    EXPECT_FALSE(rs.Bof());  // on the first row, as after opening any non-empty set
    EXPECT_EQ(rs.Field(QStringLiteral("waybillid")).toInt(), 2);
    EXPECT_EQ(rs.Field(QStringLiteral("NAME")).toString(), QStringLiteral("a#b'c"));
    EXPECT_TRUE(rs.Field(QStringLiteral("missing")).isNull());
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_TRUE(rs.Field(QStringLiteral("name")).isNull());

    const QVariant now = db().Execute(QStringLiteral("select ") + db().SqlFunction(QStringLiteral("getdate()")), 1).Value();
    EXPECT_TRUE(now.toDateTime().isValid() || QDateTime::fromString(now.toString(), QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid())
        << now.toString().toStdString();
    EXPECT_TRUE(db().Execute(QStringLiteral("select getdate()"), 1).Value().isValid());
    EXPECT_TRUE(db().Execute(QStringLiteral("select id from cnoteMx where id=99"), 1).Value().isNull());
    EXPECT_TRUE(db().LastError().IsEmpty());

    const QList<QVariantList> rows = db().Execute(QStringLiteral("select id, qty from cnoteMx order by id"), 1).Recordset().GetRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_DOUBLE_EQ(rows[0][1].toDouble(), 2.5);
}

TEST_P(DatabaseTest, FailuresStayInLastErrorUntilCleared)
{
    int affected = -1;
    EXPECT_FALSE(db().Execute(QStringLiteral("insert into nosuchtable values (1)"), 1).Run(&affected));
    EXPECT_EQ(affected, 0);
    const ErrorInfo error = db().LastError();
    EXPECT_FALSE(error.Message.isEmpty());
    EXPECT_EQ(error.Statement, QStringLiteral("insert into nosuchtable values (1)"));

    // A later success does not hide the failure.
    EXPECT_TRUE(db().Execute(QStringLiteral("insert into cnoteMx (id) values (7)"), 1).Run());
    EXPECT_EQ(db().LastError().Message, error.Message);
    db().ClearError();
    EXPECT_TRUE(db().LastError().IsEmpty());

    EXPECT_TRUE(db().Execute(QStringLiteral("select id from cnoteMx where d=#2026-13-01#"), 1).Value().isNull());
    EXPECT_TRUE(db().LastError().Message.contains(QStringLiteral("#2026-13-01#"))) << db().LastError().Message.toStdString();
    db().ClearError();
    DbRecordset rs = db().Execute(QStringLiteral("select nosuchcolumn from cnoteMx"), 1).Recordset();
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(db().LastError().IsEmpty());
}

TEST_P(DatabaseTest, TransactionsCommitAndRollBack)
{
    ASSERT_TRUE(db().BeginTrans());
    EXPECT_TRUE(db().InTransaction());
    EXPECT_FALSE(db().BeginTrans());
    db().ClearError();
    run("insert into cnoteMx (id, name) values (1, 'kept')");
    ASSERT_TRUE(db().CommitTrans());
    EXPECT_FALSE(db().InTransaction());

    ASSERT_TRUE(db().BeginTrans());
    run("insert into cnoteMx (id, name) values (2, 'lost')");
    run("update cnoteMx set name='changed' where id=1");
    ASSERT_TRUE(db().RollbackTrans());
    EXPECT_FALSE(db().InTransaction());
    EXPECT_EQ(column(QStringLiteral("select name from cnoteMx order by id")), QStringList{QStringLiteral("kept")});
    EXPECT_FALSE(db().RollbackTrans());
}

TEST_P(DatabaseTest, QuotedValuesRoundTripUnchanged)
{
    const QString values[] = {
        QStringLiteral("O'Brien"), QStringLiteral("'); drop table cnoteMx; --"), QStringLiteral("''"),
        QStringLiteral("#2026-1-5#"), QStringLiteral("张三'李四\"王五"), QStringLiteral("back\\slash'"),
    };
    int id = 0;
    for (const QString& v : values) {
        ++id;
        run(QStringLiteral("insert into cnoteMx (id, name) values (%1, %2)").arg(id).arg(db().Quote(v)));
        EXPECT_EQ(db().Execute(QStringLiteral("select name from cnoteMx where name=") + db().Quote(v), 1).Value().toString(), v);
    }
    EXPECT_EQ(db().Execute(QStringLiteral("select count(*) from cnoteMx"), 1).Value().toInt(), id);
}

TEST_P(DatabaseTest, OpensFromTheConfigurationFile)
{
    Database other;
    ASSERT_TRUE(other.Open(m_test->writeConfig(), true)) << other.LastError().Message.toStdString();
    EXPECT_TRUE(other.IsOpen());
    EXPECT_EQ(other.Properties(QStringLiteral("driver")).Value.toString(),
              GetParam() == TestEngine::Sqlite ? QStringLiteral("jet") : QStringLiteral("pgsql"));
    EXPECT_EQ(other.DateLiteral(QDate(2026, 1, 5)),
              GetParam() == TestEngine::Sqlite ? QStringLiteral("#2026-01-05#") : QStringLiteral("'2026-01-05'"));
    other.Close();
    EXPECT_FALSE(other.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Engines, DatabaseTest, ::testing::Values(TestEngine::Sqlite, TestEngine::Postgres),
                         [](const auto& info) { return std::string(EngineName(info.param)); });

TEST(DatabaseOpenTest, BadConfigurationsFailWithAMessage)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const char* text) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return f.fileName();
    };
    const struct {
        QString config;
        QString messagePart;
    } cases[] = {
        {dir.filePath(QStringLiteral("absent.Config")), QStringLiteral("配置文件不存在")},
        {write("broken.Config", "<configuration><database driver="), QStringLiteral("配置文件格式错误")},
        {write("nodb.Config", "<configuration><system/></configuration>"), QStringLiteral("/configuration/database")},
        {write("nofile.Config", "<configuration><database driver=\"jet\" file=\"missing.db\"/></configuration>"),
         QStringLiteral("数据库文件不存在")},
        {write("baddriver.Config", "<configuration><database driver=\"dbase\"/></configuration>"), QStringLiteral("dbase")},
        {write("badport.Config", "<configuration><database driver=\"pgsql\" port=\"x\" name=\"a\"/></configuration>"),
         QStringLiteral("port")},
        {write("noserver.Config",
               "<configuration><database driver=\"pgsql\" host=\"127.0.0.1\" port=\"1\" name=\"a\" user=\"u\"/></configuration>"),
         QStringLiteral("无法打开数据库")},
    };
    for (const auto& c : cases) {
        Database db;
        EXPECT_FALSE(db.Open(c.config, true)) << c.config.toStdString();
        EXPECT_FALSE(db.IsOpen());
        EXPECT_TRUE(db.LastError().Message.contains(c.messagePart))
            << c.config.toStdString() << ": " << db.LastError().Message.toStdString();
        EXPECT_FALSE(db.Execute(QStringLiteral("select 1"), 1).Run());
    }
}

}  // namespace
