#include "alacarte/CartIssue.h"

#include "alacarte/CartDraft.h"
#include "menu/RationSql.h"
#include "menu/RationVoucherHeader.h"
#include "stock/StockLedger.h"
#include "stock/StockSql.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

static QVariant openMark()
{
    return Sql::money(Money::fromUnits(-Money::Scale));
}

static QVariantList idValues(const QList<qint64> &rows)
{
    QVariantList values;
    for (const qint64 id : rows)
        values << id;
    return values;
}

CartIssue::CartIssue(QSqlDatabase db, StockOptions options)
    : m_db(db)
    , m_options(std::move(options))
{
}

Checked<bool> CartIssue::allOpen(QSqlDatabase db, const QDate &date, const QList<qint64> &rows)
{
    const QSet<qint64> distinct(rows.begin(), rows.end());
    if (distinct.isEmpty() || !date.isValid())
        return Checked<bool>::accepted(false);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"CartEtlap\" WHERE \"Datum\" = ? AND \"NettoAnyag\" = ? AND ")
        + RationSql::anyOf(QStringLiteral("\"EtlapAzon\""), int(distinct.size())));
    query.addBindValue(Sql::date(date));
    query.addBindValue(openMark());
    for (const qint64 id : distinct)
        query.addBindValue(id);
    if (!query.exec() || !query.next())
        return Checked<bool>::refused(WriteFailure::readFailed(query.lastError()));
    return Checked<bool>::accepted(query.value(0).toLongLong() == distinct.size());
}

Refusal CartIssue::alreadyIssued()
{
    return Refusal::warning(QStringLiteral("A kiszabat ételei közül valamelyiket közben kiadták vagy törölték!\r"
                                           "Nem lett kivételezve semmi, készítsen új kiszabatot."));
}

QString CartIssue::success()
{
    return QStringLiteral("Az A la Carte kiszabat sikeresen ki lett adva a raktárból.");
}

// Marks the covered rows issued, keeps the lines and stamps the recipes used.
static void completeSheet(QSqlDatabase db, const RationSheet &sheet, const QList<qint64> &covered, const QDate &today)
{
    QSqlQuery query(db);
    QVariantList values {Sql::money(Money())};
    values << idValues(covered);
    StockSql::run(query,
        QStringLiteral("UPDATE \"CartEtlap\" SET \"NettoAnyag\" = ? WHERE ")
            + RationSql::anyOf(QStringLiteral("\"EtlapAzon\""), int(covered.size())),
        values);
    QSet<QString> dishes;
    StockSql::prepare(query,
        QStringLiteral("INSERT INTO \"CartKiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", "
                       "\"Mertekegyseg\", \"Datum\", \"EtkKod\", \"EtkTip\", \"Letszam\", \"Norma_fo\", \"Norma_etk\", "
                       "\"NyilvAr\", \"Anyagar\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const RationLine &line : sheet.lines()) {
        StockSql::exec(query, RationSql::lineValues(line));
        dishes.insert(line.dishName);
    }
    for (const QString &dish : std::as_const(dishes))
        StockSql::run(query, QStringLiteral("UPDATE \"ReceptFej\" SET \"UseDat\" = ? WHERE \"Megnevezes\" = ?"),
            {Sql::date(today), dish});
}

StockOutcome CartIssue::issue(const RationSheet &sheet, const QList<qint64> &covered, const RationIssueHeader &header,
    const QString &owner, const QDate &today)
{
    RationIssueHeader fixed = header;
    fixed.mozgnem = RationVoucherHeader::aLaCarteType();
    StockOutcome outcome;
    const WriteResult written = WriteTransaction::run(m_db, [&] {
        // Read inside the transaction: a row issued or deleted meanwhile, here or on another
        // computer, stops the whole issue.
        const auto open = allOpen(m_db, sheet.date(), covered);
        if (!open.ok())
            return open.refusal;
        if (!open.value)
            return alreadyIssued();
        outcome = StockLedger(m_db, m_options).post(RationIssue::voucherOf(sheet, fixed));
        if (!outcome.ok())
            return outcome.refusal;
        completeSheet(m_db, sheet, covered, today);
        return RationDraft::removeRows(m_db, owner, CartDraft::place());
    });
    if (written.ok())
        return outcome;
    StockOutcome refused;
    refused.refusal = written.refusal;
    refused.failed = outcome.failed || written.failed();
    return refused;
}
