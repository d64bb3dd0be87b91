#include "menu/ui/frmUjKiszabat.h"

#include "session/Services.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TfrmUjKiszabat::TfrmUjKiszabat(const Services &services, MealSource meals, QWidget *parent)
    : QDialog(parent)
    , lblKezdet(new QLabel(QStringLiteral("Dátum:"), this))
    , dtpKezdet(datePicker(this, "dtpKezdet"))
    , lblVeg(new QLabel(QStringLiteral("Végdátum:"), this))
    , dtpVeg(datePicker(this, "dtpVeg"))
    , lblEtkezesek(new QLabel(QStringLiteral("Étkezések:"), this))
    , lstEtkezesek(new QListWidget(this))
    , lblOsszes(pushButton(this, QStringLiteral("lblOsszes"), QStringLiteral(" Összes kijelölése "), true))
    , lblTorles(pushButton(this, QStringLiteral("lblTorles"), QStringLiteral("Kijelölés törlése"), true))
    , btnRogzit(pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("M&ehet"), true))
    , btnMegse(pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), true))
    , btnSugo(pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , m_services(services)
    , m_meals(std::move(meals))
    , m_helpPage(QStringLiteral("UjKiszabat.htm"))
{
    setObjectName(QStringLiteral("frmUjKiszabat"));
    setWindowTitle(QStringLiteral("Kiszabat paraméterek"));
    lstEtkezesek->setObjectName(QStringLiteral("lstEtkezesek"));
    lstEtkezesek->setSelectionMode(QAbstractItemView::MultiSelection);
    lblOsszes->setFlat(true);
    lblTorles->setFlat(true);
    lblVeg->hide();
    dtpKezdet->setDate(QDate::currentDate());
    dtpVeg->setDate(QDate::currentDate());
    dtpVeg->hide();
    btnRogzit->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblKezdet, 0, 0);
    grid->addWidget(dtpKezdet, 0, 1);
    grid->addWidget(lblVeg, 1, 0);
    grid->addWidget(dtpVeg, 1, 1);
    grid->addWidget(lblEtkezesek, 2, 0, Qt::AlignTop);
    grid->addWidget(lstEtkezesek, 2, 1);
    auto *choice = new QHBoxLayout;
    choice->addWidget(lblOsszes);
    choice->addWidget(lblTorles);
    grid->addLayout(choice, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(dtpKezdet, &QDateEdit::dateChanged, this, &TfrmUjKiszabat::refill);
    connect(dtpVeg, &QDateEdit::dateChanged, this, &TfrmUjKiszabat::refill);
    connect(lblOsszes, &QPushButton::clicked, lstEtkezesek, &QListWidget::selectAll);
    connect(lblTorles, &QPushButton::clicked, lstEtkezesek, &QListWidget::clearSelection);
    connect(btnRogzit, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, m_helpPage); });
    refill();
}

void TfrmUjKiszabat::showPeriod(const QString &helpPage)
{
    m_helpPage = helpPage;
    m_period = true;
    lblKezdet->setText(QStringLiteral("Kezdődátum:"));
    lblVeg->show();
    dtpVeg->show();
    refill();
}

void TfrmUjKiszabat::setEarliest(const QDate &date)
{
    dtpKezdet->setMinimumDate(date);
}

void TfrmUjKiszabat::chooseAmong(const QDate &date, const QList<RationMeal> &meals, bool single)
{
    m_fixed = true;
    setWindowTitle(QStringLiteral("Étkezések kiválasztása"));
    dtpKezdet->setDate(date);
    dtpKezdet->setEnabled(false);
    lstEtkezesek->setSelectionMode(single ? QAbstractItemView::SingleSelection : QAbstractItemView::MultiSelection);
    lblOsszes->setVisible(!single);
    fill(meals, false);
}

void TfrmUjKiszabat::refill()
{
    // The meal chooser of an open sheet has no source: its meals are given by chooseAmong().
    if (m_fixed || !m_meals)
        return;
    fill(m_meals(dtpKezdet->date(), m_period ? dtpVeg->date() : dtpKezdet->date()), true);
}

void TfrmUjKiszabat::fill(const QList<RationMeal> &meals, bool chosen)
{
    lstEtkezesek->clear();
    for (const RationMeal &meal : meals)
        lstEtkezesek->addItem(meal.code + QLatin1Char('-') + meal.name);
    if (chosen)
        lstEtkezesek->selectAll();
}

QDate TfrmUjKiszabat::date() const
{
    return dtpKezdet->date();
}

QDate TfrmUjKiszabat::endDate() const
{
    return m_period ? dtpVeg->date() : dtpKezdet->date();
}

QStringList TfrmUjKiszabat::chosenCodes() const
{
    QStringList codes;
    for (int i = 0; i < lstEtkezesek->count(); ++i)
        if (lstEtkezesek->item(i)->isSelected())
            codes << lstEtkezesek->item(i)->text().left(2);
    return codes;
}
