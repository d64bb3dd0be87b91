#pragma once

#include "core/Money.h"
#include "reports/ReportQuery.h"
#include "reports/TextRowsModel.h"

#include <QList>
#include <QSqlDatabase>

// The movement summary ("Mozgás összesítő"): one line per voucher (number, date, movement type,
// partner, direction) with its exact net, VAT and gross sums, and the receipts, the issues and the
// balance of the period. Reads the movement rows alone, so every row counts whatever it refers to.
// Filter: "opening" includes the opening-stock rows (voucher number "00000000").
class MovementSummaryReport : public ReportQuery
{
public:
    static inline const QString IncludeOpening = QStringLiteral("opening");

    struct Line
    {
        QDate datum;
        QString bizSzam;
        QString mozgnem;
        QString partAzon;
        QString bk;
        Money netto;
        Money afa;
        Money brutto;
    };
    struct Amounts
    {
        Money netto;
        Money afa;
        Money brutto;
        bool operator==(const Amounts &) const = default;
    };
    struct Totals
    {
        Amounts receipts; // BK "BE"
        Amounts issues; // every other row
        Amounts balance() const;
    };

    explicit MovementSummaryReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    const QList<Line> &lines() const { return m_lines; }
    const Totals &sums() const { return m_totals; }
    // The nine amounts of the status panel and the printout: caption and text, BE, KI and balance
    // for net, VAT and gross.
    QList<QPair<QString, QString>> statusAmounts() const;

private:
    QSqlDatabase m_db;
    QList<Line> m_lines;
    Totals m_totals;
    TextRowsModel m_model;
};
