#include "config/clsConfig.h"

#include "common/bCommon.h"
#include "dialogs/DialogService.h"

#include <QFileInfo>

#include <cmath>

namespace {

const QString kSystem = QStringLiteral("/configuration/system");

// A number read into a 16-bit property: truncated, and held within the type's range.
qint16 toInt16(double value)
{
    return static_cast<qint16>(std::clamp(std::trunc(value), -32768.0, 32767.0));
}

int toInt(double value)
{
    return static_cast<int>(std::clamp(std::trunc(value), -2147483648.0, 2147483647.0));
}

}  // namespace

QString clsConfig::text(const QString& path) const
{
    return m_xml->Value(kSystem + path).toString();
}

double clsConfig::number(const QString& path) const
{
    return bCommon::NumericValue(text(path));
}

bool clsConfig::Init(const QString& fileName)
{
    m_configFileName = fileName.trimmed();
    if (!m_xml->Load(m_configFileName))
        return false;
    const double treeWidth = bCommon::NumericValue(m_xml->Attribute(kSystem + QStringLiteral("/settings/treeWidth"), QStringLiteral("default")).toString());
    m_treeWidth = std::max<qint16>(toInt16(treeWidth), 30);
    m_caption = text(QStringLiteral("/caption"));
    m_helpFileName = ExpandFileName(text(QStringLiteral("/help")), true, false);
    const QString menu = text(QStringLiteral("/menu"));
    m_menuFileName = menu.isEmpty() ? QString() : ExpandFileName(menu, true, false);
    m_menuToolWidth = number(QStringLiteral("/menutoolwidth"));
    m_updateFileName = text(QStringLiteral("/update")).trimmed();
    m_backgroundLogin = text(QStringLiteral("/settings/background/login"));
    m_backgroundSplash = text(QStringLiteral("/settings/background/splash"));
    m_backgroundMain = text(QStringLiteral("/settings/background/main"));
    m_splashDelay = toInt16(number(QStringLiteral("/settings/splashdelay")));
    m_rootCaption = text(QStringLiteral("/rootcaption"));
    m_subject = text(QStringLiteral("/subject"));
    m_autoRegister = text(QStringLiteral("/settings/autoregister")).trimmed().toLower();
    const QVariant autoResize = m_xml->Value(kSystem + QStringLiteral("/settings/autoresize"));
    m_autoResize = autoResize.isNull() || bCommon::NumericValue(autoResize.toString()) != 0;
    m_menuMode = toInt(number(QStringLiteral("/menumode")));
    m_navigate = toInt(number(QStringLiteral("/navigate")));
    m_unFormStatus = number(QStringLiteral("/unformstatus")) != 0;
    return true;
}

bool clsConfig::AutoRegister() const
{
    return m_autoRegister == QLatin1String("1") || m_autoRegister == QLatin1String("true");
}

bool clsConfig::SetLanguague(const QString& languageFile, const QString& /*languageCode*/)
{
    if (!QFileInfo::exists(languageFile))
        return false;
    XmlDoc language;
    if (!language.Load(languageFile)) {
        DialogService::Current().Show(DialogIcon::Warning, QStringLiteral("错误："),
                                      QStringLiteral("设置语言时出错，原因：") + QStringLiteral("无法读取语言文件 ") + languageFile);
        return false;
    }
    auto read = [&language](const char* path) {
        return language.Value(QStringLiteral("//language/system") + QString::fromLatin1(path)).toString();
    };
    m_backgroundLogin = read("/settings/background/login");
    m_backgroundSplash = read("/settings/background/splash");
    m_backgroundMain = read("/settings/background/main");
    m_caption = read("/caption");
    m_helpFileName = read("/help");
    m_menuFileName = read("/menu");
    m_updateFileName = read("/update");
    m_rootCaption = read("/rootcaption");
    m_subject = read("/subject");
    return true;
}

void clsConfig::Clear()
{
    m_xml = std::make_unique<XmlDoc>();
}

QString clsConfig::ExpandFileName(const QString& name, bool /*lowerCase*/, bool keepRelative)
{
    const QString expanded = bCommon::ExpandMacros(name);
    return keepRelative ? expanded : bCommon::FromProgramFolder(expanded);
}
