#include "maintenance/YearClosing.h"

#include "core/Dates.h"
#include "stock/StockAtDate.h"
#include "stock/StockSql.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

namespace YearClosing {

QString confirmText()
{
    return QStringLiteral("Valóban lezárja az aktív munkaévet?\rA jelenleg aktív évre nem vihet fel több adatot!");
}

QString decemberOpenText()
{
    return QStringLiteral("Az aktív évet nem lehet lezárni!\rElőször zárja le a december hónapot!");
}

QString notActiveText()
{
    return QStringLiteral("Az aktív évet nem lehet lezárni!\rA munkaév már nem aktív: egy másik gépen lezárták.");
}

QString doneText()
{
    return QStringLiteral("Az évzárás befejeződött. A program kilép!\rÚjraindításkor automatikus évnyitás lesz.");
}

int activeYear(QSqlDatabase warehouse)
{
    QSqlQuery query(warehouse);
    if (!query.exec(QStringLiteral("SELECT \"MunkaEv\" FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE ORDER BY \"MunkaEv\" DESC"))
        || !query.next())
        return 0;
    return query.value(0).toString().trimmed().toInt();
}

Refusal close(QSqlDatabase warehouse, int workYear, const QString &user)
{
    const QDate december = Dates::lastDayOfYear(workYear);
    // The stock list of the year's end, for its printout; the next year's opening computes its own.
    QString error;
    if (!StockAtDate(warehouse).fillLeltar(december, workYear, &error))
        return WriteFailure::failed(error);

    const WriteResult written = WriteTransaction::run(warehouse, [&] {
        QSqlQuery query(warehouse);
        StockSql::run(query, QStringLiteral("SELECT \"Datum\" FROM \"Napizaras\" ORDER BY \"Datum\" DESC LIMIT 1"));
        const QDate last = query.next() ? Sql::toDate(query.value(0)) : QDate();
        query.finish();
        if (last != december)
            return Refusal::warning(decemberOpenText());
        StockSql::run(query, QStringLiteral("SELECT COUNT(*) FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE AND \"MunkaEv\" = ?"),
            {QString::number(workYear)});
        const int active = query.next() ? query.value(0).toInt() : 0;
        query.finish();
        if (active == 0)
            return Refusal::warning(notActiveText());
        StockSql::run(query, QStringLiteral("UPDATE \"Napizaras\" SET \"Megjegyzes\" = ?, \"User\" = ? WHERE \"Datum\" = ?"),
            {QStringLiteral("Éves zárás"), user, Sql::date(december)});
        StockSql::run(query, QStringLiteral("UPDATE \"Munkaev\" SET \"AktivEv\" = ? WHERE \"AktivEv\" = TRUE"),
            {Sql::flag(false)});
        return Refusal();
    });
    return written.refusal;
}

} // namespace YearClosing
