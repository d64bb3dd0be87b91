#include "reports/NutrientInput.h"

#include "store/RowReader.h"

NutrientInput::NutrientInput(QSqlDatabase db)
    : m_db(db)
{
}

NutrientInput::NutrientInput(
    QSqlDatabase db, const QDate &date, const QList<RationMeal> &meals, const QList<RationLine> &lines)
    : m_db(db)
    , m_sheet(true)
    , m_date(date)
    , m_meals(meals)
    , m_lines(lines)
{
}

Checked<QList<RationMeal>> NutrientInput::meals() const
{
    if (m_sheet) {
        QList<RationMeal> present = NutrientSource::sheetMeals(m_lines);
        for (RationMeal &meal : present)
            for (const RationMeal &sheetMeal : m_meals)
                if (sheetMeal.code == meal.code)
                    meal.headcount = sheetMeal.headcount;
        return Checked<QList<RationMeal>>::accepted(present);
    }
    return readRows<RationMeal>(m_db,
        QStringLiteral("SELECT \"EtkTip\", \"Megnevezes\" FROM \"Etkezesek\" ORDER BY \"EtkTip\""), {},
        [](const QSqlQuery &q) { return RationMeal {q.value(0).toString(), q.value(1).toString(), 0, Money()}; });
}

NutrientPeriod NutrientInput::period(const ReportParameters &parameters) const
{
    NutrientPeriod period;
    period.from = m_sheet ? m_date : parameters.from;
    period.to = m_sheet ? m_date : parameters.to;
    period.movementFrom = parameters.filters.value(MovementFrom).toString();
    period.movementTo = parameters.filters.value(MovementTo).toString();
    period.meals = parameters.filters.value(Meals).toStringList();
    return period;
}

Checked<NutrientDivisor> NutrientInput::divisor(const ReportParameters &parameters) const
{
    if (m_sheet)
        return Checked<NutrientDivisor>::accepted(
            NutrientSource::sheetDivisor(meals().value, parameters.filters.value(Meals).toStringList()));
    return NutrientSource::periodDivisor(m_db, period(parameters));
}

NutrientDivisor NutrientInput::typedDivisor(const ReportParameters &parameters)
{
    return {qMax(1, parameters.filters.value(Headcount).toInt()), qMax(1, parameters.filters.value(Days).toInt())};
}

Checked<QList<NutrientUse>> NutrientInput::uses(const ReportParameters &parameters) const
{
    if (!m_sheet)
        return NutrientSource::period(m_db, period(parameters));
    const auto materials = NutrientSource::materials(m_db);
    if (!materials.ok())
        return Checked<QList<NutrientUse>>::refused(materials.refusal);
    return Checked<QList<NutrientUse>>::accepted(
        NutrientSource::sheet(materials.value, m_lines, parameters.filters.value(Meals).toStringList()));
}
