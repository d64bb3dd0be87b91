#pragma once

#include "menu/RationStock.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// Rows of a kitchen written straight into a warehouse for the ration-sheet tests: meals,
// materials, recipes, menus and headcounts. Each helper returns false on a failed statement.
class RationFixture
{
public:
    explicit RationFixture(QSqlDatabase db)
        : m_db(db)
    {
    }

    // Empties every table the helpers and the ration sheet write.
    bool clear();

    struct Ingredient
    {
        QString account;
        QString number;
        double per100 = 0;
    };

    bool meal(const QString &code, const QString &name, double norm = 0);
    // A material of VAT group "01" (27 %).
    bool material(const QString &account, const QString &number, const QString &name, const QString &unit, int decimals,
        double price = 0, double stock = 0);
    bool recipe(const QString &code, const QString &name, const QList<Ingredient> &ingredients);
    bool menu(const QDate &date, const QString &meal, const QString &account, const QString &code, double perPerson);
    bool headcount(const QDate &date, const QString &meal, int count, bool issued = false);

private:
    bool exec(const QString &sql, const QVariantList &values);

    QSqlDatabase m_db;
};

// A stock of the date that a test sets by hand.
class FixedStock : public RationStockSource
{
public:
    void set(const QString &account, const QString &number, double quantity, double price);
    Checked<QHash<MaterialKey, RationStockValue>> stockAt(const QDate &date) override;

    QDate askedFor;

private:
    QHash<MaterialKey, RationStockValue> m_values;
};
