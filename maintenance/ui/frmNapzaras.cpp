#include "maintenance/ui/frmNapzaras.h"

#include "core/Refusal.h"
#include "maintenance/MonthClosing.h"
#include "session/Settings.h"
#include "widgets/UiHelp.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TfrmNapzaras::TfrmNapzaras(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(warehouse)
{
    setObjectName(QStringLiteral("frmNapzaras"));
    setWindowTitle(QStringLiteral("Havi zárás"));
    cmbHonap = new QComboBox(this);
    cmbHonap->setObjectName(QStringLiteral("cmbHonap"));
    cmbHonap->addItems(MonthClosing::monthEntries());
    Label3 = new QLabel(services.settings.munkaEv() + QLatin1Char('.'), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label2 = new QLabel(MonthClosing::explanationText(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnMegse = new QPushButton(QStringLiteral("Mégse"), this);
    btnMegse->setObjectName(QStringLiteral("btnMegse"));

    auto *form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("Lezárandó hónap:"), this), 0, 0);
    form->addWidget(cmbHonap, 0, 1);
    form->addWidget(Label3, 0, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnMegse);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Label2);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TfrmNapzaras::btnOKClick);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    setToday(QDate::currentDate());
    installHelpKey(this, services.settings, services.messenger, QStringLiteral("Napzaras.htm"));
}

void TfrmNapzaras::setToday(const QDate &today)
{
    cmbHonap->setCurrentIndex(MonthClosing::proposedMonth(today) - 1);
}

void TfrmNapzaras::btnOKClick()
{
    const Settings &settings = m_services.settings;
    const Checked<QDate> closed =
        MonthClosing::close(m_db, settings.munkaEv().toInt(), cmbHonap->currentIndex() + 1, settings.loginUser());
    if (closed.ok())
        Refusal::information(MonthClosing::successText()).show(m_services.messenger);
    else
        closed.refusal.show(m_services.messenger);
    accept();
}
