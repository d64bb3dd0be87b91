#pragma once

#include "reports/MenuVarietyReport.h"
#include "reports/ui/frmLekBase.h"

class QLabel;
class QListWidget;

// "Változatossági mutató": the variety index of one meal over a period, its parts per dish
// category, the days of the meal and the repeated dishes. No printout.
class TfrmLekValtozatossagi : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekValtozatossagi(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QListWidget *lbxEtkezesek;
    QLabel *lblNapokszama;
    QLabel *lblMutato;
    QLabel *lblElofordulas;
    QLabel *lblLevese;
    QLabel *lblHuse;
    QLabel *lblFozeleke;
    QLabel *lblKorete;
    QLabel *lblVmLeves;
    QLabel *lblVmHus;
    QLabel *lblVmFozelek;
    QLabel *lblVmKoret;

protected:
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override { return nullptr; }
    QString helpPage() const override { return QStringLiteral("Valtozatossagi.htm"); }
};
