#include "store/CommandWarehouse.h"

#include "store/Database.h"
#include "store/EngineError.h"

#include <QSqlError>
#include <QSqlQuery>

namespace CommandWarehouse {

Checked<Opened> open(const QString &location, const QString &number)
{
    bool ok = false;
    Opened opened;
    opened.warehouse = number.toInt(&ok);
    if (!ok || opened.warehouse < 1 || opened.warehouse > Database::WarehouseCount) {
        return Checked<Opened>::refused(Refusal::error(
            QStringLiteral("A raktár száma 1 és %1 közötti egész szám lehet: %2").arg(Database::WarehouseCount).arg(number)));
    }
    opened.db = Database::warehouse(location, opened.warehouse);
    if (!opened.db.isOpen()) {
        return Checked<Opened>::refused(Refusal::error(QStringLiteral("A(z) %1. raktár nem nyitható meg: %2")
                                                           .arg(opened.warehouse)
                                                           .arg(EngineError::cause(opened.db.lastError()))));
    }
    QSqlQuery query(opened.db);
    if (!query.exec(QStringLiteral(
            "SELECT \"MunkaEv\" FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE ORDER BY \"MunkaEv\" DESC"))) {
        return Checked<Opened>::refused(Refusal::error(QStringLiteral("A(z) %1. raktár nem olvasható: %2")
                                                           .arg(opened.warehouse)
                                                           .arg(EngineError::cause(query.lastError()))));
    }
    if (query.next())
        opened.workYear = query.value(0).toString().trimmed().toInt();
    return Checked<Opened>::accepted(opened);
}

} // namespace CommandWarehouse
