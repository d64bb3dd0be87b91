#include "store/PreparedStatement.h"

#include "store/EngineError.h"
#include "store/ServerHandle.h"
#include "store/SqliteHandle.h"
#include "store/Sql.h"
#include "store/StatementSet.h"

#include <QAtomicInteger>
#include <QSqlError>

#include <charconv>
#include <libpq-fe.h>

#include <sqlite3.h>

namespace {

// Statement names never repeat within the program, so a name is never taken on a connection.
QByteArray nextServerName()
{
    static QAtomicInteger<quint64> counter;
    return QByteArrayLiteral("salvia_") + QByteArray::number(++counter);
}

// The SQL with libpq's numbered parameters ($1, $2 ...) for the "?" outside quotes.
QByteArray numbered(const QString &sql, int *count)
{
    QString text;
    QChar quote;
    *count = 0;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('?')) {
            text += QLatin1Char('$') + QString::number(++*count);
            continue;
        }
        text += c;
    }
    return text.toUtf8();
}

// A failed server result as EngineError names it.
QString serverError(PGconn *connection, const PGresult *result)
{
    const QString message
        = QString::fromUtf8(result ? PQresultErrorMessage(result) : PQerrorMessage(connection)).trimmed();
    if (PQstatus(connection) != CONNECTION_OK)
        return EngineError::cause(EngineError::Kind::ConnectionLost, message);
    const char *state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    return EngineError::cause(EngineError::serverKind(QString::fromLatin1(state ? state : "")), message);
}

} // namespace

PreparedStatement::PreparedStatement(QSqlDatabase db, const QString &sql)
    : m_db(db)
    , m_connection(sqliteHandle(db))
    , m_server(m_connection ? nullptr : serverHandle(db))
    , m_query(m_connection || m_server ? QSqlQuery() : QSqlQuery(db))
{
    if (m_server) {
        prepareOnServer(sql);
        return;
    }
    if (m_connection) {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v3(m_connection, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                &m_statement, nullptr)
            != SQLITE_OK) {
            m_error = QString::fromUtf8(sqlite3_errmsg(m_connection));
            m_statement = nullptr;
        }
        return;
    }
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        m_error = m_query.lastError().text();
}

void PreparedStatement::prepareOnServer(const QString &sql)
{
    int count = 0;
    const QByteArray text = numbered(sql, &count);
    m_parameters.resize(count);
    m_nullParameters.fill(false, count);
    if (PQtransactionStatus(m_server) == PQTRANS_ACTIVE) {
        m_error = QStringLiteral("a kapcsolat egy korábbi olvasása még nyitva van");
        return;
    }
    m_serverName = nextServerName();
    PGresult *result = PQprepare(m_server, m_serverName.constData(), text.constData(), count, nullptr);
    if (PQresultStatus(result) != PGRES_COMMAND_OK) {
        m_error = serverError(m_server, result);
        m_serverName.clear();
    }
    PQclear(result);
}

void PreparedStatement::bindServer(int index, const QByteArray &text, bool null)
{
    if (index < 0 || index >= m_parameters.size())
        return;
    m_parameters[index] = text;
    m_nullParameters[index] = null;
}

void PreparedStatement::clearResult()
{
    if (m_result)
        PQclear(m_result);
    m_result = nullptr;
    m_row = -1;
}

const char *PreparedStatement::serverValue(int column) const
{
    return PQgetvalue(m_result, m_row, column);
}

PreparedStatement::~PreparedStatement()
{
    clearResult();
    // A statement made outside a set gives its server statement back while its connection lasts.
    if (!m_owner && m_server && !m_serverName.isEmpty() && serverHandle(m_db) == m_server) {
        const PGTransactionStatusType status = PQtransactionStatus(m_server);
        if (status == PQTRANS_IDLE || status == PQTRANS_INTRANS)
            PQclear(PQexec(m_server, QByteArray("DEALLOCATE " + m_serverName).constData()));
    }
    if (m_statement)
        sqlite3_finalize(m_statement);
}

bool PreparedStatement::isValid() const
{
    if (m_server)
        return !m_serverName.isEmpty();
    return m_connection ? m_statement != nullptr : m_error.isEmpty();
}

void PreparedStatement::bindText(int index, const QString &text)
{
    if (m_server) {
        bindServer(index, text.toUtf8());
        return;
    }
    if (!m_connection) {
        m_query.bindValue(index, text);
        return;
    }
    if (m_statement) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_statement, index + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
}

void PreparedStatement::bindInteger(int index, qint64 number)
{
    if (m_server) {
        bindServer(index, QByteArray::number(number));
        return;
    }
    if (!m_connection)
        m_query.bindValue(index, number);
    else if (m_statement)
        sqlite3_bind_int64(m_statement, index + 1, number);
}

void PreparedStatement::bindReal(int index, double number)
{
    if (m_server) {
        bindServer(index, QByteArray::number(number, 'g', 17));
        return;
    }
    if (!m_connection)
        m_query.bindValue(index, number);
    else if (m_statement)
        sqlite3_bind_double(m_statement, index + 1, number);
}

void PreparedStatement::bindMoney(int index, const Money &amount)
{
    if (m_server) {
        bindServer(index, amount.toLatin1());
        return;
    }
    if (!m_connection) {
        m_query.bindValue(index, Sql::money(amount));
        return;
    }
    if (m_statement) {
        const QByteArray text = amount.toLatin1();
        sqlite3_bind_text(m_statement, index + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
}

void PreparedStatement::bindDate(int index, const QDate &day)
{
    bind(index, Sql::date(day));
}

void PreparedStatement::bind(int index, const QVariant &value)
{
    if (m_server) {
        if (value.isNull())
            bindServer(index, QByteArray(), true);
        else if (value.typeId() == QMetaType::Bool)
            bindServer(index, value.toBool() ? QByteArrayLiteral("true") : QByteArrayLiteral("false"));
        else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
            bindReal(index, value.toDouble());
        else if (value.typeId() == QMetaType::QDate)
            bindServer(index, value.toDate().toString(Qt::ISODate).toLatin1());
        else
            bindText(index, value.toString());
        return;
    }
    if (!m_connection) {
        m_query.bindValue(index, value);
        return;
    }
    if (!m_statement)
        return;
    if (value.isNull()) {
        sqlite3_bind_null(m_statement, index + 1);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        bindInteger(index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        bindReal(index, value.toDouble());
        break;
    case QMetaType::QDate:
        bindText(index, value.toDate().toString(Qt::ISODate));
        break;
    default:
        bindText(index, value.toString());
        break;
    }
}

void PreparedStatement::bindAll(const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        bind(i, values.at(i));
}

bool PreparedStatement::stepped(int code)
{
    if (code == SQLITE_ROW)
        return true;
    if (code != SQLITE_DONE)
        m_error = EngineError::sqliteCause(sqlite3_extended_errcode(m_connection), QString::fromUtf8(sqlite3_errmsg(m_connection)));
    // At its end a read lets go of the connection's snapshot at once.
    sqlite3_reset(m_statement);
    m_state = State::Idle;
    return false;
}

bool PreparedStatement::exec()
{
    (m_owner ? *m_owner : StatementSet::of(m_db)).starting(this);
    m_error.clear();
    m_state = State::Reading;
    if (m_server) {
        clearResult();
        if (m_serverName.isEmpty()) {
            m_error = QStringLiteral("SQL statement not prepared");
        } else if (PQtransactionStatus(m_server) == PQTRANS_ACTIVE) {
            // Another reader of the connection (through Qt) has not finished.
            m_error = QStringLiteral("a kapcsolat egy korábbi olvasása még nyitva van");
        } else {
            QList<const char *> values(m_parameters.size());
            for (int i = 0; i < m_parameters.size(); ++i)
                values[i] = m_nullParameters.at(i) ? nullptr : m_parameters.at(i).constData();
            m_result = PQexecPrepared(m_server, m_serverName.constData(), int(values.size()), values.constData(),
                nullptr, nullptr, 0);
            const ExecStatusType status = PQresultStatus(m_result);
            if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
                m_error = serverError(m_server, m_result);
                clearResult();
            }
        }
        if (!m_error.isEmpty())
            m_state = State::Idle;
        return m_error.isEmpty();
    }
    if (!m_connection) {
        if (!m_query.exec()) {
            m_error = EngineError::cause(m_query.lastError());
            m_state = State::Idle;
        }
        return m_error.isEmpty();
    }
    if (!m_statement) {
        m_error = QStringLiteral("SQL statement not prepared");
        m_state = State::Idle;
        return false;
    }
    sqlite3_reset(m_statement);
    // A write runs to its end; a read keeps its first row for next().
    m_rowWaiting = stepped(sqlite3_step(m_statement));
    return m_error.isEmpty();
}

bool PreparedStatement::next()
{
    if (m_state == State::Interrupted) {
        m_error = QStringLiteral("az olvasást a kapcsolat egy későbbi utasítása lezárta");
        return false;
    }
    if (m_state != State::Reading)
        return false;
    if (m_server) {
        if (m_result && m_row + 1 < PQntuples(m_result)) {
            ++m_row;
            return true;
        }
        clearResult();
        m_state = State::Idle;
        return false;
    }
    if (!m_connection) {
        if (m_query.next())
            return true;
        if (m_query.lastError().isValid())
            m_error = EngineError::cause(m_query.lastError());
        m_state = State::Idle;
        return false;
    }
    if (m_rowWaiting) {
        m_rowWaiting = false;
        return true;
    }
    return stepped(sqlite3_step(m_statement));
}

void PreparedStatement::finish()
{
    m_rowWaiting = false;
    m_state = State::Idle;
    if (m_server)
        clearResult();
    else if (!m_connection)
        m_query.finish();
    else if (m_statement)
        sqlite3_reset(m_statement);
}

void PreparedStatement::interrupt()
{
    if (m_state != State::Reading)
        return;
    finish();
    m_state = State::Interrupted;
}

bool PreparedStatement::isNull(int column) const
{
    if (m_server)
        return PQgetisnull(m_result, m_row, column) != 0;
    return m_connection ? sqlite3_column_type(m_statement, column) == SQLITE_NULL : m_query.isNull(column);
}

qint64 PreparedStatement::integer(int column) const
{
    if (m_server) {
        const char *value = serverValue(column);
        qint64 number = 0;
        std::from_chars(value, value + PQgetlength(m_result, m_row, column), number);
        return number;
    }
    return m_connection ? sqlite3_column_int64(m_statement, column) : m_query.value(column).toLongLong();
}

double PreparedStatement::real(int column) const
{
    if (m_server) {
        // The server's text is the C form whatever the program's locale.
        const char *value = serverValue(column);
        double number = 0;
        std::from_chars(value, value + PQgetlength(m_result, m_row, column), number);
        return number;
    }
    return m_connection ? sqlite3_column_double(m_statement, column) : m_query.value(column).toDouble();
}

QString PreparedStatement::text(int column) const
{
    if (m_server)
        return QString::fromUtf8(serverValue(column), PQgetlength(m_result, m_row, column));
    if (!m_connection)
        return m_query.value(column).toString();
    const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(utf8, sqlite3_column_bytes(m_statement, column));
}

Money PreparedStatement::money(int column) const
{
    if (m_server)
        return isNull(column) ? Money() : Sql::toMoney(QVariant(text(column)));
    if (!m_connection)
        return Sql::toMoney(m_query.value(column));
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return Money();
    case SQLITE_INTEGER:
        return Sql::toMoney(QVariant(qint64(sqlite3_column_int64(m_statement, column))));
    case SQLITE_FLOAT:
        return Sql::toMoney(sqlite3_column_double(m_statement, column));
    default:
        return Sql::toMoney(QVariant(text(column)));
    }
}

QDate PreparedStatement::date(int column) const
{
    if (m_server)
        return isNull(column) ? QDate() : QDate::fromString(text(column).left(10), Qt::ISODate);
    if (!m_connection)
        return Sql::toDate(m_query.value(column));
    return isNull(column) ? QDate() : Sql::toDate(QVariant(text(column)));
}

bool PreparedStatement::flag(int column) const
{
    if (m_server)
        return *serverValue(column) == 't' || *serverValue(column) == '1';
    return m_connection ? sqlite3_column_int64(m_statement, column) != 0 : Sql::toFlag(m_query.value(column));
}
