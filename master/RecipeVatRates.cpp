#include "master/RecipeVatRates.h"

#include "store/Sql.h"

#include <QSqlQuery>
#include <QVariant>

RecipeVatRates RecipeVatRates::read(QSqlDatabase db, const QDate &day)
{
    RecipeVatRates rates;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT \"AfaCsoport\", \"AfaErtek\" FROM \"Afa\" WHERE \"Datum\" <= ? "
                                 "ORDER BY \"Datum\", \"AfaErtek\", \"Afakod\""));
    query.addBindValue(Sql::date(day));
    if (query.exec()) {
        while (query.next())
            rates.set(query.value(0).toString(), query.value(1).toDouble());
    }
    return rates;
}
