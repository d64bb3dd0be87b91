#pragma once

#include "menu/RationTypes.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

struct Services;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

// The parameter dialog "Kiszabat paraméterek": the date and the meals that have an unissued
// headcount on it, all chosen at first and refilled at each date change. Also the meal choice of
// an added material ("Étkezések kiválasztása": date fixed, only the sheet's meals, none chosen),
// and, with an end date, the planning dialog.
class TfrmUjKiszabat : public QDialog
{
    Q_OBJECT
public:
    // The meals offered between two dates.
    using MealSource = std::function<QList<RationMeal>(const QDate &from, const QDate &to)>;

    TfrmUjKiszabat(const Services &services, MealSource meals, QWidget *parent = nullptr);

    // The earliest date (the day after the last closing date).
    void setEarliest(const QDate &date);
    // The meal choice of ration-sheet mode: this date only, these meals, none chosen; one meal
    // only when `single`.
    void chooseAmong(const QDate &date, const QList<RationMeal> &meals, bool single);

    QDate date() const;
    QDate endDate() const;
    // The codes of the chosen meals (the first two characters of each chosen entry).
    QStringList chosenCodes() const;

    QLabel *lblKezdet;
    QDateEdit *dtpKezdet;
    QLabel *lblVeg;
    QDateEdit *dtpVeg;
    QLabel *lblEtkezesek;
    QListWidget *lstEtkezesek;
    QPushButton *lblOsszes;
    QPushButton *lblTorles;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

protected:
    // Planning: the end date is shown and both dates refill the list.
    void showPeriod(const QString &helpPage);
    // Another screen's parameter dialog (the a-la-carte sheet's) opens its own help page.
    void setHelpPage(const QString &helpPage) { m_helpPage = helpPage; }

private:
    void refill();
    void fill(const QList<RationMeal> &meals, bool chosen);

    const Services &m_services;
    MealSource m_meals;
    QString m_helpPage;
    bool m_fixed = false;
    bool m_period = false;
};
