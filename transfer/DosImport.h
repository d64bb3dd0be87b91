#pragma once

#include "core/Refusal.h"
#include "transfer/DosSources.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class Settings;

// The import from the DOS predecessor into one warehouse: every selected file is read and checked
// first, then every selected part replaces its tables in one transaction, so the import is whole
// or nothing. Duplicates and the rows left out are collected and listed after the commit.
namespace DosImport {

struct Request
{
    QString folder;
    QList<DosSources::Part> parts;
    // The date of the opening rows; asked before the import, within the work year.
    QDate openingDate;
    int workYear = 0;
    QString user; // LoginUser
    const Settings *settings = nullptr; // the owner values for partner "00001"
    QDate today; // the VAT rates of the recipe calculation
    int lockKey = -1; // the warehouse number on a server
};

struct Report
{
    int materials = 0;
    int recipeHeads = 0;
    int recipeLines = 0;
    int partners = 0;
    int ledgerAccounts = 0;
    int openingRows = 0;
    // One line per skipped duplicate, in the predecessor's message words.
    QStringList duplicates;
    bool unknownUnits = false;
    QStringList notEncodable;
    // Materials without an opening row and why.
    QStringList openingSkipped;
    // Materials whose stock in the predecessor's material file differs from their movements.
    QStringList stockDiffers;
};

// The opening date's refusal: outside the work year, or none given.
Refusal checkOpeningDate(const QDate &date, int workYear);
// The question asked before the import while recipes to be replaced are on menus; empty when
// no menu row names a recipe. Refused when the warehouse cannot be read.
Checked<QString> recipeQuestion(QSqlDatabase warehouse);

Checked<Report> run(QSqlDatabase warehouse, const Request &request);

// The closing messages: success with the counts, then each list that is not empty.
QString successText(const Report &report);
QList<Refusal> notices(const Report &report);
QString unknownUnitText();

} // namespace DosImport
