#pragma once

#include <QList>
#include <QStandardItemModel>
#include <QStringList>

// The grid rows a report query shows: texts already formatted, numbers aligned right.
namespace TextRows {

// Empties the model and gives it the column captions.
void reset(QStandardItemModel &model, const QStringList &captions);
// One row of read-only cells, not yet in a model; the columns in `rightAligned` are numbers.
QList<QStandardItem *> cells(const QStringList &texts, const QList<int> &rightAligned = {});
// The same row appended to the model.
void append(QStandardItemModel &model, const QStringList &texts, const QList<int> &rightAligned = {});

} // namespace TextRows
