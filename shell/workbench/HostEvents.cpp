#include "workbench/HostEvents.h"

#include "common/bCommon.h"
#include "database/Database.h"
#include "dialogs/DialogService.h"
#include "log/Logger.h"
#include "system/AppSystem.h"
#include "workbench/frmEdit.h"

namespace {

double numeric(const QVariant& value)
{
    return bCommon::NumericValue(value.toString());
}

}  // namespace

frmEdit* OpenProgramWindow(const HostContext& context, double program, const QVariant& recordId,
                           std::shared_ptr<ParameterList> parameters, int mode)
{
    Database* db = context.system->Database();
    DbRecordset rs = db->Execute(QStringLiteral("select menucatalog,progID,menuname,systemcode from xt_menu where progID=")
                                     + QString::number(static_cast<qint64>(program)),
                                 1)
                         .Recordset();
    db->ClearError();
    if (rs.Eof()) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前菜单不存在！"));
        rs.Close();
        return nullptr;
    }
    const int programNumber = static_cast<int>(numeric(rs.Field(QStringLiteral("progID"))));
    const int kind = static_cast<int>(numeric(rs.Field(QStringLiteral("menucatalog"))));
    const QString caption = rs.Field(QStringLiteral("menuname")).toString();
    rs.Close();
    if (!context.system->Rights(programNumber).Allowed(1)) {
        DialogService::Current().Show(DialogIcon::Information, QStringLiteral("提示："), QStringLiteral("当前菜单没有操作权限！"));
        return nullptr;
    }
    auto* window = new frmEdit(context, context.owner);
    if (!window->InitHostWindow(programNumber, caption, kind, recordId, std::move(parameters), mode))
        return nullptr;
    bCommon::ShowMaximized(window);
    window->raise();
    window->activateWindow();
    return window;
}

void HandleHostEvent(HostEventTarget& target, const HostContext& context, const QString& eventName, const QVariantList& v)
{
    const QString name = eventName.toLower();
    const QVariant v0 = v.value(0);
    const QVariant v1 = v.value(1);
    if (name == QLatin1String("message")) {
        target.ShowHostMessage(v0.toString());
    } else if (name == QLatin1String("errmessage")) {
        WriteLog(v0.toString(), static_cast<int>(numeric(v1)), v.value(2).toString());
    } else if (name == QLatin1String("unload")) {
        target.UnloadHost(v0.toBool());
    } else if (name == QLatin1String("detaile")) {
        OpenProgramWindow(context, numeric(v0), numeric(v1), nullptr, 3);
    } else if (name == QLatin1String("detailes") || (name == QLatin1String("detailerpt") && target.IsWorkbench())) {
        OpenProgramWindow(context, numeric(v0), v1, nullptr, 0);
    } else if (name == QLatin1String("detailerpt")) {
        OpenProgramWindow(context, numeric(v0), QVariant(), v1.value<std::shared_ptr<ParameterList>>(), 0);
    } else if (name == QLatin1String("filenew") && target.IsWorkbench()) {
        OpenProgramWindow(context, numeric(v0), QVariant::fromValue<qint16>(0), nullptr, 1);
    } else if (name == QLatin1String("fileedit") && target.IsWorkbench()) {
        OpenProgramWindow(context, numeric(v0), numeric(v1), nullptr, 2);
    }
}
