#include "reports/WeeklyMenuReport.h"

WeeklyMenuReport::WeeklyMenuReport(QSqlDatabase warehouse, std::unique_ptr<ServedDishSource> source)
    : m_db(warehouse)
    , m_source(std::move(source))
{
}

Refusal WeeklyMenuReport::run(const ReportParameters &parameters)
{
    m_dishes.clear();
    const auto built = MenuDishRows::build(
        m_db, *m_source, parameters.from, parameters.to, parameters.filters.value(Groups).toStringList());
    if (!built.ok())
        return built.refusal;
    m_dishes = built.value;
    return {};
}
