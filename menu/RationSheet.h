#pragma once

#include "core/Refusal.h"
#include "menu/RationTypes.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QStringList>

// How a sheet rounds its totals and spreads a material added by hand over the chosen meals. The
// ration sheet rounds to the material's decimals (upwards at none) and spreads by the meals'
// headcounts; the a-la-carte sheet rounds upwards at 0 to 3 decimals and spreads equally over the
// chosen dish groups.
struct RationPolicy
{
    enum class Rounding { Sheet, Upwards };
    enum class Spread { ByHeadcount, Equally };
    Rounding rounding = Rounding::Sheet;
    Spread spread = Spread::ByHeadcount;

    static RationPolicy aLaCarte() { return RationPolicy {Rounding::Upwards, Spread::Equally}; }
};

// One ration sheet in memory: its date and meals, the detail lines and the material totals,
// with the corrections of ration-sheet mode. The materials and the stock of the date are given
// when the sheet is made; every line is priced at the register price of the date (0 for a
// material without stock row).
class RationSheet
{
public:
    static constexpr double MaxQuantity = 10000000;

    using Policy = RationPolicy;

    RationSheet() = default;
    RationSheet(const QDate &date, const QList<RationMeal> &meals, const QHash<MaterialKey, RationMaterial> &materials,
        const QHash<MaterialKey, RationStockValue> &stock, Policy policy = Policy());

    Policy policy() const { return m_policy; }

    QDate date() const { return m_date; }
    const QList<RationMeal> &meals() const { return m_meals; }
    QStringList mealCodes() const;
    const QList<RationLine> &lines() const { return m_lines; }
    const QList<RationTotal> &totals() const { return m_totals; }
    const RationMaterial *material(const MaterialKey &key) const;
    RationStockValue stock(const MaterialKey &key) const { return m_stock.value(key); }
    // The materials of a ledger account that are shown and have stock at the date, by name: what
    // the edit dialogs offer.
    QList<RationMaterial> stockedMaterials(const QString &account) const;

    // The detail lines, priced at the date (ids are given here).
    void setLines(const QList<RationLine> &lines);
    // A stored sheet: its lines as they were (a line changed in view 3 included) and the totals
    // built from them, with the stock of the date.
    void restore(const QList<RationLine> &lines);

    // View 4: one total per material shown (listed), the sum of its lines rounded to its
    // decimals, ordered by name; then every total is reconciled with its lines.
    void buildTotals();

    // Corrections. Each refusal leaves the sheet unchanged.
    Refusal changeTotal(const MaterialKey &key, double quantity);
    Refusal changeLine(qint64 id, double quantity);
    // A material not yet on the sheet, spread over the chosen meals as the policy says.
    Refusal addMaterial(const MaterialKey &key, double quantity, const QStringList &mealCodes);
    // One more detail line of a meal (view 3); the totals follow when view 4 is built again.
    Refusal addLine(const QString &mealCode, const MaterialKey &key, double quantity);

    bool hasShortage() const;
    // The norm frame (each meal's Norma x headcount once) and the value of all lines.
    Money normFrame() const;
    Money realValue() const;

    // Warnings that arose since the last call (a total without detail lines), to be shown.
    QStringList takeWarnings();

private:
    void reconcile(const RationTotal &total);
    const RationMeal *meal(const QString &code) const;
    RationLine lineFor(const RationMeal &meal, const RationMaterial &material, double quantity);
    void price(RationLine &line) const;

    QDate m_date;
    Policy m_policy;
    QList<RationMeal> m_meals;
    QHash<MaterialKey, RationMaterial> m_materials;
    QHash<MaterialKey, RationStockValue> m_stock;
    QList<RationLine> m_lines;
    QList<RationTotal> m_totals;
    QStringList m_warnings;
    qint64 m_nextId = 1;
};
