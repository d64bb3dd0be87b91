#pragma once

#include "reports/MenuDishRows.h"
#include "reports/ReportQuery.h"
#include "reports/WeeklyMenu.h"

#include <QStandardItemModel>
#include <memory>

// The weekly menu's run as a report query: the dishes of the week (the parameters' dates) and the
// chosen groups ("groups" filter), read through the given row source, so that the daily menu and
// the a-la-carte menu fill the same grid. The rows are held in memory.
class WeeklyMenuReport : public ReportQuery
{
public:
    static inline const QString Groups = QStringLiteral("groups"); // QStringList of meal or dish group codes

    WeeklyMenuReport(QSqlDatabase warehouse, std::unique_ptr<ServedDishSource> source);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override { return QString(); }

    const QList<MenuDish> &dishes() const { return m_dishes; }
    QList<WeeklyMenu::RowCaption> captions() const { return WeeklyMenu::rowCaptions(m_dishes); }

private:
    QSqlDatabase m_db;
    std::unique_ptr<ServedDishSource> m_source;
    QList<MenuDish> m_dishes;
    QStandardItemModel m_model;
};
