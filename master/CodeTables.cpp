#include "master/CodeTable.h"

#include "core/Codes.h"

namespace {

const QString Megnevezes = QStringLiteral("Megnevezes");
const QString ByName = QStringLiteral("Megnevezés szerint rendez");

OrderTerm code(const QString &field)
{
    return OrderTerm{field, false};
}

OrderTerm words(const QString &field)
{
    return OrderTerm{field, true};
}

CodeField keyField(const QString &field, const QString &label, int width)
{
    return CodeField{field, label, FieldKind::Code, width, QStringLiteral("edtKod")};
}

CodeField nameField(const QString &field, int width, const QString &label = QStringLiteral("Megnevezés:"))
{
    return CodeField{field, label, FieldKind::Text, width, QStringLiteral("edtMegnevezes")};
}

SearchField codePrefix(const QString &caption, const QString &field, int maximum)
{
    return SearchField{caption, field, Match::CodePrefix, 0, maximum, SearchTexts::numbersOnly()};
}

SearchField codeExact(const QString &caption, const QString &field, int width, int maximum)
{
    return SearchField{caption, field, Match::CodeExact, width, maximum, SearchTexts::numbersOnly()};
}

SearchField byName(const QString &field = Megnevezes)
{
    return SearchField{QStringLiteral("Megnevezés"), field, Match::PrefixNoCase};
}

const QString Range99 = QStringLiteral("Hibás kódot adott meg!\rA szám 0 és 99 közötti lehet");

CodeTable ledgerAccounts()
{
    CodeTable t{CodeTableId::LedgerAccounts};
    t.browse = {QStringLiteral("TfrmTallozasFokszam"), QStringLiteral("Főkönyvi számok karbantartása"),
        QStringLiteral("Fokszam")};
    t.browse.key = {QStringLiteral("FokonyviSzam")};
    t.browse.grid = {{QStringLiteral("Főkönyvi szám"), QStringLiteral("FokonyviSzam")},
        {QStringLiteral("Megnevezés"), Megnevezes}};
    t.browse.orders = {{QStringLiteral("Főkönyvi szám szerint rendez"), {code(QStringLiteral("FokonyviSzam"))}},
        {ByName, {words(Megnevezes)}}};
    t.browse.searches = {codePrefix(QStringLiteral("Főkönyvi szám"), QStringLiteral("FokonyviSzam"), 999), byName()};
    t.browse.reportTitle = QStringLiteral("Főkönyvi számok listája");
    t.browse.report = {{QStringLiteral("Főkönyvi szám"), QStringLiteral("FokonyviSzam"), 30},
        {QStringLiteral("Megnevezés"), Megnevezes, 110}};
    t.browse.csvName = QStringLiteral("Fokonyviszam.csv");
    t.browse.helpPage = QStringLiteral("tallozasfokszam.htm");
    t.editScreen = QStringLiteral("TfrmUjFokszam");
    t.editHelpPage = QStringLiteral("ujfokszam.htm");
    t.keyWidth = Codes::width(Codes::Kind::LedgerAccount);
    t.keyMaximum = 999;
    t.nameField = Megnevezes;
    t.fields = {keyField(QStringLiteral("FokonyviSzam"), QStringLiteral("Főkönyvi szám:"), 3), nameField(Megnevezes, 50)};
    t.usages = {{QStringLiteral("Anyag"), QStringLiteral("FokonyviSzam")}};
    t.rangeMessage = QStringLiteral("Hibás számot adott meg!\rA szám 0 és 999 közötti lehet");
    t.existsMessage = QStringLiteral("A főkönyvi szám már létezik!\rMég nem létező számot adhat meg csak");
    return t;
}

CodeTable movementTypes()
{
    CodeTable t{CodeTableId::MovementTypes};
    t.browse = {QStringLiteral("TfrmTallozasMozgnem"), QStringLiteral("Mozgásnemek karbantartása"),
        QStringLiteral("Mozgnem")};
    t.browse.key = {QStringLiteral("MozgnemKod")};
    t.browse.grid = {{QStringLiteral("Mozgásnem kód"), QStringLiteral("MozgnemKod")},
        {QStringLiteral("Megnevezés"), Megnevezes}, {QStringLiteral("Irány"), QStringLiteral("Irany")}};
    t.browse.orders = {{QStringLiteral("Mozgásnem kód szerint rendez"), {code(QStringLiteral("MozgnemKod"))}},
        {ByName, {words(Megnevezes)}},
        {QStringLiteral("Mozgásnem iránya szerint rendez"), {code(QStringLiteral("Irany"))}}};
    t.browse.searches = {codePrefix(QStringLiteral("Mozgásnem kód"), QStringLiteral("MozgnemKod"), 99), byName()};
    t.browse.reportTitle = QStringLiteral("Mozgásnemek listája");
    t.browse.report = {{QStringLiteral("Mozgásnem kód"), QStringLiteral("MozgnemKod"), 30},
        {QStringLiteral("Megnevezés"), Megnevezes, 110}, {QStringLiteral("Mozgás iránya"), QStringLiteral("Irany"), 30}};
    t.browse.csvName = QStringLiteral("Mozgasnem.csv");
    t.browse.helpPage = QStringLiteral("tallozasmozgnem.htm");
    t.editScreen = QStringLiteral("TfrmUjMozgnem");
    t.editHelpPage = QStringLiteral("ujmozgnem.htm");
    t.nameField = Megnevezes;
    t.fields = {keyField(QStringLiteral("MozgnemKod"), QStringLiteral("Mozgásnem kód:"), 2), nameField(Megnevezes, 50),
        CodeField{QStringLiteral("Irany"), QStringLiteral("Mozgás iránya:"), FieldKind::Direction, 2,
            QStringLiteral("comIrany")}};
    t.usages = {{QStringLiteral("Raktar"), QStringLiteral("Mozgnem")}};
    t.rangeMessage = Range99;
    t.existsMessage = QStringLiteral("A mozgásnem kód már létezik!\rMég nem létező számot adhat meg csak");
    t.fixedUpTo = QStringLiteral("08");
    return t;
}

CodeTable vatRates()
{
    CodeTable t{CodeTableId::VatRates};
    t.browse = {QStringLiteral("TfrmTallozasAfa"), QStringLiteral("Áfa kód karbantartása"), QStringLiteral("Afa")};
    t.browse.key = {QStringLiteral("Afakod")};
    t.browse.grid = {{QStringLiteral("ÁFA kód"), QStringLiteral("Afakod")},
        {QStringLiteral("ÁFA csoport"), QStringLiteral("AfaCsoport")}, {QStringLiteral("Dátum"), QStringLiteral("Datum")},
        {QStringLiteral("Áfa értéke (%)"), QStringLiteral("AfaErtek")}};
    t.browse.orders = {{QStringLiteral("ÁFA kód szerint rendez"), {code(QStringLiteral("Afakod"))}},
        {QStringLiteral("Dátum, és  érték szerint rendez"),
            {code(QStringLiteral("Datum")), code(QStringLiteral("AfaErtek"))}},
        {QStringLiteral("ÁFA értéke, és dátum szerint rendez"),
            {code(QStringLiteral("AfaErtek")), code(QStringLiteral("Datum"))}},
        {QStringLiteral("ÁFA csoport, és dátum szerint rendez"),
            {code(QStringLiteral("AfaCsoport")), code(QStringLiteral("Datum"))}}};
    t.browse.searches = {codeExact(QStringLiteral("Áfakód"), QStringLiteral("Afakod"), 2, 99),
        SearchField{QStringLiteral("Dátum"), QStringLiteral("Datum"), Match::DateExact, 0, 0,
            QStringLiteral("Hibás keresési értékadás!\rA megadott érték nem dátum!")},
        SearchField{QStringLiteral("Áfaérték"), QStringLiteral("AfaErtek"), Match::PercentExact, 0, 100,
            QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak 0..100 közötti szám lehet!")}};
    t.browse.reportTitle = QStringLiteral("ÁFA kódok listája");
    PrintColumn date{QStringLiteral("Érvényességi dátum"), QStringLiteral("Datum"), 40};
    date.date = true;
    t.browse.report = {{QStringLiteral("ÁFA kód"), QStringLiteral("Afakod"), 25}, date,
        {QStringLiteral("ÁFA értéke [%]"), QStringLiteral("AfaErtek"), 35, true, QStringLiteral("0.##")},
        {QStringLiteral("Csoportkód"), QStringLiteral("AfaCsoport"), 30}};
    t.browse.csvName = QStringLiteral("Afa.csv");
    t.browse.helpPage = QStringLiteral("tallozasafa.htm");
    t.editScreen = QStringLiteral("TfrmUjAfa");
    t.editHelpPage = QStringLiteral("ujafa.htm");
    t.fields = {keyField(QStringLiteral("Afakod"), QStringLiteral("ÁFA kód:"), 2),
        CodeField{QStringLiteral("AfaCsoport"), QStringLiteral("ÁFA csoport:"), FieldKind::Group, 2,
            QStringLiteral("edtAfaCsoport"),
            QStringLiteral("Hibás Csoportkódot adott meg!\rA szám 0 és 99 közötti lehet")},
        CodeField{QStringLiteral("AfaErtek"), QStringLiteral("ÁFA értéke [%]:"), FieldKind::Percent, 6,
            QStringLiteral("edtAfaErtek")},
        CodeField{QStringLiteral("Datum"), QStringLiteral("Érvényesség kezdete:"), FieldKind::Date, 0,
            QStringLiteral("dtpDatum")}};
    // A material names its group; a movement row names the VAT row it used.
    t.usages = {{QStringLiteral("Anyag"), QStringLiteral("AfaCsoport"), QStringLiteral("AfaCsoport")},
        {QStringLiteral("Raktar"), QStringLiteral("AfaKod")}};
    t.rangeMessage = Range99;
    t.existsMessage = QStringLiteral("Az áfakód már létezik!\rMég nem létező számot adhat meg csak");
    t.modifyRefused = QStringLiteral("A módosítás nem alkalmazható itt.\rJavítani törléssel, és újbóli felvitellel lehet.");
    return t;
}

CodeTable units()
{
    CodeTable t{CodeTableId::Units};
    t.browse = {QStringLiteral("TfrmTallozasMertegys"), QStringLiteral("Mértékegyég kódok karbantartása"),
        QStringLiteral("Mertegys")};
    t.browse.key = {QStringLiteral("MertKod")};
    t.browse.grid = {{QStringLiteral("Mértékegység kód"), QStringLiteral("MertKod")},
        {QStringLiteral("Megnevezés"), Megnevezes}};
    t.browse.orders = {{QStringLiteral("Mértékegység kód szerint rendez"), {words(QStringLiteral("MertKod"))}},
        {ByName, {words(Megnevezes)}}};
    t.browse.searches = {SearchField{QStringLiteral("Mértékegység kód"), QStringLiteral("MertKod"), Match::PrefixNoCase},
        byName()};
    t.browse.reportTitle = QStringLiteral("Mértékegység kódok listája");
    t.browse.report = {{QStringLiteral("Mértékegység kód"), QStringLiteral("MertKod"), 35},
        {QStringLiteral("Megnevezés"), Megnevezes, 100}};
    t.browse.csvName = QStringLiteral("Mertekegyseg.csv");
    t.browse.helpPage = QStringLiteral("tallozasmertegys.htm");
    t.editScreen = QStringLiteral("TfrmUjMertegys");
    t.editHelpPage = QStringLiteral("ujmertegys.htm");
    t.keyForm = KeyForm::UpperCase;
    t.keyWidth = 4;
    t.nameField = Megnevezes;
    t.fields = {keyField(QStringLiteral("MertKod"), QStringLiteral("Mértékegység kód:"), 4), nameField(Megnevezes, 20)};
    t.usages = {{QStringLiteral("Anyag"), QStringLiteral("Mertekegyseg")}};
    t.rangeMessage = QStringLiteral("A mértékegység kód megadása kötelező!");
    t.existsMessage = QStringLiteral("A mértékegység kód már létezik!\rMég nem létező kódot adhat meg csak");
    return t;
}

CodeTable allergens()
{
    CodeTable t{CodeTableId::Allergens};
    t.browse = {QStringLiteral("TfrmTallozasAllergen"), QStringLiteral("Allergén anyagok karbantartása"),
        QStringLiteral("Allergen")};
    t.browse.key = {QStringLiteral("AzonAl")};
    t.browse.grid = {{QStringLiteral("Azonosító"), QStringLiteral("AzonAl")},
        {QStringLiteral("Megnevezés"), QStringLiteral("Allergen")}, {QStringLiteral("Kép fájlnév"), QStringLiteral("Jeloles")}};
    t.browse.orders = {{QStringLiteral("Azonosító szerint rendez"), {code(QStringLiteral("AzonAl"))}},
        {ByName, {words(QStringLiteral("Allergen"))}}};
    t.browse.searches = {codePrefix(QStringLiteral("Azonosító"), QStringLiteral("AzonAl"), 99),
        byName(QStringLiteral("Allergen"))};
    t.browse.reportTitle = QStringLiteral("Allergén anyagok listája");
    PrintColumn picture{QStringLiteral("Jelölés"), QStringLiteral("Jeloles"), 20};
    picture.picture = true;
    t.browse.report = {{QStringLiteral("Azonosító"), QStringLiteral("AzonAl"), 25},
        {QStringLiteral("Megnevezés"), QStringLiteral("Allergen"), 110}, picture};
    t.browse.csvName = QStringLiteral("Allergen.csv");
    t.browse.helpPage = QStringLiteral("tallozasAllergen.htm");
    t.editScreen = QStringLiteral("TfrmUjAllergen");
    t.editHelpPage = QStringLiteral("ujAllergen.htm");
    t.nameField = QStringLiteral("Allergen");
    t.fields = {keyField(QStringLiteral("AzonAl"), QStringLiteral("Azonosító:"), 2),
        nameField(QStringLiteral("Allergen"), 50),
        CodeField{QStringLiteral("Jeloles"), QStringLiteral("Kép fájlnév:"), FieldKind::Picture, 16,
            QStringLiteral("edtJeloles")}};
    // Both link tables name allergens; a row of either keeps the allergen.
    t.usages = {{QStringLiteral("AllergenAny"), QStringLiteral("AzonAl")},
        {QStringLiteral("AllergenAnyT"), QStringLiteral("AzonAl")}};
    t.rangeMessage = QStringLiteral("Hibás számot adott meg!\rA szám 0 és 99 közötti lehet");
    t.existsMessage = QStringLiteral("Az azonosító már létezik!\rMég nem létező számot adhat meg csak");
    return t;
}

CodeTable lossCodes()
{
    CodeTable t{CodeTableId::LossCodes};
    t.browse = {QStringLiteral("TfrmTallozasVeszteseg"), QStringLiteral("Veszteségi kódok karbantartása"),
        QStringLiteral("Veszteseg")};
    t.browse.key = {QStringLiteral("Vkod")};
    const QStringList months = {QStringLiteral("jan."), QStringLiteral("feb."), QStringLiteral("már."),
        QStringLiteral("ápr."), QStringLiteral("máj."), QStringLiteral("jún."), QStringLiteral("júl."),
        QStringLiteral("aug."), QStringLiteral("szep."), QStringLiteral("okt."), QStringLiteral("nov."),
        QStringLiteral("dec.")};
    const QStringList monthLabels = {QStringLiteral("Január"), QStringLiteral("Február"), QStringLiteral("Március"),
        QStringLiteral("Április"), QStringLiteral("Május"), QStringLiteral("Június"), QStringLiteral("Július"),
        QStringLiteral("Augusztus"), QStringLiteral("Szeptember"), QStringLiteral("Október"),
        QStringLiteral("November"), QStringLiteral("December")};
    t.browse.grid = {{QStringLiteral("Vkod"), QStringLiteral("Vkod")},
        {QStringLiteral("ElelmiAnyag"), QStringLiteral("ElelmiAnyag")}};
    t.browse.report = {{QStringLiteral("V kód"), QStringLiteral("Vkod"), 12},
        {QStringLiteral("Megnevezés"), QStringLiteral("ElelmiAnyag"), 45}};
    t.fields = {keyField(QStringLiteral("Vkod"), QStringLiteral("Veszteségi kód:"), 2),
        nameField(QStringLiteral("ElelmiAnyag"), 25, QStringLiteral("Anyagfajta:"))};
    for (int month = 1; month <= 12; ++month) {
        const QString field = QStringLiteral("V%1").arg(month, 2, 10, QLatin1Char('0'));
        t.browse.grid << GridColumn{field, field};
        t.browse.report << PrintColumn{months[month - 1], field, 10, true};
        t.fields << CodeField{field, monthLabels[month - 1], FieldKind::Number, 3, QStringLiteral("edt") + field};
    }
    t.browse.grid << GridColumn{QStringLiteral("Vatl"), QStringLiteral("Vatl")};
    t.browse.report << PrintColumn{QStringLiteral("Átlag"), QStringLiteral("Vatl"), 12, true};
    t.fields << CodeField{QStringLiteral("Vatl"), QStringLiteral("Súlyozott átlag"), FieldKind::Average, 3,
        QStringLiteral("edtVatl")};
    t.browse.reportTitle = QStringLiteral("Veszteségi kódok listája");
    t.browse.csvName = QStringLiteral("Veszteseg.csv");
    t.browse.helpPage = QStringLiteral("TallozasVeszteseg.htm");
    t.editScreen = QStringLiteral("TfrmUjVeszteseg");
    t.editHelpPage = QStringLiteral("UjVeszteseg.htm");
    t.usages = {{QStringLiteral("Anyag"), QStringLiteral("Vkod")}};
    t.rangeMessage = QStringLiteral("Hibás veszteségi kódot adott meg!\rA szám 0 és 99 közötti lehet");
    t.existsMessage = QStringLiteral("A veszteségi kód már létezik!\rMég nem létező számot adhat meg csak");
    t.closeAfterNew = true;
    return t;
}

CodeTable mealNorms()
{
    CodeTable t{CodeTableId::MealNorms};
    t.browse = {QStringLiteral("TfrmTallozasENorm"), QStringLiteral("Étkezési norma karbantartása"),
        QStringLiteral("Etknorma")};
    t.browse.key = {QStringLiteral("Enorma")};
    t.browse.grid = {{QStringLiteral("Normakód"), QStringLiteral("Enorma")}, {QStringLiteral("Megnevezés"), Megnevezes}};
    t.browse.orders = {{QStringLiteral("Normakód szerint rendez"), {words(QStringLiteral("Enorma"))}}};
    t.browse.searches = {
        SearchField{QStringLiteral("Normakód"), QStringLiteral("Enorma"), Match::WholeNoCase}, byName()};
    t.browse.reportTitle = QStringLiteral("Étkezési normák");
    t.browse.report = {{QStringLiteral("Norma kód"), QStringLiteral("Enorma"), 25},
        {QStringLiteral("Megnevezés"), Megnevezes, 100}};
    t.browse.csvName = QStringLiteral("EtkezesNorma.csv");
    t.browse.helpPage = QStringLiteral("TallozasENorm.htm");
    t.editScreen = QStringLiteral("TfrmUjENorm");
    t.editHelpPage = QStringLiteral("UjENorm.htm");
    t.keyForm = KeyForm::AsTyped;
    t.fields = {keyField(QStringLiteral("Enorma"), QStringLiteral("Normakód:"), 2), nameField(Megnevezes, 30)};
    t.usages = {{QStringLiteral("Etkezesek"), QStringLiteral("Enorma")}};
    t.existsMessage = QStringLiteral("A normakód már létezik!\rMég nem létező számot adhat meg csak");
    return t;
}

CodeTable meals()
{
    CodeTable t{CodeTableId::Meals};
    t.browse = {QStringLiteral("TfrmTallozasEtk"), QStringLiteral("Étkezések karbantartása"),
        QStringLiteral("Etkezesek")};
    // A meal whose type is missing is still listed, so that it can be corrected or deleted.
    t.browse.from = QStringLiteral(
        "\"Etkezesek\" e LEFT JOIN \"EtkTip\" t ON e.\"Tip\" = t.\"EtkAzon\"");
    t.browse.select = {QStringLiteral("e.\"EtkTip\""), QStringLiteral("e.\"Megnevezes\""), QStringLiteral("e.\"Norma\""),
        QStringLiteral("e.\"Enorma\""), QStringLiteral("e.\"Tip\""), QStringLiteral("t.\"Megnevezes\" AS \"Fajta\"")};
    t.browse.key = {QStringLiteral("EtkTip")};
    t.browse.grid = {{QStringLiteral("Tipuskód"), QStringLiteral("EtkTip")}, {QStringLiteral("Megnevezés"), Megnevezes},
        {QStringLiteral("Norma"), QStringLiteral("Norma")}, {QStringLiteral("Étk. tipus"), QStringLiteral("Fajta")},
        {QStringLiteral("Étk. norma"), QStringLiteral("Enorma")}};
    t.browse.orders = {{QStringLiteral("Étkezési típus + norma szerint rendez"),
                           {code(QStringLiteral("Tip")), code(QStringLiteral("Enorma"))}},
        {QStringLiteral("Étkezés kód szerint rendez"), {code(QStringLiteral("EtkTip"))}}, {ByName, {words(Megnevezes)}}};
    t.browse.initialOrder = 1;
    t.browse.searches = {codeExact(QStringLiteral("Típuskód"), QStringLiteral("EtkTip"), 2, 99), byName()};
    t.browse.reportTitle = QStringLiteral("Étkezések listája");
    t.browse.report = {{QStringLiteral("Tipuskód"), QStringLiteral("EtkTip"), 22},
        {QStringLiteral("Norma [Ft]"), QStringLiteral("Norma"), 28, true, QStringLiteral("###,###,##0.00")},
        {QStringLiteral("Étk. típus"), QStringLiteral("Fajta"), 45}, {QStringLiteral("Megnevezés"), Megnevezes, 80}};
    t.browse.csvName = QStringLiteral("Etkezesek.csv");
    t.browse.helpPage = QStringLiteral("TallozasEtk.htm");
    t.editScreen = QStringLiteral("TfrmUjEtk");
    t.editHelpPage = QStringLiteral("UjEtk.htm");
    t.fields = {keyField(QStringLiteral("EtkTip"), QStringLiteral("Étkezés kód:"), 2), nameField(Megnevezes, 30),
        CodeField{QStringLiteral("Norma"), QStringLiteral("Norma [Ft]:"), FieldKind::Money, 12, QStringLiteral("edtNorma")},
        CodeField{QStringLiteral("Tip"), QStringLiteral("Típus:"), FieldKind::Lookup, 2, QStringLiteral("dbcTip"),
            QString(), QStringLiteral("EtkTip"), QStringLiteral("EtkAzon"), Megnevezes},
        CodeField{QStringLiteral("Enorma"), QStringLiteral("Étkezési norma:"), FieldKind::Lookup, 2,
            QStringLiteral("dbcEnorma"), QString(), QStringLiteral("Etknorma"), QStringLiteral("Enorma"), QStringLiteral("Enorma")}};
    // Menus and headcounts both name meals by their code.
    t.usages = {{QStringLiteral("Etlap"), QStringLiteral("EtkTip")}, {QStringLiteral("Letszam"), QStringLiteral("Etkezesek")}};
    t.rangeMessage = Range99;
    t.existsMessage = QStringLiteral("A tipuskód már létezik!\rMég nem létező számot adhat meg csak");
    return t;
}

CodeTable mealTypes()
{
    CodeTable t{CodeTableId::MealTypes};
    t.browse = {QStringLiteral("TfrmTallozasEtkezes"), QStringLiteral("Étkezés tipusok karbantartása"),
        QStringLiteral("EtkTip")};
    t.browse.key = {QStringLiteral("EtkAzon")};
    t.browse.grid = {{QStringLiteral("Tipus azon."), QStringLiteral("EtkAzon")}, {QStringLiteral("Megnevezés"), Megnevezes}};
    t.browse.orders = {{QStringLiteral("Kód szerint rendez"), {words(QStringLiteral("EtkAzon"))}}};
    t.browse.searches = {
        SearchField{QStringLiteral("Tipuskód"), QStringLiteral("EtkAzon"), Match::WholeNoCase}, byName()};
    t.browse.reportTitle = QStringLiteral("Étkezés tipusok");
    t.browse.report = {{QStringLiteral("Tip. kód"), QStringLiteral("EtkAzon"), 25},
        {QStringLiteral("Megnevezés"), Megnevezes, 100}};
    t.browse.csvName = QStringLiteral("EtkezesTipus.csv");
    t.browse.helpPage = QStringLiteral("TallozasEtkezes.htm");
    t.editScreen = QStringLiteral("TfrmUjEtkezes");
    t.editHelpPage = QStringLiteral("UjEtkezes.htm");
    t.keyForm = KeyForm::AsTyped;
    t.fields = {keyField(QStringLiteral("EtkAzon"), QStringLiteral("Tipuskód:"), 2), nameField(Megnevezes, 20)};
    t.usages = {{QStringLiteral("Etkezesek"), QStringLiteral("Tip")}};
    t.existsMessage = QStringLiteral("A kód már létezik!\rMég nem létező kódot adhat meg csak");
    t.existsFocus.clear();
    return t;
}

CodeTable warehouses()
{
    CodeTable t{CodeTableId::Warehouses};
    t.browse = {QStringLiteral("TfrmTallozasRaktar"), QStringLiteral("Raktárak karbantartása"),
        QStringLiteral("raktarak")};
    t.browse.key = {QStringLiteral("RaktarKod")};
    t.browse.grid = {{QStringLiteral("Raktár sorszáma"), QStringLiteral("RaktarKod")},
        {QStringLiteral("Raktár megnevezése"), QStringLiteral("RaktarNev")}};
    t.browse.helpPage = QStringLiteral("tallozasraktar.htm");
    t.editScreen = QStringLiteral("TfrmUjRaktar");
    t.editHelpPage = QStringLiteral("ujraktar.htm");
    t.shared = true;
    t.keyForm = KeyForm::Shown;
    t.nameField = QStringLiteral("RaktarNev");
    t.fields = {keyField(QStringLiteral("RaktarKod"), QStringLiteral("Raktárszám:"), 2),
        nameField(QStringLiteral("RaktarNev"), 50)};
    t.canCreate = false;
    t.canDelete = false;
    return t;
}

} // namespace

const CodeField *CodeTable::field(const QString &name) const
{
    for (const CodeField &candidate : fields) {
        if (candidate.field == name)
            return &candidate;
    }
    return nullptr;
}

QString CodeTable::sqlTable() const
{
    return QLatin1Char('"') + browse.table + QLatin1Char('"');
}

namespace CodeTables {

const QList<CodeTable> &all()
{
    static const QList<CodeTable> members = {ledgerAccounts(), movementTypes(), vatRates(), units(), allergens(),
        lossCodes(), mealNorms(), meals(), mealTypes(), warehouses()};
    return members;
}

const CodeTable &member(CodeTableId id)
{
    return all().at(int(id));
}

} // namespace CodeTables
