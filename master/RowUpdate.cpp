#include "master/RowUpdate.h"

#include "store/WriteFailure.h"

#include <QSqlError>
#include <QSqlQuery>

Refusal runRowUpdate(QSqlQuery &query)
{
    if (!query.exec())
        return WriteFailure::failed(query.lastError());
    if (query.numRowsAffected() == 0)
        return WriteFailure::vanished();
    return Refusal();
}
