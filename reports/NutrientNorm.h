#pragma once

#include "core/Refusal.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The daily norm of one food group or nutrient for one person: a minimum and a maximum. A bound
// that is not set (or a maximum of 0) does not limit; a range without any bound is "no norm".
struct NormRange
{
    std::optional<double> minimum;
    std::optional<double> maximum;

    bool isSet() const { return minimum.has_value() || maximum.has_value(); }
    // The daily portion's distance from the range: negative below the minimum, positive above a
    // maximum that is not 0, else 0; rounded to `decimals`, the daily portion's own.
    double deviation(double daily, int decimals) const;
};

// The norms of one age group (a TapRendelet row), keyed by the column suffix: a food group code
// ("01") or a nutrient's suffix ("Energia", "AFeherje" ...). A suffix the table has no columns for
// has no norm.
struct NutrientNorm
{
    QString ageGroup;
    QHash<QString, NormRange> ranges;

    NormRange range(const QString &suffix) const { return ranges.value(suffix); }
};

// Reading and writing the norms table.
namespace NutrientNorms {

// The suffixes TapRendelet has both an "E" and an "M" column for, food groups first.
Checked<QStringList> suffixes(QSqlDatabase db);
// The age groups in name order.
Checked<QStringList> ageGroups(QSqlDatabase db);
// The norms of an age group; an empty name or a missing row gives the empty norm (no norm at all).
Checked<NutrientNorm> load(QSqlDatabase db, const QString &ageGroup);

// The checks of the edit screen: a name is needed and unique, no bound is negative, a maximum that
// is set is not below its minimum. `previousName` is the row's name before editing (empty: new).
Refusal check(QSqlDatabase db, const NutrientNorm &norm, const QString &previousName);
// Writes the age group's row (new, or the one called `previousName`) after the checks.
Refusal save(QSqlDatabase db, const NutrientNorm &norm, const QString &previousName);
Refusal remove(QSqlDatabase db, const QString &ageGroup);

} // namespace NutrientNorms
