#include "StatementCount.h"

#include "store/ServerHandle.h"

#include <QSqlDriver>
#include <QVariant>
#include <libpq-fe.h>
#include <sqlite3.h>

StatementCount::StatementCount(QSqlDatabase db)
{
    const QVariant handle = db.driver()->handle();
    m_server = serverHandle(db);
    if (m_server) {
        cookie_io_functions_t functions {nullptr, &StatementCount::traced, nullptr, nullptr};
        m_stream = fopencookie(this, "w", functions);
        setvbuf(m_stream, nullptr, _IOFBF, 1 << 16);
        PQtrace(m_server, m_stream);
        PQsetTraceFlags(m_server, PQTRACE_SUPPRESS_TIMESTAMPS);
    } else {
        m_sqlite = *static_cast<sqlite3 *const *>(handle.constData());
        sqlite3_trace_v2(static_cast<sqlite3 *>(m_sqlite), SQLITE_TRACE_STMT, &StatementCount::stepped, this);
    }
}

StatementCount::~StatementCount()
{
    if (m_server) {
        PQuntrace(m_server);
        std::fclose(m_stream);
    } else {
        sqlite3_trace_v2(static_cast<sqlite3 *>(m_sqlite), 0, nullptr, nullptr);
    }
}

qint64 StatementCount::count()
{
    if (m_stream)
        std::fflush(m_stream);
    return m_count;
}

int StatementCount::stepped(unsigned type, void *context, void *, void *sql)
{
    // A trigger's statements report themselves with a leading "--"; they are part of their statement.
    const char *text = static_cast<const char *>(sql);
    if (type == SQLITE_TRACE_STMT && !(text && text[0] == '-' && text[1] == '-'))
        ++static_cast<StatementCount *>(context)->m_count;
    return 0;
}

ssize_t StatementCount::traced(void *cookie, const char *buffer, size_t size)
{
    auto *self = static_cast<StatementCount *>(cookie);
    self->m_pending.append(buffer, size);
    size_t start = 0;
    for (size_t end = self->m_pending.find('\n'); end != std::string::npos; end = self->m_pending.find('\n', start)) {
        self->line(self->m_pending.substr(start, end - start));
        start = end + 1;
    }
    self->m_pending.erase(0, start);
    return ssize_t(size);
}

void StatementCount::line(const std::string &text)
{
    // "F <length> <message> ...": a message the client sent.
    if (text.rfind("F\t", 0) != 0)
        return;
    const size_t name = text.find('\t', 2);
    if (name == std::string::npos)
        return;
    const std::string message = text.substr(name + 1, text.find('\t', name + 1) - name - 1);
    if (message == "Query" || message == "Parse" || message == "Execute")
        ++m_count;
}
