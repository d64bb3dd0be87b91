#pragma once

#include "widgets/UiBrowseScreen.h"

#include <QSqlDatabase>

class QPushButton;
class QStandardItemModel;
class QTableView;

// Browse screen of the a-la-carte dish groups "A la Carte étel csoportok karbantartása".
class TfrmTallozasCartCsop : public UiBrowseScreen
{
    Q_OBJECT
public:
    TfrmTallozasCartCsop(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnModosit;
    QPushButton *btnTorol;
    QPushButton *btnPrint;
    QPushButton *btnExport;

    QStandardItemModel *model() const { return m_model; }
    // The code of the current row; empty on an empty list.
    QString currentCode() const;

private:
    void rebuild(const QString &select = QString());
    void search() override;
    void orderChanged(int) override { rebuild(currentCode()); }
    void btnFelvitelClick();
    void btnModositClick();
    void btnTorolClick();
    void btnPrintClick();

    QSqlDatabase m_db;
    QStandardItemModel *m_model;
};
