#include "support/SqlRows.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

QStringList sqlRows(QSqlDatabase db, const QString &sql)
{
    QStringList list;
    QSqlQuery query(db);
    if (!query.exec(sql))
        return {query.lastError().text()};
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        list << fields.join(QLatin1Char('|'));
    }
    return list;
}
