#pragma once

#include "core/Refusal.h"
#include "menu/RationTypes.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QSqlDatabase>
#include <functional>

struct Services;
class QDateEdit;
class QListWidget;
class QPushButton;

// "Napi kiszabatok törlése": the issued meals of a date are listed; "&Töröl" asks, then undoes the
// day's ration sheets in one transaction (the deletion itself is handed in, so the screen stays
// a thin collector).
class TfrmKiszabatTorles : public QDialog
{
    Q_OBJECT
public:
    using Deletion = std::function<Checked<int>(const QDate &date)>;
    using MealSource = std::function<QList<RationMeal>(const QDate &date)>;

    TfrmKiszabatTorles(const Services &services, MealSource meals, Deletion deletion, QWidget *parent = nullptr);

    QDateEdit *dtpKezdet;
    QListWidget *lstEtkezesek;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

    void btnRogzitClick();

private:
    void refill();

    const Services &m_services;
    MealSource m_meals;
    Deletion m_deletion;
};
