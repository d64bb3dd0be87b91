#include "reports/StoredPeriods.h"

#include "store/RowReader.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"
#include "stock/StockSql.h"

namespace StoredPeriods {

Checked<QList<Period>> load(QSqlDatabase warehouse)
{
    return readRows<Period>(warehouse,
        QStringLiteral("SELECT \"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\" FROM \"Tablo\" ORDER BY \"Tabloszam\""), {},
        [](const QSqlQuery &query) {
            return Period {query.value(0).toString(), Sql::toDate(query.value(1)), Sql::toDate(query.value(2))};
        });
}

Open openPeriod(const QList<Period> &stored, int workYear, const QDate &today)
{
    if (stored.isEmpty())
        return {QDate(workYear, 1, 1), today, QDate(workYear, 1, 1)};
    const QDate next = stored.last().to.addDays(1);
    return {next, qMax(today, next), next};
}

Checked<QString> save(QSqlDatabase warehouse, const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid() || to < from)
        return Checked<QString>::refused(Refusal::error(backwardsPeriodText(), QStringLiteral("dtpDatumig")));
    QString number;
    const WriteResult written = WriteTransaction::run(warehouse, [&] {
        QSqlQuery query(warehouse);
        StockSql::run(query, QStringLiteral("SELECT \"Tabloszam\" FROM \"Tablo\""));
        int last = 0;
        while (query.next())
            last = qMax(last, query.value(0).toString().toInt());
        number = QStringLiteral("%1").arg(last + 1, 3, 10, QLatin1Char('0'));
        StockSql::run(query,
            QStringLiteral("INSERT INTO \"Tablo\" (\"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\") VALUES (?, ?, ?)"),
            {number, Sql::date(from), Sql::date(to)});
        return Refusal();
    });
    if (!written.ok())
        return Checked<QString>::refused(written.refusal);
    return Checked<QString>::accepted(number);
}

QString backwardsPeriodText()
{
    return QStringLiteral("A tabló záró dátuma nem lehet korábbi a kezdő dátumánál!");
}

Refusal openEndWarning(const QDate &to, const QDate &lastClosing)
{
    if (!to.isValid() || (lastClosing.isValid() && to <= lastClosing))
        return Refusal();
    return Refusal::warning(QStringLiteral("A tabló a legutolsó zárás utáni napokat is tartalmaz: "
                                           "az ezekre a napokra később rögzített bizonylatok még megváltoztathatják "
                                           "az összesítőjét."));
}

} // namespace StoredPeriods
