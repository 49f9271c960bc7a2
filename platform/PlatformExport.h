#pragma once

#include <QtCore/qglobal.h>

#if defined(ORVEL_PLATFORM_LIBRARY)
#define ORVEL_PLATFORM_EXPORT Q_DECL_EXPORT
#else
#define ORVEL_PLATFORM_EXPORT Q_DECL_IMPORT
#endif
