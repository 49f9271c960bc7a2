#include "system/LoginSession.h"

#include "database/Database.h"
#include "security/PasswordHash.h"
#include "system/DbAccess.h"

const QString LoginSession::kStoredPasswordMarker = QStringLiteral("\u0001stored-password");

LoginSession::LoginSession(QObject* parent) : QObject(parent) {}

LoginSession::~LoginSession() = default;

bool LoginSession::Init(Database* db)
{
    m_error = {};
    m_db = db && db->IsOpen() ? db : nullptr;
    m_access = m_db ? std::make_unique<DbAccess>(m_db) : nullptr;
    return requireDatabase();
}

QList<LoginUser> LoginSession::Users()
{
    m_error = {};
    QList<LoginUser> users;
    if (!requireDatabase())
        return users;
    bool ok = false;
    DbRecordset rs = m_access->Rows(
        QStringLiteral("select userid, username from xt_user where coalesce(inactive, 0)=0 order by sortorder, username"), &ok);
    if (!ok)
        fail(m_access->Error());
    for (; !rs.Eof(); rs.MoveNext())
        users.append({rs.Field(0).toString(), rs.Field(1).toString()});
    rs.Close();
    return users;
}

void LoginSession::SetUserName(const QString& name)
{
    if (name == m_userName)
        return;
    Logout();
    m_userName = name;
}

bool LoginSession::CheckPassword(const QString& password)
{
    m_error = {};
    const QString name = m_userName.trimmed();
    if (!requireDatabase() || name.isEmpty())
        return false;
    Account account;
    bool found = false;
    if (!loadAccount(QStringLiteral("username=") + m_access->Quote(name), &account, &found) || !found
        || !matches(account.hash, password))
        return false;
    m_userName = account.userName;
    m_userId = account.userId;
    m_loggedIn = true;
    return true;
}

bool LoginSession::VerifyPassword(const QString& password)
{
    m_error = {};
    Account account;
    return loadLoggedIn(&account) && matches(account.hash, password);
}

QString LoginSession::Password(const QString& user)
{
    m_error = {};
    Account account;
    bool found = false;
    if (user.trimmed().isEmpty()) {
        if (!loadLoggedIn(&account))
            return {};
    } else if (!requireDatabase() || !loadAccount(QStringLiteral("username=") + m_access->Quote(user.trimmed()), &account, &found)
               || !found) {
        return {};
    }
    return hasPassword(account.hash) ? kStoredPasswordMarker : QString();
}

bool LoginSession::ChangePassword(const QString& oldPassword, const QString& newPassword)
{
    m_error = {};
    Account account;
    if (!loadLoggedIn(&account))
        return false;
    if (!matches(account.hash, oldPassword)) {
        fail(QStringLiteral("原密码不正确"));
        return false;
    }
    const QString hash = newPassword.isEmpty() ? QString() : PasswordHash::Hash(newPassword);
    if (!newPassword.isEmpty() && hash.isEmpty()) {
        fail(QStringLiteral("无法计算密码摘要"));
        return false;
    }
    int affected = 0;
    if (!m_access->Run(QStringLiteral("update xt_user set pwdhash=%1 where userid=%2").arg(m_access->Quote(hash), m_access->Quote(m_userId)),
                       &affected)) {
        fail(m_access->Error());
        return false;
    }
    if (affected != 1) {
        fail(QStringLiteral("用户已被停用或删除"));
        return false;
    }
    return true;
}

bool LoginSession::CheckSession()
{
    m_error = {};
    Account account;
    return loadLoggedIn(&account);
}

bool LoginSession::BeginSession()
{
    if (!CheckSession())
        return false;
    m_sessionStart = QDateTime::currentDateTime();
    return true;
}

void LoginSession::Logout()
{
    m_userName.clear();
    m_userId.clear();
    m_loggedIn = false;
    m_sessionStart = {};
}

bool LoginSession::loadAccount(const QString& whereClause, Account* account, bool* found)
{
    bool ok = false;
    DbRecordset rs = m_access->Rows(
        QStringLiteral("select userid, username, pwdhash from xt_user where %1 and coalesce(inactive, 0)=0").arg(whereClause), &ok);
    if (!ok) {
        fail(m_access->Error());
        return false;
    }
    *found = !rs.Eof();
    if (*found)
        *account = {rs.Field(0).toString(), rs.Field(1).toString(), rs.Field(2).toString()};
    rs.Close();
    return true;
}

bool LoginSession::loadLoggedIn(Account* account)
{
    if (!m_loggedIn || !requireDatabase()) {
        if (m_error.IsEmpty())
            fail(QStringLiteral("用户没有登录"));
        return false;
    }
    bool found = false;
    if (!loadAccount(QStringLiteral("userid=") + m_access->Quote(m_userId), account, &found))
        return false;
    if (!found)
        fail(QStringLiteral("用户已被停用或删除"));
    return found;
}

bool LoginSession::requireDatabase()
{
    if (m_db)
        return true;
    fail(QStringLiteral("登录对象没有连接数据库"));
    return false;
}

void LoginSession::fail(const QString& message)
{
    m_error.Message = message;
}

bool LoginSession::hasPassword(const QString& hash)
{
    return !hash.isEmpty() && !PasswordHash::Verify(hash, QString());
}

bool LoginSession::matches(const QString& hash, const QString& password)
{
    return hash.isEmpty() ? password.isEmpty() : PasswordHash::Verify(hash, password);
}
