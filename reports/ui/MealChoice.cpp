#include "reports/ui/MealChoice.h"

#include "master/MasterLookups.h"
#include "reports/MonthlyHeadcountReport.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QLabel *linkLabel(QWidget *parent, const char *name, const QString &caption)
{
    auto *label = named(new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()), parent), name);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    return label;
}

} // namespace

MealChoice::MealChoice(QSqlDatabase warehouse, Messenger &messenger, QWidget *parent, int limit)
    : QWidget(parent)
    , m_messenger(messenger)
    , m_limit(limit)
{
    lbxEtkezesek = named(new QListWidget(this), "lbxEtkezesek");
    lbxEtkezesek->setSelectionMode(QAbstractItemView::MultiSelection);
    const LookupList meals = shownLookup(MasterLookups::codeTableRows(warehouse, QStringLiteral("Etkezesek"),
                                             QStringLiteral("EtkTip"), QStringLiteral("Megnevezes")),
        messenger);
    for (const LookupEntry &meal : meals)
        lbxEtkezesek->addItem(meal.code + QStringLiteral(" - ") + meal.text);
    lblOsszes = linkLabel(this, "lblOsszes", QStringLiteral(" Összes kijelölése "));
    lblTorles = linkLabel(this, "lblTorles", QStringLiteral("Kijelölés törlése"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Étkezések:"), this));
    layout->addWidget(lbxEtkezesek);
    layout->addWidget(lblOsszes);
    layout->addWidget(lblTorles);
    connect(lblOsszes, &QLabel::linkActivated, this, &MealChoice::selectAll);
    connect(lblTorles, &QLabel::linkActivated, this, [this] {
        lbxEtkezesek->clearSelection();
        emit changed();
    });
    connect(lbxEtkezesek, &QListWidget::itemClicked, this, &MealChoice::itemClicked);
}

void MealChoice::itemClicked()
{
    if (m_limit > 0 && lbxEtkezesek->selectedItems().size() > m_limit) {
        MonthlyHeadcountReport::tooManyMeals().show(m_messenger);
        lbxEtkezesek->currentItem()->setSelected(false);
    }
    emit changed();
}

void MealChoice::selectAll()
{
    lbxEtkezesek->selectAll();
    emit changed();
}

QStringList MealChoice::texts() const
{
    QStringList list;
    for (int row = 0; row < lbxEtkezesek->count(); ++row) {
        if (lbxEtkezesek->item(row)->isSelected())
            list << lbxEtkezesek->item(row)->text();
    }
    return list;
}

QStringList MealChoice::codes() const
{
    QStringList list;
    for (const QString &text : texts())
        list << text.left(2);
    return list;
}
