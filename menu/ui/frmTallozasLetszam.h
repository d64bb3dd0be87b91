#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QDateEdit;
class QPushButton;
class QSqlQueryModel;
class QTableView;

// "Létszám karbantartása": the day's menu and its meals with their headcounts; "&Módosít" enters
// the headcount of the current meal.
class TfrmTallozasLetszam : public QDialog
{
    Q_OBJECT
public:
    TfrmTallozasLetszam(const Services &services, QWidget *parent = nullptr);

    QDateEdit *dtpEtlap;
    QTableView *DBGrid1;
    QTableView *DBGrid2;
    QComboBox *comOrder;
    QPushButton *btnModosit;
    QPushButton *btnPrint;
    QPushButton *btnSugo;
    QPushButton *btnKilep;

    QSqlQueryModel *meals() const { return m_meals; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void btnModositClick();
    void btnPrintClick();

    const Services &m_services;
    QSqlDatabase m_db;
    QSqlQueryModel *m_menu;
    QSqlQueryModel *m_meals;
};
