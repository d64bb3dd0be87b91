#include "menu/RationStockAtDate.h"

#include "stock/StockAtDate.h"
#include "store/WriteFailure.h"

Checked<QHash<MaterialKey, RationStockValue>> RationStockAtDate::stockAt(const QDate &date)
{
    QString error;
    const QList<StockLine> lines = StockAtDate(m_db).compute(date, m_workYear, &error);
    if (!error.isEmpty())
        return Checked<QHash<MaterialKey, RationStockValue>>::refused(WriteFailure::readFailed(error));
    QHash<MaterialKey, RationStockValue> stock;
    for (const StockLine &line : lines)
        stock.insert(MaterialKey {line.fokSzam, line.nyilvSzam}, RationStockValue {line.keszletMenny, line.nyilvAr});
    return Checked<QHash<MaterialKey, RationStockValue>>::accepted(stock);
}
