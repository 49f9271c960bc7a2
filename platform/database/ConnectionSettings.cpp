#include "database/ConnectionSettings.h"

#include <QDir>
#include <QFileInfo>

#include <pugixml.hpp>

bool ConnectionSettings::FromConfigFile(const QString& configFile, ConnectionSettings* out,
                                        QString* error)
{
    const QFileInfo info(configFile);
    if (!info.exists()) {
        *error = QStringLiteral("配置文件不存在: %1").arg(configFile);
        return false;
    }
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_file(info.absoluteFilePath().toLocal8Bit().constData());
    if (!parsed) {
        *error = QStringLiteral("配置文件格式错误: %1 (%2)").arg(configFile, QString::fromUtf8(parsed.description()));
        return false;
    }
    const pugi::xml_node node = doc.select_node("/configuration/database").node();
    if (!node) {
        *error = QStringLiteral("配置文件中没有数据库连接 (/configuration/database): %1").arg(configFile);
        return false;
    }
    auto attr = [&node](const char* name) { return QString::fromUtf8(node.attribute(name).as_string()).trimmed(); };

    ConnectionSettings s;
    s.driver = attr("driver").toLower();
    if (s.driver == QLatin1String("jet")) {
        const QString file = QString(attr("file")).replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (file.isEmpty()) {
            *error = QStringLiteral("数据库连接缺少 file 属性: %1").arg(configFile);
            return false;
        }
        s.file = QDir(info.absolutePath()).absoluteFilePath(file);
    } else if (s.driver == QLatin1String("pgsql")) {
        s.host = attr("host");
        s.name = attr("name");
        s.user = attr("user");
        s.password = attr("password");
        const QString port = attr("port");
        bool ok = true;
        if (!port.isEmpty())
            s.port = port.toInt(&ok);
        if (!ok || s.port <= 0 || s.name.isEmpty()) {
            *error = QStringLiteral("数据库连接的 port 或 name 属性无效: %1").arg(configFile);
            return false;
        }
    } else if (s.driver == QLatin1String("mssql")) {
        s.odbc = attr("odbc");
        if (s.odbc.isEmpty()) {
            *error = QStringLiteral("数据库连接缺少 odbc 属性: %1").arg(configFile);
            return false;
        }
    } else {
        *error = QStringLiteral("未知的数据库驱动 \"%1\": %2").arg(s.driver, configFile);
        return false;
    }
    *out = s;
    return true;
}

ConnectionSettings ConnectionSettings::Sqlite(const QString& file)
{
    ConnectionSettings s;
    s.driver = QStringLiteral("jet");
    s.file = QFileInfo(file).absoluteFilePath();
    return s;
}
