#include "maintenance/PhysicalClosing.h"

#include "core/MaterialKey.h"
#include "core/Money.h"
#include "stock/MovementRow.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QMap>
#include <QSet>
#include <QSqlError>

namespace PhysicalClosing {

namespace {

// The tables whose rows up to the closing date go, in the order they are emptied.
const QStringList &datedTables()
{
    static const QStringList tables {QStringLiteral("Raktar"), QStringLiteral("Etlap"), QStringLiteral("Letszam"),
        QStringLiteral("Kiszabat"), QStringLiteral("CartEtlap"), QStringLiteral("CartKiszabat")};
    return tables;
}

// What the deleted rows of one material add up to from the start of the closing date's year.
struct Carried
{
    double quantity = 0;
    Money value;
    Money vat;
    Money gross;
};

QDate lastClosing(QSqlDatabase db)
{
    QSqlQuery query(db);
    StockSql::run(query, QStringLiteral("SELECT \"Datum\" FROM \"Napizaras\" ORDER BY \"Datum\" DESC LIMIT 1"));
    return query.next() ? Sql::toDate(query.value(0)) : QDate();
}

} // namespace

QString firstWarningText()
{
    return QStringLiteral("F I G Y E L E M !\rFizikai zárásnál a kiválasztott dátumig MINDEN adat "
                          "visszavonhatatlanul törlődik! Valóban akarja a zárást?");
}

QString backupQuestionText()
{
    return QStringLiteral("A fizikai zárást választotta!\rA biztonsági mentés az egyetlen lehetőség az adatok "
                          "visszaállítására! Készít most biztonsági mentést?");
}

QString lastWarningText()
{
    return QStringLiteral("A fizikai zárást elkezdheti. Ez az utolsó figyelmeztetés! Valóban akarja a zárást?");
}

QString dateLabel()
{
    return QStringLiteral("Zárási dátum:");
}

QString progressText()
{
    return QStringLiteral("Kérem várjon, fizikai zárás folyamatban...\rEz több percet is igénybevehet!");
}

QString doneText()
{
    return QStringLiteral("A fizikai zárás sikeresen befejeződött. A következő adatok lettek törölve a megadott "
                          "dátumig:\rbizonylat, étlap, létszám, kiszabat.");
}

QString afterClosedMonthText()
{
    return QStringLiteral("A fizikai zárás dátuma nem lehet későbbi az utolsó lezárt hónapnál!\rNincs zárás.");
}

QString compactFailedText(int warehouse, const QString &cause)
{
    return QStringLiteral("A táblát nem sikerült tömöríteni:\r") + Database::warehouseFolderName(warehouse)
        + QStringLiteral("\r") + cause + QStringLiteral("\rKérem ne dolgozzon tovább, keresse munkatársunkat!");
}

QString backupFailedText()
{
    return QStringLiteral("A biztonsági mentés nem sikerült, a fizikai zárás elmarad.");
}

QString helpPage()
{
    return QStringLiteral("FizikaiZar.htm");
}

Checked<Outcome> close(QSqlDatabase warehouse, const QDate &date, const QString &user, bool kiadAr)
{
    Outcome outcome;
    const WriteResult written = WriteTransaction::run(warehouse, [&] {
        outcome = Outcome();
        const QDate closed = lastClosing(warehouse);
        if (!closed.isValid() || date > closed)
            return Refusal::error(afterClosedMonthText());

        QSqlQuery query(warehouse);
        query.setForwardOnly(true);
        // Rows an interrupted recording left behind go first; their materials are recalculated below.
        QSet<MaterialKey> interrupted;
        StockSql::run(query, QStringLiteral("SELECT DISTINCT \"FokSzla\", \"NyilvSzam\" FROM \"Raktar\" WHERE \"KeszletErtek\" = ?"),
            {MovementRow::InProgress});
        while (query.next())
            interrupted.insert(MaterialKey {query.value(0).toString(), query.value(1).toString()});
        StockSql::run(query, QStringLiteral("DELETE FROM \"Raktar\" WHERE \"KeszletErtek\" = ?"), {MovementRow::InProgress});
        outcome.deletedRows += query.numRowsAffected();

        // Every material with a row to delete carries on with its stock at the date, summed as the
        // stock at a date sums it: from 1 January of the date's year.
        QMap<MaterialKey, Carried> carried;
        StockSql::run(query, QStringLiteral("SELECT DISTINCT \"FokSzla\", \"NyilvSzam\" FROM \"Raktar\" WHERE \"Datum\" <= ?"),
            {Sql::date(date)});
        while (query.next())
            carried.insert(MaterialKey {query.value(0).toString(), query.value(1).toString()}, Carried());
        StockSql::run(query,
            QStringLiteral("SELECT \"FokSzla\", \"NyilvSzam\", \"BK\", SUM(\"TetelMenny\"), SUM(\"TetelErtek\"), "
                           "SUM(\"AfaErtek\"), SUM(\"Brutto\") FROM \"Raktar\" WHERE \"Datum\" >= ? AND \"Datum\" <= ? "
                           "GROUP BY \"FokSzla\", \"NyilvSzam\", \"BK\""),
            {Sql::date(QDate(date.year(), 1, 1)), Sql::date(date)});
        while (query.next()) {
            const QString bk = query.value(2).toString();
            if (bk != QLatin1String("BE") && bk != QLatin1String("KI"))
                continue;
            const int sign = bk == QLatin1String("BE") ? 1 : -1;
            Carried &sums = carried[MaterialKey {query.value(0).toString(), query.value(1).toString()}];
            sums.quantity += sign * query.value(3).toDouble();
            const Money value = Sql::toMoney(query.value(4));
            const Money vat = Sql::toMoney(query.value(5));
            const Money gross = Sql::toMoney(query.value(6));
            sums.value = sign > 0 ? sums.value + value : sums.value - value;
            sums.vat = sign > 0 ? sums.vat + vat : sums.vat - vat;
            sums.gross = sign > 0 ? sums.gross + gross : sums.gross - gross;
        }
        query.finish();

        for (const QString &table : datedTables()) {
            StockSql::run(query, QStringLiteral("DELETE FROM \"%1\" WHERE \"Datum\" <= ?").arg(table), {Sql::date(date)});
            outcome.deletedRows += query.numRowsAffected();
        }

        StockSql::prepare(query,
            QStringLiteral("INSERT INTO \"Raktar\" (\"Mozgnem\", \"BK\", \"BizSzam\", \"Datum\", \"NyilvSzam\", "
                           "\"FokSzla\", \"TetelMenny\", \"TetelErtek\", \"KeszletMenny\", \"KeszletErtek\", \"KiAr\", "
                           "\"BeAr\", \"AfaErtek\", \"Brutto\", \"AfaKod\", \"PartAzon\", \"User\", \"Stat\", \"Sorszam\") "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QString sorszam = QString::number(date.year()) + QStringLiteral("/00000");
        for (auto it = carried.cbegin(); it != carried.cend(); ++it) {
            const Carried &sums = it.value();
            const Money price = sums.quantity > 0 ? sums.value.dividedBy(sums.quantity).value_or(Money()) : Money();
            StockSql::exec(query,
                {QStringLiteral("00"), QStringLiteral("BE"), QStringLiteral("00000000"), Sql::date(date),
                    it.key().number, it.key().account, sums.quantity, Sql::money(sums.value), sums.quantity,
                    Sql::money(sums.value), Sql::money(price), Sql::money(price), Sql::money(sums.vat),
                    Sql::money(sums.gross), QStringLiteral("01"), QStringLiteral("00001"), user, Sql::flag(false),
                    sorszam});
            ++outcome.openingRows;
        }
        query.finish();

        StockRecalculator recalculator(warehouse, kiadAr);
        for (const MaterialKey &key : interrupted)
            recalculator.run(key.account, key.number, QDate(), true);
        return Refusal();
    });
    if (!written.ok())
        return Checked<Outcome>::refused(written.refusal);
    return Checked<Outcome>::accepted(outcome);
}

Refusal compact(QSqlDatabase warehouse, int warehouseNumber)
{
    QSqlQuery query(warehouse);
    const bool server = Database::engineOf(warehouse) == Database::Engine::PostgreSQL;
    if (!server)
        return query.exec(QStringLiteral("VACUUM"))
            ? Refusal()
            : Refusal::error(compactFailedText(warehouseNumber, EngineError::cause(query.lastError())));
    for (const QString &table : datedTables())
        if (!query.exec(QStringLiteral("VACUUM ANALYZE \"%1\"").arg(table)))
            return Refusal::error(compactFailedText(warehouseNumber, EngineError::cause(query.lastError())));
    return Refusal();
}

} // namespace PhysicalClosing
