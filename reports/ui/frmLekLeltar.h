#pragma once

#include "reports/InventoryListReport.h"
#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

struct Services;
class QCheckBox;

// The inventory list screen ("Anyagleltár lista"), also the blank inventory sheet: the stock of
// every material at a date, with the zero-row and ledger-account filters and two orders.
class TfrmLekLeltar : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekLeltar(const Services &services, QSqlDatabase warehouse, bool blankSheet, QWidget *parent = nullptr);

    QComboBox *comOrder;
    QCheckBox *chkNullas;
    QCheckBox *chkFokSzam;
    QComboBox *dbcFokSzam;

protected:
    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;
    QString exportFileName() const override { return QStringLiteral("Leltar.csv"); }

private:
    void applyView();
    InventoryListReport &list() const;

    bool m_blankSheet;
};
