#include "master/ui/frmUjAnyag.h"

#include "core/NumberFormat.h"
#include "core/Rounding.h"
#include "core/TypedNumber.h"
#include "master/MasterLookups.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"
#include "widgets/UiLookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The nutrients in the order of the screen, with their labels and decimals.
struct NutrientField
{
    const char *field;
    const char *label;
    int decimals;
};
const NutrientField NutrientFields[] = {{"Energia", "Energia:", 0}, {"Feherje", "Fehérje:", 2},
    {"Szenhidrat", "Szénhidrát:", 2}, {"Cukor", "Cukor:", 2}, {"ZsirTe", "Telített zsír:", 2}, {"So", "Só:", 3},
    {"Rost", "Rost:", 2}, {"AllatiFeh", "Állati feh.:", 2}, {"Koleszterin", "Koleszterin:", 3}, {"Zsir", "Zsír:", 2},
    {"Transz", "Transz zsír:", 2}, {"Hamu", "Hamu:", 2}, {"Kalcium", "Kalcium:", 3}};

QLineEdit *numberEdit(QWidget *parent, const QString &name)
{
    QLineEdit *edit = lineEdit(parent, name, 15);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QString shown(double value, int decimals)
{
    return NumberFormat::format(
        value, decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, QLatin1Char('0')));
}

// Decimals kept of a typed number: finer than any field shows, so typed digits are not lost.
constexpr int TypedDecimals = 6;

// A typed number, read strictly (TypedNumber); an empty field is 0.
std::optional<double> typed(const QLineEdit *edit)
{
    if (edit->text().trimmed().isEmpty())
        return 0.0;
    return TypedNumber::quantity(edit->text(), TypedDecimals);
}

} // namespace

TfrmUjAnyag::TfrmUjAnyag(
    const Services &services, QSqlDatabase db, const QString &ledger, const QString &registerNumber, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("TfrmUjAnyag"), QStringLiteral("ujanyag.htm"), parent)
    , m_db(db)
    , m_ledger(ledger)
    , m_registerNumber(registerNumber)
{
    setModal(true);
    setMode(registerNumber.isEmpty() ? Mode::New : Mode::Modify);

    dbcFokonyviSzam = named(new QComboBox(this), "dbcFokonyviSzam");
    edtNyilvSzam = lineEdit(this, QStringLiteral("edtNyilvSzam"), 4);
    dbcCsoport = named(new QComboBox(this), "dbcCsoport");
    edtMegnevezes = lineEdit(this, QStringLiteral("edtMegnevezes"), 50);
    dbcVkod = named(new QComboBox(this), "dbcVkod");
    dbcMertekegyseg = named(new QComboBox(this), "dbcMertekegyseg");
    edtMenySzorzo = numberEdit(this, QStringLiteral("edtMenySzorzo"));
    edtKeszletMin = numberEdit(this, QStringLiteral("edtKeszletMin"));
    edtKeszletMax = numberEdit(this, QStringLiteral("edtKeszletMax"));
    comKerekites = named(new QComboBox(this), "comKerekites");
    comKerekites->addItems({QStringLiteral("0 - egészre"), QStringLiteral("1 - 1 tizedes"),
        QStringLiteral("2 - 2 tizedes"), QStringLiteral("3 - 3 tizedes")});
    edtNyilvAr = numberEdit(this, QStringLiteral("edtNyilvAr"));
    dbcAfa = named(new QComboBox(this), "dbcAfa");
    fillLookup(dbcFokonyviSzam, shownLookup(MasterLookups::ledgerAccounts(db), m_services.messenger));
    fillLookup(dbcCsoport, shownLookup(MasterLookups::materialGroups(db), m_services.messenger));
    fillLookup(dbcVkod, shownLookup(MasterLookups::lossCodes(db), m_services.messenger));
    fillLookup(dbcMertekegyseg, shownLookup(MasterLookups::units(db), m_services.messenger));
    fillLookup(dbcAfa, shownLookup(MasterLookups::vatRows(db), m_services.messenger));

    auto *form = new QFormLayout;
    form->addRow(buddyLabel(this, QStringLiteral("Főkönyvi szám:"), dbcFokonyviSzam), dbcFokonyviSzam);
    form->addRow(buddyLabel(this, QStringLiteral("Nyilvántartási szám:"), edtNyilvSzam), edtNyilvSzam);
    form->addRow(buddyLabel(this, QStringLiteral("Csoport:"), dbcCsoport), dbcCsoport);
    form->addRow(buddyLabel(this, QStringLiteral("Megnevezés:"), edtMegnevezes), edtMegnevezes);
    form->addRow(buddyLabel(this, QStringLiteral("Veszt.:"), dbcVkod), dbcVkod);
    auto *unitRow = new QHBoxLayout;
    unitRow->addWidget(dbcMertekegyseg);
    unitRow->addWidget(new QLabel(QStringLiteral("<--       Ez kb.:"), this));
    unitRow->addWidget(edtMenySzorzo);
    unitRow->addWidget(new QLabel(QStringLiteral("x 100g"), this));
    form->addRow(buddyLabel(this, QStringLiteral("Mértékegység:"), dbcMertekegyseg), unitRow);
    form->addRow(buddyLabel(this, QStringLiteral("Készlet minimum:"), edtKeszletMin), edtKeszletMin);
    form->addRow(buddyLabel(this, QStringLiteral("Készlet maximum:"), edtKeszletMax), edtKeszletMax);
    form->addRow(buddyLabel(this, QStringLiteral("Kerekítés:"), comKerekites), comKerekites);
    auto *priceRow = new QHBoxLayout;
    priceRow->addWidget(edtNyilvAr);
    priceRow->addWidget(new QLabel(QStringLiteral("Ft"), this));
    form->addRow(buddyLabel(this, QStringLiteral("Nyilvántartási ár:"), edtNyilvAr), priceRow);
    form->addRow(buddyLabel(this, QStringLiteral("ÁFA csoport:"), dbcAfa), dbcAfa);

    QList<QWidget *> chain {dbcFokonyviSzam, edtNyilvSzam, dbcCsoport, edtMegnevezes, dbcVkod, dbcMertekegyseg,
        edtMenySzorzo, edtKeszletMin, edtKeszletMax, comKerekites, edtNyilvAr, dbcAfa};

    auto *nutrients = new QGroupBox(QStringLiteral("Tápanyagértékek"), this);
    auto *grid = new QGridLayout(nutrients);
    grid->addWidget(
        new QLabel(QStringLiteral("Az értékeket 100 grammra vonatkoztatva grammban kell megadni!"), nutrients), 0, 0, 1,
        6);
    // Energy on a row of its own with its kcal, then the other nutrients in two columns.
    int index = -1;
    for (const NutrientField &n : NutrientFields) {
        const QString field = QString::fromLatin1(n.field);
        QLineEdit *edit = numberEdit(nutrients, QStringLiteral("edt") + field);
        m_nutrients.insert(field, edit);
        chain << edit;
        const int row = index < 0 ? 1 : 2 + index / 2;
        const int column = index < 0 ? 0 : (index % 2) * 3;
        grid->addWidget(buddyLabel(nutrients, QString::fromUtf8(n.label), edit), row, column);
        grid->addWidget(edit, row, column + 1);
        if (index < 0) {
            edtKcal = numberEdit(nutrients, QStringLiteral("edtKcal"));
            chain << edtKcal;
            auto *energy = new QHBoxLayout;
            energy->addWidget(new QLabel(QStringLiteral("KJ"), nutrients));
            energy->addWidget(new QLabel(QStringLiteral("="), nutrients));
            energy->addWidget(edtKcal);
            energy->addWidget(new QLabel(QStringLiteral("Cal"), nutrients));
            grid->addLayout(energy, row, 2, 1, 4);
        }
        ++index;
    }
    const int row = 2 + (index + 1) / 2;
    chkHso = named(new QCheckBox(QStringLiteral("Hozzáadott Só"), nutrients), "chkHso");
    chkHcukor = named(new QCheckBox(QStringLiteral("Hozzáadott Cukor"), nutrients), "chkHcukor");
    grid->addWidget(chkHso, row, 0, 1, 2);
    grid->addWidget(chkHcukor, row, 3, 1, 2);
    chain << chkHso << chkHcukor;

    lstAllergen = named(new QListWidget(this), "lstAllergen");
    lstAllergen->setSelectionMode(QAbstractItemView::MultiSelection);
    chkTartalmazhat = named(new QCheckBox(QStringLiteral("Tartalmazhat"), this), "chkTartalmazhat");
    btnOsszes = pushButton(this, QStringLiteral("btnOsszes"), QStringLiteral(" Összes kijelölése "), false);
    btnTorles = pushButton(this, QStringLiteral("btnTorles"), QStringLiteral("Kijelölés törlése"), false);
    btnOsszes->setFlat(true);
    btnTorles->setFlat(true);
    auto *allergens = new QVBoxLayout;
    allergens->addWidget(buddyLabel(this, QStringLiteral("Allergén összetevők:"), lstAllergen));
    allergens->addWidget(lstAllergen, 1);
    allergens->addWidget(chkTartalmazhat);
    auto *links = new QHBoxLayout;
    links->addWidget(btnOsszes);
    links->addWidget(btnTorles);
    allergens->addLayout(links);
    for (const LookupEntry &allergen : shownLookup(MasterLookups::allergens(db), m_services.messenger)) {
        auto *item = new QListWidgetItem(allergen.text);
        item->setData(Qt::UserRole, allergen.code);
        lstAllergen->addItem(item);
    }

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(nutrients);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(allergens, 2);
    setForm(columns, chain);

    connect(btnOsszes, &QPushButton::clicked, lstAllergen, &QListWidget::selectAll);
    connect(btnTorles, &QPushButton::clicked, lstAllergen, &QListWidget::clearSelection);
    connect(chkTartalmazhat, &QCheckBox::clicked, this, &TfrmUjAnyag::chkTartalmazhatClick);
    connect(comKerekites, &QComboBox::currentIndexChanged, this, &TfrmUjAnyag::kerekitesChange);
    connect(nutrient(QStringLiteral("Energia")), &QLineEdit::textEdited, this, [this] {
        if (const std::optional<double> kj = typed(nutrient(QStringLiteral("Energia"))))
            edtKcal->setText(shown(Rounding::round(*kj / 4.19, 0), 0));
    });
    connect(edtKcal, &QLineEdit::textEdited, this, [this] {
        if (const std::optional<double> kcal = typed(edtKcal))
            nutrient(QStringLiteral("Energia"))->setText(shown(Rounding::round(*kcal * 4.19, 0), 0));
    });

    if (isNewMode()) {
        prepareNew();
    } else if (const std::optional<MaterialEntry> material = Materials::read(db, ledger, registerNumber)) {
        fill(*material);
        dbcFokonyviSzam->setEnabled(false);
        edtNyilvSzam->setEnabled(false);
        dbcCsoport->setFocus();
    }
}

void TfrmUjAnyag::prepareNew()
{
    const Settings &settings = m_services.settings;
    m_stored.clear();
    edtNyilvSzam->setText(Materials::proposeRegisterNumber(m_db));
    selectKey(dbcFokonyviSzam, settings.defaultFokszam());
    selectKey(dbcCsoport, settings.defaultCsoport());
    selectKey(dbcAfa, settings.defaultAfa());
    selectKey(dbcMertekegyseg, settings.defaultMertegys());
    selectKey(dbcVkod, settings.defaultVeszteseg());
    edtMegnevezes->clear();
    comKerekites->setCurrentIndex(2);
    edtMenySzorzo->setText(shown(1, 3));
    for (QLineEdit *edit : {edtKeszletMin, edtKeszletMax})
        edit->setText(shown(0, 2));
    edtNyilvAr->setText(shown(0, 4));
    for (const NutrientField &n : NutrientFields)
        nutrient(QString::fromLatin1(n.field))->setText(shown(0, n.decimals));
    edtKcal->setText(shown(0, 0));
    chkHso->setChecked(false);
    chkHcukor->setChecked(false);
    m_contains.clear();
    m_mayContain.clear();
    chkTartalmazhat->setChecked(false);
    showAllergens();
    dbcFokonyviSzam->setFocus();
}

void TfrmUjAnyag::fill(const MaterialEntry &m)
{
    selectKey(dbcFokonyviSzam, m.ledger);
    edtNyilvSzam->setText(m.registerNumber);
    selectKey(dbcCsoport, m.group);
    edtMegnevezes->setText(m.name);
    selectKey(dbcVkod, m.lossCode);
    selectKey(dbcMertekegyseg, m.unit);
    showStored(edtMenySzorzo, m.multiplier, 3);
    // A stored rounding outside 0..3 (an imported row) is shown as the nearest choice.
    comKerekites->setCurrentIndex(std::clamp(m.rounding, 0, 3));
    showStored(edtKeszletMin, m.minimum, comKerekites->currentIndex());
    showStored(edtKeszletMax, m.maximum, comKerekites->currentIndex());
    edtNyilvAr->setText(NumberFormat::format(m.price, QStringLiteral("0.0000")));
    selectKey(dbcAfa, m.vatGroup);
    for (const NutrientField &n : NutrientFields) {
        const QString field = QString::fromLatin1(n.field);
        showStored(nutrient(field), m.nutrients.value(field), n.decimals);
    }
    edtKcal->setText(shown(Rounding::round(m.nutrients.value(QStringLiteral("Energia")) * 0.239, 0), 0));
    chkHso->setChecked(m.addedSalt);
    chkHcukor->setChecked(m.addedSugar);
    m_contains = m.contains;
    m_mayContain = m.mayContain;
    showAllergens();
}

void TfrmUjAnyag::showStored(QLineEdit *edit, double value, int decimals)
{
    const QString text = shown(value, decimals);
    edit->setText(text);
    m_stored.insert(edit, {text, value});
}

std::optional<double> TfrmUjAnyag::valueOf(const QLineEdit *edit) const
{
    const auto stored = m_stored.constFind(edit);
    if (stored != m_stored.constEnd() && stored->first == edit->text())
        return stored->second;
    return typed(edit);
}

void TfrmUjAnyag::kerekitesChange(int decimals)
{
    for (QLineEdit *edit : {edtKeszletMin, edtKeszletMax}) {
        const bool unchanged = m_stored.contains(edit) && m_stored.value(edit).first == edit->text();
        const std::optional<double> value = valueOf(edit);
        if (!value)
            continue;
        if (unchanged)
            showStored(edit, *value, decimals);
        else
            edit->setText(shown(*value, decimals));
    }
}

void TfrmUjAnyag::showAllergens()
{
    const bool mayContain = chkTartalmazhat->isChecked();
    const QStringList &selected = mayContain ? m_mayContain : m_contains;
    for (int i = 0; i < lstAllergen->count(); ++i) {
        QListWidgetItem *item = lstAllergen->item(i);
        item->setSelected(selected.contains(item->data(Qt::UserRole).toString()));
    }
    lstAllergen->setStyleSheet(mayContain ? QStringLiteral("QListWidget { background-color: #ffd0d0; }") : QString());
}

void TfrmUjAnyag::keepAllergens()
{
    QStringList selected;
    for (int i = 0; i < lstAllergen->count(); ++i) {
        if (lstAllergen->item(i)->isSelected())
            selected << lstAllergen->item(i)->data(Qt::UserRole).toString();
    }
    // The list shows the other selection since the box was clicked.
    (chkTartalmazhat->isChecked() ? m_mayContain : m_contains) = selected;
}

void TfrmUjAnyag::chkTartalmazhatClick(bool mayContain)
{
    chkTartalmazhat->setChecked(!mayContain);
    keepAllergens();
    chkTartalmazhat->setChecked(mayContain);
    showAllergens();
}

Checked<MaterialEntry> TfrmUjAnyag::entry() const
{
    MaterialEntry e;
    e.ledger = dbcFokonyviSzam->currentData().toString();
    e.registerNumber = edtNyilvSzam->text();
    e.name = edtMegnevezes->text();
    e.group = dbcCsoport->currentData().toString();
    e.unit = dbcMertekegyseg->currentData().toString();
    e.vatGroup = dbcAfa->currentData().toString();
    e.lossCode = dbcVkod->currentData().toString();
    e.rounding = comKerekites->currentIndex();
    e.addedSalt = chkHso->isChecked();
    e.addedSugar = chkHcukor->isChecked();
    e.contains = m_contains;
    e.mayContain = m_mayContain;
    QList<std::pair<QLineEdit *, double *>> numbers {
        {edtMenySzorzo, &e.multiplier}, {edtKeszletMin, &e.minimum}, {edtKeszletMax, &e.maximum}};
    QHash<QString, double> nutrients;
    for (const NutrientField &n : NutrientFields)
        nutrients.insert(QString::fromLatin1(n.field), 0);
    for (auto it = nutrients.begin(); it != nutrients.end(); ++it)
        numbers << std::pair<QLineEdit *, double *> {nutrient(it.key()), &it.value()};
    for (const auto &number : numbers) {
        const std::optional<double> value = valueOf(number.first);
        if (!value)
            return Checked<MaterialEntry>::refused(
                TypedNumber::refusal(number.first->text(), number.first->objectName()));
        *number.second = *value;
    }
    for (auto it = nutrients.cbegin(); it != nutrients.cend(); ++it)
        e.nutrients.insert(it.key(), it.value());
    const std::optional<Money> price
        = Money::fromText(edtNyilvAr->text().trimmed().isEmpty() ? QStringLiteral("0") : edtNyilvAr->text());
    if (!price)
        return Checked<MaterialEntry>::refused(TypedNumber::refusal(edtNyilvAr->text(), edtNyilvAr->objectName()));
    e.price = *price;
    return Checked<MaterialEntry>::accepted(e);
}

void TfrmUjAnyag::record()
{
    keepAllergens();
    const Checked<MaterialEntry> material = entry();
    Refusal refusal = material.refusal;
    if (!refusal) {
        MaterialEntry e = material.value;
        if (!isNewMode()) {
            e.ledger = m_ledger;
            e.registerNumber = m_registerNumber;
        }
        refusal = isNewMode() ? Materials::insert(m_db, e) : Materials::update(m_db, e);
    }
    if (!refused(refusal) && saved())
        prepareNew();
}
