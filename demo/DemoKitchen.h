#pragma once

#include "core/MaterialKey.h"
#include "demo/DemoBuffet.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

struct DemoDish;
struct DemoMaterial;
struct RationTotal;
class RationStockAtDate;

// Fills warehouse 1 of a freshly created database with a school kitchen: ledger accounts, meal
// norms, meals, loss codes, suppliers, raw materials and recipes, then every school day of the
// period its menu, headcounts, the receipts the day needs and the ration sheet computed and issued,
// each day in one transaction, and the next school day planned but not issued. Everything goes
// through the same calls the screens use. The random choices come from a fixed seed, so two runs
// differ only in their dates. A staff buffet sells a few dishes a la carte every day (DemoBuffet).
class DemoKitchen
{
public:
    struct Size
    {
        int days = 0; // calendar days ending yesterday; 0: the three months before today
        int materials = 0; // at least the materials the recipes use; 0: the whole table
        int recipes = 0; // 0: 120
    };

    // Called with a null date while the master data is written, then once per day of the period.
    using Progress = std::function<void(const QDate &day, int done, int total)>;

    // The user every row is recorded by.
    static QString user() { return QStringLiteral("admin"); }

    static QDate firstDay(const Size &size, const QDate &today);
    static QDate lastDay(const QDate &today) { return today.addDays(-1); }

    DemoKitchen(QSqlDatabase warehouse, const Size &size, const QDate &today, quint32 seed = 20260910);

    // False with the reason in *error; the day that failed is rolled back, earlier days stay.
    bool fill(const Progress &progress, QString *error);

private:
    struct Material
    {
        const DemoMaterial *source = nullptr;
        QString account;
        QString number;
        int decimals = 2;
        QString partner;
        QString vatCode;
        double vatPercent = 0;
    };
    struct Meal
    {
        QString code;
        int headcount = 0;
        int spread = 0;
    };

    bool writeMasterData(QString *error);
    bool writeCodeTables(QString *error);
    bool writePartners(QString *error);
    bool writeMaterials(QString *error);
    bool writeRecipes(QString *error);
    // The day's menu, headcounts and receipts; with `issued` its ration sheet issued as well.
    bool runDay(const QDate &day, bool issued, QString *error);
    // The day's ration sheet computed at its stock and issued, inside runDay's transaction.
    bool issue(const QDate &day, const QStringList &codes, RationStockAtDate &stock, QString *error);
    bool turnYear(int year, QString *error);
    bool writeMenu(const QDate &day, QString *error);
    bool receive(const QDate &day, const QList<RationTotal> &totals, QString *error);

    QList<const DemoMaterial *> chosenMaterials(const QList<const DemoDish *> &dishes) const;
    QList<const DemoDish *> chosenDishes() const;
    QString nextDish(int course);
    double between(double low, double high);

    QSqlDatabase m_db;
    Size m_size;
    QDate m_first;
    QDate m_last;
    QRandomGenerator m_random;
    int m_workYear = 0;
    QHash<QString, Material> m_materials; // by name
    QHash<MaterialKey, QString> m_materialNames;
    // Course -> recipe codes in their serving order. Maps, not hashes: the shuffle must meet the
    // courses in one order for the seed to give one kitchen.
    QMap<int, QStringList> m_courses;
    QMap<int, int> m_courseNext;
    QList<Meal> m_meals;
    DemoBuffet m_buffet;
};
