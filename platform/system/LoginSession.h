#pragma once

#include "PlatformExport.h"
#include "database/ErrorInfo.h"
#include "system/LoginUser.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class Database;
class DbAccess;

// The operator's login on the office database (xt_user). Passwords are kept only as Argon2id
// hashes; an empty hash, or the hash of the empty text, is a user without a password.
class ORVEL_PLATFORM_EXPORT LoginSession : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kProgId = "zuZiduDarereDadoda.LoginSession";
    // What Password answers for a user who has a password. No typed text equals it (it begins
    // with U+0001), so a dialog that compares a typed password with it never takes the clear
    // text for granted; the typed text is checked with VerifyPassword.
    static const QString kStoredPasswordMarker;

    explicit LoginSession(QObject* parent = nullptr);
    ~LoginSession() override;

    // The office database the users are read from; false when it is not open.
    bool Init(Database* db);
    const ErrorInfo& LastError() const { return m_error; }

    // The active operators in directory order (sortorder, then name).
    QList<LoginUser> Users();

    QString UserName() const { return m_userName; }
    // Chooses the user to log in; ends the login of a different user.
    void SetUserName(const QString& name);
    QString UserID() const { return m_userId; }
    bool LoggedIn() const { return m_loggedIn; }

    // Checks the password of the chosen user; true logs the user in. A wrong password, an unknown
    // or inactive user answer false with an empty LastError, so that the caller's own message
    // does not tell them apart; a database failure answers false with its message.
    bool CheckPassword(const QString& password);
    // Whether the typed text is the logged-in user's password, without changing the login.
    bool VerifyPassword(const QString& password);
    // user empty = the logged-in user: the empty text when the user has no password,
    // kStoredPasswordMarker when there is one. Never the password or its hash.
    QString Password(const QString& user);
    // Replaces the logged-in user's password; the old one must verify. An empty new password
    // leaves the user without a password.
    bool ChangePassword(const QString& oldPassword, const QString& newPassword);

    // True while the logged-in user still exists and is active.
    bool CheckSession();
    // Starts the working session of the logged-in user.
    bool BeginSession();
    QDateTime SessionStart() const { return m_sessionStart; }
    void Logout();

private:
    struct Account {
        QString userId;
        QString userName;
        QString hash;
    };
    // False on a database failure; *found false for an unknown or inactive user.
    bool loadAccount(const QString& whereClause, Account* account, bool* found);
    bool loadLoggedIn(Account* account);
    bool requireDatabase();
    void fail(const QString& message);
    static bool hasPassword(const QString& hash);
    static bool matches(const QString& hash, const QString& password);

    Database* m_db = nullptr;
    std::unique_ptr<DbAccess> m_access;
    ErrorInfo m_error;
    QString m_userName;
    QString m_userId;
    bool m_loggedIn = false;
    QDateTime m_sessionStart;
};
