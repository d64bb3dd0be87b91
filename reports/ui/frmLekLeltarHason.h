#pragma once

#include "reports/InventoryDifferenceReport.h"
#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

struct Services;
class QCheckBox;
class QStandardItem;

// The inventory difference screen ("Leltár külömbözet kidolgozása"): "Új" starts a sheet of the
// stock at a date; the real stock is typed into the grid; the differences and sums follow. In the
// stock comparison after a repair the real stock is the stored one and cannot be typed.
class TfrmLekLeltarHason : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekLeltarHason(
        const Services &services, QSqlDatabase warehouse, bool comparison = false, QWidget *parent = nullptr);

    QComboBox *comOrder;
    QCheckBox *chkErrorPrint;

protected:
    ReportParameters parameters() const override;
    bool runConfirmed() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("LekLeltarHason.htm"); }
    QString exportFileName() const override { return QStringLiteral("LeltarHason.csv"); }

private:
    void showSheet();
    void realStockEdited(QStandardItem *item);
    InventoryDifferenceReport &sheet() const;

    bool m_comparison;
    bool m_filling = false;
};
