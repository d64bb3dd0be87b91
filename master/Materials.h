#pragma once

#include "core/Money.h"
#include "core/Refusal.h"
#include "master/BrowseSpec.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// One raw material as the edit screen holds it. Nutrients are per 100 g as typed; the table
// keeps them per unit of measure (typed value x multiplier).
struct MaterialEntry
{
    QString ledger; // FokonyviSzam, three digits
    QString registerNumber; // NyilvSzam as typed; four digits once stored
    QString name;
    QString group; // Csoport
    QString unit; // Mertekegyseg
    double multiplier = 1; // MenySzorzo
    QString vatGroup; // AfaCsoport
    Money price; // NyilvAr
    int rounding = 2; // Kerekites
    double minimum = 0;
    double maximum = 0;
    QString lossCode; // Vkod
    bool addedSalt = false;
    bool addedSugar = false;
    QMap<QString, double> nutrients; // field -> grams (kJ for Energia) per 100 g
    QStringList contains; // allergen codes of AllergenAny
    QStringList mayContain; // allergen codes of AllergenAnyT
};

// The raw-material master (Anyag) with its two allergen link tables.
namespace Materials {

const BrowseSpec &browse();
// The nutrient fields of Anyag, in the order of the table.
const QStringList &nutrientFields();

// The highest register number of all materials plus one, with four digits; empty when the
// highest is 9999.
QString proposeRegisterNumber(QSqlDatabase db);

// The recording checks that need no table, in order: name, minimum and maximum stock,
// multiplier, rounding, and for a new material the register number's range.
Refusal checkEntry(const MaterialEntry &entry, bool isNew);
// Writes a new material and both allergen selections in one transaction, after the checks and
// the key's existence check.
Refusal insert(QSqlDatabase db, const MaterialEntry &entry);
// Writes the material's non-key fields and both allergen selections in one transaction.
Refusal update(QSqlDatabase db, const MaterialEntry &entry);
std::optional<MaterialEntry> read(QSqlDatabase db, const QString &ledger, const QString &registerNumber);

// A material that a movement row, a recipe line, a menu or an a-la-carte row names stays.
Refusal checkDelete(QSqlDatabase db, const QString &ledger, const QString &registerNumber);
// Deletes the material with its allergen links, after checkDelete() holds again.
Refusal remove(QSqlDatabase db, const QString &ledger, const QString &registerNumber);
// Whether a recipe line names the material (its change asks for the recipes' recalculation).
bool usedInRecipes(QSqlDatabase db, const QString &ledger, const QString &registerNumber);

} // namespace Materials
