#pragma once

#include "master/Materials.h"

#include <QDialog>
#include <QHash>
#include <QSqlDatabase>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct Services;

// The edit screen of a raw material. Both allergen selections ("contains" and "may contain")
// are kept on the screen: "Tartalmazhat" only switches the list, and "&Rögzít" writes them with
// the material in one transaction.
class TfrmUjAnyag : public QDialog
{
    Q_OBJECT
public:
    // Modify mode when `registerNumber` is given.
    TfrmUjAnyag(const Services &services, QSqlDatabase db, const QString &ledger = QString(),
        const QString &registerNumber = QString(), QWidget *parent = nullptr);

    bool isNewMode() const { return m_registerNumber.isEmpty(); }
    // The nutrient field's edit box (edtFeherje ...).
    QLineEdit *nutrient(const QString &field) const { return m_nutrients.value(field); }

    QComboBox *dbcFokonyviSzam;
    QLineEdit *edtNyilvSzam;
    QComboBox *dbcCsoport;
    QLineEdit *edtMegnevezes;
    QComboBox *dbcVkod;
    QComboBox *dbcMertekegyseg;
    QLineEdit *edtMenySzorzo;
    QLineEdit *edtKeszletMin;
    QLineEdit *edtKeszletMax;
    QComboBox *comKerekites;
    QLineEdit *edtNyilvAr;
    QComboBox *dbcAfa;
    QLineEdit *edtKcal;
    QCheckBox *chkHso;
    QCheckBox *chkHcukor;
    QListWidget *lstAllergen;
    QCheckBox *chkTartalmazhat;
    QPushButton *btnOsszes;
    QPushButton *btnTorles;
    QPushButton *btnRogzit;
    QPushButton *btnMegse;
    QPushButton *btnSugo;

private:
    void btnRogzitClick();
    void chkTartalmazhatClick(bool mayContain);
    void prepareNew();
    void fill(const MaterialEntry &material);
    void showAllergens();
    void keepAllergens();
    void kerekitesChange(int decimals);
    Checked<MaterialEntry> entry() const;

    const Services &m_services;
    QSqlDatabase m_db;
    QString m_ledger;
    QString m_registerNumber;
    QHash<QString, QLineEdit *> m_nutrients;
    QStringList m_contains;
    QStringList m_mayContain;
};
