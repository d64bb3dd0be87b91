#include "store/CatalogueTables.h"
#include "store/TableBuilder.h"

namespace CatalogueTables {

QStringList foodGroupCodes()
{
    QStringList codes;
    for (int code = 1; code <= 12; ++code)
        codes << QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0'));
    return codes;
}

static TableDef tapRendelet()
{
    TableBuilder table("TapRendelet");
    table.text("Megnevezes");
    for (const QString &code : foodGroupCodes()) {
        table.real(QStringLiteral("E%1").arg(code).toLatin1().constData());
        table.real(QStringLiteral("M%1").arg(code).toLatin1().constData());
    }
    for (const char *nutrient : {"Energia", "Kaloria", "Feherje", "AFeherje", "Zsir", "ZsirTe", "Chidrat", "Cukor",
             "So", "Hamu", "Rost", "Transz", "Koleszterin", "Kalcium"}) {
        table.real((QByteArray("E") + nutrient).constData());
        table.real((QByteArray("M") + nutrient).constData());
    }
    return table.key({"Megnevezes"}).build();
}

QList<TableDef> masterTables()
{
    QList<TableDef> tables;

    tables << TableBuilder("Afa")
                  .text("Afakod", 2)
                  .text("AfaCsoport", 2)
                  .date("Datum")
                  .real("AfaErtek")
                  .key({"Afakod"})
                  .index("OrderDatum", {"Datum", "AfaErtek"})
                  .index("OrderErtek", {"AfaErtek", "Datum"})
                  .index("OrderCsopDate", {"AfaCsoport", "Datum"})
                  .build();

    tables
        << TableBuilder("Allergen").text("AzonAl", 2).text("Allergen", 50).text("Jeloles", 16).key({"AzonAl"}).build();

    // The allergens a material contains, and those it may contain.
    for (const char *name : {"AllergenAny", "AllergenAnyT"})
        tables << TableBuilder(name).text("AzonAl", 2).text("Fokszam", 3).text("NyilvSzam", 4).build();

    tables << TableBuilder("Anyag")
                  .text("FokonyviSzam", 3)
                  .text("NyilvSzam", 4)
                  .text("Megnevezes", 50)
                  .text("Csoport", 2)
                  .text("Mertekegyseg", 4)
                  .real("MenySzorzo")
                  .text("AfaCsoport", 2)
                  .money("NyilvAr")
                  .integer("Kerekites")
                  .reals({"KeszletMin", "KeszletMax", "KeszletMennyiseg"})
                  .money("KeszletErtek")
                  .reals({"LeltarMennyiseg", "Energia", "Feherje", "AllatiFeh", "Zsir", "ZsirTe", "Transz",
                      "Szenhidrat", "Cukor", "Hamu", "Rost", "Koleszterin", "So", "Kalcium"})
                  .boolean("Hso")
                  .boolean("Hcukor")
                  .text("Vkod", 2)
                  .key({"FokonyviSzam", "NyilvSzam"})
                  .index("OrderMegn", {"Megnevezes"})
                  .build();

    tables << TableBuilder("Anyagcsoport").text("Kod", 2).text("Megnevezes").key({"Kod"}).build();
    tables << TableBuilder("Etelfeleseg").text("ValtAzon").text("Etelfeleseg").key({"ValtAzon"}).build();
    tables << TableBuilder("Fokszam").text("FokonyviSzam", 3).text("Megnevezes", 50).key({"FokonyviSzam"}).build();
    tables << TableBuilder("Mozgnem")
                  .text("MozgnemKod", 2)
                  .text("Megnevezes", 50)
                  .text("Irany", 2)
                  .key({"MozgnemKod"})
                  .build();
    tables << TableBuilder("Mertegys").text("MertKod", 4).text("Megnevezes", 20).key({"MertKod"}).build();
    tables << TableBuilder("Etknorma").text("Enorma", 2).text("Megnevezes", 30).key({"Enorma"}).build();
    tables << TableBuilder("EtkTip").text("EtkAzon", 2).text("Megnevezes", 20).key({"EtkAzon"}).build();
    tables << TableBuilder("Etkezesek")
                  .text("EtkTip", 2)
                  .text("Megnevezes", 30)
                  .money("Norma")
                  .text("Tip", 2)
                  .text("Enorma", 2)
                  .key({"EtkTip"})
                  .build();

    {
        // Loss in each month and the average of the months that are not 0, whole percents.
        TableBuilder veszteseg("Veszteseg");
        veszteseg.text("Vkod", 2).text("ElelmiAnyag", 25);
        for (int month = 1; month <= 12; ++month)
            veszteseg.integer(QStringLiteral("V%1").arg(month, 2, 10, QLatin1Char('0')).toLatin1().constData());
        tables << veszteseg.integer("Vatl").key({"Vkod"}).build();
    }

    tables << tapRendelet();

    tables << TableBuilder("Partner")
                  .text("PartAzon", 5)
                  .text("Nev", 50)
                  .text("Irszam", 8)
                  .text("Telepules", 20)
                  .text("Utca", 30)
                  .text("Telefon", 20)
                  .text("Mobil", 20)
                  .text("FAX", 20)
                  .text("E-mail", 30)
                  .text("Adoszam", 13)
                  .text("Szamlaszam", 26)
                  .key({"PartAzon"})
                  .index("OrderNev", {"Nev"})
                  .index("OrderIrszam", {"Irszam"})
                  .index("OrderTelepules", {"Telepules", "Irszam"})
                  .build();

    tables << TableBuilder("ReceptFej")
                  .text("EtelKod", 4)
                  .text("Megnevezes", 50)
                  .text("Enorma", 2)
                  .text("ValtAzon")
                  .money("Netto")
                  .money("Afa")
                  .reals({"Energia", "Feherje", "Allati", "Zsir", "ZsirTe", "Transz", "Szenhidrat", "Cukor", "Hamu",
                      "Rost", "Koleszterin", "Kalcium", "So", "HCukor", "HSo"})
                  .date("LetrDat")
                  .date("ModDat")
                  .date("UseDat")
                  .date("EndDat")
                  .memo("Leiras")
                  .key({"EtelKod"})
                  .index("OrderMegnev", {"Megnevezes", "Enorma"})
                  .index("OrderNorma", {"Enorma"})
                  .build();

    tables << TableBuilder("Recept")
                  .autoIncrement("ReceptAzon")
                  .text("EtelKod", 4)
                  .text("FokSzla", 3)
                  .text("NyilvSzam", 4)
                  .real("Mennyiseg")
                  .build();

    return tables;
}

} // namespace CatalogueTables
