#include "master/RecipeVatRates.h"

#include "store/RowReader.h"
#include "store/Sql.h"

#include <QSqlQuery>
#include <QVariant>

Checked<RecipeVatRates> RecipeVatRates::read(QSqlDatabase db, const QDate &day)
{
    struct Rate
    {
        QString group;
        double percent = 0;
    };
    const Checked<QList<Rate>> rows = readRows<Rate>(db,
        QStringLiteral("SELECT \"AfaCsoport\", \"AfaErtek\" FROM \"Afa\" WHERE \"Datum\" <= ? "
                       "ORDER BY \"Datum\", \"AfaErtek\", \"Afakod\""),
        {Sql::date(day)}, [](const QSqlQuery &query) { return Rate {query.value(0).toString(), query.value(1).toDouble()}; });
    if (!rows.ok())
        return Checked<RecipeVatRates>::refused(rows.refusal);
    RecipeVatRates rates;
    for (const Rate &rate : rows.value)
        rates.set(rate.group, rate.percent);
    return Checked<RecipeVatRates>::accepted(rates);
}
