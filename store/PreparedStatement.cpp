#include "store/PreparedStatement.h"

#include "store/EngineError.h"
#include "store/SqliteHandle.h"
#include "store/Sql.h"
#include "store/StatementSet.h"

#include <QSqlError>

#include <sqlite3.h>

PreparedStatement::PreparedStatement(QSqlDatabase db, const QString &sql)
    : m_db(db)
    , m_connection(sqliteHandle(db))
    , m_query(m_connection ? QSqlQuery() : QSqlQuery(db))
{
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

PreparedStatement::~PreparedStatement()
{
    if (!m_owner) {
        if (StatementSet *set = StatementSet::existing(m_db.connectionName()))
            set->released(this);
    }
    if (m_statement)
        sqlite3_finalize(m_statement);
}

bool PreparedStatement::isValid() const
{
    return m_connection ? m_statement != nullptr : m_error.isEmpty();
}

void PreparedStatement::bindText(int index, const QString &text)
{
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
    if (!m_connection)
        m_query.bindValue(index, number);
    else if (m_statement)
        sqlite3_bind_int64(m_statement, index + 1, number);
}

void PreparedStatement::bindReal(int index, double number)
{
    if (!m_connection)
        m_query.bindValue(index, number);
    else if (m_statement)
        sqlite3_bind_double(m_statement, index + 1, number);
}

void PreparedStatement::bindMoney(int index, const Money &amount)
{
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
    if (!m_connection)
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
    return m_connection ? sqlite3_column_type(m_statement, column) == SQLITE_NULL : m_query.isNull(column);
}

qint64 PreparedStatement::integer(int column) const
{
    return m_connection ? sqlite3_column_int64(m_statement, column) : m_query.value(column).toLongLong();
}

double PreparedStatement::real(int column) const
{
    return m_connection ? sqlite3_column_double(m_statement, column) : m_query.value(column).toDouble();
}

QString PreparedStatement::text(int column) const
{
    if (!m_connection)
        return m_query.value(column).toString();
    const auto *utf8 = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(utf8, sqlite3_column_bytes(m_statement, column));
}

Money PreparedStatement::money(int column) const
{
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
    if (!m_connection)
        return Sql::toDate(m_query.value(column));
    return isNull(column) ? QDate() : Sql::toDate(QVariant(text(column)));
}

bool PreparedStatement::flag(int column) const
{
    return m_connection ? sqlite3_column_int64(m_statement, column) != 0 : Sql::toFlag(m_query.value(column));
}
