#include "stock/VoucherNumbers.h"

#include "core/Codes.h"
#include "stock/StockSql.h"
#include "store/PreparedStatement.h"
#include "store/Sql.h"

namespace {

constexpr qint64 Highest = 99999999;

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString counterText(qint64 value)
{
    return QString::number(value).rightJustified(5, QLatin1Char('0'));
}


// The one value of a look-up of one row (`fallback` when it gives none or NULL); the statement is
// finished at once.
QString single(QSqlDatabase db, const QString &sql, const QVariantList &values, const QString &fallback = QString())
{
    PreparedStatement &query = StockSql::run(db, sql, values);
    const QString value = query.next() && !query.isNull(0) ? query.text(0) : fallback;
    const QString error = query.error();
    query.finish();
    if (!error.isEmpty())
        throw StockSql::Failure {error};
    return value;
}

const QString CounterSql = QStringLiteral("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = ?");

} // namespace

QString VoucherNumbers::propose() const
{
    // Voucher numbers are written with eight digits, so the greatest text is the greatest number
    // and the index on BizSzam answers at once.
    return proposeAbove(single(m_db, QStringLiteral("SELECT MAX(\"BizSzam\") FROM \"Raktar\""), {}));
}

QString VoucherNumbers::proposeAbove(const QString &highestText) const
{
    const QString text = highestText.trimmed();
    qint64 highest = 0;
    if (isDigits(text) && text.size() <= 8) {
        highest = text.toLongLong();
    } else if (!text.isEmpty()) {
        // A number that is not eight digits (an old import): read every number.
        PreparedStatement &query = StockSql::run(m_db, QStringLiteral("SELECT DISTINCT \"BizSzam\" FROM \"Raktar\""));
        while (query.next()) {
            bool ok = false;
            const qint64 value = query.text(0).trimmed().toLongLong(&ok);
            if (ok && value > highest)
                highest = value;
        }
        if (!query.error().isEmpty())
            throw StockSql::Failure {query.error()};
    }
    if (highest >= Highest)
        return QString();
    return Codes::pad(Codes::Kind::VoucherNumber, highest + 1).value_or(QString());
}

QString VoucherNumbers::nextRunningNumber(int year) const
{
    return QString::number(year) + QLatin1Char('/')
        + single(m_db, CounterSql, {QString::number(year)}, QStringLiteral("00001"));
}

QString VoucherNumbers::takeRunningNumber(int year, const QString &counter)
{
    const QString ev = QString::number(year);
    bool ok = false;
    qint64 current = counter.trimmed().toLongLong(&ok);
    if (!ok || current < 1)
        current = 1;
    // The year's row is made on first use and advanced after.
    static const QString advance
        = Sql::upsertStatement(QStringLiteral("Sorszam"), {QStringLiteral("Ev"), QStringLiteral("Sorsz")}, {QStringLiteral("Ev")});
    StockSql::run(m_db, advance, {ev, counterText(current + 1)});
    return ev + QLatin1Char('/') + counterText(current);
}
