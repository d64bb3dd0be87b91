#include "reports/InventoryDifference.h"

#include "core/Rounding.h"
#include "stock/StockAtDate.h"
#include "stock/StockFormat.h"
#include "stock/StockSql.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"
#include "store/WorkTable.h"

#include <QSqlError>
#include <QSqlQuery>

InventoryDifference::Row InventoryDifference::withDifferences(Row row)
{
    row.elteres = Rounding::round(row.keszletMenny - row.valosKeszlet, 3);
    row.elteresAr = row.keszletErtek - row.nyilvAr.multiplied(row.valosKeszlet);
    return row;
}

bool InventoryDifference::start(const QDate &date, int workYear, bool storedAsReal, QString *error)
{
    StockAtDate stock(m_db);
    QString failure;
    const QList<StockLine> lines = stock.compute(date, workYear, &failure);
    if (failure.isEmpty())
        stock.writeLeltar(lines, &failure);
    // The sheet is this connection's own copy: another computer's sheet never mixes into it.
    if (failure.isEmpty())
        WorkTable::prepare(m_db, QStringLiteral("TmpLeltarHason"), &failure);
    if (failure.isEmpty()) {
        TransactionGuard guard(m_db);
        try {
            if (!guard.isActive())
                throw StockSql::Failure {m_db.lastError().text()};
            QSqlQuery query(m_db);
            StockSql::prepare(query,
                QStringLiteral(
                    "INSERT INTO \"TmpLeltarHason\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", "
                    "\"KeszletMenny\", \"ValosKeszlet\", \"Elteres\", \"KeszletErtek\", \"NyilvAr\", \"ElteresAr\") "
                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const StockLine &line : lines) {
                Row row;
                row.fokSzam = line.fokSzam;
                row.nyilvSzam = line.nyilvSzam;
                row.megnevezes = line.megnevezes;
                row.mertekegyseg = line.mertekegyseg;
                row.keszletMenny = line.keszletMenny;
                row.keszletErtek = line.keszletErtek;
                row.nyilvAr = line.nyilvAr;
                row.valosKeszlet = storedAsReal ? line.storedQuantity : 0;
                row = withDifferences(row);
                const QVariantList values {row.fokSzam, row.nyilvSzam, row.megnevezes, row.mertekegyseg,
                    row.keszletMenny,
                    storedAsReal ? QVariant(row.valosKeszlet) : QVariant(QMetaType(QMetaType::Double)), row.elteres,
                    Sql::money(row.keszletErtek), Sql::money(row.nyilvAr), Sql::money(row.elteresAr)};
                StockSql::exec(query, values);
            }
            if (!guard.commit())
                throw StockSql::Failure {m_db.lastError().text()};
        } catch (const StockSql::Failure &caught) {
            failure = caught.detail;
        }
    }
    if (error)
        *error = failure;
    return failure.isEmpty();
}

bool InventoryDifference::clear()
{
    return WorkTable::prepare(m_db, QStringLiteral("TmpLeltarHason"));
}

bool InventoryDifference::setRealStock(
    const QString &fokSzam, const QString &nyilvSzam, double quantity, QString *error)
{
    try {
        QSqlQuery query(m_db);
        StockSql::run(query,
            QStringLiteral(
                "SELECT \"KeszletMenny\", \"KeszletErtek\", \"NyilvAr\" FROM \"TmpLeltarHason\" WHERE \"FokSzam\" = ? "
                "AND \"NyilvSzam\" = ?"),
            {fokSzam, nyilvSzam});
        if (!query.next())
            return false;
        Row row;
        row.keszletMenny = query.value(0).toDouble();
        row.keszletErtek = Sql::toMoney(query.value(1));
        row.nyilvAr = Sql::toMoney(query.value(2));
        row.valosKeszlet = quantity;
        row = withDifferences(row);
        StockSql::run(query,
            QStringLiteral("UPDATE \"TmpLeltarHason\" SET \"ValosKeszlet\" = ?, \"Elteres\" = ?, \"ElteresAr\" = ? "
                           "WHERE \"FokSzam\" = ? "
                           "AND \"NyilvSzam\" = ?"),
            {quantity, row.elteres, Sql::money(row.elteresAr), fokSzam, nyilvSzam});
    } catch (const StockSql::Failure &failure) {
        if (error)
            *error = failure.detail;
        return false;
    }
    return true;
}

QList<InventoryDifference::Row> InventoryDifference::rows(bool byName, bool onlyDifferences) const
{
    QList<Row> list;
    QSqlQuery query(m_db);
    QString sql = QStringLiteral(
        "SELECT \"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"KeszletMenny\", \"ValosKeszlet\", "
        "\"Elteres\", \"KeszletErtek\", \"NyilvAr\", \"ElteresAr\" FROM \"TmpLeltarHason\"");
    if (onlyDifferences)
        sql += QStringLiteral(" WHERE \"Elteres\" <> 0");
    sql += byName ? QStringLiteral(" ORDER BY \"Megnevezes\", \"FokSzam\", \"NyilvSzam\"")
                  : QStringLiteral(" ORDER BY \"FokSzam\", \"NyilvSzam\"");
    if (!query.exec(sql))
        return list;
    while (query.next()) {
        Row row;
        row.fokSzam = query.value(0).toString();
        row.nyilvSzam = query.value(1).toString();
        row.megnevezes = query.value(2).toString();
        row.mertekegyseg = query.value(3).toString();
        row.keszletMenny = query.value(4).toDouble();
        row.valosKeszlet = query.value(5).toDouble();
        row.elteres = query.value(6).toDouble();
        row.keszletErtek = Sql::toMoney(query.value(7));
        row.nyilvAr = Sql::toMoney(query.value(8));
        row.elteresAr = Sql::toMoney(query.value(9));
        list << row;
    }
    return list;
}

InventoryDifference::Totals InventoryDifference::totals() const
{
    Totals totals;
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("SELECT SUM(\"KeszletErtek\"), SUM(\"ElteresAr\") FROM \"TmpLeltarHason\""))
        && query.next()) {
        totals.value = Sql::toMoney(query.value(0));
        totals.difference = Sql::toMoney(query.value(1));
    }
    return totals;
}

QString InventoryDifference::statusText(const Totals &totals)
{
    return QStringLiteral("Összérték: ") + StockFormat::money(totals.value) + QStringLiteral(" Összes eltérés: ")
        + StockFormat::money(totals.difference);
}
