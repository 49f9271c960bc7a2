#pragma once

#include "PlatformExport.h"

#include <QString>

// The per-user settings store: string values addressed by (application, section, key). One INI
// file per application in the user's configuration folder ("orvel" under the XDG configuration
// folder), or in the folder named by ORVEL_SETTINGS_DIR (tests).
namespace UserSettings {

ORVEL_PLATFORM_EXPORT QString Get(const QString& application, const QString& section, const QString& key,
                                  const QString& defaultValue = {});
ORVEL_PLATFORM_EXPORT void Save(const QString& application, const QString& section, const QString& key,
                                const QString& value);
ORVEL_PLATFORM_EXPORT void Delete(const QString& application, const QString& section, const QString& key);
// The file that holds the application's settings.
ORVEL_PLATFORM_EXPORT QString FileName(const QString& application);

}  // namespace UserSettings
