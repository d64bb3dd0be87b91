#pragma once

#include "reports/NutrientReports.h"
#include "reports/ui/frmLekBase.h"

class NutrientParameters;
class QTableView;
class NutrientChartView;

// "Tényleges tápanyagszámítás csoportos": the food groups and the nutrients one person got per day
// from the issued ration sheets of a period, against the chosen age group's norms, deviations in
// red, with the chart of the nutrients against their norm bands.
class TfrmLekTapCsop : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekTapCsop(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    NutrientParameters *parametersPanel() const { return m_panel; }
    QTableView *DBGrid2;
    NutrientChartView *chtTapanyag;

    // Computes the average headcount and day count again from the database.
    void recomputeDivisor();

protected:
    TfrmLekTapCsop(const Services &services, Dates dates, NutrientInput input, QWidget *parent);
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("TapCsop.htm"); }
    QString exportFileName() const override { return QStringLiteral("TmpTapCsop.csv"); }

private:
    void openNorms();
    const NutrientGroupedReport &report() const;

    NutrientParameters *m_panel;
};

// The same calculation over the ration sheet being prepared (its date set by the sheet screen).
class TfrmLekTapCsopKisz : public TfrmLekTapCsop
{
    Q_OBJECT
public:
    TfrmLekTapCsopKisz(const Services &services, QSqlDatabase warehouse, const QDate &date,
        const QList<RationMeal> &meals, const QList<RationLine> &lines, QWidget *parent = nullptr);
};
