#include "store/TransactionGuard.h"

#include "store/Database.h"
#include "store/EngineError.h"
#include "store/ServerHandle.h"
#include "store/StatementSet.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <libpq-fe.h>

namespace {

// How many guards are open on each connection (by connection name).
QHash<QString, int> &openLevels()
{
    static QHash<QString, int> levels;
    return levels;
}

QString savepointName(int level)
{
    return QStringLiteral("salvia_sp_") + QString::number(level);
}

// The warehouse number of a server connection ("raktar_<n>" in its search path); 0 otherwise.
int lockKeyOf(QSqlDatabase db)
{
    const QString name = db.connectionName();
    const qsizetype hash = name.lastIndexOf(QLatin1String("#raktar_"));
    return hash < 0 ? 0 : name.mid(hash + 8).toInt();
}

// PostgreSQL answers COMMIT of a transaction that an earlier statement aborted with a silent
// rollback; this tells it beforehand. Empty when the transaction can be committed.
QString serverTransactionProblem(QSqlDatabase db)
{
    if (Database::engineOf(db) != Database::Engine::PostgreSQL)
        return QString();
    PGconn *connection = serverHandle(db);
    if (!connection || PQstatus(connection) != CONNECTION_OK)
        return EngineError::cause(EngineError::Kind::ConnectionLost, QString());
    if (PQtransactionStatus(connection) == PQTRANS_INERROR)
        return QStringLiteral("a tranzakció egy korábbi hiba miatt megszakadt, semmi nem íródott ki");
    return QString();
}

// False once a server has ended the transaction by itself (a failed COMMIT, a lost connection).
bool transactionOpen(QSqlDatabase db)
{
    if (Database::engineOf(db) != Database::Engine::PostgreSQL)
        return true;
    PGconn *connection = serverHandle(db);
    return connection && PQstatus(connection) == CONNECTION_OK && PQtransactionStatus(connection) != PQTRANS_IDLE;
}

} // namespace

void TransactionGuard::failWith(const QSqlError &error)
{
    m_sqlError = error;
    m_error = EngineError::cause(error);
    // A file found damaged while writing takes no further writes until it is repaired.
    const EngineError::Kind kind = EngineError::kindOf(error);
    if (kind == EngineError::Kind::Damaged || kind == EngineError::Kind::NotADatabase)
        Database::markDamaged(m_db, m_error);
}

QSqlError TransactionGuard::error() const
{
    if (m_sqlError.isValid() || m_error.isEmpty())
        return m_sqlError;
    return QSqlError(QString(), m_error, QSqlError::TransactionError);
}

bool TransactionGuard::run(const QString &sql)
{
    QSqlQuery query(m_db);
    if (query.exec(sql))
        return true;
    failWith(query.lastError().text().trimmed().isEmpty() ? m_db.lastError() : query.lastError());
    return false;
}

TransactionGuard::TransactionGuard(QSqlDatabase db, int lockKey)
    : m_db(db)
    , m_key(db.connectionName())
{
    if (!m_db.isOpen()) {
        failWith(m_db.lastError());
        m_error = EngineError::notOpen(m_db);
        return;
    }
    // A read left open would hold an old snapshot into the transaction.
    StatementSet::finishOpenRead(m_db);
    const int open = openLevels().value(m_key);
    if (open == 0) {
        if (const QString damage = Database::damage(m_db); !damage.isEmpty()) {
            m_error = damage;
            return;
        }
    }
    if (open > 0) {
        m_level = open + 1;
        m_active = run(QStringLiteral("SAVEPOINT ") + savepointName(m_level));
    } else {
        m_level = 1;
        if (Database::engineOf(m_db) == Database::Engine::PostgreSQL) {
            const qint64 key = lockKey >= 0 ? lockKey : lockKeyOf(m_db);
            PGconn *connection = serverHandle(m_db);
            if (connection && PQtransactionStatus(connection) == PQTRANS_IDLE)
                m_active = beginOnServer(connection, key);
            else
                m_active = beginThroughDriver(key);
        } else {
            m_active = run(QStringLiteral("BEGIN IMMEDIATE"));
        }
    }
    if (m_active)
        openLevels()[m_key] = m_level;
}

bool TransactionGuard::beginOnServer(PGconn *connection, qint64 lockKey)
{
    // BEGIN and the lock in one round trip.
    const QByteArray sql = "BEGIN; SELECT pg_advisory_xact_lock(" + QByteArray::number(lockKey) + ')';
    PGresult *result = PQexec(connection, sql.constData());
    const bool locked = PQresultStatus(result) == PGRES_TUPLES_OK;
    if (!locked) {
        const QString message
            = QString::fromUtf8(result ? PQresultErrorMessage(result) : PQerrorMessage(connection)).trimmed();
        const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
        // A connection gone without a state of its own is named as lost.
        const QString code = PQstatus(connection) != CONNECTION_OK && !state
            ? QStringLiteral("08006")
            : QString::fromLatin1(state ? state : "");
        failWith(QSqlError(QString(), message, QSqlError::TransactionError, code));
        if (PQstatus(connection) == CONNECTION_OK && PQtransactionStatus(connection) != PQTRANS_IDLE)
            PQclear(PQexec(connection, "ROLLBACK"));
    }
    PQclear(result);
    return locked;
}

bool TransactionGuard::beginThroughDriver(qint64 lockKey)
{
    if (!run(QStringLiteral("BEGIN")))
        return false;
    QSqlQuery lock(m_db);
    lock.prepare(QStringLiteral("SELECT pg_advisory_xact_lock(?)"));
    lock.addBindValue(lockKey);
    if (lock.exec())
        return true;
    failWith(lock.lastError());
    run(QStringLiteral("ROLLBACK"));
    return false;
}

TransactionGuard::~TransactionGuard()
{
    if (!m_active)
        return;
    if (m_level > 1) {
        run(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepointName(m_level));
        run(QStringLiteral("RELEASE SAVEPOINT ") + savepointName(m_level));
    } else if (transactionOpen(m_db)) {
        run(QStringLiteral("ROLLBACK"));
    }
    openLevels()[m_key] = m_level - 1;
    if (m_level == 1)
        openLevels().remove(m_key);
}

bool TransactionGuard::commit()
{
    if (!m_active) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("nincs nyitott tranzakció");
        return false;
    }
    m_error.clear();
    m_sqlError = QSqlError();
    if (m_level > 1) {
        if (!run(QStringLiteral("RELEASE SAVEPOINT ") + savepointName(m_level)))
            return false;
    } else if (const QString problem = serverTransactionProblem(m_db); !problem.isEmpty()) {
        m_error = problem;
        return false;
    } else if (!run(QStringLiteral("COMMIT"))) {
        // A failed COMMIT leaves PostgreSQL's transaction aborted and SQLite's possibly open:
        // the destructor's ROLLBACK ends it either way.
        return false;
    }
    m_active = false;
    openLevels()[m_key] = m_level - 1;
    if (m_level == 1)
        openLevels().remove(m_key);
    return true;
}
