#pragma once

#include "core/Money.h"

#include <QString>

// The master fields of one material that the stock engine reads and the stock fields it writes.
struct MaterialStock
{
    bool found = false;
    QString megnevezes;
    int kerekites = 0;
    double keszletMin = 0;
    double keszletMax = 0;
    double keszletMennyiseg = 0;
    Money keszletErtek;
    Money nyilvAr;
};
