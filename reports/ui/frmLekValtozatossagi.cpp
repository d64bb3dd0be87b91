#include "reports/ui/frmLekValtozatossagi.h"

#include "reports/ui/MenuMealList.h"
#include "session/Services.h"
#include "widgets/UiControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QLabel *value(QWidget *parent, const char *name, const QString &text = QStringLiteral("0"))
{
    return named(new QLabel(text, parent), name);
}

QString whole(double v)
{
    return QString::number(qRound64(v));
}

} // namespace

TfrmLekValtozatossagi::TfrmLekValtozatossagi(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod, std::make_unique<MenuVarietyReport>(warehouse), parent)
    , lbxEtkezesek(MenuMealList::create(this, warehouse, services.messenger, false))
    , lblNapokszama(value(this, "lblNapokszama"))
    , lblMutato(value(this, "lblMutato", QStringLiteral("1")))
    , lblElofordulas(value(this, "lblElofordulas"))
    , lblLevese(value(this, "lblLevese"))
    , lblHuse(value(this, "lblHuse"))
    , lblFozeleke(value(this, "lblFozeleke"))
    , lblKorete(value(this, "lblKorete"))
    , lblVmLeves(value(this, "lblVmLeves"))
    , lblVmHus(value(this, "lblVmHus"))
    , lblVmFozelek(value(this, "lblVmFozelek"))
    , lblVmKoret(value(this, "lblVmKoret"))
{
    setObjectName(QStringLiteral("frmLekValtozatossagi"));
    setWindowTitle(QStringLiteral("Változatossági mutató"));
    btnNyomtat->hide();
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Étkezések:"), this), 0, 0);
    parameterLayout()->addWidget(lbxEtkezesek, 1, 0, 4, 1);

    auto *results = new QGroupBox(QStringLiteral("37/2014. (IV. 30.) EMMI rendelet 2. melléklet előírása alapján"), this);
    auto *grid = new QGridLayout(results);
    const QList<QPair<QString, QLabel *>> rows {{QStringLiteral("Étkezési napok száma:"), lblNapokszama},
        {QStringLiteral("Összesített válozatossági mutató:"), lblMutato},
        {QStringLiteral("Étel előfordulások [db]:"), lblElofordulas}, {QStringLiteral("Levesfélék:"), lblLevese},
        {QStringLiteral("Húsfélék:"), lblHuse}, {QStringLiteral("Főzelékfélék:"), lblFozeleke},
        {QStringLiteral("Köretfélék:"), lblKorete}, {QStringLiteral("Változatossági levesek:"), lblVmLeves},
        {QStringLiteral("Változatossági húsfélék:"), lblVmHus},
        {QStringLiteral("Változatossági főzelékek:"), lblVmFozelek},
        {QStringLiteral("Változatossági köretek"), lblVmKoret}};
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(new QLabel(rows.at(i).first, results), i, 0);
        grid->addWidget(rows.at(i).second, i, 1);
    }
    QFont big = lblMutato->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    lblMutato->setFont(big);

    auto *method = new QGroupBox(QStringLiteral("Számítási módja"), this);
    auto *memo = named(new QPlainTextEdit(method), "Memo3");
    memo->setReadOnly(true);
    memo->setPlainText(QStringLiteral(
        "A változatossági mutató azt méri, hány különböző ételféleség jut az étkezés ételeire: a rendelet szerint "
        "felsorolt leves-, hús-, főzelék- és köretféleségek számát osztja az időszakban felszolgált ilyen ételek "
        "számával.\n"
        "Vm = (levesF+husF+fozelekF+koretF) / (levesE+husE+fozelekE+koretE) x100\n"
        "F - féleségek összes száma\n"
        "E - előfordulások száma\n"
        "A rendelet szerint két egymást követő tíz étkezési nap (20 nap) mutatója nem lehet 60 alatt, és ezen "
        "belül egy étel csak egyszer fordulhat elő."));
    auto *methodLayout = new QVBoxLayout(method);
    methodLayout->addWidget(memo);
    parameterLayout()->addWidget(results, 0, 1, 5, 1);
    parameterLayout()->addWidget(method, 0, 2, 5, 1);
    DBGrid1->setObjectName(QStringLiteral("StringGrid1"));
    DBGrid1->setModel(query().rows());
}

ReportParameters TfrmLekValtozatossagi::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    const QStringList meals = MenuMealList::chosen(lbxEtkezesek);
    values.filters.insert(MenuVarietyReport::Meal, meals.isEmpty() ? QString() : meals.first());
    return values;
}

void TfrmLekValtozatossagi::runFinished()
{
    const MenuVariety &v = static_cast<const MenuVarietyReport &>(query()).variety();
    const bool enoughDays = v.enoughDays();
    lblNapokszama->setText(enoughDays ? QString::number(v.days) : QString::number(v.days) + QStringLiteral(" < 20!"));
    lblNapokszama->setStyleSheet(enoughDays ? QString() : QStringLiteral("color: red;"));
    lblMutato->setText(whole(v.index()));
    lblMutato->setStyleSheet(v.meetsIndex() ? QStringLiteral("color: blue;") : QStringLiteral("color: red;"));
    lblElofordulas->setText(QString::number(v.totalOccurrences()));
    const QList<QLabel *> counts {lblLevese, lblHuse, lblFozeleke, lblKorete};
    const QList<QLabel *> indexes {lblVmLeves, lblVmHus, lblVmFozelek, lblVmKoret};
    for (int c = 0; c < MenuVariety::Categories; ++c) {
        counts.at(c)->setText(QString::number(v.occurrences.at(size_t(c))));
        indexes.at(c)->setText(whole(v.categoryIndex(c)));
    }
}
