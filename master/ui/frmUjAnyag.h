#pragma once

#include "master/Materials.h"

#include "widgets/UiEditDialog.h"

#include <QHash>
#include <QSqlDatabase>
#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The edit screen of a raw material. Both allergen selections ("contains" and "may contain")
// are kept on the screen: "Tartalmazhat" only switches the list, and "&Rögzít" writes them with
// the material in one transaction.
class TfrmUjAnyag : public UiEditDialog
{
    Q_OBJECT
public:
    // Modify mode when `registerNumber` is given.
    TfrmUjAnyag(const Services &services, QSqlDatabase db, const QString &ledger = QString(),
        const QString &registerNumber = QString(), QWidget *parent = nullptr);

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

private:
    void record() override;
    void chkTartalmazhatClick(bool mayContain);
    void prepareNew();
    void fill(const MaterialEntry &material);
    void showAllergens();
    void keepAllergens();
    void kerekitesChange(int decimals);
    // Shows a stored number rounded for display and remembers it: recorded unchanged, the field
    // gives the stored value back, not its rounded display.
    void showStored(QLineEdit *edit, double value, int decimals);
    // The field's number: the stored one while its text is as shown, else the typed one (none
    // when that is no number in range).
    std::optional<double> valueOf(const QLineEdit *edit) const;
    Checked<MaterialEntry> entry() const;

    QSqlDatabase m_db;
    QString m_ledger;
    QString m_registerNumber;
    QHash<QString, QLineEdit *> m_nutrients;
    QHash<const QLineEdit *, std::pair<QString, double>> m_stored; // shown text and stored value
    QStringList m_contains;
    QStringList m_mayContain;
};
