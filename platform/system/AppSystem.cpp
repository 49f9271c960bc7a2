#include "system/AppSystem.h"

#include "database/Database.h"
#include "system/DbAccess.h"
#include "system/DocumentNumbering.h"
#include "system/SqlTemplate.h"

namespace {

// The tables Init checks; the operations read nothing else.
const char* const kSystemTables[] = {"xt_settings", "xt_accinformation", "xt_rights", "xt_period", "xt_texts",
                                     "xt_numbering", "xt_numberstate", "xt_codehelp", "xt_pickers"};

}  // namespace

AppSystem::AppSystem(QObject* parent) : QObject(parent) {}

AppSystem::~AppSystem() = default;

bool AppSystem::Init(::Database* db, int /*mode*/)
{
    m_error = {};
    m_db = nullptr;
    m_access.reset();
    m_numbering.reset();
    if (!db || !db->IsOpen()) {
        fail(QStringLiteral("系统初始化失败：数据库没有打开"));
        return false;
    }
    auto access = std::make_unique<DbAccess>(db);
    for (const char* table : kSystemTables) {
        if (!access->Run(QStringLiteral("select count(*) from %1 where 1=0").arg(QLatin1String(table)))) {
            fail(QStringLiteral("系统初始化失败：数据库缺少系统表 %1 (%2)").arg(QLatin1String(table), access->Error()));
            return false;
        }
    }
    m_db = db;
    m_access = std::move(access);
    m_numbering = std::make_unique<DocumentNumbering>(db);
    return true;
}

SettingRecord AppSystem::Setting(int group, const QString& key)
{
    if (!ready())
        return {};
    return {value(QStringLiteral("select svalue from xt_settings where grp=%1 and skey=%2").arg(QString::number(group), m_access->Quote(key)))
                .toString()};
}

SettingRecord AppSystem::SystemSetting(int group, const QString& key)
{
    if (!ready())
        return {};
    const QString code = group == 12 ? QString::fromLatin1(kSystemGroupCode) : QString::number(group);
    return {value(QStringLiteral("select item_value from xt_accinformation where system_code=%1 and item_code=%2")
                      .arg(m_access->Quote(code), m_access->Quote(key)))
                .toString()};
}

QString AppSystem::SystemCode(int group)
{
    return SystemSetting(group, QStringLiteral("systemcode")).Value.trimmed();
}

PeriodRecord AppSystem::Period(const QString& systemCode, int kind)
{
    if (!ready())
        return {};
    if (kind != 0) {
        fail(QStringLiteral("未知的会计期间类型: %1").arg(kind));
        return {};
    }
    return {value(QStringLiteral("select period from xt_period where systemcode=%1").arg(m_access->Quote(systemCode.trimmed())))
                .toInt()};
}

RightsRecord AppSystem::Rights(int functionCode)
{
    if (!ready() || m_appInfo.UserID.isEmpty())
        return {};
    bool ok = false;
    DbRecordset rs = m_access->Rows(QStringLiteral("select rightno from xt_rights where userid=%1 and progid=%2 and allowed<>0")
                                        .arg(m_access->Quote(m_appInfo.UserID), QString::number(functionCode)),
                                    &ok);
    if (!ok) {
        fail(m_access->Error());
        return {};
    }
    QSet<int> allowed;
    for (; !rs.Eof(); rs.MoveNext())
        allowed.insert(rs.Field(0).toInt());
    rs.Close();
    return RightsRecord(std::move(allowed));
}

QString AppSystem::Text(const QString& section, const QString& path, const QString& defaultText)
{
    if (!ready())
        return defaultText;
    const QVariant text = value(
        QStringLiteral("select ttext from xt_texts where section=%1 and tpath=%2").arg(m_access->Quote(section), m_access->Quote(path)));
    return text.isNull() ? defaultText : text.toString();
}

PickerEntry AppSystem::Pickers(const QString& name)
{
    if (!ready())
        return {name, {}};
    return {name, value(QStringLiteral("select classname from xt_pickers where pickername=%1").arg(m_access->Quote(name)))
                      .toString()
                      .trimmed()};
}

bool AppSystem::NextNumber(int functionCode, const QDate& date, QString* number, bool preview)
{
    if (!ready())
        return false;
    if (m_numbering->Next(functionCode, date, number, preview))
        return true;
    fail(m_numbering->Error());
    return false;
}

bool AppSystem::ReleaseNumber(int functionCode, const QDate& date, const QString& number)
{
    if (!ready())
        return false;
    if (m_numbering->Release(functionCode, date, number))
        return true;
    fail(m_numbering->Error());
    return false;
}

CodeHelpList AppSystem::CodeHelp(const QString& helpCode, int a, int b, int c, bool show)
{
    CodeHelpList list;
    list.HelpCode = helpCode.trimmed();
    if (!ready())
        return list;
    bool ok = false;
    DbRecordset def = m_access->Rows(
        QStringLiteral("select title, listsql, codefield, namefield from xt_codehelp where helpcode=%1").arg(m_access->Quote(list.HelpCode)),
        &ok);
    if (!ok || def.Eof()) {
        if (!ok)
            fail(m_access->Error());
        return list;
    }
    list.Title = def.Field(QStringLiteral("title")).toString();
    const QString listSql = def.Field(QStringLiteral("listsql")).toString();
    const QString codeField = def.Field(QStringLiteral("codefield")).toString();
    const QString nameField = def.Field(QStringLiteral("namefield")).toString();
    def.Close();
    DbRecordset rows = m_access->Rows(listSql, &ok);
    if (!ok) {
        fail(m_access->Error());
        return list;
    }
    for (; !rows.Eof(); rows.MoveNext())
        list.Items.append({field(rows, codeField, 0), field(rows, nameField, 1)});
    rows.Close();
    list.Found = true;
    if (show)
        emit codeHelpRequested(list, a, b, c);
    return list;
}

bool AppSystem::CodeLookup(const QString& sql, const QString& codeField, const QString& nameField, const QString& text,
                           QString* code, QString* name)
{
    QString foundCode;
    QString foundName;
    bool found = false;
    if (ready() && !sql.trimmed().isEmpty()) {
        bool ok = false;
        DbRecordset rs = m_access->Rows(SqlTemplate::FillTypedText(sql, text, *m_db), &ok);
        if (!ok)
            fail(m_access->Error());
        found = ok && !rs.Eof();
        if (found) {
            foundCode = field(rs, codeField, 0);
            foundName = field(rs, nameField, 1);
        }
        rs.Close();
    }
    if (code)
        *code = foundCode;
    if (name)
        *name = foundName;
    return found;
}

bool AppSystem::ready()
{
    m_error = {};
    if (m_db)
        return true;
    fail(QStringLiteral("系统对象没有初始化"));
    return false;
}

QVariant AppSystem::value(const QString& sql)
{
    bool ok = false;
    const QVariant v = m_access->Value(sql, &ok);
    if (!ok)
        fail(m_access->Error());
    return v;
}

void AppSystem::fail(const QString& message)
{
    m_error.Message = message;
}

QString AppSystem::field(const DbRecordset& rs, const QString& name, int fallbackColumn)
{
    const int index = rs.FieldIndex(name);
    if (index >= 0)
        return rs.Field(index).toString();
    return fallbackColumn < rs.FieldCount() ? rs.Field(fallbackColumn).toString() : QString();
}
