#include "schema/OfficeSchema.h"

#include <vector>

namespace {

enum class Type { Text, Int, Double, Date, Blob };

struct Column {
    const char* name;
    Type type;
    int size = 0;              // text width
    const char* defaultValue = nullptr;
};

struct Table {
    const char* name;
    std::vector<Column> columns;
    const char* primaryKey = nullptr;
    std::vector<const char*> indexes;  // "name(columns)"
};

// Identifiers are written unquoted: PostgreSQL folds them to lower case, so the components'
// spellings (cnoteMx, cnotemx) all meet the same table.
const std::vector<Table>& tables()
{
    static const std::vector<Table> all = {
        {"cnote",
         {{"cnoteID", Type::Int}, {"progid", Type::Int, 0, "0"}, {"smark", Type::Text, 2, "'01'"},
          {"status", Type::Text, 10, "'填单'"}, {"cnoteDate", Type::Date}, {"cnoteNumber", Type::Text, 30},
          {"startway", Type::Text, 50}, {"endway", Type::Text, 50}, {"midway1", Type::Text, 50},
          {"midway2", Type::Text, 50}, {"fromName", Type::Text, 100}, {"fromAddr", Type::Text, 200},
          {"fromPhone", Type::Text, 50}, {"fromLxr", Type::Text, 50}, {"toName", Type::Text, 100},
          {"toAddr", Type::Text, 200}, {"toPhone", Type::Text, 50}, {"toLxr", Type::Text, 50},
          {"yuanfee", Type::Double, 0, "0"}, {"zhisongfee", Type::Double, 0, "0"}, {"biaofee", Type::Double, 0, "0"},
          {"qitafee", Type::Double, 0, "0"}, {"hejiyunfee", Type::Double, 0, "0"}, {"xianjin", Type::Double, 0, "0"},
          {"quankuan", Type::Double, 0, "0"}, {"tihuofukuan", Type::Double, 0, "0"}, {"huikou", Type::Double, 0, "0"},
          {"yifuhuikou", Type::Double, 0, "0"}, {"toyunfee", Type::Double, 0, "0"}, {"tohuokuan", Type::Double, 0, "0"},
          {"songhuodan", Type::Int, 0, "0"}, {"fapiao", Type::Int, 0, "0"}, {"qianshou", Type::Text, 50},
          {"qianID", Type::Text, 50}, {"rk", Type::Text, 50}, {"sl", Type::Text, 50}, {"sk", Type::Text, 50},
          {"comments", Type::Text, 255}, {"consignMode", Type::Text, 10}, {"signhd", Type::Int, 0, "0"},
          {"signfp", Type::Int, 0, "0"}, {"zdr", Type::Text, 50}, {"zdDate", Type::Date}, {"shr", Type::Text, 50},
          {"shDate", Type::Date}},
         "cnoteID",
         {"ix_cnote_prog_id(progid, cnoteID)", "ix_cnote_prog_number(progid, cnoteNumber) unique", "ix_cnote_number(cnoteNumber)", "ix_cnote_date(cnoteDate)",
          "ix_cnote_from(fromName)"}},
        // Goods lines belong to their note by number; no key of their own, as they are copied
        // field by field between the office and the central database.
        {"cnoteMx",
         {{"cnoteNumber", Type::Text, 30}, {"rowIndex", Type::Int, 0, "0"}, {"goods", Type::Text, 100},
          {"piece", Type::Int, 0, "0"}, {"packaging", Type::Text, 50}, {"weight", Type::Double, 0, "0"},
          {"bulkfactor", Type::Double, 0, "0"}, {"ward", Type::Double, 0, "0"}, {"feeweight", Type::Double, 0, "0"}},
         nullptr,
         {"ix_cnotemx_number(cnoteNumber, rowIndex)"}},
        {"xt_mode", {{"systemcode", Type::Text, 20}, {"systemcatalog", Type::Text, 50}}, "systemcode", {}},
        {"xt_menu",
         {{"menucode", Type::Text, 40}, {"menuname", Type::Text, 100}, {"parent", Type::Text, 40, "''"},
          {"menulevel", Type::Int, 0, "1"}, {"menuorder", Type::Int, 0, "0"}, {"menuismx", Type::Int, 0, "0"},
          {"menuIsMajor", Type::Int, 0, "1"}, {"inActive", Type::Int, 0, "0"}, {"MenuType", Type::Text, 20, "''"},
          {"systemcode", Type::Text, 20}, {"progID", Type::Int, 0, "0"}, {"menucatalog", Type::Int, 0, "0"}},
         "menucode",
         {"ix_xt_menu_parent(parent)", "ix_xt_menu_prog(progID)"}},
        // ClassName pairs a program number with the identifier of its component or add-in class.
        {"xt_objects",
         {{"ProgID", Type::Int}, {"systemcode", Type::Text, 20}, {"progCommandLine", Type::Text, 255, "''"},
          {"ClassName", Type::Text, 100, "''"}},
         "ProgID",
         {}},
        {"xt_menuPilot",
         {{"menuCode", Type::Text, 40}, {"type", Type::Int, 0, "0"}, {"filename", Type::Text, 255},
          {"iscompress", Type::Int, 0, "0"}, {"contents", Type::Blob}, {"filesize", Type::Int, 0, "0"}},
         "menuCode, type",
         {}},
        {"sysdatabase",
         {{"zt_code", Type::Text, 20}, {"zt_name", Type::Text, 100}, {"zt_coname", Type::Text, 100},
          {"zt_ename", Type::Text, 100}, {"zt_account", Type::Text, 50}, {"zt_addrb", Type::Text, 200},
          {"zt_addrg", Type::Text, 200}, {"zt_addrr", Type::Text, 200}, {"zt_eaddrr", Type::Text, 200},
          {"zt_attrib", Type::Text, 50}, {"zt_database", Type::Text, 100}, {"zt_fax", Type::Text, 50},
          {"zt_fr", Type::Text, 50}, {"zt_mail", Type::Text, 100}, {"zt_phone", Type::Text, 50},
          {"zt_tax", Type::Text, 50}},
         "zt_code",
         {}},
        // System settings by (system_code, item_code); group 12 of SystemSetting is system_code 'system'.
        {"xt_accinformation",
         {{"system_code", Type::Text, 20}, {"item_code", Type::Text, 50}, {"item_value", Type::Text, 255}},
         "system_code, item_code",
         {}},
        // Operators; passwords only as Argon2id hashes.
        {"xt_user",
         {{"userid", Type::Text, 20}, {"username", Type::Text, 50}, {"pwdhash", Type::Text, 255, "''"},
          {"sortorder", Type::Int, 0, "0"}, {"inactive", Type::Int, 0, "0"}},
         "userid",
         {"ux_xt_user_name(username) unique"}},
        // Rights of an operator on a program number; rightno 1 = open or run.
        {"xt_rights",
         {{"userid", Type::Text, 20}, {"progid", Type::Int}, {"rightno", Type::Int, 0, "1"},
          {"allowed", Type::Int, 0, "1"}},
         "userid, progid, rightno",
         {}},
        // Settings of AppSystem.Setting by group and key.
        {"xt_settings",
         {{"grp", Type::Int}, {"skey", Type::Text, 50}, {"svalue", Type::Text, 255, "''"}},
         "grp, skey",
         {}},
        // Document numbering: a number is prefix + date in dateformat + a running counter of width digits.
        {"xt_numbering",
         {{"progid", Type::Int}, {"prefix", Type::Text, 20, "''"}, {"dateformat", Type::Text, 20, "'yyyyMMdd'"},
          {"width", Type::Int, 0, "4"}},
         "progid",
         {}},
        // The last counter taken per program and date key.
        {"xt_numberstate",
         {{"progid", Type::Int}, {"datekey", Type::Text, 20}, {"lastno", Type::Int, 0, "0"}},
         "progid, datekey",
         {}},
        // Accounting periods per subsystem.
        {"xt_period",
         {{"systemcode", Type::Text, 20}, {"period", Type::Int, 0, "0"}, {"caption", Type::Text, 50, "''"}},
         "systemcode",
         {}},
        // Operator texts that replace the built-in defaults.
        {"xt_texts",
         {{"section", Type::Text, 20}, {"tpath", Type::Text, 100}, {"ttext", Type::Text, 255}},
         "section, tpath",
         {}},
        // Code help lists: the statement that lists codes and names for a help code.
        {"xt_codehelp",
         {{"helpcode", Type::Text, 50}, {"title", Type::Text, 100}, {"listsql", Type::Text, 1000},
          {"codefield", Type::Text, 50}, {"namefield", Type::Text, 50}},
         "helpcode",
         {}},
        // Pickers by name: the identifier of the picker component.
        {"xt_pickers", {{"pickername", Type::Text, 50}, {"classname", Type::Text, 100}}, "pickername", {}},
    };
    return all;
}

QString typeName(Type type, int size, SqlEngine engine)
{
    const bool pg = engine == SqlEngine::Postgres;
    switch (type) {
    case Type::Text:
        return QStringLiteral("varchar(%1)").arg(size);
    case Type::Int:
        return QStringLiteral("integer");
    case Type::Double:
        return pg ? QStringLiteral("double precision") : QStringLiteral("float");
    case Type::Date:
        // SQLite keeps dates as 'yyyy-mm-dd' text so that comparisons work as on a date column.
        return QStringLiteral("date");
    case Type::Blob:
        return pg ? QStringLiteral("bytea") : engine == SqlEngine::SqlServer ? QStringLiteral("varbinary(max)")
                                                                            : QStringLiteral("blob");
    }
    return {};
}

}  // namespace

QStringList OfficeSchema::CreateStatements(SqlEngine engine)
{
    QStringList out;
    for (const Table& t : tables()) {
        QStringList defs;
        for (const Column& c : t.columns) {
            QString def = QString::fromUtf8(c.name) + QLatin1Char(' ') + typeName(c.type, c.size, engine);
            if (c.defaultValue)
                def += QStringLiteral(" default ") + QString::fromUtf8(c.defaultValue);
            defs << def;
        }
        if (t.primaryKey)
            defs << QStringLiteral("primary key (%1)").arg(QString::fromUtf8(t.primaryKey));
        out << QStringLiteral("create table %1 (%2)").arg(QString::fromUtf8(t.name), defs.join(QStringLiteral(", ")));
        for (const char* index : t.indexes) {
            QString definition = QString::fromUtf8(index);
            const bool unique = definition.endsWith(QLatin1String(" unique"));
            if (unique)
                definition.chop(7);
            const int paren = definition.indexOf(QLatin1Char('('));
            out << QStringLiteral("create %1index %2 on %3 %4")
                       .arg(unique ? QStringLiteral("unique ") : QString(), definition.left(paren),
                            QString::fromUtf8(t.name), definition.mid(paren));
        }
    }
    return out;
}

QStringList OfficeSchema::TableNames()
{
    QStringList names;
    for (const Table& t : tables())
        names << QString::fromUtf8(t.name);
    return names;
}
