#pragma once

#include <QHashFunctions>
#include <QString>

// A raw material's key: ledger account and register number (FokonyviSzam + NyilvSzam in Anyag,
// FokSzla or FokSzam + NyilvSzam elsewhere). Ordered by account, then number; usable as a hash key.
struct MaterialKey
{
    QString account;
    QString number;

    // One text: account, "/", number ("042/0001"); fromText reads it back (an empty key for a
    // text without "/").
    QString text() const { return account + QLatin1Char('/') + number; }
    static MaterialKey fromText(const QString &text)
    {
        const qsizetype slash = text.indexOf(QLatin1Char('/'));
        return slash < 0 ? MaterialKey() : MaterialKey {text.left(slash), text.mid(slash + 1)};
    }

    bool isEmpty() const { return account.isEmpty() && number.isEmpty(); }

    friend bool operator==(const MaterialKey &a, const MaterialKey &b) = default;
    friend bool operator<(const MaterialKey &a, const MaterialKey &b)
    {
        return a.account != b.account ? a.account < b.account : a.number < b.number;
    }
};

inline size_t qHash(const MaterialKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.account, key.number);
}
