#include "reports/ui/MenuMealList.h"

#include "master/MasterLookups.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QListWidget>

namespace MenuMealList {

namespace {

QListWidget *listOf(QWidget *parent, const LookupList &groups, bool several)
{
    auto *list = named(new QListWidget(parent), "lbxEtkezesek");
    list->setSelectionMode(several ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
    list->setMaximumHeight(110);
    for (const LookupEntry &group : groups) {
        auto *item = new QListWidgetItem(group.code + QStringLiteral(" - ") + group.text, list);
        item->setData(Qt::UserRole, group.code);
    }
    return list;
}

} // namespace

QListWidget *create(QWidget *parent, QSqlDatabase db, Messenger &messenger, bool several)
{
    return listOf(parent,
        shownLookup(MasterLookups::codeTableRows(
                        db, QStringLiteral("Etkezesek"), QStringLiteral("EtkTip"), QStringLiteral("Megnevezes")),
            messenger),
        several);
}

QListWidget *createDishGroups(QWidget *parent, QSqlDatabase db, Messenger &messenger)
{
    return listOf(parent,
        shownLookup(
            MasterLookups::codeTableRows(db, QStringLiteral("CartCsop"), QStringLiteral("Csoport"), QStringLiteral("Megnev")),
            messenger),
        true);
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
