#include "store/TransactionGuard.h"

#include <QSqlQuery>

TransactionGuard::TransactionGuard(QSqlDatabase db)
    : m_db(db)
{
    QSqlQuery query(m_db);
    m_active = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

TransactionGuard::~TransactionGuard()
{
    if (m_active) {
        QSqlQuery query(m_db);
        query.exec(QStringLiteral("ROLLBACK"));
    }
}

bool TransactionGuard::commit()
{
    if (!m_active)
        return false;
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("COMMIT")))
        return false;
    m_active = false;
    return true;
}
