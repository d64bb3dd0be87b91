#pragma once

#include "alacarte/CartMenuList.h"
#include "widgets/UiBrowseScreen.h"

#include <QSqlDatabase>

class QCheckBox;
class QDateEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

// Browse screen of the a-la-carte menu "A la Carte étlap karbantartása  (étlap 1 főre)": the rows
// of a day (or of every day) with add, change, delete, copy to another day, printing and export.
class TfrmTallozasCartEtlap : public UiBrowseScreen
{
    Q_OBJECT
public:
    TfrmTallozasCartEtlap(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    QDateEdit *dtpEtlap;
    QCheckBox *chkDatum;
    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnMasol;
    QPushButton *btnPrint;
    QPushButton *btnExport;

    QStandardItemModel *model() const { return m_model; }
    // The EtlapAzon of the current row; 0 on an empty list.
    qint64 currentId() const;

private:
    void rebuild(qint64 select = 0);
    void search() override;
    void orderChanged(int) override { rebuild(currentId()); }
    void btnFelvitelClick();
    void btnModositClick();
    void btnTorolClick();
    void btnMasolClick();
    void btnPrintClick();

    QSqlDatabase m_db;
    QStandardItemModel *m_model;
    QList<CartMenuListRow> m_rows;
};
