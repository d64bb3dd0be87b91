#include "maintenance/RepairDatabase.h"

#include "store/TableMaintenance.h"
#include "store/StatementWatchdog.h"
#include "stock/MovementRow.h"
#include "stock/StockRecalculator.h"
#include "stock/StockSql.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/PreparedStatement.h"
#include "store/RowReader.h"
#include "store/WriteTransaction.h"

namespace RepairDatabase {

namespace {

QString tablePath(int warehouse, const QString &table)
{
    return Database::warehouseFolderName(warehouse) + QLatin1Char('\\') + table;
}

Refusal failedTable(int warehouse, const QString &table, const TableMaintenance::Outcome &outcome)
{
    if (outcome.state == TableMaintenance::Outcome::State::Stopped) {
        return Refusal::warning(QStringLiteral("A javítás leállt: a(z) %1 tábla javítása közben %2.\rA program tovább "
                                               "fut. Próbálja újra, amikor senki más nem dolgozik az adatbázisban!")
                                    .arg(tablePath(warehouse, table), outcome.text));
    }
    Refusal refusal = Refusal::error(QStringLiteral("A táblát nem sikerült javítani:\r") + tablePath(warehouse, table)
        + QStringLiteral("\rKérem ne dolgozzon tovább! Küldjön a hibariport varázslóból csatolt adatbázist, és a hiba "
                         "leírását!\r(")
        + outcome.text + QLatin1Char(')'));
    refusal.caption = QStringLiteral("SÚLYOS HIBA!");
    return refusal;
}

// Deletes the rows left in progress and recalculates their materials; the number deleted.
Checked<int> removeInProgressRows(QSqlDatabase db, int warehouse)
{
    int deleted = 0;
    const WriteResult written = WriteTransaction::run(
        db,
        [&]() -> Refusal {
            const auto materials = readRows<std::pair<QString, QString>>(db,
                QStringLiteral("SELECT DISTINCT \"FokSzla\", \"NyilvSzam\" FROM \"Raktar\" WHERE \"KeszletErtek\" = ?"),
                {MovementRow::InProgress},
                [](const QSqlQuery &q) { return std::pair(q.value(0).toString(), q.value(1).toString()); });
            if (!materials.ok())
                return materials.refusal;
            PreparedStatement &count = StockSql::run(db,
                QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"KeszletErtek\" = ?"), {MovementRow::InProgress});
            deleted = count.next() ? int(count.integer(0)) : 0;
            count.finish();
            StockSql::run(
                db, QStringLiteral("DELETE FROM \"Raktar\" WHERE \"KeszletErtek\" = ?"), {MovementRow::InProgress});
            StockRecalculator recalculator(db, false);
            for (const auto &[fokSzla, nyilvSzam] : materials.value)
                recalculator.run(fokSzla, nyilvSzam, QDate(), true);
            return Refusal();
        },
        warehouse);
    if (!written.ok())
        return Checked<int>::refused(written.refusal);
    return Checked<int>::accepted(deleted);
}

} // namespace

QString questionText()
{
    return QStringLiteral("Az adatbázis javító megkísérli kijavítani az aktuális raktár tábláit. Adatmennyiségtől "
                          "függően ez több percet is igénybevehet!");
}

QString noticeText(const QString &table)
{
    QString text = QStringLiteral("Kérem várjon, javítás folyamatban...\rEz több percet is igénybevehet!");
    if (!table.isEmpty())
        text += QLatin1Char('\r') + table;
    return text;
}

QString successText()
{
    return QStringLiteral("Az aktív raktár táblái javítva lettek, és a hibás raktárbejegyzések törlésre kerültek.");
}

QString stockCheckQuestion()
{
    return QStringLiteral("Kívánja ellenőrizni a tárolt és valós raktári készleteket? Ezek egyezősége a jó működés "
                          "feltétele!");
}

Checked<Report> run(QSqlDatabase warehouse, int warehouseNumber, int watchdogMs,
    const std::function<void(const QString &)> &step)
{
    Report report;
    const bool server = Database::engineOf(warehouse) == Database::Engine::PostgreSQL;
    {
        StatementWatchdog watchdog(warehouse, watchdogMs);
        for (const QString &table : Catalogue::warehouseTableNames()) {
            if (step)
                step(table);
            TableMaintenance::Outcome outcome = TableMaintenance::check(warehouse, table, watchdog);
            if (outcome.ok())
                outcome = TableMaintenance::reindex(warehouse, table, watchdog);
            const QStringList recreated = outcome.recreatedIndexes;
            if (outcome.ok() && server)
                outcome = TableMaintenance::compact(warehouse, table, watchdog);
            if (!outcome.ok())
                return Checked<Report>::refused(failedTable(warehouseNumber, table, outcome));
            QString line = table + QStringLiteral(": rendben");
            if (!recreated.isEmpty())
                line += QStringLiteral(", újra létrehozott index: ") + recreated.join(QStringLiteral(", "));
            report.lines << line;
        }
        if (!server) {
            // VACUUM compacts the whole file at once.
            const TableMaintenance::Outcome outcome = TableMaintenance::compact(warehouse, QStringLiteral("Raktar"), watchdog);
            if (!outcome.ok())
                return Checked<Report>::refused(failedTable(warehouseNumber, QStringLiteral("Raktar"), outcome));
            report.lines << QStringLiteral("Tömörítés: kész");
        }
    }
    const Checked<int> removed = removeInProgressRows(warehouse, warehouseNumber);
    if (!removed.ok())
        return Checked<Report>::refused(removed.refusal);
    report.inProgressRows = removed.value;
    report.lines << QStringLiteral("Félbemaradt raktári tételek törölve: %1").arg(removed.value);
    return Checked<Report>::accepted(report);
}

} // namespace RepairDatabase
