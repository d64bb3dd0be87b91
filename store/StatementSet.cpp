#include "store/StatementSet.h"

#include "store/PreparedStatement.h"

#include <QHash>
#include <QMutex>
#include <QSqlDriver>
#include <QVariant>

namespace {

// Every connection's set, by connection name. A connection is used by one thread only; the map
// itself is shared.
QHash<QString, StatementSet *> &sets()
{
    static QHash<QString, StatementSet *> all;
    return all;
}

QMutex &setsLock()
{
    static QMutex lock;
    return lock;
}

// The engine's handle under the connection (sqlite3* or PGconn*); null when it is closed.
const void *handleOf(const QSqlDatabase &db)
{
    if (!db.isOpen() || !db.driver())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    return handle.isValid() ? *static_cast<const void *const *>(handle.constData()) : nullptr;
}

} // namespace

StatementSet::StatementSet(const QSqlDatabase &db, const void *handle)
    : m_db(db)
    , m_handle(handle)
{
}

StatementSet::~StatementSet()
{
    m_open = nullptr;
    m_statements.clear();
}

StatementSet *StatementSet::existing(const QString &connectionName)
{
    QMutexLocker locker(&setsLock());
    return sets().value(connectionName);
}

StatementSet &StatementSet::of(const QSqlDatabase &db)
{
    const void *handle = handleOf(db);
    StatementSet *stale = nullptr;
    StatementSet *current = nullptr;
    {
        QMutexLocker locker(&setsLock());
        StatementSet *&set = sets()[db.connectionName()];
        if (set && set->m_handle != handle) {
            // Opened anew under the same name: the statements belong to the handle that went.
            stale = set;
            set = nullptr;
        }
        if (!set)
            set = new StatementSet(db, handle);
        current = set;
    }
    delete stale;
    return *current;
}

void StatementSet::drop(const QString &connectionName)
{
    StatementSet *set = nullptr;
    {
        QMutexLocker locker(&setsLock());
        set = sets().take(connectionName);
    }
    delete set;
}

void StatementSet::finishOpenRead(const QSqlDatabase &db)
{
    if (StatementSet *set = existing(db.connectionName()))
        set->starting(nullptr);
}

PreparedStatement *StatementSet::statement(const QString &sql, QString *error)
{
    auto found = m_statements.find(sql);
    if (found != m_statements.end())
        return found->second.get();
    // Preparing is a statement of the connection too.
    starting(nullptr);
    auto prepared = std::make_unique<PreparedStatement>(m_db, sql);
    if (!prepared->isValid()) {
        if (error)
            *error = prepared->error();
        return nullptr;
    }
    prepared->m_owner = this;
    return m_statements.emplace(sql, std::move(prepared)).first->second.get();
}

void StatementSet::starting(PreparedStatement *statement)
{
    if (m_open && m_open != statement)
        m_open->interrupt();
    m_open = statement;
}

void StatementSet::released(PreparedStatement *statement)
{
    if (m_open == statement)
        m_open = nullptr;
}
