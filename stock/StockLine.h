#pragma once

#include "core/Money.h"

#include <QString>

// One material's stock at a date (a row of Leltar).
struct StockLine
{
    QString fokSzam;
    QString nyilvSzam;
    QString megnevezes;
    QString mertekegyseg;
    double szorzo = 0;
    double keszletMenny = 0; // three decimals, never negative
    Money keszletErtek;
    Money keszletAfa;
    Money keszletBrutto;
    Money nyilvAr;
    double storedQuantity = 0; // the material's KeszletMennyiseg (the stock comparison reads it)
    int kerekites = 3; // the material's decimals: how its quantities are shown
};
