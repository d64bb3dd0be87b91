#include "store/CatalogueTables.h"
#include "store/TableBuilder.h"

namespace CatalogueTables {

void addRationLineFields(TableBuilder &table)
{
    table.text("FokSzam", 3)
        .text("NyilvSzam", 4)
        .text("Megnevezes", 50)
        .real("Mennyiseg")
        .text("Mertekegyseg", 4)
        .date("Datum")
        .text("EtkKod", 2)
        .text("EtkTip", 50)
        .integer("Letszam")
        .money("Norma_fo")
        .money("Norma_etk")
        .money("NyilvAr")
        .money("Anyagar");
}

QList<TableDef> menuTables()
{
    QList<TableDef> tables;

    tables << TableBuilder("Etlap")
                  .autoIncrement("EtlapAzon")
                  .date("Datum")
                  .text("EtkTip", 2)
                  .text("FokSzam", 4)
                  .text("EtelKod", 4)
                  .real("Mennyiseg")
                  .index("OrderDatum", {"Datum"})
                  .build();

    tables << TableBuilder("Letszam")
                  .date("Datum")
                  .text("Etkezesek", 2)
                  .integer("Letszam")
                  .boolean("Kiadva")
                  .text("Mozgnem", 2)
                  .key({"Datum", "Etkezesek"})
                  .build();

    {
        // Issued ration-sheet lines: a line id, the fields of the prepared line, the issue voucher's number.
        TableBuilder kiszabat("Kiszabat");
        kiszabat.autoIncrement("Azon");
        addRationLineFields(kiszabat);
        // The norm reports read a period's lines of chosen meals.
        tables << kiszabat.text("BizSzam", 8).index("OrderDatumEtk", {"Datum", "EtkKod"}).build();
    }

    tables << TableBuilder("CartCsop").text("Csoport", 2).text("Megnev", 50).key({"Csoport"}).build();

    tables << TableBuilder("CartBear")
                  .text("Fokszam", 4)
                  .text("Etelkod", 4)
                  .real("Haszonkulcs")
                  .money("Fixar")
                  .text("AfaCsoport", 2)
                  .date("Datum")
                  .key({"Etelkod", "Fokszam"})
                  .build();

    tables << TableBuilder("CartEtlap")
                  .autoIncrement("EtlapAzon")
                  .date("Datum")
                  .text("Csoport", 2)
                  .text("FokSzam", 4)
                  .text("Etelkod", 4)
                  .real("Mennyiseg")
                  .integer("Letszam")
                  .money("NettoAnyag")
                  .index("OrderDatum", {"Datum"})
                  .build();

    {
        // Issued a-la-carte lines: the prepared line's fields in the same order, without a voucher number.
        TableBuilder cartKiszabat("CartKiszabat");
        addRationLineFields(cartKiszabat);
        tables << cartKiszabat.build();
    }

    return tables;
}

} // namespace CatalogueTables
