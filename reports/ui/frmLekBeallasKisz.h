#pragma once

#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class MealChoice;
class QSpinBox;

// Materials per meal ("Étkezésre anyaglista részletes (kiszabatos)"), and per material only
// (TfrmLekBeallasKiszTab): the materials of the issued ration sheets of the chosen meals with the
// norm comparison of those meals, and the meals' total headcount over the period.
class TfrmLekBeallasKisz : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekBeallasKisz(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekBeallasKisz(services, warehouse, true, parent)
    {
    }

    MealChoice *meals;
    QSpinBox *fleLetszam;

public slots:
    // "Összlétszám": recomputed when a date or the meal choice changes.
    void refreshHeadcount();

protected:
    TfrmLekBeallasKisz(const Services &services, QSqlDatabase warehouse, bool detailed, QWidget *parent);

    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;
    QString exportFileName() const override;

private:
    QSqlDatabase m_db;
    bool m_detailed;
    QStringList m_headcountLines;
};

// "Étkezésre anyaglista (kiszabatos)".
class TfrmLekBeallasKiszTab : public TfrmLekBeallasKisz
{
    Q_OBJECT
public:
    TfrmLekBeallasKiszTab(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekBeallasKisz(services, warehouse, false, parent)
    {
    }
};
