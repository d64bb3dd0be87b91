#pragma once

#include <QString>

// Passwords are stored as Argon2id hashes (libsodium), never in a reversible form.
namespace PasswordHash {
// The storable hash of a password; empty when hashing failed (out of memory).
QString hash(const QString &password);
// True when the password matches the stored hash; false for anything that is not a valid hash.
bool verify(const QString &storedHash, const QString &password);
} // namespace PasswordHash
