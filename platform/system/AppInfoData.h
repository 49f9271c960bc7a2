#pragma once

#include <QDate>
#include <QString>

// The session values of AppSystem::AppInfo, set by start-up and the login.
struct AppInfoData {
    QString UserName;
    QString UserID;
    QDate OperationDate;
    QString AppPath;
    QString Caption;
    QString ConfigFileName;
    QString TemporaryPath;
};
