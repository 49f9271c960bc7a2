#pragma once

#include <QObject>

// The entry point every component library exports: a new object of the named class (owned by
// the caller), or nullptr when the library has no such class.
extern "C" Q_DECL_EXPORT QObject* DllGetClassObject(const char* className);

using ComponentFactory = QObject* (*)(const char* className);
inline constexpr char kComponentEntryPoint[] = "DllGetClassObject";
// The plugin IID of component metadata (see orvel_component_metadata in cmake/OrvelTargets.cmake).
inline constexpr char kComponentIid[] = "org.orvel.Component/1";
