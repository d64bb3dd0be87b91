#pragma once

#include "users/LoginTable.h"

#include <QList>
#include <QTemporaryDir>

// A database with the shared tables (users in `login`) only, in a temporary folder or (engine
// "postgresql") in a new database on the test server: cheaper than a whole database for the many
// small cases of the user administration.
class LoginFixture
{
public:
    explicit LoginFixture(const QString &engine = QStringLiteral("sqlite"));
    ~LoginFixture();

    QString dbPath() const { return m_uri.isEmpty() ? m_dir.path() : m_uri; }
    // Adds a user with a hashed password (hashes are reused within a test run: hashing is slow).
    void addUser(const QString &name, const QString &password, int level);
    // Every row ordered by name, hashes included: equal snapshots mean nothing was written.
    QList<LoginRow> rows() const;
    // The stored password field of a user; empty when there is no such user.
    QString storedPassword(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QString m_uri;
};

bool operator==(const LoginRow &a, const LoginRow &b);
char *toString(const LoginRow &row);
