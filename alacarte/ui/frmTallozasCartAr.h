#pragma once

#include "alacarte/PriceList.h"
#include "widgets/UiBrowseScreen.h"

#include <QSqlDatabase>

class QPushButton;
class QStandardItemModel;
class QTableView;

// Browse screen of the a-la-carte price list "A la Carte étel beárazás": every priced dish with
// its material cost, selling price and profit of one portion, rebuilt after every change.
class TfrmTallozasCartAr : public UiBrowseScreen
{
    Q_OBJECT
public:
    TfrmTallozasCartAr(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    // The notice about stale recipe costs, shown once when the screen opens (TapValt).
    void start();

    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnPrint;
    QPushButton *btnExport;

    QStandardItemModel *model() const { return m_model; }
    const QList<PriceListRow> &rows() const { return m_rows; }

private:
    int currentRow() const;
    void rebuild(const DishKey &select = DishKey());
    void search() override;
    void orderChanged(int) override;
    void btnFelvitelClick();
    void btnModositClick();
    void btnTorolClick();
    void btnPrintClick();

    QSqlDatabase m_db;
    QStandardItemModel *m_model;
    QList<PriceListRow> m_rows;
};
