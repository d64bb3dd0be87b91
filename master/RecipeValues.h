#pragma once

#include "core/Money.h"

#include <QList>
#include <QString>
#include <QStringList>

class RecipeVatRates;

// One recipe line joined with its material: what the recipe values are computed from.
struct RecipeIngredient
{
    double quantity = 0; // Mennyiseg, for 100 portions
    Money price; // NyilvAr of the material
    QString vatGroup; // AfaCsoport of the material
    bool addedSugar = false;
    bool addedSalt = false;
    QList<double> nutrients; // per unit, in the order of RecipeValues::materialFields()
};

// The computed values of a recipe header for 100 portions: cost, VAT and nutrient totals.
struct RecipeValues
{
    Money netto;
    Money afa;
    QList<double> nutrients; // in the order of headerFields(), without HCukor and HSo
    double addedSugar = 0; // HCukor
    double addedSalt = 0; // HSo

    // The nutrient fields of ReceptFej and the matching fields of Anyag, in one order.
    static const QStringList &headerFields();
    static const QStringList &materialFields();

    // Each line's nutrient product rounded to three decimals and summed per nutrient; the sugar and
    // salt products of the lines whose material is marked as added sugar / salt summed apart;
    // net cost and VAT at the rate of the material's group, each summed exactly over the lines and
    // rounded to four decimals once.
    static RecipeValues compute(const QList<RecipeIngredient> &ingredients, const RecipeVatRates &rates);

    double nutrient(const QString &headerField) const;
};
