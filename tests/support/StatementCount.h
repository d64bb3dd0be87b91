#pragma once

#include <QSqlDatabase>
#include <QtGlobal>
#include <cstdio>
#include <string>

struct pg_conn;

// Counts the statements a connection runs from now on. On the server: the messages that make the
// server run a statement (simple queries, preparations, executions of prepared statements), read
// from libpq's protocol trace. On SQLite: every statement the connection starts.
class StatementCount
{
public:
    explicit StatementCount(QSqlDatabase db);
    ~StatementCount();
    StatementCount(const StatementCount &) = delete;
    StatementCount &operator=(const StatementCount &) = delete;

    qint64 count();

private:
    static ssize_t traced(void *cookie, const char *buffer, size_t size);
    static int stepped(unsigned type, void *context, void *statement, void *sql);
    void line(const std::string &text);

    void *m_sqlite = nullptr;
    pg_conn *m_server = nullptr;
    FILE *m_stream = nullptr;
    std::string m_pending;
    qint64 m_count = 0;
};
