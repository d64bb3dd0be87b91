#pragma once

#include "reports/VoucherListReport.h"
#include "reports/ui/frmLekBase.h"

#include <QSqlDatabase>

class QCheckBox;
class QLineEdit;

// The receipt voucher list ("Bevételi bizonylatok listája"), and with the issue direction the
// issue voucher list (TfrmLekKibiz): the items of the period with the voucher-number, order,
// movement-type, ledger-account and (receipts) supplier filters; prints the voucher under the
// cursor, or every voucher of the list.
class TfrmLekBevbiz : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekBevbiz(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekBevbiz(services, warehouse, QStringLiteral("BE"), parent)
    {
    }

    QLineEdit *edtSzures;
    QComboBox *comRendez;
    QComboBox *dblcMozgnemtol;
    QComboBox *dblcMozgnemig;
    QCheckBox *chkFokSzam;
    QComboBox *dbcFokSzam;
    QCheckBox *chkSzallito = nullptr;
    QComboBox *dbcPartner = nullptr;
    QCheckBox *chkBizlista;

protected:
    TfrmLekBevbiz(const Services &services, QSqlDatabase warehouse, const QString &direction, QWidget *parent);

    ReportParameters parameters() const override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override;
    QString exportFileName() const override;

private:
    void keepEndInStartYear();
    const VoucherListReport &list() const;
    bool isReceipt() const { return m_direction == QLatin1String("BE"); }

    QSqlDatabase m_db;
    QString m_direction;
};

// The issue voucher list ("Kiadási bizonylatok listája").
class TfrmLekKibiz : public TfrmLekBevbiz
{
    Q_OBJECT
public:
    TfrmLekKibiz(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr)
        : TfrmLekBevbiz(services, warehouse, QStringLiteral("KI"), parent)
    {
    }
};
