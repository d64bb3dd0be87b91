#pragma once

#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class QCheckBox;

// Monthly usage ("Havi anyagfelhasználás"): each day of the chosen month, ration-sheet issues
// against the norm budget, with the month's row "Összesen". A-la-carte issues count only when
// the user ticks them.
class TfrmLekAnyagHo : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekAnyagHo(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QComboBox *cmbHonap;
    QComboBox *dblcMozgnemtol;
    QComboBox *dblcMozgnemig;
    QCheckBox *chkALaCarte;

protected:
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("LekAnyagHo.htm"); }
    QString exportFileName() const override { return QStringLiteral("AnyagHo.csv"); }
};
