#pragma once

#include "reports/MaterialCard.h"
#include "reports/ReportQuery.h"

#include <QStandardItemModel>

// The material card as a report query: the period from the parameters, the material from the
// filters "fokSzla" and "nyilvSzam"; one grid row per movement, the two total lines below.
class MaterialCardReport : public ReportQuery
{
public:
    static inline const QString LedgerAccount = QStringLiteral("fokSzla");
    static inline const QString RegisterNumber = QStringLiteral("nyilvSzam");

    explicit MaterialCardReport(QSqlDatabase warehouse);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    // The card of the last run: the material's properties and the printout's rows.
    const MaterialCard &card() const { return m_card; }

private:
    MaterialCard m_card;
    QStandardItemModel m_model;
};
