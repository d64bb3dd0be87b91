#include "printing/Report.h"

Report::Report()
    : m_jobTitle(QStringLiteral("Salvia nyomtatas"))
{
}

QSizeF Report::pageSize() const
{
    return m_landscape ? m_paperSize.transposed() : m_paperSize;
}

double Report::contentWidth() const
{
    return pageSize().width() - m_margins.left() - m_margins.right();
}

ReportGroup &Report::addGroup(const QString &keyColumn)
{
    return m_groups.emplace_back(keyColumn);
}

ReportGroup &Report::addGroup(ReportGroup::KeyFunction key)
{
    return m_groups.emplace_back(std::move(key));
}
