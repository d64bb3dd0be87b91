#include "reports/ui/frmTapRendelet.h"

#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "core/TypedNumber.h"
#include "reports/NutrientKinds.h"
#include "reports/NutrientSource.h"
#include "session/Services.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

namespace {

constexpr int NormDecimals = 3;

QString rowCaption(const QString &suffix, const QHash<QString, QString> &groupNames)
{
    if (groupNames.contains(suffix))
        return suffix + QStringLiteral(" - ") + groupNames.value(suffix);
    for (const NutrientKinds::Row &row : NutrientKinds::rows())
        if (row.normSuffix == suffix)
            return row.label + QLatin1Char(' ') + row.unit;
    return suffix;
}

QString boundText(const std::optional<double> &bound)
{
    return bound ? NumberFormat::plain(*bound) : QString();
}

} // namespace

TfrmTapRendelet::TfrmTapRendelet(
    const Services &services, QSqlDatabase warehouse, const QString &ageGroup, QWidget *parent)
    : QDialog(parent)
    , lbxKorcsoport(named(new QListWidget(this), "lbxKorcsoport"))
    , edtMegnevezes(lineEdit(this, QStringLiteral("edtMegnevezes"), 50))
    , tblEloiras(named(new QTableWidget(this), "tblEloiras"))
    , btnFelvitel(pushButton(this, QStringLiteral("btnFelvitel"), QStringLiteral("Ú&j korcsoport"), true))
    , btnRogzit(pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), true))
    , btnTorol(pushButton(this, QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), true))
    , btnSugo(pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , btnKilep(pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), true))
    , m_services(services)
    , m_messenger(services.messenger)
    , m_db(warehouse)
{
    setObjectName(QStringLiteral("frmTapRendelet"));
    setWindowTitle(QStringLiteral("Tápanyag előírások korcsoportonként"));
    setModal(true);
    resize(760, 640);

    m_suffixes = shownLookup(NutrientNorms::suffixes(m_db), m_messenger);
    QHash<QString, QString> groupNames;
    for (const FoodGroup &group : shownLookup(NutrientSource::foodGroups(m_db), m_messenger))
        groupNames.insert(group.code, group.name);
    tblEloiras->setColumnCount(2);
    tblEloiras->setHorizontalHeaderLabels({QStringLiteral("Minimum / fő / nap"), QStringLiteral("Maximum / fő / nap")});
    tblEloiras->setRowCount(int(m_suffixes.size()));
    QStringList captions;
    for (const QString &suffix : std::as_const(m_suffixes))
        captions << rowCaption(suffix, groupNames);
    tblEloiras->setVerticalHeaderLabels(captions);
    tblEloiras->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto *right = new QGridLayout;
    right->addWidget(buddyLabel(this, QStringLiteral("&Korcsoport neve:"), edtMegnevezes), 0, 0);
    right->addWidget(edtMegnevezes, 0, 1);
    right->addWidget(tblEloiras, 1, 0, 1, 2);
    right->addWidget(new QLabel(QStringLiteral("Üres mező: nincs előírás. A 0 maximum: nincs felső határ."), this),
        2, 0, 1, 2);
    auto *top = new QHBoxLayout;
    top->addWidget(lbxKorcsoport, 1);
    top->addLayout(right, 3);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {btnFelvitel, btnRogzit, btnTorol, btnSugo})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(btnKilep);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    connect(lbxKorcsoport, &QListWidget::currentTextChanged, this, &TfrmTapRendelet::showNorm);
    connect(btnFelvitel, &QPushButton::clicked, this, &TfrmTapRendelet::btnFelvitelClick);
    connect(btnRogzit, &QPushButton::clicked, this, &TfrmTapRendelet::btnRogzitClick);
    connect(btnTorol, &QPushButton::clicked, this, &TfrmTapRendelet::btnTorolClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    const auto openHelp = [this] { showHelp(this, m_services.settings, m_messenger, QStringLiteral("TapRendelet.htm")); };
    connect(btnSugo, &QPushButton::clicked, this, openHelp);
    installHelpKey(this, openHelp);
    reload(ageGroup);
}

void TfrmTapRendelet::reload(const QString &select)
{
    const QSignalBlocker block(lbxKorcsoport);
    lbxKorcsoport->clear();
    lbxKorcsoport->addItems(shownLookup(NutrientNorms::ageGroups(m_db), m_messenger));
    const auto found = lbxKorcsoport->findItems(select, Qt::MatchExactly);
    lbxKorcsoport->setCurrentRow(found.isEmpty() ? 0 : lbxKorcsoport->row(found.first()));
    showNorm(lbxKorcsoport->currentItem() ? lbxKorcsoport->currentItem()->text() : QString());
}

void TfrmTapRendelet::showNorm(const QString &ageGroup)
{
    const NutrientNorm norm = shownLookup(NutrientNorms::load(m_db, ageGroup), m_messenger);
    m_shown = ageGroup;
    edtMegnevezes->setText(ageGroup);
    for (int row = 0; row < m_suffixes.size(); ++row) {
        const NormRange range = norm.range(m_suffixes.at(row));
        tblEloiras->setItem(row, 0, new QTableWidgetItem(boundText(range.minimum)));
        tblEloiras->setItem(row, 1, new QTableWidgetItem(boundText(range.maximum)));
        for (int column = 0; column < 2; ++column)
            tblEloiras->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

Checked<NutrientNorm> TfrmTapRendelet::typedNorm() const
{
    NutrientNorm norm;
    norm.ageGroup = edtMegnevezes->text().trimmed();
    for (int row = 0; row < m_suffixes.size(); ++row) {
        NormRange range;
        for (int column = 0; column < 2; ++column) {
            const QString text = tblEloiras->item(row, column) ? tblEloiras->item(row, column)->text().trimmed() : QString();
            if (text.isEmpty())
                continue;
            const std::optional<double> value = TypedNumber::quantity(text, NormDecimals);
            if (!value)
                return Checked<NutrientNorm>::refused(TypedNumber::refusal(text, QStringLiteral("tblEloiras")));
            (column == 0 ? range.minimum : range.maximum) = *value;
        }
        norm.ranges.insert(m_suffixes.at(row), range);
    }
    return Checked<NutrientNorm>::accepted(norm);
}

void TfrmTapRendelet::btnFelvitelClick()
{
    const QSignalBlocker block(lbxKorcsoport);
    lbxKorcsoport->clearSelection();
    showNorm(QString());
    edtMegnevezes->setFocus();
}

void TfrmTapRendelet::btnRogzitClick()
{
    const Checked<NutrientNorm> norm = typedNorm();
    if (showRefusal(this, m_messenger, norm.refusal))
        return;
    if (showRefusal(this, m_messenger, NutrientNorms::save(m_db, norm.value, m_shown)))
        return;
    reload(norm.value.ageGroup);
}

void TfrmTapRendelet::btnTorolClick()
{
    if (m_shown.isEmpty())
        return;
    if (m_messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question,
            QStringLiteral("Valóban törli a(z) %1 korcsoport előírásait?").arg(m_shown), QStringLiteral("Igen"),
            QStringLiteral("Nem"))
        != MsgResult::Yes)
        return;
    if (showRefusal(this, m_messenger, NutrientNorms::remove(m_db, m_shown)))
        return;
    reload(QString());
}
