#include "store/ArchiveCopy.h"

#include "store/Catalogue.h"
#include "store/Sql.h"

#include <QFile>

#include <libpq-fe.h>
#include <sqlite3.h>

namespace ArchiveCopy {

namespace {

QByteArray quotedName(const QString &name)
{
    return '"' + name.toUtf8() + '"';
}

QByteArray fieldList(const TableDef &table)
{
    QByteArrayList names;
    for (const FieldDef &field : table.fields)
        names << quotedName(field.name);
    return names.join(", ");
}

QByteArray qualified(const QString &schema, const TableDef &table)
{
    return quotedName(schema) + '.' + quotedName(table.name);
}

// One field of COPY's text format back to its bytes: backslash escapes undone.
QByteArray unescape(const char *begin, const char *end)
{
    QByteArray out;
    out.reserve(end - begin);
    for (const char *p = begin; p < end; ++p) {
        if (*p != '\\' || p + 1 >= end) {
            out += *p;
            continue;
        }
        const char c = *++p;
        switch (c) {
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'v': out += '\v'; break;
        case 'x': {
            int value = 0;
            int digits = 0;
            while (digits < 2 && p + 1 < end && std::isxdigit(static_cast<unsigned char>(p[1]))) {
                value = value * 16 + QByteArray(1, *++p).toInt(nullptr, 16);
                ++digits;
            }
            out += char(value);
            break;
        }
        default:
            if (c >= '0' && c <= '7') {
                int value = c - '0';
                for (int digits = 1; digits < 3 && p + 1 < end && p[1] >= '0' && p[1] <= '7'; ++digits)
                    value = value * 8 + (*++p - '0');
                out += char(value);
            } else {
                out += c;
            }
        }
    }
    return out;
}

void escapeInto(QByteArray &out, const QByteArray &value)
{
    for (const char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

QString serverError(pg_conn *server)
{
    return QString::fromUtf8(PQerrorMessage(server)).trimmed();
}

// Binds one COPY field to the SQLite statement by the field's kind.
void bindField(sqlite3_stmt *statement, int column, FieldType type, const QByteArray &text)
{
    switch (type) {
    case FieldType::Boolean:
        sqlite3_bind_int(statement, column, text == "t" ? 1 : 0);
        return;
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        sqlite3_bind_int64(statement, column, text.toLongLong());
        return;
    case FieldType::Float:
    case FieldType::Money:
        sqlite3_bind_double(statement, column, text.toDouble());
        return;
    case FieldType::Date:
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    sqlite3_bind_text(statement, column, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

// One SQLite column as a COPY field.
void columnInto(QByteArray &out, sqlite3_stmt *statement, int column, FieldType type)
{
    const int kind = sqlite3_column_type(statement, column);
    if (kind == SQLITE_NULL) {
        out += "\\N";
        return;
    }
    switch (type) {
    case FieldType::Boolean:
        out += sqlite3_column_int64(statement, column) != 0 ? "t" : "f";
        return;
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        out += QByteArray::number(sqlite3_column_int64(statement, column));
        return;
    case FieldType::Money:
        out += Sql::toMoney(sqlite3_column_double(statement, column)).toString().toLatin1();
        return;
    case FieldType::Float:
        out += QByteArray::number(sqlite3_column_double(statement, column), 'g', 17);
        return;
    case FieldType::Date:
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
    escapeInto(out, QByteArray(text, sqlite3_column_bytes(statement, column)));
}

} // namespace

SqliteFile::SqliteFile(const QString &path, bool create)
{
    if (create && QFile::exists(path)) {
        m_error = QStringLiteral("a fájl már létezik: ") + path;
        return;
    }
    const int flags = create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK) {
        m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("nincs memória");
        sqlite3_close(m_db);
        m_db = nullptr;
    }
}

SqliteFile::~SqliteFile()
{
    sqlite3_close(m_db);
}

bool SqliteFile::exec(const QString &sql, QString *error)
{
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    if (error)
        *error = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db));
    sqlite3_free(message);
    return false;
}

bool createTables(sqlite3 *db, const QList<TableDef> &tables, QString *error)
{
    for (const TableDef &table : tables) {
        for (const QString &statement : Catalogue::createStatements(table, Database::Engine::SQLite)) {
            char *message = nullptr;
            if (sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
                if (error)
                    *error = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
                sqlite3_free(message);
                return false;
            }
        }
    }
    return true;
}

bool serverExec(pg_conn *server, const QByteArray &sql, QString *error)
{
    PGresult *result = PQexec(server, sql.constData());
    const ExecStatusType status = PQresultStatus(result);
    PQclear(result);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK)
        return true;
    if (error)
        *error = serverError(server);
    return false;
}

bool serverToSqlite(pg_conn *server, const QString &schema, const TableDef &table, sqlite3 *target, QString *error)
{
    QByteArrayList marks;
    for (qsizetype i = 0; i < table.fields.size(); ++i)
        marks << "?";
    const QByteArray insert =
        "INSERT INTO " + quotedName(table.name) + " (" + fieldList(table) + ") VALUES (" + marks.join(", ") + ')';
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(target, insert.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(target));
        return false;
    }
    const QByteArray copy = "COPY " + qualified(schema, table) + " (" + fieldList(table) + ") TO STDOUT";
    PGresult *started = PQexec(server, copy.constData());
    const bool copying = PQresultStatus(started) == PGRES_COPY_OUT;
    PQclear(started);
    if (!copying) {
        if (error)
            *error = serverError(server);
        sqlite3_finalize(statement);
        return false;
    }
    QString failure;
    char *line = nullptr;
    int length = 0;
    while ((length = PQgetCopyData(server, &line, 0)) > 0) {
        if (failure.isEmpty()) {
            const char *p = line;
            const char *end = line + length;
            if (end > p && end[-1] == '\n')
                --end;
            for (int column = 0; column < table.fields.size(); ++column) {
                const char *stop = static_cast<const char *>(memchr(p, '\t', end - p));
                if (!stop)
                    stop = end;
                if (stop - p == 2 && p[0] == '\\' && p[1] == 'N')
                    sqlite3_bind_null(statement, column + 1);
                else
                    bindField(statement, column + 1, table.fields.at(column).type, unescape(p, stop));
                p = stop < end ? stop + 1 : end;
            }
            if (sqlite3_step(statement) != SQLITE_DONE)
                failure = QString::fromUtf8(sqlite3_errmsg(target));
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
        }
        PQfreemem(line);
    }
    sqlite3_finalize(statement);
    if (length == -2 && failure.isEmpty())
        failure = serverError(server);
    PGresult *result = PQgetResult(server);
    if (PQresultStatus(result) != PGRES_COMMAND_OK && failure.isEmpty())
        failure = serverError(server);
    PQclear(result);
    while ((result = PQgetResult(server)))
        PQclear(result);
    if (!failure.isEmpty() && error)
        *error = table.name + QStringLiteral(": ") + failure;
    return failure.isEmpty();
}

bool sqliteToServer(sqlite3 *source, const TableDef &table, pg_conn *server, const QString &schema, QString *error)
{
    const QByteArray select = "SELECT " + fieldList(table) + " FROM " + quotedName(table.name);
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(source, select.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        if (error)
            *error = table.name + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(source));
        return false;
    }
    const QByteArray copy = "COPY " + qualified(schema, table) + " (" + fieldList(table) + ") FROM STDIN";
    PGresult *started = PQexec(server, copy.constData());
    const bool copying = PQresultStatus(started) == PGRES_COPY_IN;
    PQclear(started);
    if (!copying) {
        if (error)
            *error = serverError(server);
        sqlite3_finalize(statement);
        return false;
    }
    QString failure;
    QByteArray buffer;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int column = 0; column < table.fields.size(); ++column) {
            if (column > 0)
                buffer += '\t';
            columnInto(buffer, statement, column, table.fields.at(column).type);
        }
        buffer += '\n';
        if (buffer.size() > (1 << 20)) {
            if (PQputCopyData(server, buffer.constData(), int(buffer.size())) != 1) {
                failure = serverError(server);
                break;
            }
            buffer.clear();
        }
    }
    if (failure.isEmpty() && step != SQLITE_DONE)
        failure = QString::fromUtf8(sqlite3_errmsg(source));
    sqlite3_finalize(statement);
    if (failure.isEmpty() && !buffer.isEmpty() && PQputCopyData(server, buffer.constData(), int(buffer.size())) != 1)
        failure = serverError(server);
    PQputCopyEnd(server, failure.isEmpty() ? nullptr : "megszakítva");
    PGresult *result = PQgetResult(server);
    if (PQresultStatus(result) != PGRES_COMMAND_OK && failure.isEmpty())
        failure = serverError(server);
    PQclear(result);
    while ((result = PQgetResult(server)))
        PQclear(result);
    if (!failure.isEmpty() && error)
        *error = table.name + QStringLiteral(": ") + failure;
    return failure.isEmpty();
}

} // namespace ArchiveCopy
