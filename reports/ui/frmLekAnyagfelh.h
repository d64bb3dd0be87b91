#pragma once

#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class UsageFilterPanel;

// Usage by movement type ("Tényleges anyagfelhasználás"), and with `detailed` the detailed usage
// per material (TfrmLekAnyagfelhReszl), over the usage filter panel.
class TfrmLekAnyagfelh : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekAnyagfelh(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekAnyagfelh(services, warehouse, false, parent)
    {
    }

    UsageFilterPanel *filters;

protected:
    TfrmLekAnyagfelh(const Services &services, QSqlDatabase warehouse, bool detailed, QWidget *parent);

    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;
    QString exportFileName() const override;

private:
    bool m_detailed;
};

// Detailed usage ("Részletes anyagfelhasználás").
class TfrmLekAnyagfelhReszl : public TfrmLekAnyagfelh
{
    Q_OBJECT
public:
    TfrmLekAnyagfelhReszl(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekAnyagfelh(services, warehouse, true, parent)
    {
    }
};
