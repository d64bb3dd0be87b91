#pragma once

#include "alacarte/DishPrice.h"
#include "alacarte/DishPrices.h"
#include "widgets/UiEditDialog.h"

#include <QSqlDatabase>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

// Edit dialog of one dish price: the dish (a recipe, or a material of an account), the margin or
// the gross price (whichever was typed last decides the other), the VAT group of the sale, and
// the figures of one portion.
class TfrmUjCartAr : public UiEditDialog
{
    Q_OBJECT
public:
    TfrmUjCartAr(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    void setNewMode();
    void setChangeMode(const DishKey &key);
    DishKey savedKey() const { return m_saved; }

    QRadioButton *rbRecept;
    QRadioButton *rbAnyag;
    QComboBox *dbcFokszam;
    QComboBox *dbcAnyag;
    QLabel *lblMertegys;
    QLineEdit *fleHaszon;
    QLineEdit *fleFixar;
    QComboBox *dbcAfa;
    QLabel *lblAfa;
    QLabel *lblNetto;
    QLabel *lblENetto;
    QLabel *lblHaszon;

private:
    void fillDishes();
    DishKey chosenKey() const;
    // The VAT rate of the chosen group today; none without a rate in force.
    std::optional<double> vatPercent() const;
    void marginTyped();
    void grossTyped();
    void recomputeFromGross();
    void showFigures(const DishPrice &price, bool margin, bool gross);
    void record() override;

    QSqlDatabase m_db;
    DishKey m_original;
    DishKey m_saved;
};
