#pragma once

#include "support/TempDatabase.h"

#include <QDate>
#include <QString>
#include <functional>
#include <map>
#include <memory>

// One database per engine for a whole test program, made when a test first asks for it (making one
// takes long on a busy machine) and then handed to `prepare` once. For tests whose init() puts the
// tables they touch back as they were:
//     EngineDatabases m_databases;
//     TempDatabase &db() { return m_databases.current(); }   // the engine of the current data row
class EngineDatabases
{
public:
    explicit EngineDatabases(
        const QDate &today = QDate::currentDate(), std::function<void(const TempDatabase &)> prepare = {});

    TempDatabase &of(const QString &engine);
    // The database of the "engine" column of the running test row.
    TempDatabase &current();

private:
    QDate m_today;
    std::function<void(const TempDatabase &)> m_prepare;
    std::map<QString, std::unique_ptr<TempDatabase>> m_databases;
};
