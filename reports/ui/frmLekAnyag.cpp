#include "reports/ui/frmLekAnyag.h"

#include "core/Codes.h"
#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "core/Refusal.h"
#include "reports/ui/qrpAnyagKarton.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/StockFormat.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
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
    : TfrmLekBase(services.settings, services.messenger, services.files, Dates::YearPeriod, parent)
    , m_db(warehouse)
    , m_card(warehouse)
{
    setObjectName(QStringLiteral("frmLekAnyag"));
    setWindowTitle(QStringLiteral("Anyagkarton"));
    dbcFokszam = new QComboBox(this);
    dbcFokszam->setObjectName(QStringLiteral("dbcFokszam"));
    dbcAnyag = new QComboBox(this);
    dbcAnyag->setObjectName(QStringLiteral("dbcAnyag"));
    edtAnyagKod = new QLineEdit(this);
    edtAnyagKod->setObjectName(QStringLiteral("edtAnyagKod"));
    edtAnyagKod->setMaxLength(4);
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

    for (const VoucherLookups::Entry &account : VoucherLookups(warehouse).ledgerAccounts())
        dbcFokszam->addItem(account.code + QStringLiteral(" - ") + account.text, account.code);
    const int preset = dbcFokszam->findData(services.settings.defaultFokszam());
    dbcFokszam->setCurrentIndex(preset >= 0 ? preset : 0);
    dbcFokszamChange();

    m_model = new QStandardItemModel(0, 16, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Dátum"), QStringLiteral("Biz. szám"), QStringLiteral("BE/KI"),
        QStringLiteral("Mozgásnem"), QStringLiteral("Nyilv. ár"), QStringLiteral("Be-ki ár"),
        QStringLiteral("Tételmenny."), QStringLiteral("Tételérték"), QStringLiteral("Készletmenny."),
        QStringLiteral("Készletérték"), QStringLiteral("Lejárat"), QStringLiteral("Beszállító"),
        QStringLiteral("Irsz."), QStringLiteral("Település"), QStringLiteral("Cím"), QStringLiteral("Felhasználó")});
    DBGrid1->setModel(m_model);
    connect(dbcFokszam, &QComboBox::activated, this, &TfrmLekAnyag::dbcFokszamChange);
    connect(dbcAnyag, &QComboBox::activated, this, &TfrmLekAnyag::dbcAnyagChange);
    connect(edtAnyagKod, &QLineEdit::returnPressed, this, &TfrmLekAnyag::edtAnyagKodEnter);
}

void TfrmLekAnyag::dbcFokszamChange()
{
    m_materials = VoucherLookups(m_db).materials(dbcFokszam->currentData().toString());
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

TfrmLekBase::RunResult TfrmLekAnyag::runQuery()
{
    QString error;
    if (!m_card.run(
            dbcFokszam->currentData().toString(), chosenNumber(), dtpDatumtol->date(), dtpDatumig->date(), &error))
        return {0, error};
    m_model->removeRows(0, m_model->rowCount());
    for (const MaterialCard::Row &row : m_card.rows()) {
        m_model->appendRow(QList<QStandardItem *> {new QStandardItem(::Dates::shortText(row.datum)),
            new QStandardItem(row.bizSzam), new QStandardItem(row.bk), new QStandardItem(row.mozgnemNev),
            new QStandardItem(StockFormat::price(row.kiAr)), new QStandardItem(StockFormat::price(row.beAr)),
            new QStandardItem(NumberFormat::plain(row.tetelMenny)),
            new QStandardItem(StockFormat::price(row.tetelErtek)),
            new QStandardItem(NumberFormat::plain(row.keszletMenny)),
            new QStandardItem(StockFormat::price(row.keszletErtek)), new QStandardItem(::Dates::shortText(row.lejarat)),
            new QStandardItem(row.partnerNev), new QStandardItem(row.irszam), new QStandardItem(row.telepules),
            new QStandardItem(row.utca), new QStandardItem(row.user)});
    }
    const MaterialCard::Material &material = m_card.material();
    const QString unit = QStringLiteral(" ") + material.mertekegyseg;
    lblKerekites->setText(QString::number(material.kerekites) + QStringLiteral(" tizedes"));
    lblKeszlet->setText(NumberFormat::format(material.keszletMennyiseg, QStringLiteral("###,###,##0.00 ")) + unit);
    lblKeszletMin->setText(NumberFormat::plain(material.keszletMin) + unit);
    lblKeszletMax->setText(NumberFormat::plain(material.keszletMax) + unit);
    lblAzonosito->setText(chosenNumber());
    lblSzorzo->setText(NumberFormat::plain(material.menySzorzo));
    pnlStatus->setText(QStringLiteral("Össz:\n") + m_card.statusLines().join(QLatin1Char('\n')));
    return {int(m_card.rows().size()), QString()};
}

QAbstractItemModel *TfrmLekAnyag::resultModel() const
{
    return m_model;
}

std::unique_ptr<Printout> TfrmLekAnyag::createPrintout()
{
    return std::make_unique<TqrpAnyagKarton>(
        m_settings, m_messenger, m_card, chosenNumber(), dtpDatumtol->date(), dtpDatumig->date());
}
