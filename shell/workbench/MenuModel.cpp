#include "workbench/MenuModel.h"

#include "common/bCommon.h"
#include "database/Database.h"
#include "log/Logger.h"

int MenuModel::TopLevelLength(const QString& menubm)
{
    const QString scheme = menubm.trimmed().isEmpty() ? QStringLiteral("22222") : menubm.trimmed();
    return static_cast<int>(bCommon::NumericValue(scheme.left(1)));
}

QString MenuModel::GroupQuery(int topLevelLength)
{
    return QStringLiteral(" SELECT menucode,systemcatalog,xt_menu.systemcode")
        + QStringLiteral(" FROM xt_menu INNER JOIN xt_mode ON xt_menu.systemcode=xt_mode.systemcode ")
        + QStringLiteral(" WHERE (menucode in (select left(parent,") + QString::number(topLevelLength) + QStringLiteral(") from xt_menu)")
        + QStringLiteral(" or menucode in(select menucode from xt_menu where parent='' and menuismx=1))")
        + QStringLiteral(" ORDER BY menuorder");
}

QString MenuModel::ButtonQuery(const QString& category, const Database& db)
{
    return QStringLiteral(" SELECT menucode ,menuname,systemcode,menuIsMajor,parent,menuorder")
        + QStringLiteral(" FROM xt_menu")
        + QStringLiteral(" WHERE ((menucode in (select parent from xt_menu) and menuismx=0) or menulevel=1)")
        + QStringLiteral(" and menuIsMajor=1 and systemcode in(select systemcode from xt_mode where systemcatalog=")
        + db.Quote(category) + QStringLiteral(")") + QStringLiteral(" ORDER BY parent,menuorder");
}

bool MenuModel::failed()
{
    if (m_db.LastError().IsEmpty())
        return false;
    WriteLog(m_db.LastError().Message, 8);
    m_db.ClearError();
    return true;
}

QList<NavGroupRow> MenuModel::Groups(int topLevelLength)
{
    DbRecordset rs = m_db.Execute(GroupQuery(topLevelLength), 1).Recordset();
    QList<NavGroupRow> groups;
    if (failed())
        return groups;
    QString seen;
    for (; !rs.Eof(); rs.MoveNext()) {
        const QString category = rs.Field(QStringLiteral("systemcatalog")).toString().trimmed();
        const QString marker = QStringLiteral("[") + category + QStringLiteral("]");
        if (seen.contains(marker))
            continue;
        seen += marker;
        groups.append({category, rs.Field(QStringLiteral("systemcode")).toString().trimmed(),
                       rs.Field(QStringLiteral("menucode")).toString().trimmed()});
    }
    rs.Close();
    return groups;
}

QList<NavButtonRow> MenuModel::Buttons(const QString& category)
{
    DbRecordset rs = m_db.Execute(ButtonQuery(category, m_db), 1).Recordset();
    QList<NavButtonRow> buttons;
    if (failed())
        return buttons;
    for (; !rs.Eof(); rs.MoveNext())
        buttons.append({rs.Field(QStringLiteral("menucode")).toString(), rs.Field(QStringLiteral("menuname")).toString()});
    rs.Close();
    return buttons;
}

MenuEntry MenuModel::Entry(const QString& code, const QString& sql)
{
    DbRecordset rs = m_db.Execute(sql + m_db.Quote(code), 1).Recordset();
    m_db.ClearError();
    MenuEntry entry;
    if (rs.Eof()) {
        rs.Close();
        return entry;
    }
    entry.found = true;
    entry.program = static_cast<int>(bCommon::NumericValue(rs.Field(QStringLiteral("progID")).toString()));
    entry.kind = static_cast<int>(bCommon::NumericValue(rs.Field(QStringLiteral("menucatalog")).toString()));
    entry.name = rs.Field(QStringLiteral("menuname")).toString();
    entry.systemCode = rs.Field(QStringLiteral("systemcode")).toString();
    entry.menuCode = rs.FieldIndex(QStringLiteral("menucode")) >= 0 ? rs.Field(QStringLiteral("menucode")).toString() : code;
    rs.Close();
    return entry;
}

QString MenuModel::SystemCodeOf(int program)
{
    const QVariant value = m_db.Execute(QStringLiteral("select systemcode from xt_objects where progID=") + QString::number(program), 1).Value();
    m_db.ClearError();
    return value.toString().trimmed();
}

QString MenuModel::CommandLineOf(int program)
{
    const QVariant value = m_db.Execute(QStringLiteral("SELECT progCommandLine From xt_objects Where ProgID=") + QString::number(program), 1).Value();
    m_db.ClearError();
    return value.toString().trimmed();
}
