#pragma once

#include "reports/InventoryList.h"
#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

struct Services;
class QCheckBox;
class QStandardItemModel;

// The inventory list screen ("Anyagleltár lista"), also the blank inventory sheet: the stock of
// every material at a date, with the zero-row and ledger-account filters and two orders.
class TfrmLekLeltar : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekLeltar(const Services &services, QSqlDatabase warehouse, bool blankSheet, QWidget *parent = nullptr);

    QComboBox *comOrder;
    QCheckBox *chkNullas;
    QCheckBox *chkFokSzam;
    QComboBox *dbcFokSzam;

protected:
    RunResult runQuery() override;
    QAbstractItemModel *resultModel() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;
    QString exportFileName() const override { return QStringLiteral("Leltar.csv"); }

private:
    InventoryList::Parameters parameters() const;
    void applyView();
    void showRows();

    QSqlDatabase m_db;
    bool m_blankSheet;
    bool m_ran = false;
    InventoryList m_list;
    QStandardItemModel *m_model;
};
