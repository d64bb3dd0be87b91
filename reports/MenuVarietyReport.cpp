#include "reports/MenuVarietyReport.h"

#include "reports/TextRows.h"

namespace {

const QStringList Captions {QStringLiteral("Ismétlődés"), QStringLiteral("Ételnév")};

} // namespace

MenuVarietyReport::MenuVarietyReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, Captions);
    TextRows::append(m_model, {QString(), QString()});
}

Refusal MenuVarietyReport::run(const ReportParameters &parameters)
{
    TextRows::reset(m_model, Captions);
    m_variety = {};
    const auto counted
        = MenuVariety::count(m_db, parameters.from, parameters.to, parameters.filters.value(Meal).toString());
    if (!counted.ok()) {
        TextRows::append(m_model, {QString(), QString()});
        return counted.refusal;
    }
    m_variety = counted.value;
    for (const MenuVariety::Repeat &repeat : std::as_const(m_variety.repeats))
        TextRows::append(m_model, {QString::number(repeat.count), repeat.name}, {0});
    if (m_variety.repeats.isEmpty())
        TextRows::append(m_model, {QString(), QString()});
    return {};
}
