#pragma once

#include "core/Refusal.h"

#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>

// The VAT percent in force for each VAT group on one day: of the group's Afa rows in the order of
// date, then rate, the last one dated on or before the day.
class RecipeVatRates
{
public:
    // The rates in force on the day, or the read's refusal when the database turns it down.
    static Checked<RecipeVatRates> read(QSqlDatabase db, const QDate &day);

    // 0 for a group without a row in force.
    double percent(const QString &group) const { return m_percents.value(group, 0.0); }
    // Whether the group has a row in force (percent() is 0 for it otherwise).
    bool inForce(const QString &group) const { return m_percents.contains(group); }
    void set(const QString &group, double percent) { m_percents.insert(group, percent); }

private:
    QHash<QString, double> m_percents;
};
