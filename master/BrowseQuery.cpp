#include "master/BrowseQuery.h"

#include "core/Codes.h"
#include "core/Dates.h"
#include "core/TypedNumber.h"
#include "store/HungarianCollation.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

namespace {

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// A condition over the grid's query and its bound values.
struct Condition
{
    QString sql;
    QVariantList values;
};

std::optional<int> typedNumber(const QString &typed, int maximum)
{
    bool ok = false;
    const int number = typed.trimmed().toInt(&ok);
    if (!ok || number < 0 || number > maximum)
        return std::nullopt;
    return number;
}

Checked<Condition> condition(const QSqlDatabase &db, const SearchField &search, const QString &typed)
{
    const QString field = quoted(search.field);
    const Refusal bad = Refusal::error(search.badValue);
    switch (search.match) {
    case Match::CodePrefix: {
        if (!typedNumber(typed, search.maximum))
            return Checked<Condition>::refused(bad);
        const QString text = typed.trimmed();
        return Checked<Condition>::accepted(
            {QStringLiteral("SUBSTR(%1, 1, %2) = ?").arg(field).arg(text.size()), {text}});
    }
    case Match::CodeExact: {
        const std::optional<int> number = typedNumber(typed, search.maximum);
        if (!number)
            return Checked<Condition>::refused(bad);
        return Checked<Condition>::accepted({field + QStringLiteral(" = ?"), {*Codes::pad(search.width, *number)}});
    }
    case Match::TextExact:
        return Checked<Condition>::accepted({field + QStringLiteral(" = ?"), {typed}});
    case Match::PrefixNoCase:
        return Checked<Condition>::accepted({Sql::prefixCondition(db, field), {Sql::prefixPattern(typed)}});
    case Match::WholeNoCase:
        return Checked<Condition>::accepted({Sql::equalNoCaseCondition(db, field), {typed}});
    case Match::DateExact: {
        const QDate date = Dates::parse(typed);
        if (!date.isValid())
            return Checked<Condition>::refused(bad);
        return Checked<Condition>::accepted({field + QStringLiteral(" = ?"), {Sql::date(date)}});
    }
    case Match::PercentExact: {
        const std::optional<double> value = TypedNumber::quantity(typed, 6, 100);
        if (!value || *value < 0)
            return Checked<Condition>::refused(bad);
        // Stored rates carry two decimals; a margin far below that absorbs binary noise.
        return Checked<Condition>::accepted(
            {field + QStringLiteral(" BETWEEN ? AND ?"), {*value - 0.000001, *value + 0.000001}});
    }
    }
    return Checked<Condition>::refused(bad);
}

} // namespace

namespace SearchTexts {

QString notFound()
{
    return QStringLiteral("A keresett elem nem található!");
}

QString numbersOnly()
{
    return QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak számot tartalmazhat!");
}

} // namespace SearchTexts

BrowseQuery::BrowseQuery(QSqlDatabase db, const BrowseSpec &spec)
    : m_db(db)
    , m_spec(spec)
{
}

QString BrowseQuery::source(const QStringList &select, const QString &alias) const
{
    const QString fields = select.isEmpty() ? QStringLiteral("*") : select.join(QStringLiteral(", "));
    const QString from = m_spec.from.isEmpty() ? quoted(m_spec.table) : m_spec.from;
    // The rows as a derived table, so that the order and the searches name the grid's fields
    // whatever joins lie behind them.
    return QStringLiteral("(SELECT %1 FROM %2) AS %3").arg(fields, from, alias);
}

QString BrowseQuery::orderBy(int order, const QString &alias) const
{
    const QString prefix = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    QStringList terms;
    if (order >= 0 && order < m_spec.orders.size()) {
        for (const OrderTerm &term : m_spec.orders.at(order).terms) {
            const QString field = prefix + quoted(term.field);
            terms << (term.words ? HungarianCollation::orderTerm(field) : field);
        }
    }
    // The key last, so that rows equal in the chosen fields keep one repeatable order.
    for (const QString &field : m_spec.key)
        terms << prefix + quoted(field);
    return QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
}

QString BrowseQuery::selectSql(int order) const
{
    return QStringLiteral("SELECT * FROM ") + source(m_spec.select) + orderBy(order);
}

QString BrowseQuery::pageSql(int order) const
{
    QStringList keys;
    QStringList joins;
    for (const QString &field : m_spec.key) {
        keys << quoted(field);
        joins << QStringLiteral("r.%1 = p.%1").arg(quoted(field));
    }
    const QString page = QStringLiteral("(SELECT %1 FROM %2%3 LIMIT ? OFFSET ?) AS p")
                             .arg(keys.join(QStringLiteral(", ")), source(m_spec.select), orderBy(order));
    return QStringLiteral("SELECT r.* FROM %1 JOIN %2 ON %3%4")
        .arg(page, source(m_spec.select, QStringLiteral("r")), joins.join(QStringLiteral(" AND ")),
            orderBy(order, QStringLiteral("r")));
}

QString BrowseQuery::countSql() const
{
    return QStringLiteral("SELECT COUNT(*) FROM ") + source(m_spec.select);
}

QString BrowseQuery::reportSql(int order) const
{
    return QStringLiteral("SELECT * FROM ")
        + source(m_spec.reportSelect.isEmpty() ? m_spec.select : m_spec.reportSelect) + orderBy(order);
}

Checked<int> BrowseQuery::locate(int order, int search, const QString &typed) const
{
    if (search < 0 || search >= m_spec.searches.size())
        return Checked<int>::refused(Refusal::warning(SearchTexts::notFound()));
    const Checked<Condition> found = condition(m_db, m_spec.searches.at(search), typed);
    if (!found.ok())
        return Checked<int>::refused(found.refusal);
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT CASE WHEN %1 THEN 1 ELSE 0 END FROM %2%3")
                           .arg(found.value.sql, source(m_spec.select), orderBy(order))))
        return Checked<int>::refused(WriteFailure::readFailed(query.lastError()));
    for (const QVariant &value : found.value.values)
        query.addBindValue(value);
    if (!query.exec())
        return Checked<int>::refused(WriteFailure::readFailed(query.lastError()));
    for (int row = 0; query.next(); ++row) {
        if (query.value(0).toInt() == 1)
            return Checked<int>::accepted(row);
    }
    return Checked<int>::refused(Refusal::warning(SearchTexts::notFound()));
}

Checked<int> BrowseQuery::rowOf(int order, const QStringList &key) const
{
    QStringList fields;
    for (const QString &field : m_spec.key)
        fields << quoted(field);
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1 FROM %2%3").arg(fields.join(QStringLiteral(", ")), source(m_spec.select), orderBy(order))))
        return Checked<int>::refused(WriteFailure::readFailed(query.lastError()));
    for (int row = 0; query.next(); ++row) {
        bool same = true;
        for (int i = 0; i < key.size() && same; ++i)
            same = query.value(i).toString() == key.at(i);
        if (same)
            return Checked<int>::accepted(row);
    }
    return Checked<int>::accepted(-1);
}
