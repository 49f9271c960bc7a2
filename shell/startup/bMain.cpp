#include "startup/bMain.h"

#include "addins/StartupAddins.h"
#include "common/bCommon.h"
#include "component/ComponentSystem.h"
#include "config/clsConfig.h"
#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "log/LogService.h"
#include "log/LogWriter.h"
#include "log/Logger.h"
#include "settings/UserSettings.h"
#include "startup/StartupWindows.h"
#include "system/AppSystem.h"
#include "system/LoginSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace {

const char* const kAccountSetColumns[] = {"zt_account", "zt_addrb", "zt_addrg", "zt_addrr", "zt_attrib", "zt_code",
                                          "zt_coname", "zt_database", "zt_eaddrr", "zt_ename", "zt_fax", "zt_fr",
                                          "zt_mail", "zt_phone", "zt_tax", "zt_name"};

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

}  // namespace

bMain::bMain(StartupWindows& windows, DialogService& dialogs, const QString& programFolder, const QString& programName)
    : m_windows(windows),
      m_dialogs(dialogs),
      m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder),
      m_programName(programName.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() : programName)
{
}

bMain::~bMain()
{
    ShutDown();
}

QString bMain::ResolveAppPath(const QString& name) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.contains(QLatin1Char(':')) || trimmed.startsWith(QLatin1String("\\\\")) || trimmed.startsWith(QLatin1Char('/')))
        return trimmed;
    QString path = withSlashes(m_programFolder + QLatin1Char('/') + trimmed);
    while (path.contains(QLatin1String("//")))
        path.replace(QLatin1String("//"), QLatin1String("/"));
    return path;
}

template <typename T>
std::unique_ptr<T> bMain::create(const char* identifier)
{
    std::unique_ptr<QObject> object = m_components->CreateObject(QString::fromLatin1(identifier));
    T* typed = qobject_cast<T*>(object.get());
    if (!typed)
        throw std::runtime_error((object ? QStringLiteral("%1 的类型不对").arg(QString::fromLatin1(identifier))
                                         : m_components->LastError()).toStdString());
    object.release();
    return std::unique_ptr<T>(typed);
}

bool bMain::Main()
{
    m_step.clear();
    try {
        if (runSteps() == Outcome::Running)
            return true;
    } catch (const std::exception& e) {
        m_step += QStringLiteral(";错误原因:") + QString::fromStdString(e.what());
        if (m_splashShown)
            m_windows.CloseSplash();
        m_dialogs.Show(DialogIcon::Critical, QStringLiteral("错误:"), QStringLiteral("主程序执行过程中发生错误\n\n") + m_step);
    }
    ShutDown();
    return false;
}

bMain::Outcome bMain::runSteps()
{
    // 1-2: configuration (the help file is read from it where help is shown).
    const QString configFile = ResolveAppPath(m_programName + QStringLiteral(".exe.Config"));
    m_config = std::make_unique<clsConfig>();
    if (!m_config->Init(configFile)) {
        m_dialogs.Show(DialogIcon::Critical, QStringLiteral("错误："), QStringLiteral("程序错误，初始化参数文件") + configFile + QStringLiteral("出错!"));
        m_config.reset();
        return Outcome::GaveUp;
    }

    step(QStringLiteral("初始化Log配置.."));
    m_logWriter = std::make_unique<LogWriter>();
    m_logService = std::make_unique<LogService>();
    m_logService->SetDialogs(&m_dialogs);
    m_logService->LoadSettings(m_config->ConfigFileName());
    m_logService->Attach(m_programName, m_logWriter.get());
    m_logger = std::make_unique<Logger>(*m_logService, [this] { return m_config ? m_config->Subject() : QString(); },
                                        [this] { return m_login ? m_login->UserName() : QString(); });
    Logger::Install(m_logger.get());
    m_components = std::make_unique<ComponentSystem>(m_programFolder);

    step(QStringLiteral("正在运行<初始化插件>..."));
    RunStartupAddins(100, m_config->XML(), *m_components, {m_config->ConfigFileName(), m_programFolder, m_config->Caption()}, QString());

    step(QStringLiteral("正在初始化数据库..."));
    if (!openDatabase())
        return Outcome::GaveUp;

    step(QStringLiteral("正在初始化系统..."));
    if (!initSystem())
        return Outcome::GaveUp;
    fillSessionValues();
    WriteLog(QStringLiteral("系统正常启动,登录操作"), 1);

    step(QStringLiteral("正在用户设置.."));
    m_windows.RunLogin(*this);
    QCoreApplication::processEvents();
    if (!login())
        return Outcome::GaveUp;
    writeLoginLine();
    m_login->BeginSession();
    LoadAccountSet();

    WriteLog(QStringLiteral("加载splash窗体中..."), 1);
    step(QStringLiteral("正在加载显示Splash窗体.."));
    m_windows.ShowSplash(*this);
    m_splashShown = true;
    QCoreApplication::processEvents();

    step(QStringLiteral("正在运行<加载插件>..."));
    StartupAddinContext context{m_config->ConfigFileName(), m_programFolder, m_config->Caption()};
    context.CurrentPeriod = m_system->Period(m_system->SystemCode(12), 0).Value;
    context.AccountSetName = m_system->UserInfo().Value(QStringLiteral("zt_name"));
    RunStartupAddins(101, m_config->XML(), *m_components, context, m_login->UserName());

    WriteLog(QStringLiteral("加载主工作窗体中..."), 1);
    step(QStringLiteral("正在加载主程序(main)..."));
    if (!m_windows.LoadWorkbench(*this)) {
        m_windows.CloseSplash();
        return Outcome::GaveUp;
    }
    WriteLog(QStringLiteral("显示主工作台..."), 1);
    step(QStringLiteral("显示主工作台..."));
    m_windows.ShowWorkbench();

    const int delay = m_config->SplashDelay();
    if (delay > 0)
        m_windows.StartSplashTimer(delay);
    else
        m_windows.CloseSplash();
    showAlertWindow();
    return Outcome::Running;
}

bool bMain::openDatabase()
{
    m_database = create<Database>("zuZiduDarereDadoda.Database");
    // A database that cannot be opened always tells the operator why, whichever check fails.
    if (!m_database->Open(m_config->ConfigFileName(), true) || !m_database->IsOpen()) {
        m_dialogs.Show(DialogIcon::Critical, QStringLiteral("错误"), m_database->LastError().Message);
        return false;
    }
    return true;
}

bool bMain::initSystem()
{
    m_login = create<LoginSession>("zuZiduDarereDadoda.LoginSession");
    m_system = create<AppSystem>("zuZiduDarereDadoda.AppSystem");
    m_login->Init(m_database.get());
    if (!m_system->Init(m_database.get(), 0)) {
        m_dialogs.Show(DialogIcon::Warning, QStringLiteral("提示："), m_system->LastError().Message);
        return false;
    }
    // Loaded here too, so that the login log lines name the account set they log in to.
    LoadAccountSet();
    return true;
}

void bMain::fillSessionValues()
{
    AppInfoData& info = m_system->AppInfo();
    info.AppPath = m_programFolder;
    info.Caption = m_config->Caption();
    info.ConfigFileName = m_config->ConfigFileName();
    const QVariant temporary = m_config->XML().Value(QStringLiteral("/configuration/system/temporarypath"));
    info.TemporaryPath = temporary.isNull() ? m_programFolder + QStringLiteral("/temp/") : temporary.toString();

    const QString theme = m_config->XML().Value(QStringLiteral("/configuration/system/settings/theme")).toString();
    const QString folder = m_programFolder + QStringLiteral("/themes/") + theme;
    if (!theme.isEmpty() && QFileInfo(folder).isDir())
        m_system->Theme().Load(theme, folder);
}

bool bMain::login()
{
    const QString user = m_login->UserName();
    if (!m_login->LoggedIn()) {
        // A cancelled login leaves no user name; a refused one keeps the name that was tried.
        WriteLog(user.isEmpty() ? QStringLiteral("操作员已取消登录") : QStringLiteral("操作员") + user + QStringLiteral("登录失败"), 1);
        return false;
    }
    WriteLog(QStringLiteral("操作员") + user + QStringLiteral("成功登录") + m_system->UserInfo().Value(QStringLiteral("zt_name")), 1);
    if (user.isEmpty()) {
        WriteLog(QStringLiteral("操作员已取消登录"), 1);
        return false;
    }
    return true;
}

void bMain::writeLoginLine()
{
    const QVariant now = m_database->Execute(QStringLiteral("select ") + m_database->SqlFunction(QStringLiteral("getdate()")), 1).Value();
    m_database->ClearError();
    const QString version = bCommon::ProgramVersion();
    const QString installed = UserSettings::Get(m_config->Caption(), QStringLiteral("main"), QStringLiteral("ISVERSION"));
    WriteActionLog(QStringLiteral("成功登录[") + m_system->UserInfo().Value(QStringLiteral("zt_name")) + QStringLiteral("]！")
                       + QStringLiteral("登录时间:") + now.toString() + QLatin1Char(' ') + QStringLiteral("主控台版本:") + version
                       + QStringLiteral(" 安装版本:") + installed,
                   0);
}

void bMain::showAlertWindow()
{
    const QString tips = UserSettings::Get(m_config->Caption(), QStringLiteral("settings"), QStringLiteral("tipsshow"), QStringLiteral("0"));
    if (static_cast<int>(tips.trimmed().toDouble()) != 0)
        return;
    m_windows.SetAlertButton(m_windows.OpenAlertWindow(*this));
}

void bMain::LoadAccountSet()
{
    if (!m_database || !m_system)
        return;
    DbRecordset rs = m_database->Execute(QStringLiteral("select top 1 * from sysdatabase order by zt_code"), 1).Recordset();
    if (m_database->LastError().IsEmpty() && !rs.Eof()) {
        for (const char* column : kAccountSetColumns) {
            const QString name = QString::fromLatin1(column);
            m_system->UserInfo().SetValue(name, rs.Field(name).toString());
        }
    }
    rs.Close();
    m_database->ClearError();
}

void bMain::ShowStatus(const QString& text, bool suppress)
{
    if (suppress || !m_system)
        return;
    const QString prompt = m_system->Text(QStringLiteral("main"), QStringLiteral("/mdimain/statusbar/prompt"), QStringLiteral("【Tarvel软件】"));
    m_windows.ShowStatusMessage(text.isEmpty()
                                    ? prompt + m_system->Text(QStringLiteral("main"), QStringLiteral("/mdimain/statusbar/wait"), QStringLiteral("Ready..."))
                                    : prompt + text);
}

void bMain::release(const QString& name, std::function<void()> drop)
{
    drop();
    if (m_releaseObserver)
        m_releaseObserver(name);
}

void bMain::ShutDown()
{
    try {
        if (m_login && !m_login->UserName().isEmpty()) {
            WriteActionLog(QStringLiteral("正在注销用户并退出系统！"), 0);
            m_login->Logout();
        }
    } catch (...) {
    }
    if (m_database)
        release(QStringLiteral("Database"), [this] { m_database.reset(); });
    if (m_login)
        release(QStringLiteral("LoginSession"), [this] { m_login.reset(); });
    if (m_system)
        release(QStringLiteral("AppSystem"), [this] { m_system.reset(); });
    if (m_logService) {
        release(QStringLiteral("LogWriter"), [this] {
            if (Logger::Current() == m_logger.get())
                Logger::Install(nullptr);
            m_logger.reset();
            m_logService.reset();
            m_logWriter.reset();
        });
    }
    if (m_config) {
        release(QStringLiteral("clsConfig"), [this] {
            m_config->Clear();
            m_config.reset();
        });
    }
    m_components.reset();
}
