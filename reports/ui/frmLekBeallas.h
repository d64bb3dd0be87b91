#pragma once

#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class MealChoice;
class NormResultPanel;
class QCheckBox;

// The norm comparisons without a grid: for chosen meals ("Beállás kiszabatos étkezésre",
// TfrmLekNapiErt) and for a movement-type range ("Beállás mozgásnemre", TfrmLekBeallas). A-la-carte
// issues have no norm budget: the movement-type screen leaves them out unless the user counts them.
class TfrmLekBeallas : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekBeallas(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekBeallas(services, warehouse, false, parent)
    {
    }

    QComboBox *dblcMozgnemtol = nullptr;
    QComboBox *dblcMozgnemig = nullptr;
    QCheckBox *chkALaCarte = nullptr;
    MealChoice *meals = nullptr;
    NormResultPanel *results;

protected:
    TfrmLekBeallas(const Services &services, QSqlDatabase warehouse, bool forMeals, QWidget *parent);

    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;

private:
    bool m_forMeals;
};

// "Beállás kiszabatos étkezésre".
class TfrmLekNapiErt : public TfrmLekBeallas
{
    Q_OBJECT
public:
    TfrmLekNapiErt(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekBeallas(services, warehouse, true, parent)
    {
    }
};
