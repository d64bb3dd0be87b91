#include "store/CatalogueTables.h"
#include "store/TableBuilder.h"

namespace CatalogueTables {

// Material totals of a ration sheet; the shortage test compares the fourth and the fifth field.
// Felhasznalo: whose unfinished sheet the row belongs to.
static TableDef materialTotals(const char *name)
{
    return TableBuilder(name)
        .work()
        .text("FokSzam", 3)
        .text("NyilvSzam", 4)
        .text("Megnevezes", 50)
        .real("Mennyiseg")
        .real("KeszletMennyiseg")
        .text("Mertekegyseg", 4)
        .text("Felhasznalo", 20)
        .index("OrderMegnevezes", {"Megnevezes"})
        .build();
}

static QList<TableDef> usageTables()
{
    QList<TableDef> tables;
    tables << TableBuilder("TmpAnyagFelh")
                  .work()
                  .text("MozgnemKod", 2)
                  .text("Mozgasnem", 50)
                  .money("BeErt")
                  .money("KiErt")
                  .money("Ertek")
                  .build();
    tables << TableBuilder("TmpAnyagFelhReszl")
                  .work()
                  .text("Fokszla", 3)
                  .text("NyilvSzam", 4)
                  .text("AnyagNev", 50)
                  .text("Mertegys", 4)
                  .money("NyilvAr")
                  .reals({"BeMenny", "KiMenny", "Menny"})
                  .money("BeErt")
                  .money("KiErt")
                  .money("Ertek")
                  .key({"Fokszla", "NyilvSzam"})
                  .build();
    tables << TableBuilder("TmpAnyagHo")
                  .work()
                  .text("Napok", 15)
                  .money("Anyagfelh")
                  .money("Normakeret")
                  .money("Beallas")
                  .real("BeSzazalek")
                  .key({"Napok"})
                  .build();
    return tables;
}

static QList<TableDef> alaCarteTables()
{
    QList<TableDef> tables;
    tables << TableBuilder("TmpBear")
                  .work()
                  .text("Fokszam", 4)
                  .text("EtelKod", 4)
                  .text("Megnevezes", 50)
                  .text("Egyseg", 10)
                  .money("Netto")
                  .money("Afa")
                  .money("Brutto")
                  .real("Haszonkulcs")
                  .money("Fixar")
                  .date("Datum")
                  .text("AfaCsoport", 2)
                  .real("AfaKulcs")
                  .money("FixNetto")
                  .money("FixAfa")
                  .money("Nyereseg")
                  .index("OrderMegnev", {"Megnevezes"})
                  .index("OrderDatum", {"Datum", "Megnevezes"})
                  .build();
    tables << TableBuilder("TmpCartEtlap")
                  .work()
                  .integer("EtlapAzon")
                  .date("Datum")
                  .text("Megnev", 50)
                  .text("Csoport", 2)
                  .text("Megnevezes", 50)
                  .real("Mennyiseg")
                  .text("Mertekegyseg", 4)
                  .text("Fokszam", 4)
                  .text("Etelkod", 4)
                  .integer("Letszam")
                  .money("NettoAnyag")
                  .index("OrderDatum", {"Datum", "Csoport", "Megnevezes"})
                  .index("OrderEtel", {"Megnevezes"})
                  .index("OrderTip", {"Csoport", "Megnevezes"})
                  .build();
    {
        // The detail lines of each user's unfinished a-la-carte sheet.
        TableBuilder lines("TmpCartKiszabat");
        lines.work().autoIncrement("Azon");
        addRationLineFields(lines);
        tables << lines.text("Felhasznalo", 20).build();
    }
    tables << materialTotals("TmpCartKiszabat_2");
    return tables;
}

static QList<TableDef> menuWorkTables()
{
    QList<TableDef> tables;
    tables << TableBuilder("TmpEtlap")
                  .work()
                  .integer("EtlapAzon")
                  .date("Datum")
                  .text("EtkTip", 30)
                  .text("Megnevezes", 50)
                  .real("Mennyiseg")
                  .text("Mertekegyseg", 4)
                  .text("EtkKod", 2)
                  .text("Tip", 2)
                  .text("Enorma", 2)
                  .text("NyilvSzam", 4)
                  .text("FokSzam", 4)
                  .index("OrderTip", {"Datum", "EtkKod", "Megnevezes"})
                  .index("OrderEtel", {"Megnevezes"})
                  .build();
    tables << TableBuilder("TmpEtlapHeti")
                  .work()
                  .integer("EtlapAzon")
                  .date("Datum")
                  .textNoCase("EtkKod", 2)
                  .textNoCase("EtkTip", 50)
                  .textNoCase("Megnevezes", 50)
                  .real("Mennyiseg")
                  .textNoCase("Mertekegyseg", 20)
                  .textNoCase("FokSzam", 4)
                  .textNoCase("NyilvSzam", 4)
                  .textNoCase("Tip", 2)
                  .textNoCase("Enorma", 2)
                  .reals(
                      {"Energia", "Kaloria", "Feherje", "Zsir", "ZsirTe", "Szenhidrat", "Cukor", "So", "HCukor", "HSo"})
                  .textNoCase("Allergen", 512)
                  .textNoCase("Tartalmazhat", 512)
                  .key({"EtlapAzon"})
                  .index("OrderDatum", {"Datum", "EtkTip", "Megnevezes"})
                  .index("OrderEtel", {"Megnevezes"})
                  .index("OrderTip", {"Datum", "Tip", "Enorma", "EtkTip", "Megnevezes"})
                  .build();
    {
        // The detail lines of each user's unfinished ration sheet.
        TableBuilder lines("TmpKiszabat");
        lines.work().autoIncrement("Azon");
        addRationLineFields(lines);
        tables << lines.text("Felhasznalo", 20).build();
    }
    tables << materialTotals("TmpKiszabat_2");
    // The display copy of the detail lines with the material's data and the group marker Print.
    tables << TableBuilder("TmpKiszabat4")
                  .work()
                  .text("EtkKod", 2)
                  .text("EtkTip", 50)
                  .integer("Letszam")
                  .text("Megnevezes", 50)
                  .text("FokonyviSzam", 3)
                  .text("NyilvSzam", 4)
                  .text("Megnevezes_1", 50)
                  .real("Mennyiseg")
                  .text("Megnevezes_2", 4)
                  .money("Anyagar")
                  .integer("Kerekites")
                  .text("Print", 4)
                  .integer("Azon")
                  .build();
    return tables;
}

static QList<TableDef> reportWorkTables()
{
    QList<TableDef> tables;
    // Elteres is the seventh field: the difference sheet highlights the rows where it is not 0.
    // Felhasznalo and Gep: whose sheet the row belongs to (the user on one computer).
    tables << TableBuilder("TmpLeltarHason")
                  .work()
                  .text("FokSzam", 3)
                  .text("NyilvSzam", 4)
                  .text("Megnevezes", 50)
                  .text("Mertekegyseg", 4)
                  .real("KeszletMenny")
                  .real("ValosKeszlet")
                  .real("Elteres")
                  .money("KeszletErtek")
                  .money("NyilvAr")
                  .money("ElteresAr")
                  .text("Felhasznalo", 20)
                  .text("Gep", 64)
                  .key({"Felhasznalo", "Gep", "FokSzam", "NyilvSzam"})
                  .index("OrderMegn", {"Megnevezes"})
                  .build();
    tables << TableBuilder("TmpLetszam")
                  .work()
                  .date("Datum")
                  .text("EtkKod", 2)
                  .text("EtkNev", 30)
                  .integer("Letszam")
                  .money("Norma")
                  .money("Normakeret")
                  .build();
    // Re-created by its report with one integer field per chosen meal after Napok.
    tables << TableBuilder("TmpLetszHo").work().text("Napok", 15).key({"Napok"}).build();
    tables << TableBuilder("TmpTapCsop")
                  .work()
                  .text("Csoport", 2)
                  .text("Megnevezes", 50)
                  .reals({"OsszMenny", "NapiMenny", "EloirasMin", "EloirasMax", "Elteres"})
                  .build();
    tables << TableBuilder("TmpTapCsop2")
                  .work()
                  .text("Megnevezes", 30)
                  .reals({"OsszMenny", "NapiMenny", "EloirasMin", "EloirasMax", "Elteres"})
                  .text("TartMert", 10)
                  .build();
    tables << TableBuilder("TmpTapReszl")
                  .work()
                  .text("FokSzam", 3)
                  .text("NyilvSzam", 4)
                  .text("Megnevezes", 50)
                  .text("Csoport", 2)
                  .real("Mennyiseg")
                  .text("Mertegys", 4)
                  .money("Netto")
                  .reals({"Energia", "Kaloria", "Feherje", "AllatiFeh", "Zsir", "ZsirTe", "Transz", "Szenhidrat",
                      "Cukor", "Hamu", "Rost", "Kalcium", "So", "Koleszterin", "HSo", "HCukor"})
                  .build();
    // Part of every warehouse's table set; no screen reads or writes them.
    tables << TableBuilder("TmpFelhaszHo").work().text("Honap", 2).real("Mennyiseg").money("Ertek").build();
    tables << TableBuilder("TmpNapiErt").work().date("Datum").money("Ertek").build();
    return tables;
}

QList<TableDef> workTables()
{
    return usageTables() + alaCarteTables() + menuWorkTables() + reportWorkTables();
}

} // namespace CatalogueTables
