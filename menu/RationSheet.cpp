#include "menu/RationSheet.h"

#include "core/HungarianOrder.h"
#include "menu/RationLines.h"
#include "menu/RationQuantity.h"
#include "menu/RationRounding.h"

#include <QtMath>
#include <algorithm>

RationSheet::RationSheet(const QDate &date, const QList<RationMeal> &meals,
    const QHash<MaterialKey, RationMaterial> &materials, const QHash<MaterialKey, RationStockValue> &stock,
    Policy policy)
    : m_date(date)
    , m_policy(policy)
    , m_meals(meals)
    , m_materials(materials)
    , m_stock(stock)
{
}

QStringList RationSheet::mealCodes() const
{
    QStringList codes;
    for (const RationMeal &meal : m_meals)
        codes << meal.code;
    return codes;
}

const RationMaterial *RationSheet::material(const MaterialKey &key) const
{
    const auto it = m_materials.constFind(key);
    return it == m_materials.constEnd() ? nullptr : &it.value();
}

QList<RationMaterial> RationSheet::stockedMaterials(const QString &account) const
{
    QList<RationMaterial> found;
    for (const RationMaterial &material : m_materials)
        if (material.account == account && material.listed
            && m_stock.value(MaterialKey {account, material.number}).quantity > 0)
            found << material;
    std::sort(
        found.begin(), found.end(), [](const RationMaterial &a, const RationMaterial &b) { return HungarianOrder::less(a.name, b.name); });
    return found;
}

const RationMeal *RationSheet::meal(const QString &code) const
{
    for (const RationMeal &meal : m_meals)
        if (meal.code == code)
            return &meal;
    return nullptr;
}

void RationSheet::price(RationLine &line) const
{
    line.price = m_stock.value(line.key()).price;
    line.value = line.price.multiplied(line.quantity);
}

void RationSheet::setLines(const QList<RationLine> &lines)
{
    m_lines = lines;
    for (RationLine &line : m_lines) {
        line.id = m_nextId++;
        price(line);
    }
}

void RationSheet::restore(const QList<RationLine> &lines)
{
    m_lines = lines;
    for (RationLine &line : m_lines)
        line.id = m_nextId++;
    buildTotals();
}

static void sortByName(QList<RationTotal> &totals)
{
    std::stable_sort(
        totals.begin(), totals.end(), [](const RationTotal &a, const RationTotal &b) { return HungarianOrder::less(a.name, b.name); });
}

void RationSheet::buildTotals()
{
    QHash<MaterialKey, int> index;
    QList<RationQuantity> sums;
    m_totals.clear();
    for (const RationLine &line : std::as_const(m_lines)) {
        const RationMaterial *known = material(line.key());
        if (!known || !known->listed)
            continue;
        const RationQuantity quantity = RationQuantity::fromDouble(line.quantity);
        const auto it = index.constFind(line.key());
        if (it != index.constEnd()) {
            sums[it.value()] += quantity;
            continue;
        }
        index.insert(line.key(), int(m_totals.size()));
        m_totals << RationTotal {known->account, known->number, known->name, 0, 0, known->unit};
        sums << quantity;
    }
    for (qsizetype i = 0; i < m_totals.size(); ++i) {
        RationTotal &total = m_totals[i];
        const int decimals = material(total.key())->decimals;
        total.quantity = (m_policy.rounding == Policy::Rounding::Upwards ? RationRounding::planned(sums.at(i), decimals)
                                                                          : RationRounding::sheet(sums.at(i), decimals))
                             .toDouble();
        total.stock = m_stock.value(total.key()).quantity;
    }
    sortByName(m_totals);
    for (const RationTotal &total : std::as_const(m_totals))
        reconcile(total);
}

// Spreads a corrected total over its detail lines: one line takes it whole; several lines share
// the difference in proportion to their quantities, or equally when they add up to 0. The lines
// then add up to the total exactly, so building the totals again gives the same totals.
void RationSheet::reconcile(const RationTotal &total)
{
    QList<RationLine *> lines;
    QList<RationQuantity> quantities;
    RationQuantity sum;
    for (RationLine &line : m_lines)
        if (line.account == total.account && line.number == total.number) {
            lines << &line;
            quantities << RationQuantity::fromDouble(line.quantity);
            sum += quantities.last();
        }
    if (lines.isEmpty()) {
        m_warnings << QStringLiteral("Figyelem! Anyag nem található a táblában: Kiszabat.db\r")
                + QStringLiteral("FokSzam = '%1' AND NyilvSzam = '%2'").arg(total.account, total.number);
        return;
    }
    const RationQuantity target = RationQuantity::fromDouble(total.quantity);
    if (target == sum)
        return;
    const QList<RationQuantity> shares = RationQuantity::spread(target, quantities);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        lines[i]->quantity = shares.at(i).toDouble();
        lines[i]->value = lines[i]->price.multiplied(lines[i]->quantity);
    }
}

static Refusal checkQuantity(double quantity)
{
    if (!qIsFinite(quantity) || quantity < 0 || quantity > RationSheet::MaxQuantity)
        return Refusal::error(QStringLiteral("Hibás értékadás!\rA mennyiség 0 és 10000000 között lehet!"),
            QStringLiteral("edtMennyiseg"));
    return Refusal();
}

static Refusal noRow()
{
    return Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!"));
}

Refusal RationSheet::changeTotal(const MaterialKey &key, double quantity)
{
    if (const Refusal refusal = checkQuantity(quantity))
        return refusal;
    for (RationTotal &total : m_totals)
        if (total.key() == key) {
            total.quantity = quantity;
            reconcile(total);
            return Refusal();
        }
    return noRow();
}

Refusal RationSheet::changeLine(qint64 id, double quantity)
{
    if (const Refusal refusal = checkQuantity(quantity))
        return refusal;
    for (RationLine &line : m_lines)
        if (line.id == id) {
            line.quantity = quantity;
            price(line);
            return Refusal();
        }
    return noRow();
}

RationLine RationSheet::lineFor(const RationMeal &meal, const RationMaterial &material, double quantity)
{
    RationLine line;
    line.id = m_nextId++;
    line.account = material.account;
    line.number = material.number;
    line.dishName = material.name;
    line.quantity = quantity;
    line.unit = material.unit;
    line.date = m_date;
    line.mealCode = meal.code;
    line.mealName = meal.name;
    line.headcount = meal.headcount;
    line.normPerPerson = meal.normPerPerson;
    line.normMeal = meal.normPerPerson.multiplied(meal.headcount);
    price(line);
    return line;
}

static Refusal noMaterial()
{
    return Refusal::error(QStringLiteral("Hibás értékadás!\rNem adott meg anyagnevet!"), QStringLiteral("dbcAnyag"));
}

static Refusal noMeal()
{
    return Refusal::error(QStringLiteral("Nem választott étkezést!"));
}

Refusal RationSheet::addMaterial(const MaterialKey &key, double quantity, const QStringList &mealCodes)
{
    const RationMaterial *known = material(key);
    if (!known || !known->listed)
        return noMaterial();
    for (const RationTotal &total : std::as_const(m_totals))
        if (total.key() == key)
            return Refusal::error(QStringLiteral("Az anyag már létezik!\rMég nem létező anyagot adhat meg csak!"),
                QStringLiteral("dbcAnyag"));
    if (const Refusal refusal = checkQuantity(quantity))
        return refusal;
    QList<const RationMeal *> chosen;
    QList<RationQuantity> headcounts;
    for (const QString &code : mealCodes)
        if (const RationMeal *found = meal(code)) {
            chosen << found;
            // Weights that add up to 0 share the total equally.
            headcounts << (m_policy.spread == Policy::Spread::Equally ? RationQuantity()
                                                                       : RationQuantity::fromDouble(found->headcount));
        }
    if (chosen.isEmpty())
        return noMeal();
    // Meals without any headcount share the total equally.
    const QList<RationQuantity> shares = RationQuantity::spread(RationQuantity::fromDouble(quantity), headcounts);
    for (qsizetype i = 0; i < chosen.size(); ++i)
        m_lines << lineFor(*chosen.at(i), *known, shares.at(i).toDouble());
    m_totals << RationTotal {
        known->account, known->number, known->name, quantity, m_stock.value(key).quantity, known->unit};
    sortByName(m_totals);
    return Refusal();
}

Refusal RationSheet::addLine(const QString &mealCode, const MaterialKey &key, double quantity)
{
    const RationMaterial *known = material(key);
    if (!known || !known->listed)
        return noMaterial();
    if (const Refusal refusal = checkQuantity(quantity))
        return refusal;
    const RationMeal *found = meal(mealCode);
    if (!found)
        return noMeal();
    m_lines << lineFor(*found, *known, quantity);
    return Refusal();
}

bool RationSheet::hasShortage() const
{
    return std::any_of(m_totals.begin(), m_totals.end(), [](const RationTotal &total) { return total.isShort(); });
}

Money RationSheet::normFrame() const
{
    return RationLines::normFrame(m_lines);
}

Money RationSheet::realValue() const
{
    return RationLines::value(m_lines);
}

QStringList RationSheet::takeWarnings()
{
    return std::exchange(m_warnings, QStringList());
}
