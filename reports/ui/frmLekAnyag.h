#pragma once

#include "reports/MaterialCardReport.h"
#include "reports/ui/frmLekBase.h"
#include "stock/VoucherLookups.h"

#include <QSqlDatabase>

struct Services;
class QLineEdit;

// The material card screen ("Anyagkarton"): one material's movements in a period, the stored
// running balance of each, and the totals.
class TfrmLekAnyag : public TfrmLekBase
{
    Q_OBJECT
public:
    TfrmLekAnyag(const Services &services, QSqlDatabase warehouse, QWidget *parent = nullptr);

    QComboBox *dbcFokszam;
    QComboBox *dbcAnyag;
    QLineEdit *edtAnyagKod;
    QLabel *lblKerekites;
    QLabel *lblKeszlet;
    QLabel *lblKeszletMin;
    QLabel *lblAzonosito;
    QLabel *lblSzorzo;
    QLabel *lblKeszletMax;

protected:
    ReportParameters parameters() const override;
    void runFinished() override;
    std::unique_ptr<Printout> createPrintout() override;
    QString helpPage() const override { return QStringLiteral("lekanyag.htm"); }
    QString exportFileName() const override { return QStringLiteral("Anyagkarton.csv"); }

private:
    void dbcFokszamChange();
    void dbcAnyagChange();
    void edtAnyagKodEnter();
    QString chosenNumber() const;

    void showMaterial();
    const MaterialCardReport &card() const;

    QSqlDatabase m_db;
    QList<VoucherLookups::Material> m_materials;
};
