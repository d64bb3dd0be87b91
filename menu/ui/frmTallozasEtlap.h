#pragma once

#include "core/Refusal.h"
#include "widgets/UiBrowseScreen.h"

#include <QDate>
#include <QSqlDatabase>
#include <functional>
#include <optional>

class QCheckBox;
class QDateEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// Browse screen of the daily menu "Étlap karbantartása  (étlap 1 főre)": the menu of a day (or of
// every day) from the connection's own display copy, with add, change, delete, the two copies,
// printing and export.
class TfrmTallozasEtlap : public UiBrowseScreen
{
    Q_OBJECT
public:
    struct Warehouse
    {
        int number = 0;
        QString name;
    };

    TfrmTallozasEtlap(const Services &services, QWidget *parent = nullptr);

    // The warehouse choice of "Raktárba átmáso&l"; a list of the warehouses by default.

    QDateEdit *dtpEtlap;
    QCheckBox *chkDatum;
    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnMasol;
    QPushButton *btnRaktMasol;
    QPushButton *btnPrint;
    QPushButton *btnExport;

    QSqlQueryModel *model() const { return m_model; }
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
    void btnRaktMasolClick();
    void btnPrintClick();
    std::optional<Warehouse> chooseWarehouse();
    void copied(const Refusal &refusal);

    QSqlDatabase m_db;
    QSqlQueryModel *m_model;
};
