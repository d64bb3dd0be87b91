#include "reports/ui/NutrientParameters.h"

#include "master/MasterLookups.h"
#include "reports/NutrientNorm.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

namespace {

QSpinBox *countField(QWidget *parent, const char *name, int maximum)
{
    auto *field = named(new QSpinBox(parent), name);
    field->setRange(1, maximum);
    field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return field;
}

QLabel *link(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = named(new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()), parent), name);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return label;
}

} // namespace

NutrientParameters::NutrientParameters(
    const NutrientInput &input, Messenger &messenger, bool ageGroups, int headcountMaximum, QWidget *parent)
    : QWidget(parent)
    , lbxEtkezesek(named(new QListWidget(this), "lbxEtkezesek"))
    , lblSelect(link(this, "lblSelect", QStringLiteral(" Összes kijelölése ")))
    , lbldselect(link(this, "lbldselect", QStringLiteral("Kijelölés törlése")))
    , fleLetszam(countField(this, "fleLetszam", headcountMaximum))
    , fleNapszam(countField(this, "fleNapszam", 9999))
    , m_input(input)
    , m_messenger(messenger)
{
    lbxEtkezesek->setSelectionMode(QAbstractItemView::MultiSelection);
    lbxEtkezesek->setMaximumHeight(110);
    for (const RationMeal &meal : shownLookup(input.meals(), messenger)) {
        auto *item = new QListWidgetItem(meal.code + QStringLiteral(" - ") + meal.name, lbxEtkezesek);
        item->setData(Qt::UserRole, meal.code);
    }

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Étkezések:"), this), 0, 0);
    layout->addWidget(lbxEtkezesek, 1, 0, 4, 1);
    layout->addWidget(lblSelect, 5, 0);
    layout->addWidget(lbldselect, 6, 0);
    int row = 0;
    if (!input.isSheet()) {
        dblcMozgnemtol = named(new QComboBox(this), "dblcMozgnemtol");
        dblcMozgnemig = named(new QComboBox(this), "dblcMozgnemig");
        const LookupList types = shownLookup(
            MasterLookups::codeTableRows(input.database(), QStringLiteral("Mozgnem"), QStringLiteral("MozgnemKod"),
                QStringLiteral("Megnevezes")),
            messenger);
        for (const LookupEntry &type : types) {
            dblcMozgnemtol->addItem(type.code + QStringLiteral(" - ") + type.text, type.code);
            dblcMozgnemig->addItem(type.code + QStringLiteral(" - ") + type.text, type.code);
        }
        dblcMozgnemig->setCurrentIndex(dblcMozgnemig->count() - 1);
        layout->addWidget(buddyLabel(this, QStringLiteral("Mozgnemtől:"), dblcMozgnemtol), row, 1);
        layout->addWidget(dblcMozgnemtol, row++, 2);
        layout->addWidget(buddyLabel(this, QStringLiteral("Mozgnemig:"), dblcMozgnemig), row, 1);
        layout->addWidget(dblcMozgnemig, row++, 2);
        connect(dblcMozgnemtol, &QComboBox::activated, this, &NutrientParameters::choiceChanged);
        connect(dblcMozgnemig, &QComboBox::activated, this, &NutrientParameters::choiceChanged);
    }
    layout->addWidget(buddyLabel(this, QStringLiteral("Átlaglétszám:"), fleLetszam), row, 1);
    layout->addWidget(fleLetszam, row++, 2);
    layout->addWidget(buddyLabel(this, QStringLiteral("Napok:"), fleNapszam), row, 1);
    layout->addWidget(fleNapszam, row++, 2);
    if (ageGroups) {
        dblcTapRend = named(new QComboBox(this), "dblcTapRend");
        btnEloiras = pushButton(this, QStringLiteral("btnEloiras"), QStringLiteral("Elő&írások..."), false);
        layout->addWidget(buddyLabel(this, QStringLiteral("Korcsoport"), dblcTapRend), row, 1);
        layout->addWidget(dblcTapRend, row, 2);
        layout->addWidget(btnEloiras, row++, 3);
        reloadAgeGroups();
        connect(btnEloiras, &QPushButton::clicked, this, &NutrientParameters::normsRequested);
    }
    layout->setColumnStretch(4, 1);

    connect(lbxEtkezesek, &QListWidget::itemSelectionChanged, this, &NutrientParameters::choiceChanged);
    connect(lblSelect, &QLabel::linkActivated, this, [this] { lbxEtkezesek->selectAll(); });
    connect(lbldselect, &QLabel::linkActivated, this, [this] { lbxEtkezesek->clearSelection(); });
}

QStringList NutrientParameters::chosenMeals() const
{
    QStringList codes;
    for (int i = 0; i < lbxEtkezesek->count(); ++i)
        if (lbxEtkezesek->item(i)->isSelected())
            codes << lbxEtkezesek->item(i)->data(Qt::UserRole).toString();
    return codes;
}

void NutrientParameters::addTo(ReportParameters &parameters) const
{
    parameters.filters.insert(NutrientInput::Meals, chosenMeals());
    if (dblcMozgnemtol) {
        parameters.filters.insert(NutrientInput::MovementFrom, dblcMozgnemtol->currentData().toString());
        parameters.filters.insert(NutrientInput::MovementTo, dblcMozgnemig->currentData().toString());
    }
    parameters.filters.insert(NutrientInput::Headcount, fleLetszam->value());
    parameters.filters.insert(NutrientInput::Days, fleNapszam->value());
    if (dblcTapRend)
        parameters.filters.insert(NutrientInput::AgeGroup, dblcTapRend->currentText());
}

void NutrientParameters::showDivisor(const NutrientDivisor &divisor)
{
    fleLetszam->setValue(divisor.headcount);
    fleNapszam->setValue(divisor.days);
}

void NutrientParameters::reloadAgeGroups()
{
    const QString chosen = dblcTapRend->currentText();
    dblcTapRend->clear();
    dblcTapRend->addItems(shownLookup(NutrientNorms::ageGroups(m_input.database()), m_messenger));
    const int index = dblcTapRend->findText(chosen);
    dblcTapRend->setCurrentIndex(index >= 0 ? index : 0);
}
