#pragma once

#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class MealChoice;
class QCheckBox;

// The headcount summary ("Létszámösszesítő (kiszabott létszámok)"): the issued headcounts of the
// chosen meals over the period, per day or merged per meal, with the norm budget.
class TfrmLekLetszam : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekLetszam(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    MealChoice *meals;
    QCheckBox *chkOsszevonas;

protected:
    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("LekLetszam.htm"); }
    QString exportFileName() const override { return QStringLiteral("Letszam.csv"); }
};
