#pragma once

#include <QString>

#include <functional>
#include <memory>

class AppSystem;
class ComponentSystem;
class Database;
class DialogService;
class LogService;
class LogWriter;
class Logger;
class LoginSession;
class StartupWindows;
class clsConfig;

// Start-up and shutdown of the program: builds the process-wide objects in their fixed order,
// runs the start-up add-ins, opens the database, logs in, shows the splash and the workbench.
// ShutDown is the only way out; it releases the objects in their fixed order.
class bMain {
public:
    // programFolder and programName (the program file without extension) default to the running
    // program's; windows and dialogs are not owned.
    bMain(StartupWindows& windows, DialogService& dialogs, const QString& programFolder = {},
          const QString& programName = {});
    ~bMain();
    bMain(const bMain&) = delete;
    bMain& operator=(const bMain&) = delete;

    // Runs start-up. True when the program runs on in the workbench; false when start-up gave up
    // (ShutDown has then run).
    bool Main();
    // Ends the login session and releases the process-wide objects; safe to call more than once.
    void ShutDown();
    // The workbench's status message: the prompt text followed by text, or the idle text.
    void ShowStatus(const QString& text, bool suppress = false);
    // Fills AppSystem.UserInfo from the first row of sysdatabase; errors leave it as it was.
    void LoadAccountSet();
    // An absolute name (a drive form, a network path, a leading "/") unchanged but trimmed;
    // otherwise the name in the program folder.
    QString ResolveAppPath(const QString& name) const;

    clsConfig* Config() const { return m_config.get(); }
    Database* Db() const { return m_database.get(); }
    LoginSession* Login() const { return m_login.get(); }
    AppSystem* System() const { return m_system.get(); }
    ComponentSystem* Components() const { return m_components.get(); }
    QString ProgramFolder() const { return m_programFolder; }
    // Called with the name of each process-wide object as ShutDown releases it (tests).
    void SetReleaseObserver(std::function<void(const QString&)> observer) { m_releaseObserver = std::move(observer); }

private:
    enum class Outcome { Running, GaveUp };
    Outcome runSteps();
    void step(const QString& text) { m_step = text; }
    bool openDatabase();
    bool initSystem();
    void fillSessionValues();
    bool login();
    void writeLoginLine();
    void showAlertWindow();
    template <typename T>
    std::unique_ptr<T> create(const char* identifier);
    void release(const QString& name, std::function<void()> drop);

    StartupWindows& m_windows;
    DialogService& m_dialogs;
    QString m_programFolder;
    QString m_programName;
    QString m_step;
    bool m_splashShown = false;

    std::unique_ptr<clsConfig> m_config;
    std::unique_ptr<LogWriter> m_logWriter;
    std::unique_ptr<LogService> m_logService;
    std::unique_ptr<Logger> m_logger;
    std::unique_ptr<ComponentSystem> m_components;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<LoginSession> m_login;
    std::unique_ptr<AppSystem> m_system;
    std::function<void(const QString&)> m_releaseObserver;
};
