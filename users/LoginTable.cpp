#include "users/LoginTable.h"

#include "store/Database.h"
#include "store/EngineError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

LoginTable::LoginTable(const QString &dbPath)
    : m_dbPath(dbPath)
{
}

QString LoginTable::readProblem()
{
    QSqlDatabase db = Database::shared(m_dbPath);
    if (!db.isOpen())
        return EngineError::notOpen(db);
    // The repair works inside a warehouse, which cannot be reached without the shared tables.
    if (const QString damage = Database::damage(db); !damage.isEmpty())
        return damage == EngineError::cause(EngineError::Kind::Damaged, QString()) ? EngineError::damagedFile() : damage;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"login\"")) || !query.next())
        return EngineError::cause(query.lastError());
    return QString();
}

std::optional<LoginRow> LoginTable::find(const QString &loginName)
{
    m_lastError.clear();
    QSqlQuery query(Database::shared(m_dbPath));
    query.prepare(QStringLiteral("SELECT \"LoginName\", \"Password\", \"SecurLevel\" FROM \"login\" WHERE \"LoginName\" = ?"));
    query.addBindValue(loginName);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return std::nullopt;
    }
    // The comparison is repeated here so that a case-insensitive collation cannot merge two users.
    while (query.next()) {
        if (query.value(0).toString() == loginName)
            return LoginRow {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()};
    }
    return std::nullopt;
}

bool LoginTable::insert(const LoginRow &row)
{
    m_lastError.clear();
    QSqlQuery query(Database::shared(m_dbPath));
    query.prepare(QStringLiteral("INSERT INTO \"login\" (\"LoginName\", \"Password\", \"SecurLevel\") VALUES (?, ?, ?)"));
    query.addBindValue(row.loginName);
    query.addBindValue(row.password);
    query.addBindValue(row.securLevel);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    return true;
}

bool LoginTable::setPassword(const QString &loginName, const QString &passwordHash)
{
    m_lastError.clear();
    QSqlQuery query(Database::shared(m_dbPath));
    query.prepare(QStringLiteral("UPDATE \"login\" SET \"Password\" = ? WHERE \"LoginName\" = ?"));
    query.addBindValue(passwordHash);
    query.addBindValue(loginName);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    return query.numRowsAffected() > 0;
}

bool LoginTable::remove(const QString &loginName)
{
    m_lastError.clear();
    QSqlQuery query(Database::shared(m_dbPath));
    query.prepare(QStringLiteral("DELETE FROM \"login\" WHERE \"LoginName\" = ?"));
    query.addBindValue(loginName);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    return query.numRowsAffected() > 0;
}
