#pragma once

#include "reports/MenuDishRows.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The menu list ("Lista étlapnyomtatás") as a report query: the dishes of the chosen meals over the
// period in date, meal name and dish name order, with their values of one portion and allergen
// marks. The rows are held in memory, never in a table another computer might empty.
class MenuListReport : public ReportQuery
{
public:
    static inline const QString Meals = QStringLiteral("meals"); // QStringList of meal codes

    explicit MenuListReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    const QList<MenuDish> &dishes() const { return m_dishes; }

private:
    QSqlDatabase m_db;
    QList<MenuDish> m_dishes;
    QStandardItemModel m_model;
};

// A mark list as text: the marks separated by commas, a mark holding a blank, comma or double
// quote in double quotes (for the grid, the export and the a-la-carte cells).
QString markText(const QStringList &marks);
