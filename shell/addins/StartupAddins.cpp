#include "addins/StartupAddins.h"

#include "common/bCommon.h"
#include "component/ComponentSystem.h"
#include "log/Logger.h"
#include "xml/XmlDoc.h"

#include <exception>
#include <stdexcept>

namespace {

const QString kPlugins = QStringLiteral("/configuration/system/plugins/plugin");

void runOne(IStartupAddin& addin, const StartupAddinContext& context, const QString& userName)
{
    addin.Context() = context;
    addin.Start();
    QString text;
    addin.Run(text);
    const ErrorInfo error = addin.Error();
    if (!error.Message.isEmpty())
        WriteLog(error.Message + QStringLiteral("\n\n程序继续运行！"), 4);
    else if (!userName.isEmpty())
        WriteActionLog(QStringLiteral("运行插件[") + addin.Name() + QLatin1Char(']'), 0);
    addin.Finish();
}

}  // namespace

void RunStartupAddins(int stage, const XmlDoc& config, ComponentSystem& components,
                      const StartupAddinContext& context, const QString& userName)
{
    try {
        const int count = config.Count(kPlugins);
        for (int i = 0; i < count; ++i) {
            const QString plugin = QStringLiteral("%1[%2]").arg(kPlugins).arg(i);
            if (config.Attribute(plugin, QStringLiteral("active")).toString() != QStringLiteral("加载"))
                continue;
            if (bCommon::NumericValue(config.Value(plugin + QStringLiteral("/style")).toString()) != stage)
                continue;
            const QString identifier = config.Value(plugin + QStringLiteral("/classname")).toString().trimmed();
            std::unique_ptr<QObject> object = components.CreateObject(identifier);
            if (!object)
                throw std::runtime_error(components.LastError().toStdString());
            IStartupAddin* addin = qobject_cast<IStartupAddin*>(object.get());
            if (!addin)
                throw std::runtime_error(QStringLiteral("%1 不是启动插件").arg(identifier).toStdString());
            runOne(*addin, context, userName);
        }
    } catch (const std::exception& e) {
        WriteLog(QStringLiteral("插件运行时发生错误，原因：") + QString::fromStdString(e.what())
                     + QStringLiteral("\n\n主程序继续运行!"),
                 4, QStringLiteral("错误："));
    } catch (...) {
        WriteLog(QStringLiteral("插件运行时发生错误，原因：未知错误\n\n主程序继续运行!"), 4, QStringLiteral("错误："));
    }
}
