#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <vector>

class ReportData;

// What a report's own code sees while a band is laid out: the current row and the page.
class ReportContext
{
public:
    // The row being printed; -1 before the first row and in a report without rows.
    int row() const { return m_row; }
    int pageNumber() const { return m_page; }
    const ReportData *data() const { return m_data; }
    QDateTime printTime() const { return m_printTime; }
    // The running number of the current group of a level (0 the outermost), counted from 1 over
    // the whole printout: "1." before the first voucher, "2." before the second.
    int groupNumber(int group = 0) const;

    // A value of the current row by column name or index; null when there is no row or column.
    QVariant value(const QString &column) const;
    QVariant value(int column) const;

private:
    friend class ReportLayout;
    const ReportData *m_data = nullptr;
    int m_row = -1;
    int m_page = 0;
    QDateTime m_printTime;
    std::vector<int> m_groupNumbers;
};
