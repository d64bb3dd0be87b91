#pragma once

#include "core/Refusal.h"
#include "menu/RationTypes.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>

// Material usage planning over a period: what the menus of the chosen meals will need of each
// material, against the current stock and at the current register prices. Read-only, held in
// memory only, so it never touches anyone's unfinished ration sheet.
struct RationPlan
{
    QList<RationMenuRow> menu; // views 1 and 2
    QList<RationLine> lines;
    QList<RationTotal> totals; // view 3, ordered by material name
    QHash<MaterialKey, int> decimals; // each total's material decimals
    Money normFrame;
    Money realValue;

    bool hasShortage() const;

    // Detail lines of the materials in Anyag only, priced at Anyag's NyilvAr; totals of the
    // materials shown (a unit code Mertegys knows), rounded upwards to their decimals and not
    // reconciled with the lines; the norm frame counts each meal of each day once.
    static Checked<RationPlan> compute(QSqlDatabase db, const QDate &from, const QDate &to, const QStringList &meals);
};
