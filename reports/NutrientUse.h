#pragma once

#include "core/MaterialKey.h"
#include "core/Money.h"
#include "reports/NutrientKinds.h"

#include <QString>

// A raw material as the nutrient calculations read it: its food group, grams per unit
// (MenySzorzo × 100), the nutrient values per unit and whether its salt and sugar are added.
struct NutrientMaterial
{
    QString account;
    QString number;
    QString name;
    QString group;
    QString unit;
    double gramsPerUnit = 0;
    NutrientValues perUnit {};
    bool addedSalt = false;
    bool addedSugar = false;

    MaterialKey key() const { return {account, number}; }
};

// What one material gave to the chosen ration-sheet lines: the sum of their quantities (in the
// material's unit) and of their values. A nutrient's sum over the lines is its value per unit
// times this quantity.
struct NutrientUse
{
    NutrientMaterial material;
    double quantity = 0;
    Money value;

    double amount(Nutrient nutrient) const { return material.perUnit.at(size_t(nutrient)) * quantity; }
    double grams() const { return material.gramsPerUnit * quantity; }
};

// The per-person-per-day divisor: the average headcount L and the number of days N, each at
// least 1 as the screen shows them.
struct NutrientDivisor
{
    int headcount = 1;
    int days = 1;

    // From the average headcount of each day found: N days, L the mean of the averages rounded
    // up (float noise ignored); both 1 when no day was found.
    static NutrientDivisor fromDailyAverages(const QList<double> &averages);
    qint64 personDays() const { return qint64(qMax(1, headcount)) * qMax(1, days); }
};
