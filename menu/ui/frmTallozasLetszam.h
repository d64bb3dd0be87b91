#pragma once

#include "widgets/UiBrowseScreen.h"

#include <QSqlDatabase>

class QDateEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// "Létszám karbantartása": the day's menu and its meals with their headcounts; "&Módosít" enters
// the headcount of the current meal.
class TfrmTallozasLetszam : public UiBrowseScreen
{
    Q_OBJECT
public:
    TfrmTallozasLetszam(const Services &services, QWidget *parent = nullptr);

    QDateEdit *dtpEtlap;
    QTableView *DBGrid1;
    QTableView *DBGrid2;
    QPushButton *btnModosit;
    QPushButton *btnPrint;

    QSqlQueryModel *meals() const { return m_meals; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void btnModositClick();
    void btnPrintClick();

    QSqlDatabase m_db;
    QSqlQueryModel *m_menu;
    QSqlQueryModel *m_meals;
};
