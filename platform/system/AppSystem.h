#pragma once

#include "PlatformExport.h"
#include "database/ErrorInfo.h"
#include "system/AccountSetRecord.h"
#include "system/AppInfoData.h"
#include "system/AppTheme.h"
#include "system/RightsRecord.h"
#include "system/SystemRecords.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <memory>

class Database;
class DbAccess;
class DbRecordset;
class DocumentNumbering;

// The system object handed to every component and add-in: the session values, settings,
// rights, accounting periods, document numbers, language texts, theme and code help, all kept
// in the office database given to Init. An operation that fails leaves its reason in LastError
// and answers with its empty value; every operation starts with an empty LastError.
class ORVEL_PLATFORM_EXPORT AppSystem : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kProgId = "zuZiduDarereDadoda.AppSystem";
    // SystemSetting group 12 is stored under this system_code of xt_accinformation; any other
    // group under its number in decimal.
    static constexpr const char* kSystemGroupCode = "system";

    explicit AppSystem(QObject* parent = nullptr);
    ~AppSystem() override;

    // mode 0 is the only mode. True when the database is open and holds the system tables.
    bool Init(::Database* db, int mode = 0);
    const ErrorInfo& LastError() const { return m_error; }
    ::Database* Database() const { return m_db; }

    AppInfoData& AppInfo() { return m_appInfo; }
    // Filled by the shell from sysdatabase after the login.
    AccountSetRecord& UserInfo() { return m_userInfo; }
    AppTheme& Theme() { return m_theme; }

    SettingRecord Setting(int group, const QString& key);
    SettingRecord Setting(int group, int key) { return Setting(group, QString::number(key)); }
    SettingRecord SystemSetting(int group, const QString& key);
    SettingRecord SystemSetting(int group, int key) { return SystemSetting(group, QString::number(key)); }
    // The system code (xt_mode) whose accounting period the group shows: SystemSetting(group, "systemcode").
    QString SystemCode(int group);
    // kind 0 = the current period of the system code, the only kind there is.
    PeriodRecord Period(const QString& systemCode, int kind = 0);
    // The rights of the logged-in operator (AppInfo().UserID) on a program.
    RightsRecord Rights(int functionCode);
    // The installation's text for section and path (xt_texts), the default when it has none.
    QString Text(const QString& section, const QString& path, const QString& defaultText);
    PickerEntry Pickers(const QString& name);

    // See DocumentNumbering::Next and Release.
    bool NextNumber(int functionCode, const QDate& date, QString* number, bool preview);
    bool ReleaseNumber(int functionCode, const QDate& date, const QString& number);

    // The code list of a help code (xt_codehelp). With show set and a list found,
    // codeHelpRequested hands it with the box's values a, b, c to whoever shows it.
    CodeHelpList CodeHelp(const QString& helpCode, int a, int b, int c, bool show);
    // Runs a lookup statement with the typed text in place of "@" and answers the code and name
    // of its first row (fields by name, else the first and second column). False when nothing
    // was found or the statement failed; the out values are then empty.
    bool CodeLookup(const QString& sql, const QString& codeField, const QString& nameField, const QString& text,
                    QString* code, QString* name);

signals:
    void codeHelpRequested(const CodeHelpList& list, int a, int b, int c);

private:
    bool ready();
    QVariant value(const QString& sql);
    void fail(const QString& message);
    static QString field(const DbRecordset& rs, const QString& name, int fallbackColumn);

    ::Database* m_db = nullptr;
    std::unique_ptr<DbAccess> m_access;
    std::unique_ptr<DocumentNumbering> m_numbering;
    ErrorInfo m_error;
    AppInfoData m_appInfo;
    AccountSetRecord m_userInfo;
    AppTheme m_theme;
};
