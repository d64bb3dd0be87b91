#include "menu/ui/frmRaktarAutoKivetel.h"

#include "menu/RationVoucherHeader.h"
#include "session/Services.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmRaktarAutoKivetel::TfrmRaktarAutoKivetel(const Services &services, QSqlDatabase db, const QDate &date,
    const QString &proposedNumber, const QString &runningNumber, QWidget *parent, const QString &fixedType)
    : QDialog(parent)
    , edtBizSorsz(named(new QLineEdit(proposedNumber, this), "edtBizSorsz"))
    , dtpBizDatum(named(new QDateEdit(date, this), "dtpBizDatum"))
    , dbcMozgnem(named(new QComboBox(this), "dbcMozgnem"))
    , dbcPartner(named(new QComboBox(this), "dbcPartner"))
    , lblCim(named(new QLabel(this), "lblCim"))
    , lblSorszam(named(new QLabel(runningNumber, this), "lblSorszam"))
    , btnRogzit(named(new QPushButton(QStringLiteral("&Rögzít"), this), "btnRogzit"))
    , btnSugo(named(new QPushButton(QStringLiteral("&Súgó"), this), "btnSugo"))
    , m_services(services)
    , m_proposed(proposedNumber)
{
    setObjectName(QStringLiteral("frmRaktarAutoKivetel"));
    setWindowTitle(QStringLiteral("Kiadási bizonylat"));
    dtpBizDatum->setDisplayFormat(QStringLiteral("yyyy.MM.dd"));
    dtpBizDatum->setEnabled(false);
    for (const LookupEntry &type : shownLookup(RationVoucherHeader::issueTypes(db, fixedType), services.messenger))
        dbcMozgnem->addItem(type.text, type.code);
    const int preset = dbcMozgnem->findData(fixedType.isEmpty() ? QStringLiteral("07") : fixedType);
    dbcMozgnem->setCurrentIndex(preset >= 0 ? preset : 0);
    dbcMozgnem->setEnabled(fixedType.isEmpty());
    const RationVoucherHeader::Partner partner = RationVoucherHeader::partner(db, QStringLiteral("00001"));
    dbcPartner->addItem(partner.name, QStringLiteral("00001"));
    dbcPartner->setEnabled(false);
    lblCim->setText(partner.address);
    btnRogzit->setDefault(true);

    auto *group = new QGroupBox(QStringLiteral("Kiadási bizonylat fejléc"), this);
    auto *form = new QFormLayout(group);
    form->addRow(QStringLiteral("Bizonylat sorszáma:"), edtBizSorsz);
    form->addRow(QStringLiteral("Bizonylat kiállítási dátuma:"), dtpBizDatum);
    form->addRow(QStringLiteral("Mozgásnem:"), dbcMozgnem);
    form->addRow(QStringLiteral("Szállító adatai:"), dbcPartner);
    form->addRow(QString(), lblCim);
    form->addRow(QStringLiteral("Azonosító:"), lblSorszam);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(edtBizSorsz, &QLineEdit::editingFinished, this,
        [this] { edtBizSorsz->setText(RationVoucherHeader::normalizedNumber(edtBizSorsz->text(), m_proposed)); });
    connect(btnRogzit, &QPushButton::clicked, this, [this] {
        edtBizSorsz->setText(RationVoucherHeader::normalizedNumber(edtBizSorsz->text(), m_proposed));
        accept();
    });
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, QStringLiteral("RaktarAutoKivetel.htm")); });
}

QString TfrmRaktarAutoKivetel::number() const
{
    return edtBizSorsz->text();
}

bool TfrmRaktarAutoKivetel::numberProposed() const
{
    return edtBizSorsz->text() == m_proposed;
}

QString TfrmRaktarAutoKivetel::movementType() const
{
    return dbcMozgnem->currentData().toString();
}

QString TfrmRaktarAutoKivetel::partner() const
{
    return dbcPartner->currentData().toString();
}
