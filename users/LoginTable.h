#pragma once

#include <QString>
#include <optional>

// One row of the shared user table `login`; Password holds an Argon2id hash.
struct LoginRow
{
    QString loginName;
    QString password;
    int securLevel = 0;
};

// Reads and writes the shared user table `login`. Names are compared exactly (case-sensitive).
class LoginTable
{
public:
    explicit LoginTable(const QString &dbPath);

    // The row of exactly this name; none when there is none or the table cannot be read.
    std::optional<LoginRow> find(const QString &loginName);
    bool insert(const LoginRow &row);
    // False when no row has that name or the write failed.
    bool setPassword(const QString &loginName, const QString &passwordHash);
    bool remove(const QString &loginName);

    // The database's text of the last failure; empty when it was a missing row.
    QString lastError() const { return m_lastError; }

    // Why the shared tables cannot be read, in Hungarian ("a lemez megtelt", a damaged file); empty
    // when the user table reads.
    QString readProblem();

private:
    QString m_dbPath;
    QString m_lastError;
};
