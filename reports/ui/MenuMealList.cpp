#include "reports/ui/MenuMealList.h"

#include "master/MasterLookups.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QListWidget>

namespace MenuMealList {

QListWidget *create(QWidget *parent, QSqlDatabase db, Messenger &messenger, bool several)
{
    auto *list = named(new QListWidget(parent), "lbxEtkezesek");
    list->setSelectionMode(several ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    list->setMaximumHeight(110);
    const LookupList meals = shownLookup(
        MasterLookups::codeTableRows(db, QStringLiteral("Etkezesek"), QStringLiteral("EtkTip"), QStringLiteral("Megnevezes")),
        messenger);
    for (const LookupEntry &meal : meals) {
        auto *item = new QListWidgetItem(meal.code + QStringLiteral(" - ") + meal.text, list);
        item->setData(Qt::UserRole, meal.code);
    }
    return list;
}

QStringList chosen(const QListWidget *list)
{
    QStringList codes;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            codes << list->item(i)->data(Qt::UserRole).toString();
    return codes;
}

} // namespace MenuMealList
