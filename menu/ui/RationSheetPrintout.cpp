#include "menu/ui/RationSheetPrintout.h"

#include "printing/ReportContext.h"

#include <QAbstractItemModel>

RationSheetPrintout::RationSheetPrintout(const Settings &settings, Messenger &messenger, const QString &title,
    Rows rows, const QList<ListColumn> &columns, QAbstractItemModel *model, const ListReportOptions &options)
    : Printout(settings, messenger)
    , m_data(model)
{
    ListReport::build(*this, title, columns, &m_data, options);
    if (rows == Rows::MaterialLines)
        groupByMealAndDish();
    if (rows == Rows::Totals) {
        report().detail().setBackground([model](const ReportContext &row) {
            const bool shortOfStock = model->index(row.row(), 0).data(Qt::BackgroundRole).isValid();
            return shortOfStock ? QColor(192, 192, 192) : QColor(); // silver
        });
    }
}

void RationSheetPrintout::groupByMealAndDish()
{
    const int meal = m_data.columnIndex(QStringLiteral("EK"));
    const int mealName = m_data.columnIndex(QStringLiteral("Étkezések"));
    const int headcount = m_data.columnIndex(QStringLiteral("Létszám"));
    const int dish = m_data.columnIndex(QStringLiteral("Ételnév"));
    ReportGroup &group = report().addGroup([meal, dish](const ReportContext &row) {
        return QVariant(row.value(meal).toString() + QChar(0x1f) + row.value(dish).toString());
    });
    ReportBand &header = group.header();
    header.setHeight(6);
    const double width = report().contentWidth();
    header
        .expression(
            QRectF(0.5, 1, 50, 5), [mealName](const ReportContext &row) { return row.value(mealName).toString(); })
        .setBold();
    header.label(QRectF(51, 1, 17, 5), QStringLiteral("Létszám: ")).setBold();
    header
        .expression(
            QRectF(68, 1, 20, 5), [headcount](const ReportContext &row) { return row.value(headcount).toString(); })
        .setBold();
    header
        .expression(
            QRectF(89, 1, width - 89.5, 5), [dish](const ReportContext &row) { return row.value(dish).toString(); })
        .setBold()
        .setWordWrap();
}
