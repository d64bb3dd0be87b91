#pragma once

#include <QString>

// The settings the stock engine works with, read by the caller at the moment of the operation.
struct StockOptions
{
    QString user; // LoginUser, written into User
    bool kiadAr = false; // Szamitas/KiadAr: issue values are typed
};
