#include "store/Catalogue.h"
#include "store/CatalogueTables.h"
#include "store/TableBuilder.h"

namespace CatalogueTables {

QList<TableDef> sharedTables()
{
    QList<TableDef> tables;
    tables << TableBuilder("raktarak").shared().integer("RaktarKod").text("RaktarNev", 50).key({"RaktarKod"}).build();
    // Password holds an Argon2id hash, never the password itself.
    tables << TableBuilder("login")
                  .shared()
                  .text("LoginName", 50)
                  .text("Password")
                  .integer("SecurLevel")
                  .key({"LoginName"})
                  .build();
    // One row: the owner institution's name, postcode, city and street address.
    tables << TableBuilder("Tulajdonos")
                  .shared()
                  .text("CegNev", 255)
                  .text("CegIrsz", 255)
                  .text("CegVaros", 255)
                  .text("CegCim", 255)
                  .build();
    return tables;
}

QList<TableDef> stockTables()
{
    QList<TableDef> tables;

    tables << TableBuilder("Raktar")
                  .autoIncrement("RaktAzon")
                  .text("BK", 2)
                  .text("Mozgnem", 2)
                  .text("BizSzam", 8)
                  .date("Datum")
                  .text("Sorszam", 11)
                  .text("FokSzla", 3)
                  .text("NyilvSzam", 4)
                  .text("PartAzon", 5)
                  .text("User")
                  .text("AfaKod", 2)
                  .real("TetelMenny")
                  .money("BeAr")
                  .money("KiAr")
                  .money("TetelErtek")
                  .money("AfaErtek")
                  .money("Brutto")
                  .real("KeszletMenny")
                  .money("KeszletErtek")
                  .date("Lejarat")
                  .boolean("Stat")
                  // The recalculation rewrites the balances (KeszletMenny, KeszletErtek, KiAr) of
                  // every later row; no index holds them.
                  .rewritten()
                  .expressionIndex("OrderCal",
                      {QStringLiteral("FokSzla"), QStringLiteral("NyilvSzam"), QStringLiteral("Datum"),
                          QStringLiteral("Mozgnem"), QStringLiteral("BK"), QStringLiteral("RaktAzon")},
                      Catalogue::orderCalTerms())
                  // The stock engine's look-ups: a voucher's rows; a material's rows by direction and
                  // date, carrying the summed fields so that the stock at a date sums every material
                  // from the index alone; a material's latest opening row.
                  .index("OrderBizSzam", {"BizSzam", "Datum", "BK"})
                  .index("OrderAnyagDatum",
                      {"FokSzla", "NyilvSzam", "BK", "Datum", "TetelMenny", "TetelErtek", "AfaErtek", "Brutto"})
                  .index("OrderAnyagMozgnem", {"FokSzla", "NyilvSzam", "Mozgnem", "Datum"})
                  // The reports' scans of a period in one direction (voucher lists, movement summary,
                  // usage).
                  .index("OrderDatumBK", {"Datum", "BK"})
                  .build();

    tables << TableBuilder("Leltar")
                  .text("FokSzam", 3)
                  .text("NyilvSzam", 4)
                  .text("Megnevezes", 50)
                  .text("Mertekegyseg", 4)
                  .real("Szorzo")
                  .real("KeszletMenny")
                  .money("KeszletErtek")
                  .money("KeszletAFA")
                  .money("KeszletBrutto")
                  .money("NyilvAr")
                  .key({"FokSzam", "NyilvSzam"})
                  .index("OrderMegn", {"Megnevezes"})
                  .build();

    tables << TableBuilder("Sorszam").text("Ev", 4).text("Sorsz", 5).key({"Ev"}).build();
    tables
        << TableBuilder("Tablo").text("Tabloszam", 3).date("NyitoDatum").date("ZaroDatum").key({"Tabloszam"}).build();
    tables << TableBuilder("Munkaev").text("MunkaEv", 4).boolean("AktivEv").key({"MunkaEv"}).build();
    tables << TableBuilder("Napizaras").date("Datum").text("Megjegyzes", 50).text("User").key({"Datum"}).build();
    // Part of every warehouse's table set; nothing reads or writes it.
    tables << TableBuilder("Lock").text("User").date("Datum").build();

    return tables;
}

} // namespace CatalogueTables
