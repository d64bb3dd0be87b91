#include "support/EngineDatabases.h"

#include <QTest>

EngineDatabases::EngineDatabases(const QDate &today, std::function<void(const TempDatabase &)> prepare)
    : m_today(today)
    , m_prepare(std::move(prepare))
{
}

TempDatabase &EngineDatabases::of(const QString &engine)
{
    std::unique_ptr<TempDatabase> &db = m_databases[engine];
    if (!db) {
        db = std::make_unique<TempDatabase>(m_today, engine);
        if (!db->isValid())
            qWarning("%s database: %s", qPrintable(engine), qPrintable(db->errorText()));
        else if (m_prepare)
            m_prepare(*db);
    }
    return *db;
}

TempDatabase &EngineDatabases::current()
{
    QFETCH(QString, engine);
    return of(engine);
}
