#pragma once

#include "reports/MovementSummaryReport.h"
#include "reports/StoredPeriods.h"
#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class QCheckBox;
class QToolButton;

// The movement summary ("Mozgás összesítő"): one line per voucher over a period, the open period
// after the last stored one ("Új tabló") or a stored period chosen by its number; "Tabló mentése"
// stores the open period under the next number.
class TfrmLekMozgOssz : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekMozgOssz(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QComboBox *cmbTablo;
    QToolButton *SpeedButton2;
    QCheckBox *chkNyito;

    static QString newPeriodText() { return QStringLiteral("Új tabló"); }

public slots:
    void cmbTabloChange();
    void SpeedButton2Click();

protected:
    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("LekMozgOssz.htm"); }
    QString exportFileName() const override { return QStringLiteral("MozgOssz.csv"); }

private:
    void loadPeriods(const QString &select);
    const MovementSummaryReport &summary() const;

    QSqlDatabase m_db;
    QList<StoredPeriods::Period> m_periods;
};
