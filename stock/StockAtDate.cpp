#include "stock/StockAtDate.h"

#include "core/Dates.h"
#include "core/MaterialKey.h"
#include "core/Rounding.h"
#include "stock/StockSql.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {

struct Sums
{
    double quantity = 0;
    Money value;
    Money vat;
    Money gross;
};

struct Movement
{
    Sums in;
    Sums out;
};

} // namespace

QDate StockAtDate::periodStart(const QDate &date, int workYear)
{
    return Dates::firstDayOfYear(qMin(date.year(), workYear));
}

QList<StockLine> StockAtDate::compute(const QDate &date, int workYear, QString *error) const
{
    QList<StockLine> lines;
    try {
        QSqlQuery query(m_db);
        query.setForwardOnly(true);
        StockSql::run(query,
            QStringLiteral("SELECT \"FokSzla\", \"NyilvSzam\", \"BK\", SUM(\"TetelMenny\"), SUM(\"TetelErtek\"), "
                           "SUM(\"AfaErtek\"), "
                           "SUM(\"Brutto\") FROM \"Raktar\" WHERE \"Datum\" >= ? AND \"Datum\" <= ? "
                           "GROUP BY \"FokSzla\", \"NyilvSzam\", \"BK\""),
            {Sql::date(periodStart(date, workYear)), Sql::date(date)});
        QHash<MaterialKey, Movement> movements;
        while (query.next()) {
            const QString bk = query.value(2).toString();
            if (bk != QLatin1String("BE") && bk != QLatin1String("KI"))
                continue;
            Movement &movement = movements[MaterialKey {query.value(0).toString(), query.value(1).toString()}];
            Sums &sums = bk == QLatin1String("BE") ? movement.in : movement.out;
            sums.quantity = query.value(3).toDouble();
            sums.value = Sql::toMoney(query.value(4));
            sums.vat = Sql::toMoney(query.value(5));
            sums.gross = Sql::toMoney(query.value(6));
        }

        // Every material with a movement row at any date, zero rows included.
        StockSql::run(query,
            QStringLiteral(
                "SELECT a.\"FokonyviSzam\", a.\"NyilvSzam\", a.\"Mertekegyseg\", a.\"Megnevezes\", a.\"MenySzorzo\", "
                "a.\"KeszletMennyiseg\", a.\"Kerekites\" FROM \"Anyag\" a WHERE EXISTS (SELECT 1 FROM \"Raktar\" r "
                "WHERE r.\"FokSzla\" = a.\"FokonyviSzam\" AND r.\"NyilvSzam\" = a.\"NyilvSzam\") "
                "ORDER BY a.\"FokonyviSzam\", a.\"NyilvSzam\""));
        while (query.next()) {
            StockLine line;
            line.fokSzam = query.value(0).toString();
            line.nyilvSzam = query.value(1).toString();
            line.mertekegyseg = query.value(2).toString();
            line.megnevezes = query.value(3).toString();
            line.szorzo = query.value(4).toDouble();
            line.storedQuantity = query.value(5).toDouble();
            if (!query.value(6).isNull())
                line.kerekites = query.value(6).toInt();
            const Movement movement = movements.value(MaterialKey {line.fokSzam, line.nyilvSzam});
            const double difference = movement.in.quantity - movement.out.quantity;
            const double quantity = Rounding::round(difference, 3);
            if (quantity > 0) {
                line.keszletMenny = quantity;
                line.keszletErtek = movement.in.value - movement.out.value;
                line.keszletAfa = movement.in.vat - movement.out.vat;
                line.keszletBrutto = movement.in.gross - movement.out.gross;
                line.nyilvAr = line.keszletErtek.dividedBy(difference).value_or(Money());
            }
            lines << line;
        }
    } catch (const StockSql::Failure &failure) {
        if (error)
            *error = failure.detail;
        return {};
    }
    return lines;
}

void StockAtDate::writeRows(const QList<StockLine> &lines)
{
    QSqlQuery query(m_db);
    StockSql::run(query, QStringLiteral("DELETE FROM \"Leltar\""));
    StockSql::prepare(query,
        QStringLiteral(
            "INSERT INTO \"Leltar\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", \"Szorzo\", "
            "\"KeszletMenny\", "
            "\"KeszletErtek\", \"KeszletAFA\", \"KeszletBrutto\", \"NyilvAr\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const StockLine &line : lines) {
        const QVariantList values {line.fokSzam, line.nyilvSzam, line.megnevezes, line.mertekegyseg, line.szorzo,
            line.keszletMenny, Sql::money(line.keszletErtek), Sql::money(line.keszletAfa),
            Sql::money(line.keszletBrutto), Sql::money(line.nyilvAr)};
        StockSql::exec(query, values);
    }
}

bool StockAtDate::writeLeltar(const QList<StockLine> &lines, QString *error)
{
    return inTransaction([&] { writeRows(lines); }, error);
}

bool StockAtDate::fillLeltar(const QDate &date, int workYear, QString *error)
{
    return inTransaction(
        [&] {
            QString failure;
            const QList<StockLine> lines = compute(date, workYear, &failure);
            if (!failure.isEmpty())
                throw DatabaseFailure {failure};
            writeRows(lines);
        },
        error);
}

bool StockAtDate::inTransaction(const std::function<void()> &body, QString *error)
{
    const WriteResult written = WriteTransaction::run(m_db, [&] {
        body();
        return Refusal();
    });
    if (error)
        *error = written.cause;
    return written.ok();
}
