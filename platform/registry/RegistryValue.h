#pragma once

#include "PlatformExport.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

// The kinds of registry values, numbered as the system registry numbers them.
enum class RegistryValueKind { String = 1, Binary = 3, Dword = 4 };

// A named value of a registry key: text (QString), bytes (QByteArray) or a 32-bit number (quint32).
struct ORVEL_PLATFORM_EXPORT RegistryValue {
    RegistryValueKind kind = RegistryValueKind::String;
    QVariant data;

    static RegistryValue String(const QString& text) { return {RegistryValueKind::String, text}; }
    static RegistryValue Binary(const QByteArray& bytes) { return {RegistryValueKind::Binary, bytes}; }
    static RegistryValue Dword(quint32 number) { return {RegistryValueKind::Dword, number}; }

    bool operator==(const RegistryValue& other) const { return kind == other.kind && data == other.data; }
};
