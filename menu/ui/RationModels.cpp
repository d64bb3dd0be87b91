#include "menu/ui/RationModels.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"

#include <QBrush>
#include <QStandardItemModel>

namespace RationModels {

static QStandardItem *item(const QString &text)
{
    auto *created = new QStandardItem(text);
    created->setEditable(false);
    return created;
}

static QStandardItem *number(double value)
{
    QStandardItem *created = item(NumberFormat::plain(value));
    created->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return created;
}

static QString quantityText(double value, int decimals)
{
    if (decimals < 0 || decimals > 3)
        return NumberFormat::plain(value);
    return NumberFormat::format(
        value, decimals == 0 ? QStringLiteral("0") : QStringLiteral("0.") + QString(decimals, QLatin1Char('0')));
}

static QStandardItem *quantity(double value, int decimals)
{
    QStandardItem *created = item(quantityText(value, decimals));
    created->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return created;
}

static void reset(QStandardItemModel &model, const QStringList &captions)
{
    model.clear();
    model.setHorizontalHeaderLabels(captions);
}

void fillMenu(QStandardItemModel &model, const QList<RationMenuRow> &rows, bool withDate)
{
    QStringList captions {QStringLiteral("EK"), QStringLiteral("Étkezések"), QStringLiteral("Ételnév"),
        QStringLiteral("Me./fő"), QStringLiteral("Létszám"), QStringLiteral("Össz Me."),
        QStringLiteral("Mértékegység")};
    if (withDate)
        captions.prepend(QStringLiteral("Dátum"));
    reset(model, captions);
    for (const RationMenuRow &row : rows) {
        QList<QStandardItem *> items;
        if (withDate)
            items << item(Dates::shortText(row.date));
        items << item(row.mealCode) << item(row.mealName) << item(row.dishName) << number(row.perPerson)
              << number(row.headcount) << quantity(row.total(), row.decimals) << item(row.unit);
        model.appendRow(items);
    }
}

void fillDishes(QStandardItemModel &model, const QList<RationViews::DishRow> &rows)
{
    reset(model,
        {QStringLiteral("Ételnév"), QStringLiteral("Létszám"), QStringLiteral("Össz Me."),
            QStringLiteral("Mértékegység")});
    for (const RationViews::DishRow &row : rows)
        model.appendRow({item(row.dishName), number(row.headcount), quantity(row.total, row.decimals), item(row.unit)});
}

void fillDetails(QStandardItemModel &model, const QList<RationViews::DetailRow> &rows)
{
    reset(model,
        {QStringLiteral("EK"), QStringLiteral("Étkezések"), QStringLiteral("Létszám"), QStringLiteral("Ételnév"),
            QStringLiteral("Főksz."), QStringLiteral("Nyilv. sz."), QStringLiteral("Anyagnév"),
            QStringLiteral("Mennyiség"), QStringLiteral("Mértékegység"), QStringLiteral("Anyagár")});
    for (const RationViews::DetailRow &row : rows) {
        QStandardItem *first = item(row.mealCode);
        first->setData(row.id, Qt::UserRole);
        QStandardItem *quantity = item(quantityText(row.quantity, row.decimals));
        quantity->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QStandardItem *value = item(NumberFormat::format(row.value, QStringLiteral("### ### ##0.00")));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model.appendRow({first, item(row.mealName), number(row.headcount), item(row.dishName), item(row.account),
            item(row.number), item(row.materialName), quantity, item(row.unit), value});
    }
}

void fillTotals(QStandardItemModel &model, const QList<RationTotal> &totals, const QHash<MaterialKey, int> &decimals,
    const QString &unitCaption)
{
    reset(model,
        {QStringLiteral("Fők. sz."), QStringLiteral("Anyagkód"), QStringLiteral("Anyagnév"),
            QStringLiteral("Össz. menny."), QStringLiteral("Raktárkészlet"), unitCaption});
    for (const RationTotal &total : totals) {
        const int places = decimals.value(total.key(), -1);
        QStandardItem *first = item(total.account);
        first->setData(total.key().text(), Qt::UserRole);
        QStandardItem *quantity = item(quantityText(total.quantity, places));
        QStandardItem *stock = item(quantityText(total.stock, places));
        quantity->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        stock->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const QList<QStandardItem *> items {
            first, item(total.number), item(total.name), quantity, stock, item(total.unit)};
        if (total.isShort())
            for (QStandardItem *cell : items) {
                cell->setBackground(QBrush(Qt::red));
                cell->setForeground(QBrush(Qt::white));
            }
        model.appendRow(items);
    }
}

QList<ListColumn> printColumns(int view)
{
    auto column = [](const char *caption, const char *source, double width, bool right = false) {
        ListColumn created;
        created.caption = QString::fromUtf8(caption);
        created.column = QString::fromUtf8(source);
        created.width = width;
        created.alignment = right ? Qt::AlignRight : Qt::AlignLeft;
        return created;
    };
    switch (view) {
    case 1:
        return {column("Étk. kód", "EK", 16), column("Étkezés név", "Étkezések", 30), column("Ételnév", "Ételnév", 50),
            column("Mennyiség/fő", "Me./fő", 22, true), column("Létszám", "Létszám", 18, true),
            column("Össz me.", "Össz Me.", 22, true), column("Mértékegység", "Mértékegység", 24)};
    case 2:
        return {column("Ételnév", "Ételnév", 80), column("Létszám", "Létszám", 25, true),
            column("Össz me.", "Össz Me.", 30, true), column("Mértékegység", "Mértékegység", 30)};
    case 3:
        // The meal, headcount and dish stand in the group header above their lines.
        return {column("Fők. sz.", "Főksz.", 16), column("Anyagkód", "Nyilv. sz.", 20),
            column("Megnevezés", "Anyagnév", 70), column("Mennyiség", "Mennyiség", 25, true),
            column("Anyagár", "Anyagár", 25, true), column("Mértékegység", "Mértékegység", 24)};
    default:
        return {column("Fők. sz.", "Fők. sz.", 16), column("Anyagkód", "Anyagkód", 20),
            column("Megnevezés", "Anyagnév", 60), column("Mennyiség", "Össz. menny.", 25, true),
            column("Raktárkészlet", "Raktárkészlet", 25, true), column("Mértékegység", "Mért. egys.", 24)};
    }
}

MaterialKey keyAt(const QStandardItemModel &model, int row)
{
    return MaterialKey::fromText(model.index(row, 0).data(Qt::UserRole).toString());
}

qint64 idAt(const QStandardItemModel &model, int row)
{
    return model.index(row, 0).data(Qt::UserRole).toLongLong();
}

} // namespace RationModels
