#pragma once

#include "reports/NutrientReports.h"
#include "reports/ui/frmLekBase.h"

class NutrientParameters;

// "Tényleges tápanyagszámítás részletes": every material of the issued ration sheets of a period
// with its quantity, value and nutrients, then the total and the per-person-per-day rows in red.
class TfrmLekTapReszl : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekTapReszl(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    NutrientParameters *parametersPanel() const { return m_panel; }
    void recomputeDivisor();

protected:
    TfrmLekTapReszl(const Services &services, Dates dates, NutrientInput input, QWidget *parent);
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("TapReszl.htm"); }
    QString exportFileName() const override { return QStringLiteral("TmpTapReszl.csv"); }

private:
    const NutrientDetailedReport &report() const;

    NutrientParameters *m_panel;
};

// The same list over the ration sheet being prepared (its date set by the sheet screen).
class TfrmLekTapReszlKisz : public TfrmLekTapReszl
{
    Q_OBJECT
public:
    TfrmLekTapReszlKisz(const Services &services, QSqlDatabase warehouse, const QDate &date,
        const QList<RationMeal> &meals, const QList<RationLine> &lines, QWidget *parent = nullptr);
};
