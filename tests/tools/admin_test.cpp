#include "TestDatabases.h"
#include "schema/DemoNotes.h"
#include "schema/OfficeDatabase.h"
#include "schema/StandardData.h"
#include "security/PasswordHash.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Result {
    int exitCode;
    QString out;
    QString err;
};

Result admin(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(ORVEL_ADMIN), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

class AdminTest : public ::testing::TestWithParam<TestEngine> {
protected:
    void SetUp() override { m_test = std::make_unique<TestDatabase>(GetParam()); }

    // The database options that point orvel-admin at the test database.
    QStringList where() const { return {QStringLiteral("--config"), m_test->writeConfig()}; }

    std::unique_ptr<TestDatabase> m_test;
};

TEST_P(AdminTest, InitDbCreatesAnOfficeAndRefusesToOverwriteIt)
{
    if (GetParam() == TestEngine::Sqlite)
        QFile::remove(m_test->settings().file);  // init-db creates the file itself
    Result r = admin(QStringList{QStringLiteral("init-db"), QStringLiteral("--demo-notes"), QStringLiteral("40"),
                                 QStringLiteral("--seed"), QStringLiteral("7")} + where());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    r = admin(QStringList{QStringLiteral("sql"), QStringLiteral("select count(*) as notes from cnote")} + where());
    EXPECT_EQ(r.out, QStringLiteral("notes\n40\n")) << r.err.toStdString();
    r = admin(QStringList{QStringLiteral("sql"),
                          QStringLiteral("select menuname, menucatalog from xt_menu where parent='' and menuismx=1 order by menuorder")} + where());
    EXPECT_EQ(r.out, QStringLiteral("menuname\tmenucatalog\n托运单\t100\n货物交接清单\t101\n应收款清单\t101\n营业报表\t101\n"
                                    "数据导入\t230\n数据上传\t230\n"));
    // Every note has 1 to 5 goods lines.
    r = admin(QStringList{QStringLiteral("sql"),
                          QStringLiteral("select count(*) from cnote where (select count(*) from cnoteMx m where m.cnoteNumber=cnote.cnoteNumber) "
                                         "not between 1 and 5")} + where());
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("\n0\n"))) << r.out.toStdString() << r.err.toStdString();

    r = admin(QStringList{QStringLiteral("init-db")} + where());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--force"))) << r.err.toStdString();
    r = admin(QStringList{QStringLiteral("init-db"), QStringLiteral("--force")} + where());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = admin(QStringList{QStringLiteral("sql"), QStringLiteral("select count(*) as notes from cnote")} + where());
    EXPECT_EQ(r.out, QStringLiteral("notes\n0\n"));
}

TEST_P(AdminTest, UserAndSqlCommandsReportFailures)
{
    if (GetParam() == TestEngine::Sqlite)
        QFile::remove(m_test->settings().file);
    ASSERT_EQ(admin(QStringList{QStringLiteral("init-db")} + where()).exitCode, 0);

    Result r = admin(QStringList{QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("王'五"),
                                 QStringLiteral("--password"), QStringLiteral("p'w")} + where());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = admin(QStringList{QStringLiteral("user"), QStringLiteral("add"), QStringLiteral("王'五"),
                          QStringLiteral("--password"), QStringLiteral("x")} + where());
    EXPECT_EQ(r.exitCode, 1);
    r = admin(QStringList{QStringLiteral("user"), QStringLiteral("passwd"), QStringLiteral("nobody"),
                          QStringLiteral("--password"), QStringLiteral("x")} + where());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nobody")));

    Database& db = m_test->db();
    db.OpenConnection(m_test->settings());
    const QString hash = db.Execute(QStringLiteral("select pwdhash from xt_user where username=") + db.Quote(QStringLiteral("王'五")), 1).Value().toString();
    EXPECT_TRUE(hash.startsWith(QStringLiteral("$argon2id$"))) << hash.toStdString();
    EXPECT_TRUE(PasswordHash::Verify(hash, QStringLiteral("p'w")));
    EXPECT_FALSE(PasswordHash::Verify(hash, QStringLiteral("p'W")));

    r = admin(QStringList{QStringLiteral("sql"), QStringLiteral("update cnote set comments='x' where cnoteID=-1")} + where());
    EXPECT_EQ(r.out, QStringLiteral("0 row(s) affected\n"));
    r = admin(QStringList{QStringLiteral("sql"), QStringLiteral("select * from cnote where cnoteDate=#2026-2-30#")} + where());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("#2026-2-30#")));
}

INSTANTIATE_TEST_SUITE_P(Engines, AdminTest, ::testing::Values(TestEngine::Sqlite, TestEngine::Postgres),
                         [](const auto& info) { return std::string(EngineName(info.param)); });

TEST(DemoNotesTest, TheSameSeedGivesTheSameNotes)
{
    auto digest = [](quint32 seed) {
        TestDatabase t(TestEngine::Sqlite);
        QString error;
        EXPECT_TRUE(OfficeDatabase::Create(t.db(), t.settings(), true, &error)) << error.toStdString();
        EXPECT_TRUE(DemoNotes::Generate(t.db(), 25, seed, QDate(2026, 12, 11), &error)) << error.toStdString();
        QStringList rows;
        DbRecordset rs = t.db().Execute(QStringLiteral("select cnoteNumber, fromName, hejiyunfee, cnoteDate from cnote order by cnoteID"), 1).Recordset();
        for (; !rs.Eof(); rs.MoveNext())
            rows << rs.Field(0).toString() + rs.Field(1).toString() + rs.Field(2).toString() + rs.Field(3).toString();
        return rows;
    };
    const QStringList first = digest(3);
    ASSERT_EQ(first.size(), 25);
    EXPECT_EQ(digest(3), first);
    EXPECT_NE(digest(4), first);
}

}  // namespace
