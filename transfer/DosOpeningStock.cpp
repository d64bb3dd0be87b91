#include "transfer/DosOpeningStock.h"

#include "core/Rounding.h"

#include <map>
#include <utility>

namespace DosOpeningStock {

Result balances(const QList<DosSources::Movement> &movements, int workYear)
{
    struct Sum
    {
        double quantity = 0;
        Money value;
        bool received = false;
    };
    std::map<std::pair<QString, QString>, Sum> sums;
    for (const DosSources::Movement &movement : movements) {
        if (movement.datum.year() != workYear)
            continue;
        Sum &sum = sums[{movement.fokSzla, movement.nyilvSzam}];
        if (movement.bk == QLatin1String("BE")) {
            sum.quantity += movement.menny;
            sum.value += movement.ertek;
            sum.received = true;
        } else {
            sum.quantity -= movement.menny;
            sum.value -= movement.ertek;
        }
    }
    Result result;
    for (const auto &[key, sum] : sums) {
        const QString name = key.first + QLatin1Char('-') + key.second;
        const double quantity = Rounding::round(sum.quantity, 3);
        if (!sum.received)
            result.skipped << name + QStringLiteral(": csak kiadása van az évben");
        else if (quantity == 0)
            result.skipped << name + QStringLiteral(": a készlete nulla");
        else if (quantity < 0)
            result.skipped << name + QStringLiteral(": a készlete negatív (%1)").arg(QString::number(quantity, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(',')));
        else
            result.balances << Balance {key.first, key.second, quantity, sum.value.rounded(2)};
    }
    return result;
}

} // namespace DosOpeningStock
