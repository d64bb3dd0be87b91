#include "stock/VoucherNumbers.h"

#include "core/Codes.h"
#include "stock/StockSql.h"

#include <QSqlQuery>

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

} // namespace

QString VoucherNumbers::propose() const
{
    // Voucher numbers are written with eight digits, so the greatest text is the greatest number
    // and the index on BizSzam answers at once.
    QSqlQuery query(m_db);
    StockSql::run(query, QStringLiteral("SELECT MAX(\"BizSzam\") FROM \"Raktar\""));
    qint64 highest = 0;
    if (query.next() && !query.value(0).isNull()) {
        const QString text = query.value(0).toString().trimmed();
        if (isDigits(text) && text.size() <= 8) {
            highest = text.toLongLong();
        } else {
            // A number that is not eight digits (an old import): read every number.
            StockSql::run(query, QStringLiteral("SELECT DISTINCT \"BizSzam\" FROM \"Raktar\""));
            while (query.next()) {
                bool ok = false;
                const qint64 value = query.value(0).toString().trimmed().toLongLong(&ok);
                if (ok && value > highest)
                    highest = value;
            }
        }
    }
    if (highest >= Highest)
        return QString();
    return Codes::pad(Codes::Kind::VoucherNumber, highest + 1).value_or(QString());
}

QString VoucherNumbers::nextRunningNumber(int year) const
{
    QSqlQuery query(m_db);
    StockSql::run(query, QStringLiteral("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = ?"), {QString::number(year)});
    const QString next = query.next() ? query.value(0).toString() : QStringLiteral("00001");
    return QString::number(year) + QLatin1Char('/') + next;
}

QString VoucherNumbers::takeRunningNumber(int year)
{
    const QString ev = QString::number(year);
    QSqlQuery query(m_db);
    StockSql::run(query, QStringLiteral("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = ?"), {ev});
    qint64 current = 1;
    if (query.next()) {
        bool ok = false;
        current = query.value(0).toString().trimmed().toLongLong(&ok);
        if (!ok || current < 1)
            current = 1;
        StockSql::run(query, QStringLiteral("UPDATE \"Sorszam\" SET \"Sorsz\" = ? WHERE \"Ev\" = ?"),
            {counterText(current + 1), ev});
    } else {
        StockSql::run(query, QStringLiteral("INSERT INTO \"Sorszam\" (\"Ev\", \"Sorsz\") VALUES (?, ?)"),
            {ev, counterText(current + 1)});
    }
    return ev + QLatin1Char('/') + counterText(current);
}
