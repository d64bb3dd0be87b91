#pragma once

#include <QDate>
#include <QDialog>
#include <QSqlDatabase>

struct Services;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// The header of the issue voucher of a ration sheet ("Kiadási bizonylat"): the proposed voucher
// number (editable), the ration date (fixed), the issue movement type (preset "07") and the
// partner (preset "00001", fixed) with its address, and the running number the voucher will get.
// With a fixed type (the a-la-carte issue) the movement type list holds that type only, disabled.
class TfrmRaktarAutoKivetel : public QDialog
{
    Q_OBJECT
public:
    TfrmRaktarAutoKivetel(const Services &services, QSqlDatabase db, const QDate &date, const QString &proposedNumber,
        const QString &runningNumber, QWidget *parent = nullptr, const QString &fixedType = QString());

    QString number() const;
    // True when the number is still the proposed one.
    bool numberProposed() const;
    QString movementType() const;
    QString partner() const;

    QLineEdit *edtBizSorsz;
    QDateEdit *dtpBizDatum;
    QComboBox *dbcMozgnem;
    QComboBox *dbcPartner;
    QLabel *lblCim;
    QLabel *lblSorszam;
    QPushButton *btnRogzit;
    QPushButton *btnSugo;

private:
    const Services &m_services;
    QString m_proposed;
};
