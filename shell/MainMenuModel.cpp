#include "shell/MainMenuModel.h"

#include <QHash>
#include <QStringList>

namespace {

using Kind = MainMenuEntry::Kind;
using FollowUp = MainMenuEntry::FollowUp;

MainMenuEntry menu(const char *name, const char *caption, const char *parent = "")
{
    MainMenuEntry e;
    e.kind = Kind::Menu;
    e.name = QString::fromUtf8(name);
    e.caption = QString::fromUtf8(caption);
    e.parent = QString::fromUtf8(parent);
    return e;
}

MainMenuEntry command(const char *parent, const char *name, const char *caption, const char *path, const char *screen,
    FollowUp followUp = FollowUp::None, const char *helpPage = "")
{
    MainMenuEntry e;
    e.kind = Kind::Command;
    e.parent = QString::fromUtf8(parent);
    e.name = QString::fromUtf8(name);
    e.caption = QString::fromUtf8(caption);
    e.statusPath = QString::fromUtf8(path);
    e.screen = QString::fromUtf8(screen);
    e.followUp = followUp;
    e.helpPage = QString::fromUtf8(helpPage);
    return e;
}

MainMenuEntry separator(const char *parent, const char *name)
{
    MainMenuEntry e;
    e.kind = Kind::Separator;
    e.parent = QString::fromUtf8(parent);
    e.name = QString::fromUtf8(name);
    return e;
}

QList<MainMenuEntry> buildEntries()
{
    QList<MainMenuEntry> list;
    auto add = [&list](const MainMenuEntry &e) { list.append(e); };

    // 0 Törzsadatok
    add(menu("Torzsadatok1", "&Törzsadatok"));
    add(menu("Kdrendszer1", "Kódrendszer", "Torzsadatok1"));
    add(command("Kdrendszer1", "Fknyviszmok1", "Főkönyvi számok", "Törzsadatok -> Főkönyvi számok karbantartása",
        "TfrmTallozasFokszam"));
    add(command("Kdrendszer1", "Mozgsnemek1", "Mozgásnemek", "Törzsadatok -> Mozgásnem fajták karbantartása",
        "TfrmTallozasMozgnem"));
    add(command("Kdrendszer1", "FAkdtr1", "ÁFA kódtár", "Törzsadatok -> ÁFA kódtár karbantartása", "TfrmTallozasAfa"));
    add(command("Kdrendszer1", "Mrtkegysgkdtr1", "Mértékegység kódtár",
        "Törzsadatok -> Mértékegység kódtár karbantartása", "TfrmTallozasMertegys"));
    add(command("Kdrendszer1", "Allergnanyagok1", "Allergén anyagok", "Törzsadatok -> Allergén anyagok karbantartása",
        "TfrmTallozasAllergen"));
    add(command("Kdrendszer1", "Vesztesgikdok1", "Veszteségi kódok", "Törzsadatok -> Veszteségi kódok karbantartása",
        "TfrmTallozasVeszteseg"));
    add(menu("tkezsek2", "Étkezések", "Torzsadatok1"));
    add(command("tkezsek2", "tkezsinormk1", "Étkezési norma", "Törzsadatok -> Étkezési normák", "TfrmTallozasENorm"));
    add(command(
        "tkezsek2", "tkezstipusok1", "Étkezés tipusok", "Törzsadatok -> Étkezés tipusok", "TfrmTallozasEtkezes"));
    add(command("tkezsek2", "tkezsek1", "Étkezések", "Törzsadatok -> Étkezések", "TfrmTallozasEtk"));
    add(command("Torzsadatok1", "salvia1", "Nyersanyag törzs", "Törzsadatok -> Nyersanyagtörzs karbantartása",
        "TfrmTallozasAnyag"));
    add(command(
        "Torzsadatok1", "Receptek1", "Étel törzs", "Törzsadatok -> Receptek karbantartása", "TfrmTallozasRecept"));
    add(command("Torzsadatok1", "Partnerek1", "Partner törzs", "Törzsadatok -> Partnerek karbantartása",
        "TfrmTallozasPartner"));
    add(separator("Torzsadatok1", "N1"));
    add(command("Torzsadatok1", "zemekkarbantartsa1", "Üzemek karbantartása", "Törzsadatok -> Raktárnevek módosítása",
        "TfrmTallozasRaktar"));

    // 1 Adatkarbantartás
    add(menu("Adatkarbantartas1", "&Adatkarbantartás"));
    add(menu("Anyagmozgs1", "Anyagmozgás", "Adatkarbantartas1"));
    add(command("Anyagmozgs1", "Bevtelibizonylat1", "Bevételi bizonylat felvitel",
        "Adatkarbantartás -> Raktári anyagok bevételezése", "TfrmRaktarBevitel"));
    add(command("Anyagmozgs1", "Anyagkiads1", "Kiadási bizonylat felvitel",
        "Adatkarbantartás -> Raktári anyagok kiadása", "TfrmRaktarKivetel"));
    add(command("Anyagmozgs1", "Kiszabat1", "Kiszabat-kiadás étlap szerint", "Adatkarbantartás -> Kiszabat megadása",
        "TfrmTallozasKiszabat"));
    add(menu("tlapkszts2", "Étlap készítés", "Adatkarbantartas1"));
    add(command(
        "tlapkszts2", "tlapkszts1", "Napi étlap megadása", "Adatkarbantartás -> Étlap készítés", "TfrmTallozasEtlap"));
    add(command("tlapkszts2", "Ltszmfelvitele1", "Napi étkezési létszám", "Adatkarbantartás -> Létszám megadása",
        "TfrmTallozasLetszam"));
    add(menu("Karbantarts1", "Karbantartás", "Adatkarbantartas1"));
    add(command("Karbantarts1", "Bevtelibizonylatmdosts1", "Bevételi bizonylat tétel módosítás",
        "Adatkarbantartás -> Bevételi számlák javítása", "TfrmRaktarMod"));
    add(command("Karbantarts1", "Bevtelibizonylattrls1", "Bevételi bizonylat tétel törlés",
        "Adatkarbantartás -> Bevételi számlák törlése", "TfrmRaktarMod"));
    add(separator("Karbantarts1", "N4"));
    add(command("Karbantarts1", "Kiadsibizonylatmdosts1", "Kiadási bizonylat tétel módosítás",
        "Adatkarbantartás -> Kiadási bizonylatok módosítása", "TfrmRaktarMod"));
    add(command("Karbantarts1", "Kiadsibizonylattrls1", "Kiadási bizonylat tétel törlés",
        "Adatkarbantartás -> Kiadási bizonylat tétel törlése", "TfrmRaktarMod"));
    add(command("Karbantarts1", "Kiadsibizonylattrls2", "Kiadási bizonylat törlés",
        "Adatkarbantartás -> Kiadási bizonylatok törlése", "TfrmKibizTorles"));
    add(separator("Karbantarts1", "N5"));
    add(command("Karbantarts1", "Napikiszabattrls1", "Napi kiszabat törlés", "Adatkarbantartás -> Kiszabat törlése",
        "TfrmKiszabatTorles"));

    // 2 Feldolgozás
    add(menu("Feldolgozas1", "&Feldolgozás"));
    add(command("Feldolgozas1", "Aktvvlekrse1", "Munkaév/zárás lekérése", "Feldolgozás -> Aktív munkaév lekérése",
        "work-year information"));
    add(command("Feldolgozas1", "Napizrs1", "Havi zárás", "Feldolgozás -> Havi zárás", "TfrmNapzaras",
        FollowUp::ReloadWorkYear));
    add(command("Feldolgozas1", "Munkavlezrsa1", "Munkaév lezárása", "Feldolgozás -> Évzárás", "year closing"));
    add(command("Feldolgozas1", "Fizikaizrs1", "Fizikai zárás", "Egyebek -> Fizikai zárás", "physical closing"));

    // 3 Lekérdezés
    add(menu("Lekerdezes1", "&Lekérdezés"));
    add(menu("Kszletnyilvntarts1", "Készlet nyilvántartás", "Lekerdezes1"));
    add(command("Kszletnyilvntarts1", "Anyagkarton1", "Anyagkarton", "Lekérdezés -> Anyagkarton lekérése, nyomtatása",
        "TfrmLekAnyag"));
    add(command("Kszletnyilvntarts1", "Leltr1", "Leltárkimutatás", "Lekérdezés -> Leltár lekérése, nyomtatása",
        "TfrmLekLeltar"));
    add(command("Kszletnyilvntarts1", "resleltrvnyomtatsa1", "Üres leltárív nyomtatása",
        "Lekérdezés -> Üres leltárív nyomtatása", "TfrmLekLeltar"));
    add(command("Kszletnyilvntarts1", "Leltrklmbzet1", "Leltár külömbözet készítése",
        "Lekérdezés -> Leltár külömbözet kidolgozása", "TfrmLekLeltarHason"));
    add(menu("Kszletmozgs1", "Készlet mozgás", "Lekerdezes1"));
    add(command("Kszletmozgs1", "Bevtelibizonylatoklistja1", "Bevételi bizonylatok listája",
        "Lekérdezés -> Bevételi bizonylatok listázása, bizonylatnyomtatás", "TfrmLekBevbiz"));
    add(command("Kszletmozgs1", "Kiadsibizonylatoklistja1", "Kiadási bizonylatok listája",
        "Lekérdezés -> Kiadási bizonylatok listázása, bizonylatnyomtatás", "TfrmLekKibiz"));
    add(command(
        "Kszletmozgs1", "Mozgssszest1", "Mozgás összesítő", "Lekérdezés -> Mozgás összesítő", "TfrmLekMozgOssz"));
    add(menu("Anyagfelhasznls2", "Anyagfelhasználás", "Lekerdezes1"));
    add(command("Anyagfelhasznls2", "Anyagfelhasznlstervezs1", "Anyagfelhasználás tervezés",
        "Lekérdezés -> Anyagfelhasználás tervezés", "TfrmLekTallozasKiszabat"));
    add(command("Anyagfelhasznls2", "nylegesanyagfelhasznls1", "Tényleges anyagfelhasználás",
        "Lekérdezés -> Anyagfelhasználás (tényleges)", "TfrmLekAnyagfelh"));
    add(command("Anyagfelhasznls2", "Anyagfelhasznls1", "Tényleges anyagfelhasználás részletes",
        "Lekérdezés -> Részletes anyagfelhasználás (tényleges)", "TfrmLekAnyagfelhReszl"));
    add(menu("Ltszmnormakeret1", "Létszám + normakeret", "Lekerdezes1"));
    add(menu("Bellstkezsre1", "Beállás étkezésre", "Ltszmnormakeret1"));
    add(command("Bellstkezsre1", "tkezsreanyaglista1", "Étkezésre anyaglista",
        "Lekérdezés -> Beállás étkezésre anyaglista", "TfrmLekBeallasKiszTab"));
    add(command("Bellstkezsre1", "Bellslistatkezses1", "Étkezésre anyaglista bontott",
        "Lekérdezés -> Beállás étkezésre anyaglista bontott", "TfrmLekBeallasKisz"));
    add(command("Ltszmnormakeret1", "Napirtkeklistja1", "Beállás étkezésre összesítő",
        "Lekérdezés -> Napi értékek listája", "TfrmLekNapiErt"));
    add(command("Ltszmnormakeret1", "Bellslista1", "Beállás mozgásnemre", "Lekérdezés -> Beállás mozgásnemre",
        "TfrmLekBeallas"));
    add(command(
        "Ltszmnormakeret1", "Ltszmsszest1", "Létszámösszesítő", "Lekérdezés -> Létszámösszesítő", "TfrmLekLetszam"));
    add(command("Ltszmnormakeret1", "Haviltszm1", "Havi létszámösszesítő", "Lekérdezés -> Havi létszámösszesítő",
        "TfrmLekLetszHo"));
    add(command("Ltszmnormakeret1", "Havianyagfelhasznls1", "Havi anyagfelhasználás",
        "Lekérdezés -> Havi anyagfelhasználás", "TfrmLekAnyagHo"));
    add(menu("Tpanyagszmts1", "Tápanyag számítás", "Lekerdezes1"));
    add(command("Tpanyagszmts1", "nylegestpanyag1", "Tényleges tápanyag csoportos ",
        "Lekérdezés -> Tényleges tápanyag számítás csoportos", "TfrmLekTapCsop"));
    add(command("Tpanyagszmts1", "nylegestpanyagrszletes1", "Tényleges tápanyag részletes",
        "Lekérdezés -> Tényleges tápanyag számítás részletes", "TfrmLekTapReszl"));
    add(command("Lekerdezes1", "tlaphetinyomtatsa1", "Heti étlapnyomtatás", "Adatkarbantartás -> Étlap heti nyomtatása",
        "TfrmEtlapHeti"));
    add(command("Lekerdezes1", "Hetilistatlapnyomtats1", "Lista étlapnyomtatás", "Lekérdezés -> Listás étlapnyomtatás",
        "TfrmLekEtlapLista"));
    add(command("Lekerdezes1", "Vltozatossgimutat1", "Változatossági mutató", "Lekérdezés -> Változatossági mutató",
        "TfrmLekValtozatossagi"));

    // 4 Egyebek
    add(menu("N2", "&Egyebek"));
    add(menu("Raktrmentsbetlts1", "Raktár mentés / betöltés", "N2"));
    add(command("Raktrmentsbetlts1", "Raktrmentstetszlegeshelyre1", "Raktár mentés tetszőleges helyre",
        "Egyebek -> Raktár mentése tetszőleges helyre", "backup of the active warehouse folder"));
    add(command("Raktrmentsbetlts1", "Raktrvisszatltstetszlegeshelyrl1", "Raktár visszatöltés tetszőleges helyről",
        "Egyebek -> Raktár visszatöltése tetszőleges helyről", "restore of the active warehouse folder",
        FollowUp::ReloadWorkYear));
    add(menu("Adatbzismentsbetlts1", "Adatbázis mentés / betöltés", "N2"));
    add(command("Adatbzismentsbetlts1", "Biztonsgimentsadotthelyre1", "Teljes adatbázis mentés tetszőleges helyre",
        "Egyebek -> Teljes adatbázis mentés tetszőleges helyre", "backup of the database directory"));
    add(command("Adatbzismentsbetlts1", "Visszatltsadotthelyrl1", "Teljes adatbázis visszatöltés tetszőleges helyről",
        "Egyebek -> Teljes adatbázis visszatöltése tetszőleges helyről", "restore of the database directory",
        FollowUp::ReloadWorkYear));
    add(separator("N2", "N6"));
    add(menu("Adatbzismveletek1", "Adatbázis műveletek", "N2"));
    add(command(
        "Adatbzismveletek1", "Indexjavt1", "Adatbázis javító", "Egyebek -> Adatbázis javító", "database repair"));
    add(command("Adatbzismveletek1", "Adatbziskonverter2", "Adatbázis importáló DOS Salviából",
        "Szervíz -> Adatbázis importáló", "TfrmConvert"));
    add(command("N2", "VIadatexportls1", "ÜVI adat exportálás", "Egyebek -> ÜVI adat export", "TfrmUVIexport"));
    add(command("N2", "Szvegszerkeszt1", "Szövegszerkesztő", "Szervíz -> Szövegszerkesztő", "TfrmEditbox"));
    add(command("N2", "Nyomtatsfjlbl1", "Nyomtatás fájlból", "Szervíz -> Nyomtatás fájlból", "TqrpOffline"));
    add(separator("N2", "N7"));
    add(command("N2", "Programhibavarzsl1", "Programhiba riport varázsló",
        "Egyebek -> Hibajelenségek felvétele a hiba adatbázisba", "TfrmHibariport"));
    add(command("N2", "Frisstsellenrzseazinterneten1", "Frissítés ellenőrzése az interneten",
        "Súgó -> Frissítés ellenőrzése az interneten", "update check"));

    // 5 Beállítások
    add(menu("Beallitasok1", "&Beállítások"));
    add(command("Beallitasok1", "Alaprtelmezettrtkek1", "Alapértelmezett értékek",
        "Beállítások -> Alapértelmezett értékek beállítása", "TfrmSetup page 0"));
    add(command("Beallitasok1", "Nyomtats1", "Nyomtatás", "Beállítások -> Nyomtatási beállítások", "TfrmSetup page 1"));
    add(command("Beallitasok1", "Szmtsok1", "Számítások", "Beállítások -> Számítások", "TfrmSetup page 2"));
    add(command("Beallitasok1", "Dialgusbelltsok1", "Dialógus beállítások", "Beállítások -> Dialógus beállítások",
        "TfrmSetup page 3"));
    add(command("Beallitasok1", "Jelszavakbelltsa1", "Jelszavak beállítása", "Beállítások -> Jelszavak beállítása",
        "TfrmSetup page 4"));
    add(command("Beallitasok1", "Mkdsiparamterek1", "Működési paraméterek",
        "Beállítások -> Működési paraméterek beállítása", "TfrmSetup page 5"));

    // 6 the spacer
    MainMenuEntry spacer;
    spacer.kind = Kind::Spacer;
    spacer.name = QStringLiteral("N3");
    spacer.caption = QString(15, QLatin1Char(' '));
    add(spacer);

    // 7 Szervíz
    add(menu("Szervz1", "S&zervíz"));
    add(command("Szervz1", "blaszerkeszt1", "Táblaszerkesztő", "Szervíz -> Tábla adat szerkesztő", "TfrmTableEdit"));
    add(command("Szervz1", "Futsiparamterek1", "Futási paraméterek", "Szervíz -> Futási paraméterek", "TfrmParams"));

    // 8 Súgó
    add(menu("Sugo1", "&Súgó"));
    add(command("Sugo1", "ltalnoshasznlat1", "Általános használat", "Súgó -> Általános használat", "help viewer",
        FollowUp::None, "bevezetes.htm"));
    add(command("Sugo1", "Tmakrk1", "Témakörök", "Súgó -> Témakörök, tartalomjegyzék", "help viewer", FollowUp::None,
        "tartalom.htm"));
    add(command("Sugo1", "Salviaazinterneten1", "Salvia az interneten", "", "vendor's web site"));
    add(command("Sugo1", "Nevjegy1", "Névjegy", "", "TAboutBox"));

    // 9 A La Carte
    add(menu("Alacart1", "A La Carte"));
    add(command("Alacart1", "telcsoportok1", "Étel csoportok", "A la Carte -> Étel csoportok", "TfrmTallozasCartCsop"));
    add(command("Alacart1", "telberazs1", "Étel beárazás", "A la Carte -> Étel beárazás", "TfrmTallozasCartAr"));
    add(command("Alacart1", "Napitlapmegadsa1", "Napi étlap megadása", "A la Carte -> Napi étlap megadása",
        "TfrmTallozasCartEtlap"));
    add(command("Alacart1", "Kiszabat2", "Kiszabat", "A la Carte -> Kiszabat", "TfrmTallozasCartKiszabat"));
    add(command("Alacart1", "Hetitlapnyomtats1", "Heti étlapnyomtatás", "A la Carte -> Heti étlapnyomtatás",
        "TfrmCartEtlapHeti"));

    // 10 Kilépés: a command on the menu bar itself
    add(command("", "Kilepes", "&Kilépés!", "", "closes the main window"));
    return list;
}

} // namespace

const QList<MainMenuEntry> &MainMenuModel::entries()
{
    static const QList<MainMenuEntry> list = buildEntries();
    return list;
}

const MainMenuEntry *MainMenuModel::find(const QString &name)
{
    for (const MainMenuEntry &e : entries()) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

QList<MainMenuEntry> MainMenuModel::children(const QString &parent)
{
    QList<MainMenuEntry> result;
    for (const MainMenuEntry &e : entries()) {
        if (e.parent == parent)
            result.append(e);
    }
    return result;
}

QStringList MainMenuModel::commandNames()
{
    QStringList names;
    for (const MainMenuEntry &e : entries()) {
        if (e.kind == Kind::Command)
            names.append(e.name);
    }
    return names;
}

QStringList MainMenuModel::topNames()
{
    QStringList names;
    for (const MainMenuEntry &e : children(QString()))
        names.append(e.name);
    return names;
}

int MainMenuModel::topPosition(const QString &name)
{
    const MainMenuEntry *e = find(name);
    while (e && !e->parent.isEmpty())
        e = find(e->parent);
    return e ? int(topNames().indexOf(e->name)) : -1;
}

QList<int> MainMenuModel::disabledTopMenus(int securLevel)
{
    switch (securLevel) {
    case 5: // Superuser
        return {};
    case 1: // Teljes
        return {7};
    case 2: // Adminisztrációs
        return {0, 7};
    case 3: // Felhasználói
        return {0, 1, 4, 5, 7};
    default:
        // A level outside the table gets no more than the most restricted known level.
        return {0, 1, 4, 5, 7};
    }
}
