#pragma once

#include "reports/InventoryList.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The inventory list as a report query: the stock at the parameters' date, shown through the
// filters "showZero", "ledgerAccount" (empty: every account), "byName", with the work year from
// "workYear" and the VAT columns' totals when "showAfa" is on.
class InventoryListReport : public ReportQuery
{
public:
    static inline const QString ShowZero = QStringLiteral("showZero");
    static inline const QString LedgerAccount = QStringLiteral("ledgerAccount");
    static inline const QString ByName = QStringLiteral("byName");
    static inline const QString WorkYear = QStringLiteral("workYear");
    static inline const QString ShowAfa = QStringLiteral("showAfa");

    explicit InventoryListReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    // The filters and order applied again to the last run's stock, without computing it anew;
    // nothing before the first run.
    void applyView(const ReportParameters &parameters);
    const QList<StockLine> &lines() const { return m_list.rows(); }

private:
    static InventoryList::Parameters listParameters(const ReportParameters &parameters);
    void fill();

    InventoryList m_list;
    QStandardItemModel m_model;
    bool m_ran = false;
    bool m_showAfa = false;
};
