#include "reports/TextRows.h"

namespace TextRows {

void reset(QStandardItemModel &model, const QStringList &captions)
{
    model.clear();
    model.setColumnCount(int(captions.size()));
    model.setHorizontalHeaderLabels(captions);
}

QList<QStandardItem *> cells(const QStringList &texts, const QList<int> &rightAligned)
{
    QList<QStandardItem *> items;
    items.reserve(texts.size());
    for (const QString &text : texts) {
        auto *item = new QStandardItem(text);
        item->setEditable(false);
        items.append(item);
    }
    for (int column : rightAligned) {
        if (column >= 0 && column < items.size())
            items[column]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return items;
}

void append(QStandardItemModel &model, const QStringList &texts, const QList<int> &rightAligned)
{
    model.appendRow(cells(texts, rightAligned));
}

} // namespace TextRows
