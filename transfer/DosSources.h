#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The DOS predecessor's data as read from its dBASE files, before anything is written: each file
// is found in the folder whatever the case of its name, checked whole (exchange/DbaseTable) and
// read into memory, so a damaged or incomplete file refuses the import before the first write.
namespace DosSources {

// The parts of the import, in the order they run.
enum class Part { Materials, Recipes, Partners, LedgerAccounts, OpeningStock };
QList<Part> allParts();
// The converter's list entry of a part ("Anyag törzs" ...).
QString caption(Part part);
// The command line's name of a part ("anyag", "recept", "partner", "fokszam", "nyito").
QString commandName(Part part);
// The files a part reads.
QStringList fileNames(Part part);

struct Material
{
    QString fokSzla, nyilvSzam, megnevezes, csoport, mertekegyseg, afaCsoport, vkod;
    QString sourceUnit; // the unit as the file holds it, trimmed
    double menySzorzo = 0, keszletMenny = 0, keszletMin = 0, keszletMax = 0, leltarMenny = 0;
    Money nyilvAr, keszletErtek;
    int kerekites = 0;
    double energia = 0, feherje = 0, zsir = 0, szenhidrat = 0, cukor = 0, hamu = 0, rost = 0, koleszterin = 0;
    bool allati = false;
};
struct RecipeLine
{
    QString etelKod, fokSzla, nyilvSzam;
    double mennyiseg = 0; // per 100 portions
};
struct RecipeHead
{
    QString etelKod, megnevezes, enorma;
};
struct Partner
{
    QString partAzon, nev, irszam, telepules, utca;
};
struct LedgerAccount
{
    QString fokonyviSzam, megnevezes;
};
struct Movement
{
    QString fokSzla, nyilvSzam, bk;
    double menny = 0;
    Money ertek;
    QDate datum;
};

// Everything read, with what the reading noticed.
struct Data
{
    QList<Material> materials;
    QList<RecipeLine> recipeLines;
    QList<RecipeHead> recipeHeads;
    QList<Partner> partners;
    QList<LedgerAccount> ledgerAccounts;
    QList<Movement> movements;
    // Names holding a character that Windows-1250 cannot hold: "SALT002.DBF 12. rekord: <name>".
    QStringList notEncodable;
};

// The unit of the program for a unit of the predecessor (trimmed, any case); "ISM!" when unknown.
QString mappedUnit(const QString &unit);
// The meal norm of a recipe name: its second-to-last character when "1".."4", else "A".
QString mealNorm(const QString &name);

// Finds, checks and reads the files of `parts` in `folder`; refused naming the file and the fault.
Checked<Data> read(const QString &folder, const QList<Part> &parts);

} // namespace DosSources
