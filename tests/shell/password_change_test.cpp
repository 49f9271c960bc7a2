#include "GuiApplication.h"
#include "OfficeDatabases.h"
#include "TestDatabases.h"
#include "TestRunLog.h"
#include "dialogs/ScriptedDialogs.h"
#include "login/frmPass.h"
#include "schema/Operators.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class PasswordChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiApplication();
        CreateOffice(db(), m_test.settings(), QStringLiteral("secret"));
        QString error;
        ASSERT_TRUE(Operators::Add(db(), QStringLiteral("nopass"), QString(), false, &error)) << error.toStdString();
        ASSERT_TRUE(m_system.Init(&db(), 0));
        ASSERT_TRUE(m_session.Init(&db()));
        m_log = std::make_unique<TestRunLog>(m_dialogs, m_test.folder());
    }

    Database& db() { return m_test.db(); }

    std::unique_ptr<frmPass> open(const QString& user, const QString& password)
    {
        m_session.SetUserName(user);
        EXPECT_TRUE(m_session.CheckPassword(password));
        auto dialog = std::make_unique<frmPass>(m_system, m_session);
        dialog->Py_Init(7, QStringLiteral("修改密码"));
        return dialog;
    }
    // The password check a new login would make.
    bool logsIn(const QString& user, const QString& password)
    {
        LoginSession fresh;
        fresh.Init(&db());
        fresh.SetUserName(user);
        return fresh.CheckPassword(password);
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const DialogRequest& r : m_dialogs.Requests())
            texts << r.text;
        return texts;
    }
    QString log() const { return m_log->Text(); }

    TestDatabase m_test{TestEngine::Sqlite};
    AppSystem m_system;
    LoginSession m_session;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TestRunLog> m_log;
};

TEST_F(PasswordChangeTest, OnlyTheRightOldPasswordOpensTheNewBoxesAndTheChangeTakesEffect)
{
    auto dialog = open(QStringLiteral("admin"), QStringLiteral("secret"));
    EXPECT_EQ(dialog->User()->text(), QStringLiteral("admin"));
    EXPECT_FALSE(dialog->User()->isEnabled());
    EXPECT_FALSE(dialog->Hint()->isEnabled());
    EXPECT_TRUE(dialog->OldPassword()->isEnabled());
    EXPECT_FALSE(dialog->NewPassword()->isEnabled());

    dialog->OldPassword()->setText(QStringLiteral("wrong"));
    dialog->CheckOldPassword();
    EXPECT_FALSE(dialog->NewPassword()->isEnabled());
    EXPECT_FALSE(dialog->NewPasswordAgain()->isEnabled());
    dialog->CmdOK()->click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("请先输入原先的旧密码后继续..")});

    dialog->OldPassword()->setText(QStringLiteral("secret"));
    dialog->CheckOldPassword();
    EXPECT_TRUE(dialog->NewPassword()->isEnabled());
    // A confirmation that differs only in letter case is another password.
    dialog->NewPassword()->setText(QStringLiteral("Neu-Pass"));
    dialog->NewPasswordAgain()->setText(QStringLiteral("neu-pass"));
    dialog->CmdOK()->click();
    EXPECT_EQ(messages().last(), QStringLiteral("密码两次输入不一致，请重输！"));
    EXPECT_TRUE(logsIn(QStringLiteral("admin"), QStringLiteral("secret")));

    dialog->NewPasswordAgain()->setText(QStringLiteral("Neu-Pass"));
    dialog->show();
    dialog->CmdOK()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(messages().last(), QStringLiteral("祝贺你，修改密码成功！"));
    EXPECT_TRUE(logsIn(QStringLiteral("admin"), QStringLiteral("Neu-Pass")));
    EXPECT_FALSE(logsIn(QStringLiteral("admin"), QStringLiteral("secret")));
    EXPECT_TRUE(log().contains(QStringLiteral("修改当用户密码")));
    EXPECT_TRUE(log().contains(QStringLiteral("退出[修改密码]")));
}

TEST_F(PasswordChangeTest, AnOperatorWithoutAPasswordMayKeepNoneAfterConfirming)
{
    auto dialog = open(QStringLiteral("nopass"), QString());
    EXPECT_FALSE(dialog->OldPassword()->isEnabled());
    EXPECT_TRUE(dialog->NewPassword()->isEnabled());

    m_dialogs.Answer(DialogAnswer::No);
    dialog->CmdOK()->click();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("新密码为空，是否继续？")});
    EXPECT_NE(dialog->result(), QDialog::Accepted);

    m_dialogs.Answer(DialogAnswer::Yes);
    dialog->show();
    dialog->CmdOK()->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(logsIn(QStringLiteral("nopass"), QString()));

    // Then a first password.
    auto again = open(QStringLiteral("nopass"), QString());
    again->NewPassword()->setText(QStringLiteral("erst"));
    again->NewPasswordAgain()->setText(QStringLiteral("erst"));
    again->show();
    again->CmdOK()->click();
    EXPECT_EQ(again->result(), QDialog::Accepted);
    EXPECT_TRUE(logsIn(QStringLiteral("nopass"), QStringLiteral("erst")));
    EXPECT_FALSE(logsIn(QStringLiteral("nopass"), QString()));
}

// A disabled operator's old password no longer verifies: the save stops at the first check.
TEST_F(PasswordChangeTest, AnOperatorDisabledMeanwhileCannotChangeThePassword)
{
    auto dialog = open(QStringLiteral("admin"), QStringLiteral("secret"));
    dialog->OldPassword()->setText(QStringLiteral("secret"));
    dialog->NewPassword()->setText(QStringLiteral("x1"));
    dialog->NewPasswordAgain()->setText(QStringLiteral("x1"));
    db().Execute(QStringLiteral("update xt_user set inactive=1 where username='admin'"), 1).Run();
    dialog->CmdOK()->click();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("请先输入原先的旧密码后继续..")});
    db().Execute(QStringLiteral("update xt_user set inactive=0 where username='admin'"), 1).Run();
    EXPECT_TRUE(logsIn(QStringLiteral("admin"), QStringLiteral("secret")));
}

}  // namespace
