#include "store/Sql.h"

#include "store/Database.h"
#include "store/HungarianCollation.h"
#include "store/PreparedStatement.h"
#include "store/StatementSet.h"

#include <QSqlError>
#include <cmath>

namespace Sql {

static QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QVariant money(const Money &amount)
{
    return amount.toString();
}

Money toMoney(const QVariant &value, bool *ok)
{
    if (ok)
        *ok = true;
    if (value.isNull())
        return Money();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const std::optional<Money> parsed = Money::fromText(QString::number(value.toLongLong()));
        if (parsed)
            return *parsed;
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return toMoney(value.toDouble(), ok);
    default: {
        const std::optional<Money> parsed = Money::fromText(value.toString().trimmed());
        if (parsed)
            return *parsed;
        break;
    }
    }
    if (ok)
        *ok = false;
    return Money();
}

Money toMoney(double value, bool *ok)
{
    if (ok)
        *ok = std::isfinite(value);
    return std::isfinite(value) ? Money::fromDouble(value) : Money();
}

QVariant date(const QDate &day)
{
    return day.isValid() ? QVariant(day.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString));
}

QDate toDate(const QVariant &value)
{
    if (value.isNull())
        return QDate();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    return QDate::fromString(value.toString().trimmed().left(10), Qt::ISODate);
}

QVariant flag(bool on)
{
    return QVariant(on);
}

bool toFlag(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return value.toLongLong() != 0;
}

QString upsertStatement(const QString &table, const QStringList &fields, const QStringList &keyFields)
{
    QStringList columns;
    QStringList placeholders;
    QStringList updates;
    for (const QString &field : fields) {
        columns << quoted(field);
        placeholders << QStringLiteral("?");
        if (!keyFields.contains(field))
            updates << quoted(field) + QStringLiteral(" = excluded.") + quoted(field);
    }
    QStringList keys;
    for (const QString &key : keyFields)
        keys << quoted(key);
    // The same statement on both engines (SQLite 3.24 and PostgreSQL 9.5 read it alike).
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) ON CONFLICT (%4) DO ")
               .arg(quoted(table), columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")),
                   keys.join(QStringLiteral(", ")))
        + (updates.isEmpty() ? QStringLiteral("NOTHING") : QStringLiteral("UPDATE SET ") + updates.join(QStringLiteral(", ")));
}

qint64 insertReturningId(QSqlDatabase db, const QString &table, const QStringList &fields,
    const QVariantList &values, const QString &idField, QString *error)
{
    QStringList columns;
    QStringList placeholders;
    for (const QString &field : fields) {
        columns << quoted(field);
        placeholders << QStringLiteral("?");
    }
    // RETURNING reads the id from the row itself: PostgreSQL has no last_insert_rowid(), and
    // SQLite (3.35 on) answers it the same way.
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                            .arg(quoted(table), columns.join(QStringLiteral(", ")),
                                placeholders.join(QStringLiteral(", ")), quoted(idField));
    QString failure;
    PreparedStatement *insert = StatementSet::of(db).statement(sql, &failure);
    if (insert) {
        insert->bindAll(values);
        if (insert->exec() && insert->next()) {
            const qint64 id = insert->integer(0);
            // A write left open would stop the commit.
            insert->finish();
            return id;
        }
        failure = insert->error().isEmpty() ? QStringLiteral("RETURNING ") + idField : insert->error();
    }
    if (error)
        *error = failure;
    return -1;
}

// lower() of an expression for every letter: PostgreSQL's follows the case rules of the collation
// it is given (the column's own "C" knows ASCII only), SQLite's is the Unicode one that
// HungarianCollation registers on every connection.
static QString lowered(QSqlDatabase db, const QString &expression)
{
    if (Database::engineOf(db) == Database::Engine::PostgreSQL)
        return QStringLiteral("lower(CAST(%1 AS TEXT) COLLATE %2)").arg(expression, HungarianCollation::sqlName());
    return QStringLiteral("lower(%1)").arg(expression);
}

QString prefixCondition(QSqlDatabase db, const QString &expression)
{
    return lowered(db, expression) + QStringLiteral(" LIKE ") + lowered(db, QStringLiteral("?"))
        + QStringLiteral(" ESCAPE '\\'");
}

QString prefixPattern(const QString &typed)
{
    QString escaped;
    for (const QChar c : typed) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped + QLatin1Char('%');
}

QString equalNoCaseCondition(QSqlDatabase db, const QString &expression)
{
    return lowered(db, expression) + QStringLiteral(" = ") + lowered(db, QStringLiteral("?"));
}

} // namespace Sql
