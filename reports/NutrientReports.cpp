#include "reports/NutrientReports.h"

#include "core/NumberFormat.h"
#include "reports/TextRows.h"

#include <QBrush>

namespace {

const QStringList GroupCaptions {QStringLiteral("Csoport"), QStringLiteral("Élelmiszercsoport neve"),
    QStringLiteral("Összes mennyiség [g]"), QStringLiteral("1 napi adag [g]"), QStringLiteral("Minimum érték [g]"),
    QStringLiteral("Maximum érték [g]"), QStringLiteral("Eltérés [g]")};
const QStringList NutrientCaptions {QStringLiteral("Tápanyag neve"), QStringLiteral("Össz mennyiség"),
    QStringLiteral("1 napi adag"), QStringLiteral("Minimum előírás"), QStringLiteral("Maximum előírás"),
    QStringLiteral("Eltérés"), QStringLiteral("Mért. egys.")};
const QStringList DetailCaptions {QStringLiteral("Fk. sz."), QStringLiteral("Azon."), QStringLiteral("Megnevezés"),
    QStringLiteral("Csoport"), QStringLiteral("Mennyiség"), QStringLiteral("Me."), QStringLiteral("Ár"),
    QStringLiteral("Energia [kJ]"), QStringLiteral("Kalória [Kcal]"), QStringLiteral("Fehérje [g]"),
    QStringLiteral("Állati feh. [g]"), QStringLiteral("Zsír [g]"), QStringLiteral("Telített zsír [g]"),
    QStringLiteral("Transz zsír [g]"), QStringLiteral("Szénhidrát [g]"), QStringLiteral("Cukor [g]"),
    QStringLiteral("Hamu [g]"), QStringLiteral("Rost [g]"), QStringLiteral("Koleszterin [g]"),
    QStringLiteral("Kálcium [g]"), QStringLiteral("Só [g]"), QStringLiteral("H. adott Só [g]"),
    QStringLiteral("H. adott Cukor [g]")};

// The detail grid's nutrient columns in their order.
const QList<Nutrient> DetailNutrients {Nutrient::Feherje, Nutrient::AllatiFeh, Nutrient::Zsir, Nutrient::ZsirTe,
    Nutrient::Transz, Nutrient::Szenhidrat, Nutrient::Cukor, Nutrient::Hamu, Nutrient::Rost, Nutrient::Koleszterin,
    Nutrient::Kalcium, Nutrient::So};

void markRed(QStandardItemModel &model)
{
    const int row = model.rowCount() - 1;
    for (int column = 0; column < model.columnCount(); ++column) {
        QStandardItem *cell = model.item(row, column);
        if (!cell)
            continue;
        cell->setBackground(QBrush(Qt::red));
        cell->setForeground(QBrush(Qt::white));
    }
}

QString figure(double value)
{
    return NumberFormat::format(value, NutrientReports::FigureMask);
}

QString fixed(double value, int decimals)
{
    return NumberFormat::fixed(value, decimals);
}

} // namespace

namespace NutrientReports {

QString boundText(const std::optional<double> &bound)
{
    return bound ? figure(*bound) : QString();
}

} // namespace NutrientReports

NutrientGroupedReport::NutrientGroupedReport(NutrientInput input)
    : m_input(std::move(input))
{
    TextRows::reset(m_groups, GroupCaptions);
    TextRows::reset(m_nutrients, NutrientCaptions);
}

Refusal NutrientGroupedReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_groups, GroupCaptions);
    TextRows::reset(m_nutrients, NutrientCaptions);
    m_result = {};
    const auto norm = NutrientNorms::load(m_input.database(), parameters.filters.value(NutrientInput::AgeGroup).toString());
    if (!norm.ok())
        return norm.refusal;
    const auto groups = NutrientSource::foodGroups(m_input.database());
    if (!groups.ok())
        return groups.refusal;
    const auto uses = m_input.uses(parameters);
    if (!uses.ok())
        return uses.refusal;
    m_norm = norm.value;
    m_divisor = NutrientInput::typedDivisor(parameters);
    m_result = NutrientCalculation::grouped(uses.value, groups.value, m_norm, m_divisor);
    for (const NormedFigure &row : std::as_const(m_result.groups)) {
        TextRows::append(m_groups,
            {row.code, row.name, figure(row.total), figure(row.daily), NutrientReports::boundText(row.norm.minimum),
                NutrientReports::boundText(row.norm.maximum), figure(row.deviation)},
            {2, 3, 4, 5, 6});
        if (row.deviates())
            markRed(m_groups);
    }
    for (const NormedFigure &row : std::as_const(m_result.nutrients)) {
        TextRows::append(m_nutrients,
            {row.name, NumberFormat::plain(row.total), NumberFormat::plain(row.daily),
                row.norm.minimum ? NumberFormat::plain(*row.norm.minimum) : QString(),
                row.norm.maximum ? NumberFormat::plain(*row.norm.maximum) : QString(), NumberFormat::plain(row.deviation),
                row.unit},
            {1, 2, 3, 4, 5});
        if (row.deviates())
            markRed(m_nutrients);
    }
    return {};
}

NutrientDetailedReport::NutrientDetailedReport(NutrientInput input)
    : m_input(std::move(input))
{
    TextRows::reset(m_model, DetailCaptions);
}

Refusal NutrientDetailedReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, DetailCaptions);
    m_rows.clear();
    const auto uses = m_input.uses(parameters);
    if (!uses.ok())
        return uses.refusal;
    m_divisor = NutrientInput::typedDivisor(parameters);
    m_rows = NutrientCalculation::detailed(uses.value, m_divisor);
    for (const NutrientDetailRow &row : std::as_const(m_rows)) {
        if (row.kind == NutrientDetailRow::Kind::Closing) {
            TextRows::append(m_model, {row.account, row.number});
            continue;
        }
        QStringList texts {row.account, row.number, row.name, row.group,
            row.kind == NutrientDetailRow::Kind::Material ? fixed(row.quantity, 2) : QString(), row.unit,
            NumberFormat::format(row.value, QStringLiteral("###,###,##0.00")),
            fixed(row.amount(Nutrient::Energia), 2), fixed(row.calories, 2)};
        for (Nutrient nutrient : DetailNutrients)
            texts << fixed(row.amount(nutrient), nutrient == Nutrient::Koleszterin ? 3 : 2);
        texts << fixed(row.addedSalt, 2) << fixed(row.addedSugar, 2);
        QList<int> numbers;
        for (int column = 4; column < texts.size(); ++column)
            if (column != 5)
                numbers << column;
        TextRows::append(m_model, texts, numbers);
        if (row.isSummary())
            markRed(m_model);
    }
    return {};
}
