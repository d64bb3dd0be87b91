#pragma once

#include "menu/RationStock.h"

#include <QSqlDatabase>

// The stock of the ration date from the stock-at-date computation of the stock engine, held in
// memory (Leltar, shared by every computer, is left alone).
class RationStockAtDate : public RationStockSource
{
public:
    RationStockAtDate(QSqlDatabase db, int workYear)
        : m_db(db)
        , m_workYear(workYear)
    {
    }
    Checked<QHash<MaterialKey, RationStockValue>> stockAt(const QDate &date) override;

private:
    QSqlDatabase m_db;
    int m_workYear;
};
