#include "schema/StandardData.h"

#include "database/Database.h"
#include "schema/MenuIcons.h"
#include "schema/Operators.h"
#include "schema/Transaction.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

struct MenuRow {
    const char* code;
    const char* name;
    const char* parent;
    int level;
    int order;
    int isLeaf;
    const char* type;
    int program;
    int catalog;
    MenuIcons::Sign sign;
};

// One group "运输管理": the note entry, the three reports and the two data-exchange add-ins as
// buttons, and a system entry holding the add-in manager and the alert list.
const MenuRow kMenus[] = {
    {"01", "托运单", "", 1, 1, 1, "", StandardData::kNoteProgram, 100, MenuIcons::Sign::Document},
    {"02", "货物交接清单", "", 1, 2, 1, "报表", StandardData::kHandoverReport, 101, MenuIcons::Sign::List},
    {"03", "应收款清单", "", 1, 3, 1, "报表", StandardData::kReceivablesReport, 101, MenuIcons::Sign::Money},
    {"04", "营业报表", "", 1, 4, 1, "报表", StandardData::kBusinessReport, 101, MenuIcons::Sign::Chart},
    {"05", "数据导入", "", 1, 5, 1, "", StandardData::kImportAddin, 230, MenuIcons::Sign::Import},
    {"06", "数据上传", "", 1, 6, 1, "", StandardData::kUploadAddin, 230, MenuIcons::Sign::Upload},
    {"07", "系统工具", "", 1, 7, 0, "", 0, 0, MenuIcons::Sign::Tools},
    {"0701", "外接程序管理器", "07", 2, 1, 1, "", StandardData::kAddinManager, 50, MenuIcons::Sign::Addins},
    {"0702", "预警", "07", 2, 2, 1, "", 0, 220, MenuIcons::Sign::Alert},
};

struct ObjectRow {
    int program;
    const char* className;
};

const ObjectRow kObjects[] = {
    {StandardData::kNoteProgram, "CNOTE.CNOTE_S"},       {StandardData::kHandoverReport, "CNOTE.RPT_JLQD"},
    {StandardData::kReceivablesReport, "CNOTE.RPT_YSKQD"}, {StandardData::kBusinessReport, "CNOTE.RPT_YWQD"},
    {StandardData::kImportAddin, "SyncPlugin.clsDRData"}, {StandardData::kUploadAddin, "SyncPlugin.clsSCData"},
    {StandardData::kAddinManager, ""},
};

class Writer {
public:
    explicit Writer(Database& db) : m_db(db) {}

    QString q(const char* text) const { return m_db.Quote(QString::fromUtf8(text)); }
    QString q(const QString& text) const { return m_db.Quote(text); }

    bool run(const QString& sql)
    {
        m_db.Execute(sql, 1).Run();
        return m_db.LastError().IsEmpty();
    }

    // A plain icon row of xt_menuPilot (type 1); the picture goes in as a bound value.
    bool icon(const QString& code, const QByteArray& png)
    {
        QSqlQuery query(QSqlDatabase::database(m_db.ConnectionName()));
        query.prepare(QStringLiteral("insert into xt_menuPilot (menuCode, type, filename, iscompress, contents, filesize) values (?, 1, ?, 0, ?, ?)"));
        query.addBindValue(code);
        query.addBindValue(QStringLiteral("menu") + code + QStringLiteral(".png"));
        query.addBindValue(png);
        query.addBindValue(static_cast<int>(png.size()));
        if (query.exec())
            return true;
        m_error = query.lastError().text();
        return false;
    }
    QString error() const { return m_error.isEmpty() ? m_db.LastError().Message : m_error; }

private:
    Database& m_db;
    QString m_error;
};

bool writeRows(Database& db, const QString& adminName, const QString& adminPassword, QString* error)
{
    Writer w(db);
    const QString system = QStringLiteral("'YS'");
    bool ok = w.run(QStringLiteral("insert into xt_mode (systemcode, systemcatalog) values (%1, %2)").arg(system, w.q("运输管理")));
    for (const MenuRow& m : kMenus) {
        ok = ok && w.run(QStringLiteral("insert into xt_menu (menucode, menuname, parent, menulevel, menuorder, menuismx, "
                                        "menuIsMajor, inActive, MenuType, systemcode, progID, menucatalog) "
                                        "values (%1, %2, %3, %4, %5, %6, 1, 0, %7, %8, %9, %10)")
                                 .arg(w.q(m.code), w.q(m.name), w.q(m.parent))
                                 .arg(m.level).arg(m.order).arg(m.isLeaf)
                                 .arg(w.q(m.type), system).arg(m.program).arg(m.catalog));
        ok = ok && w.icon(QString::fromUtf8(m.code), MenuIcons::Png(m.sign));
    }
    for (const ObjectRow& o : kObjects) {
        ok = ok && w.run(QStringLiteral("insert into xt_objects (ProgID, systemcode, progCommandLine, ClassName) values (%1, %2, '', %3)")
                             .arg(o.program).arg(system, w.q(o.className)));
    }
    ok = ok && w.run(QStringLiteral("insert into sysdatabase (zt_code, zt_name, zt_coname, zt_phone, zt_addrr) values "
                                    "('001', %1, %2, %3, %4)")
                         .arg(w.q("默认账套"), w.q("示范货运有限公司"), w.q("010-88886666"), w.q("北京市朝阳区示范路1号")));

    const QDate today = QDate::currentDate();
    const QString periodCaption = QStringLiteral("%1年%2月").arg(today.year()).arg(today.month());
    const struct {
        int group;
        const char* key;
        const char* value;
    } settings[] = {
        {12, "menubm", "22222"}, {12, "loginuserstyle", "2"}, {38, "loginusercount", "5"},
        {12, "7", "2"}, {12, "8", "2"}, {12, "9", "2"}, {12, "10", "2"},
        {12, "11", "2"}, {12, "12", "2"}, {12, "13", "2"}, {12, "14", "2"},
    };
    for (const auto& s : settings)
        ok = ok && w.run(QStringLiteral("insert into xt_settings (grp, skey, svalue) values (%1, %2, %3)")
                             .arg(s.group).arg(w.q(s.key), w.q(s.value)));
    ok = ok && w.run(QStringLiteral("insert into xt_accinformation (system_code, item_code, item_value) values ('system', 'mouseeventscrollrate', '5')"));
    ok = ok && w.run(QStringLiteral("insert into xt_accinformation (system_code, item_code, item_value) values ('system', '1', %1)").arg(w.q(periodCaption)));
    ok = ok && w.run(QStringLiteral("insert into xt_accinformation (system_code, item_code, item_value) values ('system', 'systemcode', %1)").arg(system));
    ok = ok && w.run(QStringLiteral("insert into xt_period (systemcode, period, caption) values (%1, %2, %3)")
                         .arg(system).arg(today.year() * 100 + today.month()).arg(w.q(periodCaption)));
    ok = ok && w.run(QStringLiteral("insert into xt_numbering (progid, prefix, dateformat, width) values (%1, '', 'yyyyMMdd', 4)")
                         .arg(StandardData::kNoteProgram));
    ok = ok && w.run(QStringLiteral("insert into xt_codehelp (helpcode, title, listsql, codefield, namefield) values "
                                    "('gy_cnote_fz', %1, 'select distinct startway, startway as name from cnote order by startway', 'startway', 'name')")
                         .arg(w.q("发站")));
    ok = ok && w.run(QStringLiteral("insert into xt_codehelp (helpcode, title, listsql, codefield, namefield) values "
                                    "('gy_cnote_dz', %1, 'select distinct endway, endway as name from cnote order by endway', 'endway', 'name')")
                         .arg(w.q("到站")));
    ok = ok && w.run(QStringLiteral("insert into xt_pickers (pickername, classname) values ('selFrom', 'CNOTE.sel_From')"));

    QString userError;
    ok = ok && Operators::Add(db, adminName, adminPassword, true, &userError);
    if (!ok)
        *error = w.error();
    return ok;
}

}  // namespace

bool StandardData::Fill(Database& db, const QString& adminName, const QString& adminPassword, QString* error)
{
    return RunInTransaction(db, [&](QString* failure) { return writeRows(db, adminName, adminPassword, failure); }, error);
}
