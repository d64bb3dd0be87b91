#pragma once

#include "reports/MenuListReport.h"
#include "reports/ui/frmLekBase.h"

class QCheckBox;
class QListWidget;

// "Lista étlapnyomtatás": the dishes of the chosen meals over a period, one line per dish with
// its values of one portion and its allergens, printed grouped by day with day sums.
class TfrmLekEtlapLista : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekEtlapLista(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QListWidget *lbxEtkezesek;
    QCheckBox *chkDietas;

protected:
    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("EtlapLista.htm"); }
    QString exportFileName() const override { return QStringLiteral("TmpEtlapHeti.csv"); }
};
