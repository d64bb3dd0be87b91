#include "shell/ui/FormMain.h"
#include "shell/MainMenuModel.h"
#include "session/Settings.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

// The main menu as the user sees it: every item in its place with its caption, the menu path each
// command shows in the status line, and which commands and menus are usable.
class TestAppMainMenu : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    Settings m_settings;

    QList<QAction *> itemsOf(TFormMain &window, const QString &menuName)
    {
        if (menuName.isEmpty())
            return window.menuBar()->actions();
        QMenu *menu = window.findChild<QMenu *>(menuName);
        return menu ? menu->actions() : QList<QAction *>();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_settings.setProgramPath(m_dir.path());
    }

    // Each menu's items in display order: "name=caption", "-" for a separator.
    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("menu bar") << ""
                                  << QStringList {"Torzsadatok1=&Törzsadatok", "Adatkarbantartas1=&Adatkarbantartás",
                                         "Feldolgozas1=&Feldolgozás", "Lekerdezes1=&Lekérdezés", "N2=&Egyebek",
                                         "Beallitasok1=&Beállítások", "N3=               ", "Szervz1=S&zervíz",
                                         "Sugo1=&Súgó", "Alacart1=A La Carte", "Kilepes=&Kilépés!"};
        QTest::newRow("Torzsadatok1") << "Torzsadatok1"
                                      << QStringList {"Kdrendszer1=Kódrendszer", "tkezsek2=Étkezések",
                                             "salvia1=Nyersanyag törzs", "Receptek1=Étel törzs",
                                             "Partnerek1=Partner törzs", "-",
                                             "zemekkarbantartsa1=Üzemek karbantartása"};
        QTest::newRow("Kdrendszer1") << "Kdrendszer1"
                                     << QStringList {"Fknyviszmok1=Főkönyvi számok", "Mozgsnemek1=Mozgásnemek",
                                            "FAkdtr1=ÁFA kódtár", "Mrtkegysgkdtr1=Mértékegység kódtár",
                                            "Allergnanyagok1=Allergén anyagok", "Vesztesgikdok1=Veszteségi kódok"};
        QTest::newRow("tkezsek2") << "tkezsek2"
                                  << QStringList {"tkezsinormk1=Étkezési norma", "tkezstipusok1=Étkezés tipusok",
                                         "tkezsek1=Étkezések"};
        QTest::newRow("Adatkarbantartas1")
            << "Adatkarbantartas1"
            << QStringList {"Anyagmozgs1=Anyagmozgás", "tlapkszts2=Étlap készítés", "Karbantarts1=Karbantartás"};
        QTest::newRow("Anyagmozgs1") << "Anyagmozgs1"
                                     << QStringList {"Bevtelibizonylat1=Bevételi bizonylat felvitel",
                                            "Anyagkiads1=Kiadási bizonylat felvitel",
                                            "Kiszabat1=Kiszabat-kiadás étlap szerint"};
        QTest::newRow("tlapkszts2") << "tlapkszts2"
                                    << QStringList {
                                           "tlapkszts1=Napi étlap megadása", "Ltszmfelvitele1=Napi étkezési létszám"};
        QTest::newRow("Karbantarts1") << "Karbantarts1"
                                      << QStringList {"Bevtelibizonylatmdosts1=Bevételi bizonylat tétel módosítás",
                                             "Bevtelibizonylattrls1=Bevételi bizonylat tétel törlés", "-",
                                             "Kiadsibizonylatmdosts1=Kiadási bizonylat tétel módosítás",
                                             "Kiadsibizonylattrls1=Kiadási bizonylat tétel törlés",
                                             "Kiadsibizonylattrls2=Kiadási bizonylat törlés", "-",
                                             "Napikiszabattrls1=Napi kiszabat törlés"};
        QTest::newRow("Feldolgozas1") << "Feldolgozas1"
                                      << QStringList {"Aktvvlekrse1=Munkaév/zárás lekérése", "Napizrs1=Havi zárás",
                                             "Munkavlezrsa1=Munkaév lezárása", "Fizikaizrs1=Fizikai zárás"};
        QTest::newRow("Lekerdezes1") << "Lekerdezes1"
                                     << QStringList {"Kszletnyilvntarts1=Készlet nyilvántartás",
                                            "Kszletmozgs1=Készlet mozgás", "Anyagfelhasznls2=Anyagfelhasználás",
                                            "Ltszmnormakeret1=Létszám + normakeret", "Tpanyagszmts1=Tápanyag számítás",
                                            "tlaphetinyomtatsa1=Heti étlapnyomtatás",
                                            "Hetilistatlapnyomtats1=Lista étlapnyomtatás",
                                            "Vltozatossgimutat1=Változatossági mutató"};
        QTest::newRow("Kszletnyilvntarts1")
            << "Kszletnyilvntarts1"
            << QStringList {"Anyagkarton1=Anyagkarton", "Leltr1=Leltárkimutatás",
                   "resleltrvnyomtatsa1=Üres leltárív nyomtatása", "Leltrklmbzet1=Leltár külömbözet készítése"};
        QTest::newRow("Kszletmozgs1") << "Kszletmozgs1"
                                      << QStringList {"Bevtelibizonylatoklistja1=Bevételi bizonylatok listája",
                                             "Kiadsibizonylatoklistja1=Kiadási bizonylatok listája",
                                             "Mozgssszest1=Mozgás összesítő"};
        QTest::newRow("Anyagfelhasznls2") << "Anyagfelhasznls2"
                                          << QStringList {"Anyagfelhasznlstervezs1=Anyagfelhasználás tervezés",
                                                 "nylegesanyagfelhasznls1=Tényleges anyagfelhasználás",
                                                 "Anyagfelhasznls1=Tényleges anyagfelhasználás részletes"};
        QTest::newRow("Ltszmnormakeret1")
            << "Ltszmnormakeret1"
            << QStringList {"Bellstkezsre1=Beállás étkezésre", "Napirtkeklistja1=Beállás étkezésre összesítő",
                   "Bellslista1=Beállás mozgásnemre", "Ltszmsszest1=Létszámösszesítő",
                   "Haviltszm1=Havi létszámösszesítő", "Havianyagfelhasznls1=Havi anyagfelhasználás"};
        QTest::newRow("Bellstkezsre1") << "Bellstkezsre1"
                                       << QStringList {"tkezsreanyaglista1=Étkezésre anyaglista",
                                              "Bellslistatkezses1=Étkezésre anyaglista bontott"};
        QTest::newRow("Tpanyagszmts1") << "Tpanyagszmts1"
                                       << QStringList {"nylegestpanyag1=Tényleges tápanyag csoportos ",
                                              "nylegestpanyagrszletes1=Tényleges tápanyag részletes"};
        QTest::newRow("N2") << "N2"
                            << QStringList {"Raktrmentsbetlts1=Raktár mentés / betöltés",
                                   "Adatbzismentsbetlts1=Adatbázis mentés / betöltés", "-",
                                   "Adatbzismveletek1=Adatbázis műveletek", "VIadatexportls1=ÜVI adat exportálás",
                                   "Szvegszerkeszt1=Szövegszerkesztő", "Nyomtatsfjlbl1=Nyomtatás fájlból", "-",
                                   "Programhibavarzsl1=Programhiba riport varázsló",
                                   "Frisstsellenrzseazinterneten1=Frissítés ellenőrzése az interneten"};
        QTest::newRow("Raktrmentsbetlts1")
            << "Raktrmentsbetlts1"
            << QStringList {"Raktrmentstetszlegeshelyre1=Raktár mentés tetszőleges helyre",
                   "Raktrvisszatltstetszlegeshelyrl1=Raktár visszatöltés tetszőleges helyről"};
        QTest::newRow("Adatbzismentsbetlts1")
            << "Adatbzismentsbetlts1"
            << QStringList {"Biztonsgimentsadotthelyre1=Teljes adatbázis mentés tetszőleges helyre",
                   "Visszatltsadotthelyrl1=Teljes adatbázis visszatöltés tetszőleges helyről"};
        QTest::newRow("Adatbzismveletek1")
            << "Adatbzismveletek1"
            << QStringList {"Indexjavt1=Adatbázis javító", "Adatbziskonverter2=Adatbázis importáló DOS Salviából"};
        QTest::newRow("Beallitasok1") << "Beallitasok1"
                                      << QStringList {"Alaprtelmezettrtkek1=Alapértelmezett értékek",
                                             "Nyomtats1=Nyomtatás", "Szmtsok1=Számítások",
                                             "Dialgusbelltsok1=Dialógus beállítások",
                                             "Jelszavakbelltsa1=Jelszavak beállítása",
                                             "Mkdsiparamterek1=Működési paraméterek"};
        QTest::newRow("Szervz1") << "Szervz1"
                                 << QStringList {
                                        "blaszerkeszt1=Táblaszerkesztő", "Futsiparamterek1=Futási paraméterek"};
        QTest::newRow("Sugo1") << "Sugo1"
                               << QStringList {"ltalnoshasznlat1=Általános használat", "Tmakrk1=Témakörök",
                                      "Salviaazinterneten1=Salvia az interneten", "Nevjegy1=Névjegy"};
        QTest::newRow("Alacart1") << "Alacart1"
                                  << QStringList {"telcsoportok1=Étel csoportok", "telberazs1=Étel beárazás",
                                         "Napitlapmegadsa1=Napi étlap megadása", "Kiszabat2=Kiszabat",
                                         "Hetitlapnyomtats1=Heti étlapnyomtatás"};
    }
    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        TFormMain window(m_settings);
        const QList<QAction *> actions = itemsOf(window, menu);
        QStringList actual;
        for (QAction *action : actions) {
            if (action->isSeparator()) {
                actual << QStringLiteral("-");
                continue;
            }
            const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
            actual << name + QLatin1Char('=') + action->text();
        }
        QCOMPARE(actual, items);
    }

    void menuBarAndSpacer()
    {
        TFormMain window(m_settings);
        QCOMPARE(window.menuBar()->objectName(), QStringLiteral("MainMenu1"));
        const QList<QAction *> top = window.menuBar()->actions();
        QCOMPARE(top.size(), 11);
        // The spacer is never usable, whatever the rights.
        QVERIFY(!top.at(6)->isEnabled());
        window.applyMenuRights(5);
        QVERIFY(!top.at(6)->isEnabled());
        // The model places every entry under the menu-bar item the rights refer to.
        QCOMPARE(MainMenuModel::topPosition(QStringLiteral("tkezsreanyaglista1")), 3);
        QCOMPARE(MainMenuModel::topPosition(QStringLiteral("Kilepes")), 10);
        QCOMPARE(MainMenuModel::topPosition(QStringLiteral("nincs ilyen")), -1);
    }

    // The menu path each command writes into status panel 4 while it runs ("" : none).
    void commandStatusPaths_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("path");
        QTest::newRow("Fknyviszmok1") << "Fknyviszmok1"
                                      << "Törzsadatok -> Főkönyvi számok karbantartása";
        QTest::newRow("Mozgsnemek1") << "Mozgsnemek1"
                                     << "Törzsadatok -> Mozgásnem fajták karbantartása";
        QTest::newRow("FAkdtr1") << "FAkdtr1"
                                 << "Törzsadatok -> ÁFA kódtár karbantartása";
        QTest::newRow("Mrtkegysgkdtr1") << "Mrtkegysgkdtr1"
                                        << "Törzsadatok -> Mértékegység kódtár karbantartása";
        QTest::newRow("Allergnanyagok1") << "Allergnanyagok1"
                                         << "Törzsadatok -> Allergén anyagok karbantartása";
        QTest::newRow("Vesztesgikdok1") << "Vesztesgikdok1"
                                        << "Törzsadatok -> Veszteségi kódok karbantartása";
        QTest::newRow("tkezsinormk1") << "tkezsinormk1"
                                      << "Törzsadatok -> Étkezési normák";
        QTest::newRow("tkezstipusok1") << "tkezstipusok1"
                                       << "Törzsadatok -> Étkezés tipusok";
        QTest::newRow("tkezsek1") << "tkezsek1"
                                  << "Törzsadatok -> Étkezések";
        QTest::newRow("salvia1") << "salvia1"
                                 << "Törzsadatok -> Nyersanyagtörzs karbantartása";
        QTest::newRow("Receptek1") << "Receptek1"
                                   << "Törzsadatok -> Receptek karbantartása";
        QTest::newRow("Partnerek1") << "Partnerek1"
                                    << "Törzsadatok -> Partnerek karbantartása";
        QTest::newRow("zemekkarbantartsa1") << "zemekkarbantartsa1"
                                            << "Törzsadatok -> Raktárnevek módosítása";
        QTest::newRow("Bevtelibizonylat1") << "Bevtelibizonylat1"
                                           << "Adatkarbantartás -> Raktári anyagok bevételezése";
        QTest::newRow("Anyagkiads1") << "Anyagkiads1"
                                     << "Adatkarbantartás -> Raktári anyagok kiadása";
        QTest::newRow("Kiszabat1") << "Kiszabat1"
                                   << "Adatkarbantartás -> Kiszabat megadása";
        QTest::newRow("tlapkszts1") << "tlapkszts1"
                                    << "Adatkarbantartás -> Étlap készítés";
        QTest::newRow("Ltszmfelvitele1") << "Ltszmfelvitele1"
                                         << "Adatkarbantartás -> Létszám megadása";
        QTest::newRow("Bevtelibizonylatmdosts1") << "Bevtelibizonylatmdosts1"
                                                 << "Adatkarbantartás -> Bevételi számlák javítása";
        QTest::newRow("Bevtelibizonylattrls1") << "Bevtelibizonylattrls1"
                                               << "Adatkarbantartás -> Bevételi számlák törlése";
        QTest::newRow("Kiadsibizonylatmdosts1") << "Kiadsibizonylatmdosts1"
                                                << "Adatkarbantartás -> Kiadási bizonylatok módosítása";
        QTest::newRow("Kiadsibizonylattrls1") << "Kiadsibizonylattrls1"
                                              << "Adatkarbantartás -> Kiadási bizonylat tétel törlése";
        QTest::newRow("Kiadsibizonylattrls2") << "Kiadsibizonylattrls2"
                                              << "Adatkarbantartás -> Kiadási bizonylatok törlése";
        QTest::newRow("Napikiszabattrls1") << "Napikiszabattrls1"
                                           << "Adatkarbantartás -> Kiszabat törlése";
        QTest::newRow("Aktvvlekrse1") << "Aktvvlekrse1"
                                      << "Feldolgozás -> Aktív munkaév lekérése";
        QTest::newRow("Napizrs1") << "Napizrs1"
                                  << "Feldolgozás -> Havi zárás";
        QTest::newRow("Munkavlezrsa1") << "Munkavlezrsa1"
                                       << "Feldolgozás -> Évzárás";
        QTest::newRow("Fizikaizrs1") << "Fizikaizrs1"
                                     << "Egyebek -> Fizikai zárás";
        QTest::newRow("Anyagkarton1") << "Anyagkarton1"
                                      << "Lekérdezés -> Anyagkarton lekérése, nyomtatása";
        QTest::newRow("Leltr1") << "Leltr1"
                                << "Lekérdezés -> Leltár lekérése, nyomtatása";
        QTest::newRow("resleltrvnyomtatsa1") << "resleltrvnyomtatsa1"
                                             << "Lekérdezés -> Üres leltárív nyomtatása";
        QTest::newRow("Leltrklmbzet1") << "Leltrklmbzet1"
                                       << "Lekérdezés -> Leltár külömbözet kidolgozása";
        QTest::newRow("Bevtelibizonylatoklistja1")
            << "Bevtelibizonylatoklistja1"
            << "Lekérdezés -> Bevételi bizonylatok listázása, bizonylatnyomtatás";
        QTest::newRow("Kiadsibizonylatoklistja1") << "Kiadsibizonylatoklistja1"
                                                  << "Lekérdezés -> Kiadási bizonylatok listázása, bizonylatnyomtatás";
        QTest::newRow("Mozgssszest1") << "Mozgssszest1"
                                      << "Lekérdezés -> Mozgás összesítő";
        QTest::newRow("Anyagfelhasznlstervezs1") << "Anyagfelhasznlstervezs1"
                                                 << "Lekérdezés -> Anyagfelhasználás tervezés";
        QTest::newRow("nylegesanyagfelhasznls1") << "nylegesanyagfelhasznls1"
                                                 << "Lekérdezés -> Anyagfelhasználás (tényleges)";
        QTest::newRow("Anyagfelhasznls1") << "Anyagfelhasznls1"
                                          << "Lekérdezés -> Részletes anyagfelhasználás (tényleges)";
        QTest::newRow("tkezsreanyaglista1") << "tkezsreanyaglista1"
                                            << "Lekérdezés -> Beállás étkezésre anyaglista";
        QTest::newRow("Bellslistatkezses1") << "Bellslistatkezses1"
                                            << "Lekérdezés -> Beállás étkezésre anyaglista bontott";
        QTest::newRow("Napirtkeklistja1") << "Napirtkeklistja1"
                                          << "Lekérdezés -> Napi értékek listája";
        QTest::newRow("Bellslista1") << "Bellslista1"
                                     << "Lekérdezés -> Beállás mozgásnemre";
        QTest::newRow("Ltszmsszest1") << "Ltszmsszest1"
                                      << "Lekérdezés -> Létszámösszesítő";
        QTest::newRow("Haviltszm1") << "Haviltszm1"
                                    << "Lekérdezés -> Havi létszámösszesítő";
        QTest::newRow("Havianyagfelhasznls1") << "Havianyagfelhasznls1"
                                              << "Lekérdezés -> Havi anyagfelhasználás";
        QTest::newRow("nylegestpanyag1") << "nylegestpanyag1"
                                         << "Lekérdezés -> Tényleges tápanyag számítás csoportos";
        QTest::newRow("nylegestpanyagrszletes1") << "nylegestpanyagrszletes1"
                                                 << "Lekérdezés -> Tényleges tápanyag számítás részletes";
        QTest::newRow("tlaphetinyomtatsa1") << "tlaphetinyomtatsa1"
                                            << "Adatkarbantartás -> Étlap heti nyomtatása";
        QTest::newRow("Hetilistatlapnyomtats1") << "Hetilistatlapnyomtats1"
                                                << "Lekérdezés -> Listás étlapnyomtatás";
        QTest::newRow("Vltozatossgimutat1") << "Vltozatossgimutat1"
                                            << "Lekérdezés -> Változatossági mutató";
        QTest::newRow("Raktrmentstetszlegeshelyre1") << "Raktrmentstetszlegeshelyre1"
                                                     << "Egyebek -> Raktár mentése tetszőleges helyre";
        QTest::newRow("Raktrvisszatltstetszlegeshelyrl1") << "Raktrvisszatltstetszlegeshelyrl1"
                                                          << "Egyebek -> Raktár visszatöltése tetszőleges helyről";
        QTest::newRow("Biztonsgimentsadotthelyre1") << "Biztonsgimentsadotthelyre1"
                                                    << "Egyebek -> Teljes adatbázis mentés tetszőleges helyre";
        QTest::newRow("Visszatltsadotthelyrl1") << "Visszatltsadotthelyrl1"
                                                << "Egyebek -> Teljes adatbázis visszatöltése tetszőleges helyről";
        QTest::newRow("Indexjavt1") << "Indexjavt1"
                                    << "Egyebek -> Adatbázis javító";
        QTest::newRow("Adatbziskonverter2") << "Adatbziskonverter2"
                                            << "Szervíz -> Adatbázis importáló";
        QTest::newRow("VIadatexportls1") << "VIadatexportls1"
                                         << "Egyebek -> ÜVI adat export";
        QTest::newRow("Szvegszerkeszt1") << "Szvegszerkeszt1"
                                         << "Szervíz -> Szövegszerkesztő";
        QTest::newRow("Nyomtatsfjlbl1") << "Nyomtatsfjlbl1"
                                        << "Szervíz -> Nyomtatás fájlból";
        QTest::newRow("Programhibavarzsl1") << "Programhibavarzsl1"
                                            << "Egyebek -> Hibajelenségek felvétele a hiba adatbázisba";
        QTest::newRow("Frisstsellenrzseazinterneten1") << "Frisstsellenrzseazinterneten1"
                                                       << "Súgó -> Frissítés ellenőrzése az interneten";
        QTest::newRow("Alaprtelmezettrtkek1") << "Alaprtelmezettrtkek1"
                                              << "Beállítások -> Alapértelmezett értékek beállítása";
        QTest::newRow("Nyomtats1") << "Nyomtats1"
                                   << "Beállítások -> Nyomtatási beállítások";
        QTest::newRow("Szmtsok1") << "Szmtsok1"
                                  << "Beállítások -> Számítások";
        QTest::newRow("Dialgusbelltsok1") << "Dialgusbelltsok1"
                                          << "Beállítások -> Dialógus beállítások";
        QTest::newRow("Jelszavakbelltsa1") << "Jelszavakbelltsa1"
                                           << "Beállítások -> Jelszavak beállítása";
        QTest::newRow("Mkdsiparamterek1") << "Mkdsiparamterek1"
                                          << "Beállítások -> Működési paraméterek beállítása";
        QTest::newRow("blaszerkeszt1") << "blaszerkeszt1"
                                       << "Szervíz -> Tábla adat szerkesztő";
        QTest::newRow("Futsiparamterek1") << "Futsiparamterek1"
                                          << "Szervíz -> Futási paraméterek";
        QTest::newRow("ltalnoshasznlat1") << "ltalnoshasznlat1"
                                          << "Súgó -> Általános használat";
        QTest::newRow("Tmakrk1") << "Tmakrk1"
                                 << "Súgó -> Témakörök, tartalomjegyzék";
        QTest::newRow("Salviaazinterneten1") << "Salviaazinterneten1"
                                             << "";
        QTest::newRow("Nevjegy1") << "Nevjegy1"
                                  << "";
        QTest::newRow("telcsoportok1") << "telcsoportok1"
                                       << "A la Carte -> Étel csoportok";
        QTest::newRow("telberazs1") << "telberazs1"
                                    << "A la Carte -> Étel beárazás";
        QTest::newRow("Napitlapmegadsa1") << "Napitlapmegadsa1"
                                          << "A la Carte -> Napi étlap megadása";
        QTest::newRow("Kiszabat2") << "Kiszabat2"
                                   << "A la Carte -> Kiszabat";
        QTest::newRow("Hetitlapnyomtats1") << "Hetitlapnyomtats1"
                                           << "A la Carte -> Heti étlapnyomtatás";
        QTest::newRow("Kilepes") << "Kilepes"
                                 << "";
    }
    void commandStatusPaths()
    {
        QFETCH(QString, command);
        QFETCH(QString, path);
        TFormMain window(m_settings);
        QString during;
        window.registerAction(command, [&] { during = window.statusPanelText(4); });
        QAction *action = window.findChild<QAction *>(command);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        if (path.isEmpty()) {
            QCOMPARE(during, QStringLiteral("Főmenü     "));
            QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü     "));
        } else {
            QCOMPARE(during, path + QStringLiteral("       "));
            QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü       "));
        }
    }

    void commandsWaitForTheirScreens()
    {
        TFormMain window(m_settings);
        // Only what the main window answers itself is usable at first.
        const QStringList ownCommands
            = {QStringLiteral("Aktvvlekrse1"), QStringLiteral("Salviaazinterneten1"), QStringLiteral("Kilepes")};
        for (const QString &command : MainMenuModel::commandNames()) {
            QAction *action = window.findChild<QAction *>(command);
            QVERIFY2(action, qPrintable(command));
            QCOMPARE(action->isEnabled(), ownCommands.contains(command));
        }

        // A disabled command does nothing even when run directly.
        window.runCommand(QStringLiteral("Leltr1"));
        QCOMPARE(window.statusPanelText(4), QStringLiteral("Főmenü     "));

        int created = 0;
        window.registerScreen(QStringLiteral("Leltr1"), [&](QWidget *parent) {
            ++created;
            auto screen = std::make_unique<QDialog>(parent);
            QTimer::singleShot(0, screen.get(), &QDialog::accept);
            return screen;
        });
        QVERIFY(window.findChild<QAction *>(QStringLiteral("Leltr1"))->isEnabled());
        QVERIFY(!window.findChild<QAction *>(QStringLiteral("Anyagkarton1"))->isEnabled());
        window.findChild<QAction *>(QStringLiteral("Leltr1"))->trigger();
        QCOMPARE(created, 1);
    }

    // Positions of the menu-bar items left usable by each access level.
    void menuRights_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("enabled");
        QTest::newRow("1 Teljes") << 1 << QList<int> {0, 1, 2, 3, 4, 5, 8, 9, 10};
        QTest::newRow("2 Adminisztrációs") << 2 << QList<int> {1, 2, 3, 4, 5, 8, 9, 10};
        QTest::newRow("3 Felhasználói") << 3 << QList<int> {2, 3, 8, 9, 10};
        QTest::newRow("5 Superuser") << 5 << QList<int> {0, 1, 2, 3, 4, 5, 7, 8, 9, 10};
        QTest::newRow("unknown level") << 4 << QList<int> {2, 3, 8, 9, 10};
    }
    void menuRights()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, enabled);
        TFormMain window(m_settings);
        // Every command has a screen, so only the rights decide.
        for (const QString &command : MainMenuModel::commandNames())
            window.registerAction(command, [] {});
        // The rights are applied by the start-up sequence; the menus open once it has run.
        window.setStartupHook([&window, level] { window.applyMenuRights(level); });
        window.show();
        QTRY_VERIFY(window.startupRan());

        const QList<QAction *> top = window.menuBar()->actions();
        QList<int> actual;
        for (int position = 0; position < top.size(); ++position) {
            if (top.at(position)->isEnabled())
                actual << position;
        }
        QCOMPARE(actual, enabled);

        // The commands of a greyed menu are unusable too, also when run directly.
        for (const QString &command : MainMenuModel::commandNames()) {
            const bool allowed = enabled.contains(MainMenuModel::topPosition(command));
            QCOMPARE(window.findChild<QAction *>(command)->isEnabled(), allowed);
        }
        if (!enabled.contains(7)) {
            bool ran = false;
            window.registerAction(QStringLiteral("blaszerkeszt1"), [&] { ran = true; });
            window.runCommand(QStringLiteral("blaszerkeszt1"));
            QVERIFY(!ran);
            QVERIFY(!window.findChild<QAction *>(QStringLiteral("blaszerkeszt1"))->isEnabled());
        }
    }
};

QTEST_MAIN(TestAppMainMenu)
#include "tst_mainmenu.moc"
