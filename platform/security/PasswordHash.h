#pragma once

#include "PlatformExport.h"

#include <QString>

// Operator passwords are stored only as Argon2id hashes (libsodium's self-describing string form).
namespace PasswordHash {

// Empty text when hashing failed (out of memory).
ORVEL_PLATFORM_EXPORT QString Hash(const QString& password);
ORVEL_PLATFORM_EXPORT bool Verify(const QString& hash, const QString& password);

}  // namespace PasswordHash
