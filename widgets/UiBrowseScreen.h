#pragma once

#include "session/Services.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QHBoxLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

// The frame of every browse screen: title and objectName, the order list and the search field
// list with the search box (Enter there searches), the row of buttons ending with "&Súgó" and
// "&Bezár", help on "&Súgó" and F1, the mouse wheel as arrow keys, and the pattern's messages
// ("Nincs kiválasztott adatsor!", the delete question). A screen adds its grids, its buttons with
// what they do, and what searching and ordering do.
class UiBrowseScreen : public QDialog
{
    Q_OBJECT
public:
    QComboBox *comOrder;
    QComboBox *comSearch;
    QLineEdit *edtSearch;
    QPushButton *btnSugo;
    QPushButton *btnKilep;

protected:
    UiBrowseScreen(const Services &services, const QString &name, const QString &caption, const QString &helpPage,
        QWidget *parent);

    // A named button of the row running `clicked`. No button is a default one: Enter in the
    // search box searches and never presses a button; Enter on a focused button presses it.
    QPushButton *button(const QString &name, const QString &caption, std::function<void()> clicked);
    // The top row: `leading` widgets, then "Rendezés:" with the orders, then (with search fields)
    // "Keresés" with the fields and the box. An empty order list leaves the order choice out.
    QHBoxLayout *orderAndSearchRow(
        const QList<QWidget *> &leading, const QStringList &orders, const QStringList &searchFields);
    // The screen from top to bottom: `top`, `body` (stretching), the buttons with "&Súgó" and
    // "&Bezár" last, then `below` when given.
    void setBody(QLayout *top, QLayout *body, const QList<QPushButton *> &buttons, QLayout *below = nullptr);

    // Enter in the search box.
    virtual void search() {}
    // Another order was chosen.
    virtual void orderChanged(int) {}

    // "Nincs kiválasztott adatsor!" when there is no current row; true when there is.
    bool hasRow(bool present);
    // The question before a delete; true on "OK".
    bool confirmDelete();

    void keyPressEvent(QKeyEvent *event) override;

    const Services &m_services;

private:
    QString m_helpPage;
};
