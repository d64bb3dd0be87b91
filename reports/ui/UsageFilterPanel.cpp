#include "reports/ui/UsageFilterPanel.h"

#include "core/NumberFormat.h"
#include "master/MasterLookups.h"
#include "reports/UsageFilter.h"
#include "session/Settings.h"
#include "stock/VoucherLookups.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace {

void fill(QComboBox *from, QComboBox *to, const LookupList &entries)
{
    for (QComboBox *box : {from, to}) {
        box->clear();
        for (const LookupEntry &entry : entries)
            box->addItem(entry.code + QStringLiteral(" - ") + entry.text, entry.code);
    }
    to->setCurrentIndex(to->count() - 1);
}

QString code(const QComboBox *box)
{
    return box->currentData().toString();
}

} // namespace

UsageFilterPanel::UsageFilterPanel(QSqlDatabase warehouse, const Settings &settings, Messenger &messenger, QWidget *parent)
    : QWidget(parent)
    , m_db(warehouse)
    , m_messenger(messenger)
{
    dblcFokszam = named(new QComboBox(this), "dblcFokszam");
    dblcAnyagtol = named(new QComboBox(this), "dblcAnyagtol");
    dblcAnyagig = named(new QComboBox(this), "dblcAnyagig");
    dblcMozgnemtol = named(new QComboBox(this), "dblcMozgnemtol");
    dblcMozgnemig = named(new QComboBox(this), "dblcMozgnemig");
    dblcPartnertol = named(new QComboBox(this), "dblcPartnertol");
    dblcPartnerig = named(new QComboBox(this), "dblcPartnerig");
    chkAcsop = named(new QCheckBox(QStringLiteral("Anyag csop.:"), this), "chkAcsop");
    dblcAcsop = named(new QComboBox(this), "dblcAcsop");
    chkAFA = named(new QCheckBox(QStringLiteral("ÁFA:"), this), "chkAFA");
    dblcAFA = named(new QComboBox(this), "dblcAFA");

    for (const LookupEntry &account : shownLookup(MasterLookups::ledgerAccounts(warehouse), messenger))
        dblcFokszam->addItem(account.text, account.code);
    dblcFokszam->setCurrentIndex(qMax(0, dblcFokszam->findData(settings.defaultFokszam())));
    fill(dblcMozgnemtol, dblcMozgnemig,
        shownLookup(MasterLookups::codeTableRows(warehouse, QStringLiteral("Mozgnem"), QStringLiteral("MozgnemKod"),
                        QStringLiteral("Megnevezes")),
            messenger));
    fill(dblcPartnertol, dblcPartnerig,
        shownLookup(
            MasterLookups::codeTableRows(warehouse, QStringLiteral("Partner"), QStringLiteral("PartAzon"), QStringLiteral("Nev")),
            messenger));
    for (const LookupEntry &group : shownLookup(MasterLookups::materialGroups(warehouse), messenger))
        dblcAcsop->addItem(group.text, group.code);
    dblcAcsop->setCurrentIndex(qMax(0, dblcAcsop->findData(settings.defaultCsoport())));
    const QList<VoucherLookups::Vat> vats = shownLookup(VoucherLookups(warehouse).vatRows(), messenger);
    int preset = -1;
    for (const VoucherLookups::Vat &vat : vats) {
        if (preset < 0 && vat.afaCsoport == settings.defaultAfa())
            preset = dblcAFA->count();
        dblcAFA->addItem(vat.afaKod + QStringLiteral(" - ") + NumberFormat::plain(vat.percent) + QStringLiteral("% - ")
                + vat.datum.toString(QStringLiteral("yyyy.MM.dd.")),
            vat.afaKod);
        dblcAFA->setItemData(dblcAFA->count() - 1, vat.percent, Qt::UserRole + 1);
    }
    dblcAFA->setCurrentIndex(qMax(0, preset));
    dblcAcsop->setEnabled(false);
    dblcAFA->setEnabled(false);
    connect(chkAcsop, &QCheckBox::toggled, dblcAcsop, &QWidget::setEnabled);
    connect(chkAFA, &QCheckBox::toggled, dblcAFA, &QWidget::setEnabled);
    connect(dblcFokszam, &QComboBox::activated, this, &UsageFilterPanel::dblcFokszamClick);
    dblcFokszamClick();

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buddyLabel(this, QStringLiteral("FK. szám:"), dblcFokszam), 0, 0);
    grid->addWidget(dblcFokszam, 0, 1, 1, 3);
    const QList<std::tuple<QString, QComboBox *, QString, QComboBox *>> ranges {
        {QStringLiteral("Anyagtól:"), dblcAnyagtol, QStringLiteral("Anyagig:"), dblcAnyagig},
        {QStringLiteral("Mozgnemtől:"), dblcMozgnemtol, QStringLiteral("Mozgnemig:"), dblcMozgnemig},
        {QStringLiteral("Partnertől:"), dblcPartnertol, QStringLiteral("Partnerig:"), dblcPartnerig}};
    int row = 1;
    for (const auto &[fromCaption, from, toCaption, to] : ranges) {
        grid->addWidget(buddyLabel(this, fromCaption, from), row, 0);
        grid->addWidget(from, row, 1);
        grid->addWidget(buddyLabel(this, toCaption, to), row, 2);
        grid->addWidget(to, row, 3);
        ++row;
    }
    grid->addWidget(chkAcsop, row, 0);
    grid->addWidget(dblcAcsop, row, 1);
    grid->addWidget(chkAFA, row, 2);
    grid->addWidget(dblcAFA, row, 3);
}

void UsageFilterPanel::dblcFokszamClick()
{
    LookupList materials = shownLookup(MasterLookups::materialsOf(m_db, code(dblcFokszam)), m_messenger);
    std::sort(materials.begin(), materials.end(),
        [](const LookupEntry &a, const LookupEntry &b) { return a.code < b.code; });
    fill(dblcAnyagtol, dblcAnyagig, materials);
}

void UsageFilterPanel::addFilters(ReportParameters &parameters) const
{
    parameters.filters.insert(UsageFilter::LedgerAccount, code(dblcFokszam));
    parameters.filters.insert(UsageFilter::MaterialFrom, code(dblcAnyagtol));
    parameters.filters.insert(UsageFilter::MaterialTo, code(dblcAnyagig));
    parameters.filters.insert(UsageFilter::MovementFrom, code(dblcMozgnemtol));
    parameters.filters.insert(UsageFilter::MovementTo, code(dblcMozgnemig));
    parameters.filters.insert(UsageFilter::PartnerFrom, code(dblcPartnertol));
    parameters.filters.insert(UsageFilter::PartnerTo, code(dblcPartnerig));
    parameters.filters.insert(UsageFilter::Group, chkAcsop->isChecked() ? code(dblcAcsop) : QString());
    parameters.filters.insert(UsageFilter::Vat, chkAFA->isChecked() ? code(dblcAFA) : QString());
}

QStringList UsageFilterPanel::printedLines() const
{
    return {QStringLiteral("Főkönyviszám: ") + code(dblcFokszam),
        QStringLiteral("Anyagok: ") + code(dblcAnyagtol) + QStringLiteral(" - ") + code(dblcAnyagig),
        QStringLiteral("Mozgásnemek: ") + code(dblcMozgnemtol) + QStringLiteral(" - ") + code(dblcMozgnemig),
        QStringLiteral("Partnerek: ") + code(dblcPartnertol) + QStringLiteral(" - ") + code(dblcPartnerig),
        QStringLiteral("Anyagcsoport: ") + (chkAcsop->isChecked() ? dblcAcsop->currentText() : QStringLiteral("-")),
        QStringLiteral("ÁFA: ")
            + (chkAFA->isChecked() ? NumberFormat::plain(dblcAFA->currentData(Qt::UserRole + 1).toDouble())
                       + QStringLiteral("%")
                                   : QStringLiteral("-"))};
}
