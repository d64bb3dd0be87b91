#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <unordered_map>

class PreparedStatement;

// The prepared statements of one connection, keyed by their SQL text: each is prepared at its first
// use and kept for the connection's life, so every operation after the first runs them without
// preparing again. The set also keeps the connection's rule that a read is walked to its end or
// finished before the next statement: running any prepared statement of the connection finishes
// the read left open by another, and a transaction starts only after that.
//
// A connection that is closed, or opened anew after a loss, starts with an empty set (Database
// drops the set before it closes a connection; a set whose handle has changed under it is dropped
// at its next use). Both engines prepare a kept statement again by themselves when a table it names
// is dropped and made again, so a work table remade per connection is read correctly.
class StatementSet
{
public:
    ~StatementSet();
    StatementSet(const StatementSet &) = delete;
    StatementSet &operator=(const StatementSet &) = delete;

    // The set of this connection, made at first use.
    static StatementSet &of(const QSqlDatabase &db);
    // Drops the set of a connection (before the connection closes).
    static void drop(const QString &connectionName);
    // Finishes the read a statement of this connection left open (before a transaction starts).
    static void finishOpenRead(const QSqlDatabase &db);

    // The statement of this SQL, prepared on first use; nullptr with the reason in *error when it
    // cannot be prepared (and then it is tried afresh at the next call).
    PreparedStatement *statement(const QString &sql, QString *error = nullptr);
    // How many statements the set keeps.
    int size() const { return int(m_statements.size()); }

private:
    friend class PreparedStatement;
    StatementSet(const QSqlDatabase &db, const void *handle);
    // `statement` is about to run: the read another statement left open is finished first.
    void starting(PreparedStatement *statement);
    // A statement made outside the set is going away.
    void released(PreparedStatement *statement);
    // The set of a connection by name, when it has one.
    static StatementSet *existing(const QString &connectionName);

    QSqlDatabase m_db;
    const void *m_handle;
    std::unordered_map<QString, std::unique_ptr<PreparedStatement>> m_statements;
    PreparedStatement *m_open = nullptr;
};
