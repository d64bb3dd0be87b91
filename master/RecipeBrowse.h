#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlQueryModel;

// The rows of the recipe browse screen, loaded whole into the screen's models: the recipes with
// the fields of its upper grid and the description last, and one recipe's material lines.
namespace RecipeBrowse {

// The orders of the order list: by name (0), by code (1), by norm (2).
void loadRecipes(QSqlQueryModel &model, QSqlDatabase db, const QStringList &fields, int order);
// Material name, quantity, unit, ledger account, register number and the hidden ReceptAzon.
void loadLines(QSqlQueryModel &model, QSqlDatabase db, const QString &code);
// Every header and every line, as the CSV export writes them.
void loadHeaderExport(QSqlQueryModel &model, QSqlDatabase db);
void loadLineExport(QSqlQueryModel &model, QSqlDatabase db);

} // namespace RecipeBrowse
