#include "core/PasswordHash.h"

#include <sodium.h>

namespace PasswordHash {

static bool ready()
{
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

QString hash(const QString &password)
{
    if (!ready())
        return QString();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return QString();
    return QString::fromLatin1(out);
}

bool verify(const QString &storedHash, const QString &password)
{
    if (!ready() || storedHash.isEmpty())
        return false;
    const QByteArray stored = storedHash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size()))
        == 0;
}

} // namespace PasswordHash
