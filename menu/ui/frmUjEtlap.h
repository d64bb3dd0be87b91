#pragma once

#include "widgets/UiEditDialog.h"

#include <QDate>
#include <QSqlDatabase>
#include <functional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;

// Edit screen of one daily-menu row: a new row ("Új adat felvitele") or the current one
// ("Adat módosítása").
class TfrmUjEtlap : public UiEditDialog
{
    Q_OBJECT
public:
    TfrmUjEtlap(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    void setNewMode(const QDate &date);
    void setChangeMode(qint64 id);
    // Called after each recorded new row (the browse screen rebuilds its list behind).
    void setOnAdded(std::function<void(qint64)> onAdded) { m_onAdded = std::move(onAdded); }

    QDateEdit *dtpEtlap;
    QComboBox *dbcEtkTip;
    QRadioButton *rbRecept;
    QRadioButton *rbAnyag;
    QComboBox *dbcFokszam;
    QLineEdit *edtAzon;
    QComboBox *dbcAnyag;
    QLineEdit *edtMennyiseg;
    QLabel *lblMertegys;

private:
    void fillDishes();
    void dishChanged();
    void edtAzonExit();
    void record() override;
    void resetForNext();
    void showQuantity(double quantity);

    QSqlDatabase m_db;
    qint64 m_id = 0;
    // The quantity the field shows: recorded as it is unless the user edits the field.
    double m_quantity = 1;
    int m_decimals = 2;
    std::function<void(qint64)> m_onAdded;
};
