#include "GuiApplication.h"
#include "TestDatabases.h"
#include "config/clsConfig.h"
#include "dialogs/ScriptedDialogs.h"
#include "log/LogService.h"
#include "log/Logger.h"
#include "login/frmLogin.h"
#include "OfficeDatabases.h"
#include "schema/Operators.h"
#include "security/TextCipher.h"
#include "settings/UserSettings.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QInputDevice>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kCaption = QStringLiteral("登录测试");

class LoginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The input-device registry is made before the application so that it outlives it: the
        // application deletes the devices of the test events at exit.
        QInputDevice::devices();
        GuiApplication();
        QString error;
        CreateOffice(db(), m_test.settings(), QStringLiteral("secret"));
        for (const char* name : {"a", "b", "c", "d"})
            ASSERT_TRUE(Operators::Add(db(), QString::fromLatin1(name), QStringLiteral("pw"), false, &error)) << error.toStdString();
        ASSERT_TRUE(m_system.Init(&db(), 0));
        ASSERT_TRUE(m_session.Init(&db()));
        writeConfig(QStringLiteral("<remerber>1</remerber>"));
        QFile::remove(UserSettings::FileName(kCaption));
        m_service.SetDialogs(&m_dialogs);
        Logger::Install(&m_logger);
    }
    void TearDown() override { Logger::Install(nullptr); }

    Database& db() { return m_test.db(); }

    void writeConfig(const QString& settings)
    {
        const QString path = m_dir.filePath(QStringLiteral("OrvelMain.exe.Config"));
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QStringLiteral("<configuration><system><caption>%1</caption><settings>%2</settings></system></configuration>")
                    .arg(kCaption, settings)
                    .toUtf8());
        f.close();
        ASSERT_TRUE(m_config.Init(path));
    }

    void setSetting(int group, const char* key, const QString& value)
    {
        db().Execute(QStringLiteral("delete from xt_settings where grp=%1 and skey='%2'").arg(group).arg(QLatin1String(key)), 1).Run();
        db().Execute(QStringLiteral("insert into xt_settings (grp, skey, svalue) values (%1, '%2', '%3')")
                         .arg(group)
                         .arg(QLatin1String(key), value),
                     1)
            .Run();
        ASSERT_TRUE(db().LastError().IsEmpty()) << db().LastError().Message.toStdString();
    }

    static QString stored(const QString& key) { return UserSettings::Get(kCaption, QStringLiteral("main"), key); }
    static void store(const QString& key, const QString& value) { UserSettings::Save(kCaption, QStringLiteral("main"), key, value); }

    std::unique_ptr<frmLogin> open() { return std::make_unique<frmLogin>(m_config, m_system, m_session); }

    static void enter(frmLogin& dialog, const QString& user, const QString& password)
    {
        dialog.CobUser()->setEditText(user);
        dialog.Txt(2)->setText(password);
    }

    static void setDate(frmLogin& dialog, int year, int month, int day)
    {
        dialog.Spinner(0)->setValue(year);
        dialog.Spinner(1)->setValue(month);
        dialog.Spinner(2)->setValue(day);
    }

    QStringList messages() const
    {
        QStringList texts;
        for (const DialogRequest& r : m_dialogs.Requests())
            texts << r.text;
        return texts;
    }

    QTemporaryDir m_dir;
    TestDatabase m_test{TestEngine::Sqlite};
    AppSystem m_system;
    LoginSession m_session;
    clsConfig m_config;
    ScriptedDialogs m_dialogs;
    LogService m_service;
    Logger m_logger{m_service, [] { return kCaption; }, [] { return QString(); }};
};

TEST_F(LoginTest, ControlsStartWithTodayAndTheirTexts)
{
    db().Execute(QStringLiteral("insert into xt_texts (section, tpath, ttext) values ('main', '/login/hint', '请使用工号登录')"), 1).Run();
    const auto dialog = open();
    const QDate today = QDate::currentDate();
    EXPECT_EQ(dialog->Spinner(0)->value(), today.year());
    EXPECT_EQ(dialog->Spinner(1)->value(), today.month());
    EXPECT_EQ(dialog->Spinner(2)->value(), today.day());
    EXPECT_EQ(dialog->cmdOK()->text(), QStringLiteral("确定(&D)"));
    EXPECT_EQ(dialog->cmdCancel()->text(), QStringLiteral("取消(&C)"));
    EXPECT_EQ(dialog->lblMess()->text(), QStringLiteral("请使用工号登录"));
    EXPECT_EQ(dialog->Txt(2)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dialog->Txt(2)->toolTip(), QStringLiteral("请输入当前用户密码"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(dialog->lblProductName_B(i)->text(), kCaption);
        EXPECT_TRUE(dialog->lblProductName_B(i)->isVisibleTo(dialog.get()));
    }
    EXPECT_TRUE(dialog->Background().isNull());
    EXPECT_TRUE(m_dialogs.Requests().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
}

TEST_F(LoginTest, MonthAndDaySpinnersWrapAndTheYearDoesNot)
{
    const auto dialog = open();
    QSpinBox* year = dialog->Spinner(0);
    QSpinBox* month = dialog->Spinner(1);
    QSpinBox* day = dialog->Spinner(2);
    month->setValue(12);
    month->stepUp();
    EXPECT_EQ(month->value(), 1);
    month->stepDown();
    EXPECT_EQ(month->value(), 12);
    const struct {
        QSpinBox* spinner;
        int set;
        int shown;
    } cases[] = {
        {month, 13, 1}, {month, 0, 12}, {month, 45, 1}, {month, 7, 7},
        {day, 32, 1},   {day, 0, 31},   {day, 31, 31},   {day, 15, 15},
        {year, 1899, 1899}, {year, 2199, 2199},
    };
    for (const auto& c : cases) {
        c.spinner->setValue(c.set);
        EXPECT_EQ(c.spinner->value(), c.shown) << c.set;
    }
}

TEST_F(LoginTest, ADayTheMonthDoesNotHaveIsRefusedAtOK)
{
    const auto dialog = open();
    enter(*dialog, QStringLiteral("admin"), QStringLiteral("secret"));
    const struct {
        int year, month, day;
        const char* message;
    } cases[] = {
        {2026, 2, 30, "操作日期2026-2-30不正确,请重新选择"},
        {2026, 4, 31, "操作日期2026-4-31不正确,请重新选择"},
        {2025, 2, 29, "操作日期2025-2-29不正确,请重新选择"},
    };
    for (const auto& c : cases) {
        m_dialogs.Clear();
        setDate(*dialog, c.year, c.month, c.day);
        dialog->OK();
        EXPECT_EQ(messages(), QStringList{QString::fromUtf8(c.message)});
        EXPECT_FALSE(m_session.LoggedIn());
    }
    setDate(*dialog, 2024, 2, 29);
    dialog->OK();
    EXPECT_TRUE(m_session.LoggedIn());
    EXPECT_EQ(m_system.AppInfo().OperationDate, QDate(2024, 2, 29));
}

TEST_F(LoginTest, AnEmptyUserIsRefused)
{
    const auto dialog = open();
    for (const QString& user : {QString(), QStringLiteral("   ")}) {
        m_dialogs.Clear();
        enter(*dialog, user, QStringLiteral("secret"));
        dialog->OK();
        EXPECT_EQ(messages(), QStringList{QStringLiteral("用户名不能为空，请重试!")});
        EXPECT_EQ(dialog->focusWidget(), dialog->CobUser());
        EXPECT_FALSE(m_session.LoggedIn());
    }
}

TEST_F(LoginTest, AWrongPasswordNamesTheUserAndKeepsTheDialog)
{
    const auto dialog = open();
    enter(*dialog, QStringLiteral(" admin "), QStringLiteral("wrong"));
    dialog->OK();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("无效的密码或者用户名admin ，请重试!")});
    EXPECT_EQ(m_dialogs.Requests().at(0).icon, DialogIcon::Warning);
    EXPECT_FALSE(m_session.LoggedIn());
    EXPECT_EQ(m_session.UserName(), QStringLiteral("admin"));
    EXPECT_EQ(dialog->focusWidget(), dialog->Txt(2));
    EXPECT_EQ(dialog->Txt(2)->selectedText(), QStringLiteral("wrong"));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(m_system.AppInfo().UserName.isEmpty());
    EXPECT_TRUE(stored(QStringLiteral("LogonUser")).isEmpty());
}

TEST_F(LoginTest, TheSessionsOwnFailureIsShownInstead)
{
    const auto dialog = open();
    db().Execute(QStringLiteral("drop table xt_user"), 1).Run();
    enter(*dialog, QStringLiteral("admin"), QStringLiteral("secret"));
    dialog->OK();
    ASSERT_EQ(m_dialogs.Requests().size(), 1);
    EXPECT_FALSE(messages().at(0).isEmpty());
    EXPECT_FALSE(messages().at(0).startsWith(QStringLiteral("无效的密码或者用户名")));
    EXPECT_FALSE(m_session.LoggedIn());
}

TEST_F(LoginTest, ARightPasswordWritesTheSessionValuesAndSettings)
{
    const auto dialog = open();
    enter(*dialog, QStringLiteral("admin "), QStringLiteral("secret"));
    setDate(*dialog, 2026, 3, 9);
    dialog->chkRemberme()->setChecked(true);
    dialog->OK();
    EXPECT_TRUE(m_dialogs.Requests().isEmpty()) << messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(m_session.LoggedIn());
    const AppInfoData& info = m_system.AppInfo();
    EXPECT_EQ(info.OperationDate, QDate(2026, 3, 9));
    EXPECT_EQ(info.UserName, QStringLiteral("admin"));
    EXPECT_FALSE(info.UserID.isEmpty());
    EXPECT_EQ(info.UserID, m_session.UserID());
    EXPECT_EQ(stored(QStringLiteral("LogonUser")), QStringLiteral("admin "));
    EXPECT_EQ(stored(QStringLiteral("remerber")), QStringLiteral("1"));
    const QString sealed = stored(QStringLiteral("remerberString"));
    EXPECT_FALSE(sealed.contains(QStringLiteral("secret")));
    EXPECT_EQ(TextCipher(QString::fromLatin1(frmLogin::kCipherKey)).Decipher(sealed), QStringLiteral("secret"));
}

TEST_F(LoginTest, AnUntickedRememberBoxStoresNoPassword)
{
    store(QStringLiteral("remerberString"), QStringLiteral("old"));
    const auto dialog = open();
    enter(*dialog, QStringLiteral("admin"), QStringLiteral("secret"));
    dialog->chkRemberme()->setChecked(false);
    dialog->OK();
    ASSERT_TRUE(m_session.LoggedIn());
    EXPECT_EQ(stored(QStringLiteral("remerber")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("remerberString")), QString());
}

TEST_F(LoginTest, TheRememberBoxFollowsTheConfigurationAndRestoresThePassword)
{
    store(QStringLiteral("remerber"), QStringLiteral("1"));
    store(QStringLiteral("remerberString"), TextCipher(QString::fromLatin1(frmLogin::kCipherKey)).Encipher(QStringLiteral("秘密1")));
    const struct {
        const char* settings;
        bool shown;
    } cases[] = {
        {"<remerber>1</remerber>", true},  {"<remerber> TRUE </remerber>", true}, {"<remerber>0</remerber>", false},
        {"<remerber>yes</remerber>", false}, {"<remerber></remerber>", false},     {"", false},
    };
    for (const auto& c : cases) {
        writeConfig(QString::fromUtf8(c.settings));
        const auto dialog = open();
        EXPECT_EQ(dialog->chkRemberme()->isVisibleTo(dialog.get()), c.shown) << c.settings;
        EXPECT_EQ(dialog->chkRemberme()->isChecked(), c.shown) << c.settings;
        EXPECT_EQ(dialog->Txt(2)->text(), c.shown ? QStringLiteral("秘密1") : QString()) << c.settings;
        if (c.shown)
            EXPECT_EQ(dialog->chkRemberme()->text(), QStringLiteral("保存密码"));
    }
    writeConfig(QStringLiteral("<remerber>1</remerber>"));
    store(QStringLiteral("remerber"), QStringLiteral("0"));
    const auto unticked = open();
    EXPECT_FALSE(unticked->chkRemberme()->isChecked());
    EXPECT_TRUE(unticked->Txt(2)->text().isEmpty());
}

TEST_F(LoginTest, TheUserBoxListsByTheConfiguredStyle)
{
    store(QStringLiteral("LogonUser1"), QStringLiteral("b"));
    store(QStringLiteral("LogonUser2"), QStringLiteral("c"));
    store(QStringLiteral("LogonUser4"), QStringLiteral("d"));
    QStringList directory;
    for (const LoginUser& user : m_session.Users())
        directory << user.UserName;
    ASSERT_EQ(directory.size(), 5);
    const struct {
        const char* style;
        QStringList listed;
    } cases[] = {
        {"1", {}},
        {"2", {QStringLiteral("b"), QStringLiteral("c")}},
        {"0", directory},
        {"", directory},
    };
    for (const auto& c : cases) {
        setSetting(12, "loginuserstyle", QString::fromLatin1(c.style));
        for (const QString& logonUser : {QString(), QStringLiteral("d")}) {
            if (logonUser.isEmpty())
                UserSettings::Delete(kCaption, QStringLiteral("main"), QStringLiteral("LogonUser"));
            else
                store(QStringLiteral("LogonUser"), logonUser);
            const auto dialog = open();
            QStringList listed;
            for (int i = 0; i < dialog->CobUser()->count(); ++i)
                listed << dialog->CobUser()->itemText(i);
            EXPECT_EQ(listed, c.listed) << c.style;
            EXPECT_TRUE(dialog->CobUser()->isEditable());
            EXPECT_EQ(dialog->CobUser()->currentText(), logonUser.isEmpty() ? c.listed.value(0) : logonUser) << c.style;
        }
    }
}

TEST_F(LoginTest, RecentUsersAreNewestFirstAndAtMostN)
{
    setSetting(38, "loginusercount", QStringLiteral("3"));
    const struct {
        const char* user;
        QStringList expected;
    } cases[] = {
        {"b", {QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")}},
        {"d", {QStringLiteral("d"), QStringLiteral("a"), QStringLiteral("b")}},
    };
    for (const auto& c : cases) {
        store(QStringLiteral("LogonUser1"), QStringLiteral("a"));
        store(QStringLiteral("LogonUser2"), QStringLiteral("b"));
        store(QStringLiteral("LogonUser3"), QStringLiteral("c"));
        const auto dialog = open();
        enter(*dialog, QString::fromLatin1(c.user), QStringLiteral("pw"));
        dialog->OK();
        ASSERT_TRUE(m_session.LoggedIn()) << messages().join(QLatin1Char('|')).toStdString();
        const QStringList saved = {stored(QStringLiteral("LogonUser1")), stored(QStringLiteral("LogonUser2")),
                                   stored(QStringLiteral("LogonUser3"))};
        EXPECT_EQ(saved, c.expected) << c.user;
        EXPECT_TRUE(stored(QStringLiteral("LogonUser4")).isEmpty());
    }
}

TEST_F(LoginTest, RecentUsersGrowFromNothingAndAreNotKeptInOtherStyles)
{
    setSetting(38, "loginusercount", QStringLiteral("3"));
    for (const char* user : {"a", "b", "a"}) {
        const auto dialog = open();
        enter(*dialog, QString::fromLatin1(user), QStringLiteral("pw"));
        dialog->OK();
    }
    EXPECT_EQ(stored(QStringLiteral("LogonUser1")), QStringLiteral("a"));
    EXPECT_EQ(stored(QStringLiteral("LogonUser2")), QStringLiteral("b"));
    EXPECT_TRUE(stored(QStringLiteral("LogonUser3")).isEmpty());

    setSetting(12, "loginuserstyle", QStringLiteral("1"));
    const auto dialog = open();
    enter(*dialog, QStringLiteral("c"), QStringLiteral("pw"));
    dialog->OK();
    ASSERT_TRUE(m_session.LoggedIn());
    EXPECT_EQ(stored(QStringLiteral("LogonUser")), QStringLiteral("c"));
    EXPECT_EQ(stored(QStringLiteral("LogonUser1")), QStringLiteral("a"));
}

TEST_F(LoginTest, EnterInThePasswordBoxRunsOKOnce)
{
    const auto dialog = open();
    dialog->show();
    enter(*dialog, QStringLiteral("admin"), QStringLiteral("wrong"));
    QTest::keyClick(dialog->Txt(2), Qt::Key_Return);
    EXPECT_EQ(messages(), QStringList{QStringLiteral("无效的密码或者用户名admin ，请重试!")});
    m_dialogs.Clear();
    QTest::keyClick(dialog->Txt(2), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(m_dialogs.Requests().size(), 1);

    dialog->Txt(2)->setText(QStringLiteral("secret"));
    QTest::keyClick(dialog->Txt(2), Qt::Key_Return);
    EXPECT_TRUE(m_session.LoggedIn());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(LoginTest, ThePasswordCannotBeCutCopiedOrPasted)
{
    const auto dialog = open();
    dialog->show();
    QLineEdit* password = dialog->Txt(2);
    password->setText(QStringLiteral("secret"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("pasted"));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}, {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_Delete, Qt::ShiftModifier},
    };
    for (const auto& k : keys) {
        password->selectAll();
        QTest::keyClick(password, k.key, k.modifiers);
        EXPECT_EQ(password->text(), QStringLiteral("secret")) << k.key;
        EXPECT_EQ(clipboard->text(), QStringLiteral("pasted")) << k.key;
    }
    QTest::mouseClick(password, Qt::MiddleButton);
    EXPECT_EQ(password->text(), QStringLiteral("secret"));
    EXPECT_EQ(password->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(password->acceptDrops());
    password->end(false);
    QTest::keyClicks(password, QStringLiteral("1"));
    EXPECT_EQ(password->text().size(), 7);  // ordinary typing still works
}

TEST_F(LoginTest, CancelLeavesTheSessionWithoutAUser)
{
    const auto dialog = open();
    m_session.SetUserName(QStringLiteral("admin"));
    dialog->Cancel();
    EXPECT_TRUE(m_session.UserName().isEmpty());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(m_session.LoggedIn());

    const auto escaped = open();
    escaped->show();
    m_session.SetUserName(QStringLiteral("admin"));
    QTest::keyClick(escaped.get(), Qt::Key_Escape);
    EXPECT_TRUE(m_session.UserName().isEmpty());
    EXPECT_FALSE(escaped->isVisible());
}

TEST_F(LoginTest, ShowingFocusesThePasswordWhenAUserIsKnown)
{
    store(QStringLiteral("LogonUser"), QStringLiteral("admin"));
    const auto known = open();
    known->show();
    EXPECT_EQ(known->focusWidget(), known->Txt(2));

    setSetting(12, "loginuserstyle", QStringLiteral("1"));
    UserSettings::Delete(kCaption, QStringLiteral("main"), QStringLiteral("LogonUser"));
    const auto unknown = open();
    unknown->show();
    EXPECT_EQ(unknown->focusWidget(), unknown->CobUser());
}

TEST_F(LoginTest, ABackgroundPictureReplacesTheTitle)
{
    const QString picture = m_dir.filePath(QStringLiteral("login.png"));
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(picture));
    m_config.SetBackground_Login(picture);
    const auto pictured = open();
    EXPECT_FALSE(pictured->Background().isNull());
    for (int i = 0; i < 2; ++i)
        EXPECT_FALSE(pictured->lblProductName_B(i)->isVisibleTo(pictured.get()));

    m_config.SetBackground_Login(m_dir.filePath(QStringLiteral("missing.png")));
    const auto missing = open();
    EXPECT_TRUE(missing->Background().isNull());
    EXPECT_TRUE(missing->lblProductName_B(1)->isVisibleTo(missing.get()));
    EXPECT_TRUE(m_dialogs.Requests().isEmpty());
}

}  // namespace
