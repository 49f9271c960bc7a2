#include "OfficeFixture.h"

#include <QDate>

namespace {

using AppSystemTest = OfficeTest;

TEST(AppSystemInitTest, RefusesADatabaseThatIsNotAnOffice)
{
    AppSystem system;
    EXPECT_EQ(system.Setting(12, QStringLiteral("menubm")).Value, QString());
    EXPECT_EQ(system.LastError().Message, QStringLiteral("系统对象没有初始化"));
    EXPECT_EQ(system.Text(QStringLiteral("main"), QStringLiteral("/login/cmdok"), QStringLiteral("确定(&D)")), QStringLiteral("确定(&D)"));

    EXPECT_FALSE(system.Init(nullptr, 0));
    EXPECT_FALSE(system.LastError().IsEmpty());
    Database closed;
    EXPECT_FALSE(system.Init(&closed, 0));
    EXPECT_EQ(system.Database(), nullptr);

    TestDatabase empty(TestEngine::Sqlite);
    EXPECT_FALSE(system.Init(&empty.db(), 0));
    EXPECT_TRUE(system.LastError().Message.contains(QStringLiteral("xt_settings"))) << system.LastError().Message.toStdString();
    EXPECT_TRUE(empty.db().LastError().IsEmpty());
}

TEST_P(AppSystemTest, SettingsReadTheirGroupAndAreEmptyWhenAbsent)
{
    run(QStringLiteral("insert into xt_settings (grp, skey, svalue) values (12, 'o''k', 'a''b')"));
    const QString period = QStringLiteral("%1年%2月").arg(QDate::currentDate().year()).arg(QDate::currentDate().month());
    const struct {
        bool system;
        int group;
        QString key;
        QString expected;
    } cases[] = {
        {false, 12, QStringLiteral("loginuserstyle"), QStringLiteral("2")},
        {false, 38, QStringLiteral("loginusercount"), QStringLiteral("5")},
        {false, 12, QStringLiteral("menubm"), QStringLiteral("22222")},
        {false, 38, QStringLiteral("menubm"), QString()},
        {false, 12, QStringLiteral("missing"), QString()},
        {false, 12, QStringLiteral("o'k"), QStringLiteral("a'b")},
        {false, 12, QStringLiteral("x' or '1'='1"), QString()},
        {true, 12, QStringLiteral("mouseeventscrollrate"), QStringLiteral("5")},
        {true, 12, QStringLiteral("1"), period},
        {true, 13, QStringLiteral("1"), QString()},
    };
    for (const auto& c : cases) {
        const SettingRecord r = c.system ? m_system.SystemSetting(c.group, c.key) : m_system.Setting(c.group, c.key);
        EXPECT_EQ(r.Value, c.expected) << c.group << " " << c.key.toStdString();
        EXPECT_TRUE(m_system.LastError().IsEmpty()) << m_system.LastError().Message.toStdString();
    }
    EXPECT_EQ(m_system.Setting(12, 8).Value, QStringLiteral("2"));
    EXPECT_EQ(m_system.SystemSetting(12, 1).Value, period);
}

TEST_P(AppSystemTest, PeriodOfTheSystemCode)
{
    const QDate today = QDate::currentDate();
    EXPECT_EQ(m_system.SystemCode(12), QStringLiteral("YS"));
    EXPECT_EQ(m_system.Period(m_system.SystemCode(12), 0).Value, today.year() * 100 + today.month());
    EXPECT_EQ(m_system.Period(QStringLiteral("none"), 0).Value, 0);
    EXPECT_TRUE(m_system.LastError().IsEmpty());
    EXPECT_EQ(m_system.Period(QStringLiteral("YS"), 3).Value, 0);
    EXPECT_FALSE(m_system.LastError().IsEmpty());
}

TEST_P(AppSystemTest, RightsAreThoseOfTheLoggedInOperator)
{
    const QString admin = value(QStringLiteral("select userid from xt_user where username='admin'")).toString();
    run(QStringLiteral("update xt_rights set allowed=0 where progid=%1").arg(StandardData::kHandoverReport));
    EXPECT_FALSE(m_system.Rights(StandardData::kNoteProgram).Allowed(1));  // nobody logged in

    const struct {
        QString user;
        int program;
        int right;
        bool allowed;
    } cases[] = {
        {admin, StandardData::kNoteProgram, 1, true},
        {admin, StandardData::kImportAddin, 1, true},
        {admin, StandardData::kAddinManager, 1, true},
        {admin, StandardData::kNoteProgram, 2, false},
        {admin, StandardData::kHandoverReport, 1, false},
        {admin, 999, 1, false},
        {QStringLiteral("x' or '1'='1"), StandardData::kNoteProgram, 1, false},
    };
    for (const auto& c : cases) {
        m_system.AppInfo().UserID = c.user;
        EXPECT_EQ(m_system.Rights(c.program).Allowed(c.right), c.allowed) << c.user.toStdString() << " " << c.program;
        EXPECT_TRUE(m_system.LastError().IsEmpty()) << m_system.LastError().Message.toStdString();
    }
}

TEST_P(AppSystemTest, TextsReplaceTheDefault)
{
    run(QStringLiteral("insert into xt_texts (section, tpath, ttext) values ('main', '/login/cmdok', '登录(&L)')"));
    run(QStringLiteral("insert into xt_texts (section, tpath, ttext) values ('main', '/o''k', 'it''s')"));
    run(QStringLiteral("insert into xt_texts (section, tpath, ttext) values ('main', '/login/hint', '')"));
    const struct {
        QString section;
        QString path;
        QString expected;
    } cases[] = {
        {QStringLiteral("main"), QStringLiteral("/login/cmdok"), QStringLiteral("登录(&L)")},
        {QStringLiteral("main"), QStringLiteral("/login/cmdcancel"), QStringLiteral("default")},
        {QStringLiteral("other"), QStringLiteral("/login/cmdok"), QStringLiteral("default")},
        {QStringLiteral("main"), QStringLiteral("/o'k"), QStringLiteral("it's")},
        {QStringLiteral("main"), QStringLiteral("/login/hint"), QString()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(m_system.Text(c.section, c.path, QStringLiteral("default")), c.expected) << c.path.toStdString();
}

TEST_P(AppSystemTest, PickersNameTheirComponent)
{
    const PickerEntry shipper = m_system.Pickers(QStringLiteral("selFrom"));
    EXPECT_EQ(shipper.Name, QStringLiteral("selFrom"));
    EXPECT_EQ(shipper.ClassName, QStringLiteral("CNOTE.sel_From"));
    EXPECT_TRUE(m_system.Pickers(QStringLiteral("nothing")).ClassName.isEmpty());
}

TEST_P(AppSystemTest, CodeHelpListsAndLookupResolves)
{
    run(QStringLiteral("insert into cnote (cnoteID, cnoteNumber, startway, endway) values (1, 'A1', '北京', '上海')"));
    run(QStringLiteral("insert into cnote (cnoteID, cnoteNumber, startway, endway) values (2, 'A2', 'O''Hare', '广州')"));
    run(QStringLiteral("insert into cnote (cnoteID, cnoteNumber, startway, endway) values (3, 'A3', '北京', '天津')"));

    int shown = 0;
    QObject::connect(&m_system, &AppSystem::codeHelpRequested, [&](const CodeHelpList& list, int a, int, int c) {
        ++shown;
        EXPECT_EQ(list.HelpCode, QStringLiteral("gy_cnote_fz"));
        EXPECT_EQ(a, 7);
        EXPECT_EQ(c, 9);
    });
    const CodeHelpList list = m_system.CodeHelp(QStringLiteral("gy_cnote_fz"), 7, 8, 9, true);
    EXPECT_TRUE(list.Found);
    EXPECT_EQ(list.Title, QStringLiteral("发站"));
    QStringList codes;
    for (const CodeHelpItem& item : list.Items)
        codes << item.Code + QLatin1Char('=') + item.Name;
    codes.sort();
    EXPECT_EQ(codes, (QStringList{QStringLiteral("O'Hare=O'Hare"), QStringLiteral("北京=北京")}));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(m_system.CodeHelp(QStringLiteral("gy_cnote_dz"), 0, 0, 0, false).Found);
    EXPECT_FALSE(m_system.CodeHelp(QStringLiteral("unknown"), 0, 0, 0, true).Found);
    EXPECT_EQ(shown, 1);

    const QString quoted = QStringLiteral("Select startway,'' From cnote  where startway='@'");
    const QString bare = QStringLiteral("select startway, endway from cnote where startway=@ order by endway");
    const struct {
        QString sql;
        QString nameField;
        QString typed;
        bool found;
        QString code;
        QString name;
    } cases[] = {
        {quoted, QStringLiteral("startway"), QStringLiteral("北京"), true, QStringLiteral("北京"), QStringLiteral("北京")},
        {quoted, QStringLiteral("startway"), QStringLiteral("O'Hare"), true, QStringLiteral("O'Hare"), QStringLiteral("O'Hare")},
        {quoted, QStringLiteral("startway"), QStringLiteral("x' or '1'='1"), false, {}, {}},
        {quoted, QStringLiteral("startway"), QStringLiteral("南京"), false, {}, {}},
        {bare, QStringLiteral("endway"), QStringLiteral("北京"), true, QStringLiteral("北京"), QStringLiteral("上海")},
        {bare, QStringLiteral("missing"), QStringLiteral("O'Hare"), true, QStringLiteral("O'Hare"), QStringLiteral("广州")},
        {bare, QStringLiteral("endway"), QStringLiteral("x' or 1=1 --"), false, {}, {}},
    };
    for (const auto& c : cases) {
        QString code = QStringLiteral("old");
        QString name = QStringLiteral("old");
        EXPECT_EQ(m_system.CodeLookup(c.sql, QStringLiteral("startway"), c.nameField, c.typed, &code, &name), c.found)
            << c.typed.toStdString();
        EXPECT_EQ(code, c.code) << c.typed.toStdString();
        EXPECT_EQ(name, c.name) << c.typed.toStdString();
        EXPECT_TRUE(m_system.LastError().IsEmpty()) << m_system.LastError().Message.toStdString();
    }
    EXPECT_EQ(value(QStringLiteral("select count(*) from cnote")).toInt(), 3);
}

TEST_P(AppSystemTest, OwnFailuresAreReportedAndNeverHideTheCallersError)
{
    QString code;
    QString name;
    EXPECT_FALSE(m_system.CodeLookup(QStringLiteral("select nothing from nowhere where a='@'"), QStringLiteral("a"),
                                     QStringLiteral("a"), QStringLiteral("x"), &code, &name));
    EXPECT_FALSE(m_system.LastError().IsEmpty());
    EXPECT_TRUE(db().LastError().IsEmpty());

    db().Execute(QStringLiteral("select broken from nowhere"), 1).Run();
    const ErrorInfo callers = db().LastError();
    ASSERT_FALSE(callers.IsEmpty());
    EXPECT_EQ(m_system.Setting(12, QStringLiteral("menubm")).Value, QStringLiteral("22222"));
    EXPECT_FALSE(m_system.CodeLookup(QStringLiteral("select nothing from nowhere"), {}, {}, {}, &code, &name));
    EXPECT_FALSE(m_system.LastError().IsEmpty());
    EXPECT_FALSE(db().LastError().IsEmpty());
    db().ClearError();
}

ORVEL_OFFICE_ENGINES(AppSystemTest);

}  // namespace
