#include "reports/ui/frmLekAnyag.h"

#include "core/Codes.h"
#include "core/NumberFormat.h"
#include "core/Refusal.h"
#include "reports/ui/qrpAnyagKarton.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiBoundedField.h"
#include "widgets/ShownLookup.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TfrmLekAnyag::TfrmLekAnyag(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod, std::make_unique<MaterialCardReport>(warehouse), parent)
    , m_db(warehouse)
{
    setObjectName(QStringLiteral("frmLekAnyag"));
    setWindowTitle(QStringLiteral("Anyagkarton"));
    dbcFokszam = new QComboBox(this);
    dbcFokszam->setObjectName(QStringLiteral("dbcFokszam"));
    dbcAnyag = new QComboBox(this);
    dbcAnyag->setObjectName(QStringLiteral("dbcAnyag"));
    edtAnyagKod = new QLineEdit(this);
    edtAnyagKod->setObjectName(QStringLiteral("edtAnyagKod"));
    UiBoundedField::limit(edtAnyagKod, 4);
    edtAnyagKod->setToolTip(QStringLiteral("Entert ütve keres"));
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Főkönyvi szám:"), this), 0, 0);
    parameterLayout()->addWidget(dbcFokszam, 0, 1);
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Anyag:"), this), 1, 0);
    parameterLayout()->addWidget(dbcAnyag, 1, 1);
    parameterLayout()->addWidget(edtAnyagKod, 1, 2);

    auto *group = new QGroupBox(QStringLiteral("Anyag tulajdonságai"), this);
    auto *properties = new QGridLayout(group);
    lblKerekites = valueLabel(group, "lblKerekites");
    lblKeszlet = valueLabel(group, "lblKeszlet");
    lblKeszlet->setStyleSheet(QStringLiteral("color: blue;"));
    lblKeszletMin = valueLabel(group, "lblKeszletMin");
    lblAzonosito = valueLabel(group, "lblAzonosito");
    lblSzorzo = valueLabel(group, "lblSzorzo");
    lblKeszletMax = valueLabel(group, "lblKeszletMax");
    properties->addWidget(new QLabel(QStringLiteral("Kerekítés:"), group), 0, 0);
    properties->addWidget(lblKerekites, 0, 1);
    properties->addWidget(new QLabel(QStringLiteral("Készlet:"), group), 0, 2);
    properties->addWidget(lblKeszlet, 0, 3);
    properties->addWidget(new QLabel(QStringLiteral("Készl. min.:"), group), 0, 4);
    properties->addWidget(lblKeszletMin, 0, 5);
    properties->addWidget(new QLabel(QStringLiteral("Azonosító:"), group), 1, 0);
    properties->addWidget(lblAzonosito, 1, 1);
    properties->addWidget(new QLabel(QStringLiteral("Szorzó:"), group), 1, 2);
    properties->addWidget(lblSzorzo, 1, 3);
    properties->addWidget(new QLabel(QStringLiteral("Készl. max.:"), group), 1, 4);
    properties->addWidget(lblKeszletMax, 1, 5);
    parameterLayout()->addWidget(group, 2, 0, 1, 3);

    const QList<VoucherLookups::Entry> accounts = shownLookup(VoucherLookups(warehouse).ledgerAccounts(), services.messenger);
    for (const VoucherLookups::Entry &account : accounts)
        dbcFokszam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    const int preset = dbcFokszam->findData(services.settings.defaultFokszam());
    dbcFokszam->setCurrentIndex(preset >= 0 ? preset : 0);
    dbcFokszamChange();

    DBGrid1->setModel(query().rows());
    connect(dbcFokszam, &QComboBox::activated, this, &TfrmLekAnyag::dbcFokszamChange);
    connect(dbcAnyag, &QComboBox::activated, this, &TfrmLekAnyag::dbcAnyagChange);
    connect(edtAnyagKod, &QLineEdit::returnPressed, this, &TfrmLekAnyag::edtAnyagKodEnter);
}

void TfrmLekAnyag::dbcFokszamChange()
{
    m_materials = shownLookup(VoucherLookups(m_db).materials(dbcFokszam->currentData().toString()), m_messenger);
    dbcAnyag->clear();
    for (const VoucherLookups::Material &material : m_materials)
        dbcAnyag->addItem(material.megnevezes, material.nyilvSzam);
    dbcAnyagChange();
}

void TfrmLekAnyag::dbcAnyagChange()
{
    edtAnyagKod->setText(chosenNumber());
}

QString TfrmLekAnyag::chosenNumber() const
{
    return dbcAnyag->currentData().toString();
}

void TfrmLekAnyag::edtAnyagKodEnter()
{
    bool ok = false;
    const int number = edtAnyagKod->text().trimmed().toInt(&ok);
    const QString code = ok ? Codes::pad(Codes::Kind::RegisterNumber, number).value_or(QString()) : QString();
    const int index = code.isEmpty() ? -1 : dbcAnyag->findData(code);
    if (index < 0) {
        Refusal::warning(QStringLiteral("A keresett elem nem található!")).show(m_messenger);
        edtAnyagKod->setText(chosenNumber());
        return;
    }
    dbcAnyag->setCurrentIndex(index);
    BitBtn1->setFocus();
}

const MaterialCardReport &TfrmLekAnyag::card() const
{
    return static_cast<const MaterialCardReport &>(query());
}

ReportParameters TfrmLekAnyag::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(MaterialCardReport::LedgerAccount, dbcFokszam->currentData().toString());
    values.filters.insert(MaterialCardReport::RegisterNumber, chosenNumber());
    return values;
}

void TfrmLekAnyag::runFinished()
{
    const MaterialCard::Material &material = card().card().material();
    const QString unit = QStringLiteral(" ") + material.mertekegyseg;
    lblKerekites->setText(QString::number(material.kerekites) + QStringLiteral(" tizedes"));
    lblKeszlet->setText(NumberFormat::format(material.keszletMennyiseg, QStringLiteral("###,###,##0.00 ")) + unit);
    lblKeszletMin->setText(NumberFormat::plain(material.keszletMin) + unit);
    lblKeszletMax->setText(NumberFormat::plain(material.keszletMax) + unit);
    lblAzonosito->setText(chosenNumber());
    lblSzorzo->setText(NumberFormat::plain(material.menySzorzo));
}

std::unique_ptr<Printout> TfrmLekAnyag::createPrintout()
{
    return std::make_unique<TqrpAnyagKarton>(
        m_settings, m_messenger, card().card(), chosenNumber(), dtpDatumtol->date(), dtpDatumig->date());
}
