#include "reports/NormComparisonReport.h"

QStringList NormComparisonReport::captions()
{
    return {QStringLiteral("Normakeret:"), QStringLiteral("Alapanyag felhasználás:"), QStringLiteral("Eltérés:"),
        QStringLiteral("Beállás:")};
}

NormComparisonReport::NormComparisonReport(QSqlDatabase warehouse, Kind kind)
    : m_db(warehouse)
    , m_kind(kind)
    , m_texts(NormComparison::initialTexts())
{
}

Refusal NormComparisonReport::run(const ReportParameters &parameters)
{
    const Checked<NormComparison> result = m_kind == Kind::Meals
        ? NormComparison::forMeals(m_db, parameters.from, parameters.to, parameters.filters.value(Meals).toStringList())
        : NormComparison::forMovementTypes(m_db, parameters.from, parameters.to,
              parameters.filters.value(MovementFrom).toString(), parameters.filters.value(MovementTo).toString(),
              parameters.filters.value(WithALaCarte).toBool());
    if (!result.ok())
        return result.refusal;
    m_texts = result.value.texts();
    return Refusal();
}
