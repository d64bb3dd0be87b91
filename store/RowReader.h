#pragma once

#include "core/Refusal.h"
#include "store/WriteFailure.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

// Runs one read and turns each row into a value with `read`; a read the database refuses answers
// with its cause (never with an empty list that looks like "nothing there").
template <typename T, typename Read>
Checked<QList<T>> readRows(QSqlDatabase db, const QString &sql, const QVariantList &values, Read read)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return Checked<QList<T>>::refused(WriteFailure::readFailed(query.lastError()));
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        return Checked<QList<T>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<T> list;
    while (query.next())
        list << read(query);
    return Checked<QList<T>>::accepted(list);
}
