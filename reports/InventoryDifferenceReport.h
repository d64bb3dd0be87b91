#pragma once

#include "reports/InventoryDifference.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The inventory difference sheet as a report query. A run starts a new sheet for the parameters'
// date (work year from "workYear"); in the stock comparison the real stock is the stored one and
// cannot be typed. The rows follow "byName" and "onlyDifferences"; the real stock column is the one
// a user may type into (unless the sheet is a comparison); rows with a difference are white on red.
class InventoryDifferenceReport : public ReportQuery
{
public:
    static inline const QString WorkYear = QStringLiteral("workYear");
    static inline const QString ByName = QStringLiteral("byName");
    static inline const QString OnlyDifferences = QStringLiteral("onlyDifferences");
    static constexpr int RealStockColumn = 6;

    InventoryDifferenceReport(QSqlDatabase warehouse, const InventoryDifference::Owner &owner, bool comparison);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QStandardItemModel &model() { return m_model; }
    QString totals() const override;

    // The kept sheet shown again in the order and filter of the parameters; a refused read leaves
    // it empty and says why.
    Refusal show(const ReportParameters &parameters);
    // Stores the typed real stock of the row shown at `row` and shows the sheet again.
    Refusal setRealStock(int row, const QString &typed, const ReportParameters &parameters);
    // An empty sheet (the stock comparison opens on one).
    Refusal clear();
    // True when a new sheet would discard real stock the user typed (never in the comparison).
    bool wouldDiscardTypedCounts() const;
    // Asked (caption "Megerősítés", symbol 1, "Igen" / "Nem") before such a sheet is replaced.
    static QString discardQuestion();
    const QList<InventoryDifference::Row> &shownRows() const { return m_rows; }

private:
    InventoryDifference m_sheet;
    bool m_comparison;
    QList<InventoryDifference::Row> m_rows;
    QStandardItemModel m_model;
};
