#pragma once

#include <QtCore/qglobal.h>

#if defined(CNOTE_CONTRACTS_LIBRARY)
#define CNOTE_CONTRACTS_EXPORT Q_DECL_EXPORT
#else
#define CNOTE_CONTRACTS_EXPORT Q_DECL_IMPORT
#endif
