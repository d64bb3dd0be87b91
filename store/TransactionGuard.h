#pragma once

#include <QSqlDatabase>

// Runs a multi-step write in one transaction started with BEGIN IMMEDIATE (so two computers
// writing into one warehouse are serialised): commit() makes it permanent; a guard destroyed
// without a successful commit rolls everything back.
class TransactionGuard
{
public:
    explicit TransactionGuard(QSqlDatabase db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    // False when the transaction could not be started (the database is locked or closed).
    bool isActive() const { return m_active; }
    bool commit();

private:
    QSqlDatabase m_db;
    bool m_active = false;
};
