#pragma once

#include "users/LoginTable.h"

#include <QList>
#include <QTemporaryDir>

// A database directory in a temporary folder with the shared tables (users in `login`) only:
// cheaper than a whole database for the many small cases of the user administration.
class LoginFixture
{
public:
    LoginFixture();
    ~LoginFixture();

    QString dbPath() const { return m_dir.path(); }
    // Adds a user with a hashed password (hashes are reused within a test run: hashing is slow).
    void addUser(const QString &name, const QString &password, int level);
    // Every row ordered by name, hashes included: equal snapshots mean nothing was written.
    QList<LoginRow> rows() const;
    // The stored password field of a user; empty when there is no such user.
    QString storedPassword(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

bool operator==(const LoginRow &a, const LoginRow &b);
char *toString(const LoginRow &row);
