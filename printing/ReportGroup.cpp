#include "printing/ReportGroup.h"

ReportGroup::ReportGroup(const QString &keyColumn)
    : m_keyColumn(keyColumn)
{
}

ReportGroup::ReportGroup(KeyFunction key)
    : m_keyFunction(std::move(key))
{
}
