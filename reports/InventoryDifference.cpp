#include "reports/InventoryDifference.h"

#include "core/Rounding.h"
#include "stock/StockAtDate.h"
#include "stock/StockFormat.h"
#include "stock/StockSql.h"
#include "store/Catalogue.h"
#include "store/HungarianCollation.h"
#include "store/RowReader.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>

InventoryDifference::Row InventoryDifference::withDifferences(Row row)
{
    row.elteres = Rounding::round(row.keszletMenny - row.valosKeszlet, 3);
    row.elteresAr = row.keszletErtek - row.nyilvAr.multiplied(row.valosKeszlet);
    return row;
}

InventoryDifference::Owner InventoryDifference::Owner::here(const QString &user)
{
    return Owner {user, QSysInfo::machineHostName()};
}

bool InventoryDifference::ensureOwnedTable(QString *error) const
{
    QSqlQuery probe(m_db);
    // Qualified names: SQLite reads an unknown bare "name" as a text constant.
    if (probe.exec(QStringLiteral("SELECT t.\"Felhasznalo\", t.\"Gep\" FROM \"TmpLeltarHason\" t WHERE 1 = 0")))
        return true;
    QSqlQuery(m_db).exec(QStringLiteral("DROP TABLE IF EXISTS \"TmpLeltarHason\""));
    return Catalogue::createTables(m_db, {*Catalogue::table(QStringLiteral("TmpLeltarHason"))}, error);
}

bool InventoryDifference::start(const QDate &date, int workYear, bool storedAsReal, QString *error)
{
    QString failure;
    if (ensureOwnedTable(&failure)) {
        const WriteResult written = WriteTransaction::run(m_db, [&] {
            StockAtDate stock(m_db);
            QString computed;
            const QList<StockLine> lines = stock.compute(date, workYear, &computed);
            if (computed.isEmpty())
                stock.writeLeltar(lines, &computed);
            if (!computed.isEmpty())
                throw DatabaseFailure {computed};
            QSqlQuery query(m_db);
            StockSql::run(query,
                QStringLiteral("DELETE FROM \"TmpLeltarHason\" WHERE \"Felhasznalo\" = ? AND \"Gep\" = ?"),
                {m_owner.user, m_owner.computer});
            StockSql::prepare(query,
                QStringLiteral(
                    "INSERT INTO \"TmpLeltarHason\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", "
                    "\"KeszletMenny\", \"ValosKeszlet\", \"Elteres\", \"KeszletErtek\", \"NyilvAr\", \"ElteresAr\", "
                    "\"Felhasznalo\", \"Gep\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
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
                    Sql::money(row.keszletErtek), Sql::money(row.nyilvAr), Sql::money(row.elteresAr), m_owner.user,
                    m_owner.computer};
                StockSql::exec(query, values);
            }
            return Refusal();
        });
        failure = written.cause;
    }
    if (error)
        *error = failure;
    return failure.isEmpty();
}

bool InventoryDifference::clear(QString *error)
{
    QString failure;
    if (ensureOwnedTable(&failure)) {
        try {
            QSqlQuery query(m_db);
            StockSql::run(query,
                QStringLiteral("DELETE FROM \"TmpLeltarHason\" WHERE \"Felhasznalo\" = ? AND \"Gep\" = ?"),
                {m_owner.user, m_owner.computer});
        } catch (const StockSql::Failure &caught) {
            failure = caught.detail;
        }
    }
    if (error)
        *error = failure;
    return failure.isEmpty();
}

bool InventoryDifference::hasTypedCounts() const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"TmpLeltarHason\" WHERE \"Felhasznalo\" = ? AND \"Gep\" = ? "
                                 "AND \"ValosKeszlet\" IS NOT NULL"));
    query.addBindValue(m_owner.user);
    query.addBindValue(m_owner.computer);
    return query.exec() && query.next() && query.value(0).toInt() > 0;
}

bool InventoryDifference::setRealStock(
    const QString &fokSzam, const QString &nyilvSzam, double quantity, QString *error)
{
    try {
        QSqlQuery query(m_db);
        StockSql::run(query,
            QStringLiteral(
                "SELECT \"KeszletMenny\", \"KeszletErtek\", \"NyilvAr\" FROM \"TmpLeltarHason\" WHERE \"FokSzam\" = ? "
                "AND \"NyilvSzam\" = ? AND \"Felhasznalo\" = ? AND \"Gep\" = ?"),
            {fokSzam, nyilvSzam, m_owner.user, m_owner.computer});
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
                           "WHERE \"FokSzam\" = ? AND \"NyilvSzam\" = ? AND \"Felhasznalo\" = ? AND \"Gep\" = ?"),
            {quantity, row.elteres, Sql::money(row.elteresAr), fokSzam, nyilvSzam, m_owner.user, m_owner.computer});
    } catch (const StockSql::Failure &failure) {
        if (error)
            *error = failure.detail;
        return false;
    }
    return true;
}

Checked<QList<InventoryDifference::Row>> InventoryDifference::rows(bool byName, bool onlyDifferences) const
{
    QString sql = QStringLiteral(
        "SELECT \"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"KeszletMenny\", \"ValosKeszlet\", "
        "\"Elteres\", \"KeszletErtek\", \"NyilvAr\", \"ElteresAr\" FROM \"TmpLeltarHason\" "
        "WHERE \"Felhasznalo\" = ? AND \"Gep\" = ?");
    if (onlyDifferences)
        sql += QStringLiteral(" AND \"Elteres\" <> 0");
    sql += byName ? QStringLiteral(" ORDER BY ") + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\""))
            + QStringLiteral(", \"FokSzam\", \"NyilvSzam\"")
                  : QStringLiteral(" ORDER BY \"FokSzam\", \"NyilvSzam\"");
    return readRows<Row>(m_db, sql, {m_owner.user, m_owner.computer}, [](const QSqlQuery &query) {
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
        return row;
    });
}

InventoryDifference::Totals InventoryDifference::totals() const
{
    Totals totals;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT SUM(\"KeszletErtek\"), SUM(\"ElteresAr\") FROM \"TmpLeltarHason\" "
                                 "WHERE \"Felhasznalo\" = ? AND \"Gep\" = ?"));
    query.addBindValue(m_owner.user);
    query.addBindValue(m_owner.computer);
    if (query.exec() && query.next()) {
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
