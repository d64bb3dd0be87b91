#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

struct pg_conn;

// Runs a multi-step write in one transaction: commit() makes it permanent; a guard destroyed
// without a successful commit rolls its part back.
//
// One writer per warehouse at a time: SQLite starts with BEGIN IMMEDIATE (the file's write lock);
// PostgreSQL with BEGIN and a transaction-scoped advisory lock on the warehouse number (0 for the
// shared tables), so two computers recording into one warehouse follow one another on both.
//
// Guards nest: a guard created while another is open on the same connection becomes a savepoint.
// Its rollback takes back its own part only; its commit keeps its part within the outer
// transaction, which still decides whether anything is written.
class TransactionGuard
{
public:
    // `lockKey` names what the writer holds on a server (the warehouse number; 0 the shared
    // tables); by default it is taken from the connection.
    explicit TransactionGuard(QSqlDatabase db, int lockKey = -1);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    // False when the transaction could not be started (the database is locked, closed, or was
    // found damaged when it was opened: nothing is written into a damaged file).
    bool isActive() const { return m_active; }
    // True for a guard that became a savepoint inside another guard.
    bool isNested() const { return m_level > 1; }
    bool commit();
    // The reason of the last failure (start or commit) in Hungarian, as EngineError::cause gives
    // it ("a lemez megtelt"); empty when nothing failed.
    QString errorText() const { return m_error; }
    // The failure as an error for the write's message: the engine's own, or one that carries the
    // guard's reason (a damaged file, a lost server); invalid when nothing failed.
    QSqlError error() const;

private:
    bool run(const QString &sql);
    // BEGIN and the warehouse's lock on a server; false with the failure kept.
    bool beginOnServer(pg_conn *connection, qint64 lockKey);
    bool beginThroughDriver(qint64 lockKey);
    void failWith(const QSqlError &error);

    QSqlDatabase m_db;
    QString m_key;
    int m_level = 0;
    bool m_active = false;
    QString m_error;
    QSqlError m_sqlError;
};
