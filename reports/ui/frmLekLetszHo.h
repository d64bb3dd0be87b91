#pragma once

#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class MealChoice;
class QCheckBox;

// The monthly headcount summary ("Havi létszámösszesítő"): the days of a month × the chosen
// meals (at most ten by clicking), with the month's row "Össz:".
class TfrmLekLetszHo : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekLetszHo(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QComboBox *cmbHonap;
    MealChoice *meals;
    QCheckBox *chkKiszabott;

protected:
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("LekLetszHo.htm"); }
    QString exportFileName() const override { return QStringLiteral("LetszHo.csv"); }
};
