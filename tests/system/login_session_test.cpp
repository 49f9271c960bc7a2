#include "OfficeFixture.h"
#include "schema/Operators.h"
#include "system/LoginSession.h"

namespace {

class LoginSessionTest : public OfficeTest {
protected:
    void SetUp() override
    {
        OfficeTest::SetUp();
        addUser(QStringLiteral("li'si"), QStringLiteral("p'w"));
        addUser(QStringLiteral("王五"), QString());
        addUser(QStringLiteral("gone"), QStringLiteral("gone"));
        run(QStringLiteral("update xt_user set inactive=1 where username='gone'"));
        ASSERT_TRUE(m_session.Init(&db()));
    }

    void addUser(const QString& name, const QString& password)
    {
        QString error;
        ASSERT_TRUE(Operators::Add(db(), name, password, false, &error)) << error.toStdString();
    }

    bool login(const QString& name, const QString& password)
    {
        m_session.SetUserName(name);
        return m_session.CheckPassword(password);
    }

    LoginSession m_session;
};

TEST_P(LoginSessionTest, CheckPasswordOfTheChosenUser)
{
    const struct {
        QString user;
        QString password;
        bool ok;
    } cases[] = {
        {QStringLiteral("admin"), QStringLiteral("secret"), true},
        {QStringLiteral("admin"), QStringLiteral("Secret"), false},
        {QStringLiteral("admin"), QString(), false},
        {QStringLiteral("li'si"), QStringLiteral("p'w"), true},
        {QStringLiteral("li'si"), QStringLiteral("x' or '1'='1"), false},
        {QStringLiteral("王五"), QString(), true},
        {QStringLiteral("王五"), QStringLiteral("x"), false},
        {QStringLiteral("gone"), QStringLiteral("gone"), false},
        {QStringLiteral("nobody"), QStringLiteral("secret"), false},
        {QStringLiteral("x' or '1'='1"), QStringLiteral("secret"), false},
        {QString(), QString(), false},
    };
    for (const auto& c : cases) {
        LoginSession session;
        ASSERT_TRUE(session.Init(&db()));
        session.SetUserName(c.user);
        EXPECT_EQ(session.CheckPassword(c.password), c.ok) << c.user.toStdString() << " / " << c.password.toStdString();
        EXPECT_EQ(session.LoggedIn(), c.ok);
        EXPECT_TRUE(session.LastError().IsEmpty()) << session.LastError().Message.toStdString();
        EXPECT_EQ(session.UserName(), c.user);  // a failed check keeps the name that was tried
        const QString id = value(QStringLiteral("select userid from xt_user where username=") + db().Quote(c.user)).toString();
        EXPECT_EQ(session.UserID(), c.ok ? id : QString());
    }
}

TEST_P(LoginSessionTest, DirectoryListsActiveUsersInOrder)
{
    run(QStringLiteral("update xt_user set sortorder=9 where username='admin'"));
    QStringList names;
    for (const LoginUser& user : m_session.Users())
        names << user.UserName;
    EXPECT_EQ(names, (QStringList{QStringLiteral("li'si"), QStringLiteral("王五"), QStringLiteral("admin")}));
}

TEST_P(LoginSessionTest, PasswordIsAMarkerAndChangeVerifiesTheOldOne)
{
    EXPECT_EQ(m_session.Password(QString()), QString());
    EXPECT_EQ(m_session.LastError().Message, QStringLiteral("用户没有登录"));
    EXPECT_FALSE(m_session.ChangePassword(QStringLiteral("secret"), QStringLiteral("new")));

    ASSERT_TRUE(login(QStringLiteral("admin"), QStringLiteral("secret")));
    EXPECT_EQ(m_session.Password(QString()), LoginSession::kStoredPasswordMarker);
    EXPECT_NE(m_session.Password(QString()), QStringLiteral("secret"));
    EXPECT_EQ(m_session.Password(QStringLiteral("王五")), QString());
    EXPECT_TRUE(m_session.VerifyPassword(QStringLiteral("secret")));
    EXPECT_FALSE(m_session.VerifyPassword(QStringLiteral("SECRET")));
    EXPECT_TRUE(m_session.LoggedIn());  // a wrong guess does not end the login

    EXPECT_FALSE(m_session.ChangePassword(QStringLiteral("wrong"), QStringLiteral("new")));
    EXPECT_EQ(m_session.LastError().Message, QStringLiteral("原密码不正确"));
    EXPECT_TRUE(m_session.ChangePassword(QStringLiteral("secret"), QStringLiteral("n'ew")));
    const QString stored = value(QStringLiteral("select pwdhash from xt_user where username='admin'")).toString();
    EXPECT_TRUE(stored.startsWith(QStringLiteral("$argon2id$"))) << stored.toStdString();
    EXPECT_FALSE(stored.contains(QStringLiteral("n'ew")));
    EXPECT_FALSE(login(QStringLiteral("admin"), QStringLiteral("secret")));
    EXPECT_TRUE(login(QStringLiteral("admin"), QStringLiteral("n'ew")));

    // Two empty new boxes, confirmed by the operator: the user has no password any more.
    EXPECT_TRUE(m_session.ChangePassword(QStringLiteral("n'ew"), QString()));
    EXPECT_EQ(m_session.Password(QString()), QString());
    EXPECT_TRUE(m_session.VerifyPassword(QString()));
    EXPECT_TRUE(login(QStringLiteral("admin"), QString()));
}

TEST_P(LoginSessionTest, SessionLastsWhileTheUserIsActive)
{
    EXPECT_FALSE(m_session.CheckSession());
    EXPECT_FALSE(m_session.BeginSession());
    ASSERT_TRUE(login(QStringLiteral("li'si"), QStringLiteral("p'w")));
    EXPECT_TRUE(m_session.BeginSession());
    EXPECT_TRUE(m_session.SessionStart().isValid());
    EXPECT_TRUE(m_session.CheckSession());

    run(QStringLiteral("update xt_user set inactive=1 where username='li''si'"));
    EXPECT_FALSE(m_session.CheckSession());
    EXPECT_EQ(m_session.LastError().Message, QStringLiteral("用户已被停用或删除"));
    EXPECT_FALSE(m_session.ChangePassword(QStringLiteral("p'w"), QStringLiteral("x")));

    m_session.Logout();
    EXPECT_FALSE(m_session.LoggedIn());
    EXPECT_EQ(m_session.UserName(), QString());
    EXPECT_EQ(m_session.UserID(), QString());
}

TEST_P(LoginSessionTest, ChoosingAnotherUserEndsTheLogin)
{
    ASSERT_TRUE(login(QStringLiteral("admin"), QStringLiteral("secret")));
    m_session.SetUserName(QStringLiteral("admin"));
    EXPECT_TRUE(m_session.LoggedIn());
    m_session.SetUserName(QStringLiteral("王五"));
    EXPECT_FALSE(m_session.LoggedIn());
    EXPECT_EQ(m_session.UserID(), QString());
    EXPECT_EQ(m_session.UserName(), QStringLiteral("王五"));
}

TEST(LoginSessionInitTest, NeedsAnOpenDatabase)
{
    LoginSession session;
    Database closed;
    EXPECT_FALSE(session.Init(&closed));
    session.SetUserName(QStringLiteral("admin"));
    EXPECT_FALSE(session.CheckPassword(QStringLiteral("secret")));
    EXPECT_FALSE(session.LastError().IsEmpty());
    EXPECT_TRUE(session.Users().isEmpty());
}

ORVEL_OFFICE_ENGINES(LoginSessionTest);

}  // namespace
