#pragma once

#include "widgets/UiEditDialog.h"

#include <QDate>
#include <QSqlDatabase>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;

// Edit screen of one a-la-carte menu row: date, dish group, a priced dish (recipe, or material of
// an account), quantity per person and headcount.
class TfrmUjCartEtlap : public UiEditDialog
{
    Q_OBJECT
public:
    TfrmUjCartEtlap(const Services &services, QSqlDatabase db, QWidget *parent = nullptr);

    void setNewMode(const QDate &date);
    void setChangeMode(qint64 id);
    qint64 savedId() const { return m_saved; }

    QDateEdit *dtpEtlap;
    QComboBox *dbcEtkTip;
    QRadioButton *rbRecept;
    QRadioButton *rbAnyag;
    QComboBox *dbcFokszam;
    QComboBox *dbcAnyag;
    QLineEdit *edtMennyiseg;
    QLabel *lblMertegys;
    QLineEdit *edtFo;

private:
    void fillDishes();
    void record() override;

    QSqlDatabase m_db;
    qint64 m_id = 0;
    qint64 m_saved = 0;
    // The dish a changed row holds, kept even when its price is gone.
    QString m_storedAccount;
    QString m_storedDish;
    QString m_storedName;
};
