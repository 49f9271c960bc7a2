#pragma once

#include "security/TextCipher.h"

#include <QDialog>
#include <QPixmap>

#include <array>

class AppSystem;
class LoginSession;
class clsConfig;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The login dialog: user name, password and operation date. Start-up constructs it and shows it
// modally (exec); afterwards LoginSession tells whether an operator logged in (LoggedIn) or the
// login was cancelled (empty UserName). On success the session values are in AppSystem::AppInfo
// and the user name (and, when allowed, the enciphered password) in the per-user settings.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    // The key of the remembered-password cipher.
    static constexpr const char* kCipherKey = "tmdr";
    // Per-user settings section of the login values (application = clsConfig::Caption).
    static constexpr const char* kSettingsSection = "main";

    frmLogin(clsConfig& config, AppSystem& system, LoginSession& session, QWidget* parent = nullptr);

    // The controls, for start-up and tests.
    QComboBox* CobUser() const { return m_cobUser; }
    // Index 2 is the password box, the only text box of the dialog; nullptr for other indexes.
    QLineEdit* Txt(int index) const { return index == 2 ? m_txtPassword : nullptr; }
    // 0 year, 1 month, 2 day of the operation date.
    QSpinBox* Spinner(int index) const { return m_spinner.at(index); }
    QCheckBox* chkRemberme() const { return m_chkRemberme; }
    QLabel* lblMess() const { return m_lblMess; }
    // 0 the shadow, 1 the title in front of it.
    QLabel* lblProductName_B(int index) const { return m_lblProductName_B.at(index); }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }
    // The background picture, null when none was configured or found.
    const QPixmap& Background() const { return m_background; }

    // Checks the entries and logs the operator in; the dialog closes only on success.
    void OK();
    // Leaves the login session without a user and closes the dialog.
    void Cancel();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QWidget* buildTitleArea();
    QWidget* buildDateRow();
    void loadData();
    void loadBackground();
    void loadRemember();
    void fillUsers();
    void login();
    void saveRecentUsers(const QString& user);
    bool passwordKey(QEvent* event);
    void noteError(const QString& message);

    QString userSetting(const QString& key, const QString& defaultValue = {}) const;
    void saveUserSetting(const QString& key, const QString& value) const;
    int settingNumber(int group, const QString& key);
    QString text(const QString& path, const QString& defaultText);

    clsConfig& m_config;
    AppSystem& m_system;
    LoginSession& m_session;
    TextCipher m_cipher{QString::fromLatin1(kCipherKey)};
    int m_userStyle = 0;
    int m_recentCount = 0;
    QString m_loadError;
    QPixmap m_background;

    QComboBox* m_cobUser = nullptr;
    QLineEdit* m_txtPassword = nullptr;
    std::array<QSpinBox*, 3> m_spinner{};
    QCheckBox* m_chkRemberme = nullptr;
    QLabel* m_lblMess = nullptr;
    std::array<QLabel*, 2> m_lblProductName_B{};
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
