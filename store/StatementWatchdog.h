#pragma once

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>

// Stops a maintenance statement that runs too long without ending the program: on SQLite a progress
// handler interrupts the statement once it has run longer than the limit, on a server the
// session's statement_timeout cancels it. Either way the statement rolls back and its caller
// reports that the watchdog stopped it (the repair, the table editor). Active for the object's life; arm() before each statement.
class StatementWatchdog
{
public:
    // Five minutes, as long as a repair may take.
    static constexpr int DefaultLimitMs = 300000;

    StatementWatchdog(QSqlDatabase db, int limitMs = DefaultLimitMs);
    ~StatementWatchdog();
    StatementWatchdog(const StatementWatchdog &) = delete;
    StatementWatchdog &operator=(const StatementWatchdog &) = delete;

    // Starts the clock for the next statement.
    void arm();
    // Whether the statement that failed with `error` was stopped by the watchdog.
    bool stopped(const QSqlError &error) const;
    int limitMs() const { return m_limitMs; }

private:
    static int onProgress(void *self);

    QSqlDatabase m_db;
    int m_limitMs;
    QElapsedTimer m_clock;
    bool m_fired = false;
    bool m_server = false;
};
