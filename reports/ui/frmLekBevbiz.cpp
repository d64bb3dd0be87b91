#include "reports/ui/frmLekBevbiz.h"

#include "reports/ReportDays.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/VoucherLookups.h"
#include "stock/ui/qrpBevbiz.h"
#include "stock/ui/qrpKibiz.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

TfrmLekBevbiz::TfrmLekBevbiz(const Services &services, QSqlDatabase warehouse, const QString &direction, QWidget *parent)
    : TfrmLekBase(services, Dates::WorkYear, std::make_unique<VoucherListReport>(warehouse, direction), parent)
    , m_db(warehouse)
    , m_direction(direction)
{
    setObjectName(isReceipt() ? QStringLiteral("frmLekBevbiz") : QStringLiteral("frmLekKibiz"));
    setWindowTitle(isReceipt() ? QStringLiteral("Bevételi bizonylatok listája")
                               : QStringLiteral("Kiadási bizonylatok listája"));
    edtSzures = lineEdit(this, QStringLiteral("edtSzures"), 8);
    comRendez = named(new QComboBox(this), "comRendez");
    comRendez->addItems({QStringLiteral("Dátum+bizonylat"), QStringLiteral("Bizonylat+dátum")});
    dblcMozgnemtol = named(new QComboBox(this), "dblcMozgnemtol");
    dblcMozgnemig = named(new QComboBox(this), "dblcMozgnemig");
    VoucherLookups lookups(warehouse);
    const auto types = shownLookup(lookups.movementTypes(direction), services.messenger);
    for (const VoucherLookups::Entry &type : types) {
        dblcMozgnemtol->addItem(type.code + QStringLiteral(" - ") + type.text, type.code);
        dblcMozgnemig->addItem(type.code + QStringLiteral(" - ") + type.text, type.code);
    }
    dblcMozgnemig->setCurrentIndex(dblcMozgnemig->count() - 1);
    chkFokSzam = named(new QCheckBox(QStringLiteral("Fők. számra szűrés"), this), "chkFokSzam");
    dbcFokSzam = named(new QComboBox(this), "dbcFokSzam");
    for (const VoucherLookups::Entry &account : shownLookup(lookups.ledgerAccounts(), services.messenger))
        dbcFokSzam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    dbcFokSzam->setCurrentIndex(qMax(0, dbcFokSzam->findData(services.settings.defaultFokszam())));
    chkBizlista = named(new QCheckBox(QStringLiteral("Minden bizonylat nyomtatása"), this), "chkBizlista");

    QGridLayout *grid = parameterLayout();
    grid->addWidget(buddyLabel(this, QStringLiteral("Bizonylatszámra szűrés"), edtSzures), 0, 0);
    grid->addWidget(edtSzures, 0, 1);
    grid->addWidget(buddyLabel(this, QStringLiteral("Rendezés"), comRendez), 0, 2);
    grid->addWidget(comRendez, 0, 3);
    grid->addWidget(buddyLabel(this, QStringLiteral("Mozgnemtől"), dblcMozgnemtol), 1, 0);
    grid->addWidget(dblcMozgnemtol, 1, 1);
    grid->addWidget(buddyLabel(this, QStringLiteral("Mozgnemig"), dblcMozgnemig), 1, 2);
    grid->addWidget(dblcMozgnemig, 1, 3);
    grid->addWidget(chkFokSzam, 2, 0);
    grid->addWidget(dbcFokSzam, 2, 1);
    if (isReceipt()) {
        chkSzallito = named(new QCheckBox(QStringLiteral("Beszállítóra szűrés"), this), "chkSzallito");
        dbcPartner = named(new QComboBox(this), "dbcPartner");
        for (const VoucherLookups::Partner &partner : shownLookup(lookups.partners(), services.messenger)) {
            dbcPartner->addItem(QStringList {partner.nev, partner.telepules, partner.utca}.join(QStringLiteral(", ")),
                partner.code);
        }
        dbcPartner->setCurrentIndex(qMax(0, dbcPartner->findData(services.settings.defaultPartner())));
        grid->addWidget(chkSzallito, 2, 2);
        grid->addWidget(dbcPartner, 2, 3);
    }
    grid->addWidget(chkBizlista, 3, 0, 1, 2);

    DBGrid1->setModel(query().rows());
    pnlStatus->setText(VoucherListReport::totalsText({}));
    connect(dtpDatumtol, &QDateEdit::dateChanged, this, &TfrmLekBevbiz::keepEndInStartYear);
    connect(dtpDatumig, &QDateEdit::dateChanged, this, &TfrmLekBevbiz::keepEndInStartYear);
}

void TfrmLekBevbiz::keepEndInStartYear()
{
    const QDate end = ReportDays::endInStartYear(dtpDatumtol->date(), dtpDatumig->date());
    if (end != dtpDatumig->date())
        dtpDatumig->setDate(end);
}

const VoucherListReport &TfrmLekBevbiz::list() const
{
    return static_cast<const VoucherListReport &>(query());
}

ReportParameters TfrmLekBevbiz::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(VoucherListReport::NumberPart, edtSzures->text());
    values.filters.insert(VoucherListReport::NumberFirst, comRendez->currentIndex() == 1);
    values.filters.insert(VoucherListReport::MovementFrom, dblcMozgnemtol->currentData().toString());
    values.filters.insert(VoucherListReport::MovementTo, dblcMozgnemig->currentData().toString());
    values.filters.insert(
        VoucherListReport::LedgerAccount, chkFokSzam->isChecked() ? dbcFokSzam->currentData().toString() : QString());
    if (chkSzallito && chkSzallito->isChecked())
        values.filters.insert(VoucherListReport::Partner, dbcPartner->currentData().toString());
    return values;
}

std::unique_ptr<Printout> TfrmLekBevbiz::createPrintout()
{
    const VoucherPrintRows &all = list().vouchers();
    if (all.isEmpty())
        return nullptr;
    VoucherPrintRows rows = all;
    QDate from = dtpDatumtol->date();
    QDate to = dtpDatumig->date();
    if (!chkBizlista->isChecked()) {
        // The voucher under the cursor, whole: its number and date.
        const int voucher = qMax(0, list().voucherOfRow(DBGrid1->currentIndex().row()));
        const VoucherPrintRows::Row &first = all.vouchers().at(voucher).first();
        rows = VoucherPrintRows::ofVoucher(m_db, m_direction, first.bizSzam, first.datum);
        from = first.datum;
        to = QDate();
    }
    if (isReceipt())
        return std::make_unique<TqrpBevbiz>(m_settings, m_messenger, rows, from, to);
    return std::make_unique<TqrpKibiz>(m_settings, m_messenger, rows, from, to);
}

QString TfrmLekBevbiz::helpPage() const
{
    return isReceipt() ? QStringLiteral("LekBevbiz.htm") : QStringLiteral("LekKibiz.htm");
}

QString TfrmLekBevbiz::exportFileName() const
{
    return isReceipt() ? QStringLiteral("Bevbiz.csv") : QStringLiteral("Kibiz.csv");
}
