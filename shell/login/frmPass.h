#pragma once

#include <QDialog>
#include <QTimer>

class AppSystem;
class LoginSession;
class QLabel;
class QLineEdit;
class QPushButton;

// The password change of the logged-in operator. The old password is checked as it is typed:
// only the right one (or none, for an operator without a password) opens the new-password boxes.
// The change itself is LoginSession::ChangePassword.
class frmPass : public QDialog {
    Q_OBJECT
public:
    frmPass(AppSystem& system, LoginSession& session, QWidget* parent = nullptr);

    // The function code and menu name of the exit record; 0 and empty unless called.
    void Py_Init(int functionCode, const QString& menuName);

    // Enables the new-password boxes when the typed old password is right.
    void CheckOldPassword();
    // The save button: checks, changes the password and closes on success.
    void Save();

    QLineEdit* User() const { return m_user; }
    QLineEdit* OldPassword() const { return m_old; }
    QLineEdit* Hint() const { return m_hint; }
    QLineEdit* NewPassword() const { return m_new; }
    QLineEdit* NewPasswordAgain() const { return m_again; }
    QPushButton* CmdOK() const { return m_ok; }
    QPushButton* CmdClose() const { return m_close; }
    QLabel* Lbl(int index) const { return index == 0 ? m_lblHint : m_lblTitle; }

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void applyTexts();
    void setNewBoxesEnabled(bool enabled);
    QString text(const QString& path, const QString& current) const;

    AppSystem& m_system;
    LoginSession& m_session;
    int m_functionCode = 0;
    QString m_menuName;
    bool m_hasPassword = false;
    QTimer m_checkDelay;
    QLabel* m_lblHint = nullptr;
    QLabel* m_lblTitle = nullptr;
    QLabel* m_labels[5] = {};
    QLineEdit* m_user = nullptr;
    QLineEdit* m_old = nullptr;
    QLineEdit* m_hint = nullptr;
    QLineEdit* m_new = nullptr;
    QLineEdit* m_again = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_close = nullptr;
};
