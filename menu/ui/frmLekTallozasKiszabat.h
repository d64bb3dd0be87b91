#pragma once

#include "menu/RationPlan.h"

#include <QDate>
#include <QDialog>
#include <QSqlDatabase>
#include <QStringList>

struct Services;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

// Material usage planning "Anyagfelhasználás tervezés": views 1 to 3 of a period's menus (the
// menu, the dishes, the material totals against the current stock), read-only.
class TfrmLekTallozasKiszabat : public QDialog
{
    Q_OBJECT
public:
    TfrmLekTallozasKiszabat(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    // The parameter dialog, then view 1; false when the screen is to close at once.
    bool start();
    bool open(const QDate &from, const QDate &to, const QStringList &meals);

    int view() const { return m_view; }
    const RationPlan &plan() const { return m_plan; }
    QStandardItemModel *model() const { return m_model; }

    QTableView *DBGrid1;
    QPushButton *btnFelvitel;
    QPushButton *btnPrint;
    QPushButton *btnSugo;
    QPushButton *btnKilep;
    QLabel *lblDatumTart;
    QLabel *lblEtkezesek;
    QLabel *lblHiany;
    QLabel *lblNorma;

    void btnFelvitelClick();
    void btnPrintClick();

private:
    void showView(int view);

    const Services &m_services;
    QSqlDatabase m_db;
    QStandardItemModel *m_model;
    RationPlan m_plan;
    int m_view = 0;
    bool m_shortageWarned = false;
};
