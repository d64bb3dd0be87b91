#include "store/StatementWatchdog.h"

#include "store/Database.h"
#include "store/SqliteHandle.h"

#include <QSqlQuery>

#include <sqlite3.h>

namespace {
// SQLite calls the handler after this many virtual machine steps.
constexpr int StepsBetweenChecks = 10000;
} // namespace

StatementWatchdog::StatementWatchdog(QSqlDatabase db, int limitMs)
    : m_db(db)
    , m_limitMs(limitMs)
    , m_server(Database::engineOf(db) == Database::Engine::PostgreSQL)
{
    m_clock.start();
    if (m_server) {
        QSqlQuery(m_db).exec(QStringLiteral("SET statement_timeout = %1").arg(std::max(1, limitMs)));
    } else if (sqlite3 *handle = sqliteHandle(m_db)) {
        sqlite3_progress_handler(handle, StepsBetweenChecks, &StatementWatchdog::onProgress, this);
    }
}

StatementWatchdog::~StatementWatchdog()
{
    if (m_server)
        QSqlQuery(m_db).exec(QStringLiteral("RESET statement_timeout"));
    else if (sqlite3 *handle = sqliteHandle(m_db))
        sqlite3_progress_handler(handle, 0, nullptr, nullptr);
}

void StatementWatchdog::arm()
{
    m_fired = false;
    m_clock.restart();
}

bool StatementWatchdog::stopped(const QSqlError &error) const
{
    if (m_server)
        return error.nativeErrorCode() == QLatin1String("57014");
    return m_fired;
}

int StatementWatchdog::onProgress(void *self)
{
    auto *watchdog = static_cast<StatementWatchdog *>(self);
    if (watchdog->m_clock.elapsed() < watchdog->m_limitMs)
        return 0;
    watchdog->m_fired = true;
    return 1;
}
