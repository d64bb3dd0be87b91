#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Material cost against the norm budget of the meals served: the deviation in money and per cent.
// A-la-carte issues (movement type "08") have no norm budget: they are left out unless asked for.
struct NormComparison
{
    static inline const QString ALaCarte = QStringLiteral("08");

    Money normBudget; // "Normakeret"
    Money usage; // material cost
    Money deviation() const { return usage - normBudget; }
    // The usage as a percentage of the budget, rounded once; 0 without a budget.
    double percent() const;

    // The four result texts: budget, usage, deviation in the money format, "###,###,##0.00 %".
    QStringList texts() const;
    // Before the first run: "0,00 Ft" three times and "0 %".
    static QStringList initialTexts();

    // For chosen meals: the norm budget stored with the issued ration-sheet lines (each meal of
    // each day once) against their material cost.
    static Checked<NormComparison> forMeals(
        QSqlDatabase warehouse, const QDate &from, const QDate &to, const QStringList &meals);
    // For a movement-type range: the norm budget of the issued headcounts against the value of the
    // ration-sheet issues (Stat), without the a-la-carte type unless `withALaCarte`.
    static Checked<NormComparison> forMovementTypes(QSqlDatabase warehouse, const QDate &from, const QDate &to,
        const QString &mozgnemFrom, const QString &mozgnemTo, bool withALaCarte);
};
