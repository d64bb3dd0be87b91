#include "reports/ui/ReportGridPrintout.h"

#include <QAbstractItemModel>

QStringList ReportGridPrintout::names(int count)
{
    QStringList list;
    for (int column = 0; column < count; ++column)
        list << QStringLiteral("c%1").arg(column);
    return list;
}

ReportGridPrintout::ReportGridPrintout(const Settings &settings, Messenger &messenger, const QString &title,
    QAbstractItemModel *rows, const QList<Column> &columns, const ListReportOptions &options)
    : Printout(settings, messenger)
    , m_data(rows, names(rows->columnCount()))
{
    QList<ListColumn> list;
    for (int column = 0; column < columns.size() && column < rows->columnCount(); ++column) {
        const Column &spec = columns.at(column);
        ListColumn printed;
        printed.caption = spec.caption;
        printed.column = QStringLiteral("c%1").arg(column);
        printed.width = spec.width;
        printed.alignment = spec.number ? Qt::AlignRight : Qt::AlignLeft;
        list << printed;
    }
    ListReport::build(*this, title, list, &m_data, options);
}
