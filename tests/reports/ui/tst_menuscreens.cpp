#include "printing/PreparedReport.h"
#include "reports/ui/frmEtlapHeti.h"
#include "reports/ui/frmLekEtlapLista.h"
#include "reports/ui/frmLekValtozatossagi.h"
#include "support/PrintedPages.h"
#include "support/ScreenRun.h"
#include "widgets/UiAllergenPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

// The weekly menu, the menu list and the variety index run and printed as a kitchen uses them;
// a dish with ten allergens prints seven pictures and the warning picture, and a missing picture
// file stops the printout naming it.
class TestMenuScreens : public QObject
{
    Q_OBJECT

    struct Run : ScreenRun
    {
        Run()
            : ScreenRun(QDate(2025, 6, 1))
        {
            settings.setLoginUser("anna");
            settings.setMunkaEv("2025");
            settings.setIsPrinter(1);
            for (const char *table : {"Etkezesek", "ReceptFej", "Recept", "Etlap", "Allergen", "AllergenAny",
                     "Etelfeleseg"})
                exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table)));
            exec("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Tip\", \"Enorma\") VALUES "
                 "('01', 'Reggeli', '1', ''), ('02', 'Ebéd', '2', '')");
            exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\", "
                 "\"Hso\", \"Hcukor\") VALUES ('042', '0001', 'Mindenféle', 'kg', 0, 0)");
            for (int a = 1; a <= 10; ++a) {
                const QString code = QStringLiteral("%1").arg(a, 2, 10, QLatin1Char('0'));
                exec(QStringLiteral("INSERT INTO \"Allergen\" (\"AzonAl\", \"Allergen\", \"Jeloles\") VALUES "
                                    "('%1', 'Allergén %1', 'A%1.bmp')")
                        .arg(code));
                exec(QStringLiteral(
                    "INSERT INTO \"AllergenAny\" (\"AzonAl\", \"Fokszam\", \"NyilvSzam\") VALUES ('%1', '042', '0001')")
                        .arg(code));
            }
            exec("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"ValtAzon\", \"Energia\", \"So\") VALUES "
                 "('0001', 'Gulyásleves', '101', 1800, 50), ('0002', 'Palacsinta', '401', 900, 10)");
            exec("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") VALUES "
                 "('0001', '042', '0001', 5)");
            exec("INSERT INTO \"Etelfeleseg\" (\"ValtAzon\", \"Etelfeleseg\") VALUES ('101', 'a'), ('102', 'b'), "
                 "('401', 'c')");
            // Monday 2 June 2025 and the next days.
            exec("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") VALUES "
                 "('2025-06-02', '02', '1000', '0001', 1.5), ('2025-06-02', '02', '1000', '0002', 1), "
                 "('2025-06-03', '02', '1000', '0001', 1), ('2025-06-04', '02', '1000', '0001', 1), "
                 "('2025-06-02', '01', '1000', '0002', 1)");
            QDir(programDir.path()).mkdir("Pictures");
            for (const QString &name : allergenPictureNames())
                allergenPicture(name).save(programDir.filePath("Pictures/" + name), "BMP");
        }
    };

    static void choose(QListWidget *list, const QString &code)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().startsWith(code))
                list->item(i)->setSelected(true);
    }

    static int pictures(const PreparedReport &pages)
    {
        int count = 0;
        for (const PreparedReport::Page &page : pages.pages)
            for (const PageItem &item : page.items)
                count += item.kind == PageItem::Picture ? 1 : 0;
        return count;
    }

private slots:
    void weeklyMenu()
    {
        Run run;
        TfrmEtlapHeti screen(run.services, run.warehouse());
        screen.cmbEv->setCurrentText("2025");
        screen.cmbHonap->setCurrentIndex(22); // week 23: 2 to 6 June 2025
        QVERIFY(screen.cmbHonap->currentText().startsWith("23. hét 2025.06.02."));
        choose(screen.lbxEtkezesek, "01");
        choose(screen.lbxEtkezesek, "02");
        screen.BitBtn1->click();
        QCOMPARE(screen.rowCaptions[0]->text(), QStringLiteral("01 Reggeli"));
        QCOMPARE(screen.rowCaptions[1]->text(), QStringLiteral("02 Ebéd"));
        QCOMPARE(screen.cells[1][0]->toPlainText(), QStringLiteral("Gulyásleves\nPalacsinta"));
        QCOMPARE(screen.cell(1, 0).sums.energia, 27.0 + 9.0);
        QCOMPARE(screen.cell(1, 0).allergens.size(), 10);
        QCOMPARE(screen.cells[1][1]->toPlainText(), QStringLiteral("Gulyásleves"));

        screen.cells[1][0]->setPlainText(QStringLiteral("Babgulyás"));
        QStringList printed;
        int shown = 0;
        screen.setPreviewer([&](const PreparedReport &pages, QWidget *) {
            printed = PrintedPages::allTexts(pages);
            shown = pictures(pages);
        });
        screen.btnNyomtat->click();
        QVERIFY(printed.contains(QStringLiteral(" Babgulyás")));
        QVERIFY(!printed.contains(QStringLiteral(" Gulyásleves\nPalacsinta")));
        QVERIFY(printed.contains(QStringLiteral("23. hét 2025.06.02. - 2025.06.06. H - P")));
        // Three cells with ten allergens each: seven pictures and the warning picture each.
        QVERIFY(shown >= 24);

        QVERIFY(QFile::remove(run.programDir.filePath("Pictures/figyelem.bmp")));
        printed.clear();
        screen.btnNyomtat->click();
        QVERIFY(printed.isEmpty());
        QVERIFY(run.messenger.texts().last().contains(QStringLiteral("figyelem.bmp")));
    }

    // The a-la-carte weekly menu: the dish groups to choose, rows by group, and cells printed with
    // whole-number sums and the allergens as text instead of pictures.
    void cartWeeklyMenu()
    {
        Run run;
        run.exec("DELETE FROM \"CartCsop\"");
        run.exec("DELETE FROM \"CartEtlap\"");
        run.exec("INSERT INTO \"CartCsop\" (\"Csoport\", \"Megnev\") VALUES ('20', 'Főételek'), ('10', 'Levesek')");
        run.exec("INSERT INTO \"CartEtlap\" (\"Datum\", \"Csoport\", \"FokSzam\", \"Etelkod\", \"Mennyiseg\", "
                 "\"Letszam\") VALUES ('2025-06-02', '20', '1000', '0002', 1, 5), "
                 "('2025-06-02', '10', '1000', '0001', 1.5, 5), ('2025-06-07', '10', '1000', '0001', 1, 5)");
        TfrmEtlapHeti screen(run.services, run.warehouse(), WeeklyMenuKind::ALaCarte);
        QCOMPARE(screen.lbxEtkezesek->count(), 2);
        QCOMPARE(screen.lbxEtkezesek->item(0)->text(), QStringLiteral("10 - Levesek"));
        screen.cmbEv->setCurrentText("2025");
        screen.cmbHonap->setCurrentIndex(22);
        choose(screen.lbxEtkezesek, "10");
        choose(screen.lbxEtkezesek, "20");
        screen.BitBtn1->click();
        QCOMPARE(screen.rowCaptions[0]->text(), QStringLiteral("10 Levesek"));
        QCOMPARE(screen.rowCaptions[1]->text(), QStringLiteral("20 Főételek"));
        QCOMPARE(screen.cells[0][0]->toPlainText(), QStringLiteral("Gulyásleves"));
        QCOMPARE(screen.cells[1][0]->toPlainText(), QStringLiteral("Palacsinta"));
        QVERIFY(screen.cells[0][5]->toPlainText().isEmpty()); // Saturday is not read in the five-day mode

        QStringList printed;
        int shown = -1;
        screen.setPreviewer([&](const PreparedReport &pages, QWidget *) {
            printed = PrintedPages::allTexts(pages);
            shown = pictures(pages);
        });
        screen.btnNyomtat->click();
        QCOMPARE(shown, 0);
        QVERIFY(printed.contains(QStringLiteral("6KCal"))); // 27 kJ
        QVERIFY(printed.contains(QStringLiteral("1g"))); // 0.75 g salt, whole
        const auto starts = [&](const QString &start) {
            return std::any_of(
                printed.cbegin(), printed.cend(), [&](const QString &text) { return text.startsWith(start); });
        };
        QVERIFY(starts(QStringLiteral("Allergén: A01.bmp, A02.bmp")));
        QVERIFY(printed.join(' ').contains(QStringLiteral("A09.bmp, A10.bmp")));
        QVERIFY(printed.contains(QStringLiteral("Tartalmazhat:")));
        QVERIFY(!printed.join('\n').contains(QStringLiteral("KJ")));
        // A missing picture folder does not matter: nothing is drawn from it.
        QVERIFY(QDir(run.programDir.filePath("Pictures")).removeRecursively());
        printed.clear();
        screen.btnNyomtat->click();
        QVERIFY(!printed.isEmpty());
    }

    void sixthMealRefused()
    {
        Run run;
        run.exec("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\") VALUES ('03', 'c'), ('04', 'd'), "
                 "('05', 'e'), ('06', 'f')");
        TfrmEtlapHeti screen(run.services, run.warehouse());
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        for (int i = 0; i < 6; ++i) {
            QListWidgetItem *item = screen.lbxEtkezesek->item(i);
            screen.lbxEtkezesek->scrollToItem(item);
            QTest::mouseClick(screen.lbxEtkezesek->viewport(), Qt::LeftButton, {},
                screen.lbxEtkezesek->visualItemRect(item).center());
        }
        QCOMPARE(screen.lbxEtkezesek->selectedItems().size(), 5);
        QCOMPARE(run.messenger.texts().last(), QStringLiteral("Maximum 5 étkezést jelölhet meg egyszerre!"));
    }

    void menuList()
    {
        Run run;
        TfrmLekEtlapLista screen(run.services, run.warehouse());
        screen.dtpDatumtol->setDate(QDate(2025, 6, 1));
        screen.dtpDatumig->setDate(QDate(2025, 6, 30));
        choose(screen.lbxEtkezesek, "01");
        choose(screen.lbxEtkezesek, "02");
        screen.BitBtn1->click();
        QAbstractItemModel *rows = screen.DBGrid1->model();
        QCOMPARE(rows->rowCount(), 5);
        QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("Ebéd"));
        QCOMPARE(rows->index(0, 2).data().toString(), QStringLiteral("Gulyásleves"));
        QCOMPARE(rows->index(0, 6).data().toString(), QStringLiteral("6,45"));
        QStringList printed;
        int shown = 0;
        screen.chkDietas->setChecked(true);
        screen.setPreviewer([&](const PreparedReport &pages, QWidget *) {
            printed = PrintedPages::allTexts(pages);
            shown = pictures(pages);
        });
        screen.btnNyomtat->click();
        QVERIFY(printed.contains(QStringLiteral("Étlap - DIÉTÁS")));
        QVERIFY(printed.contains(QStringLiteral("Étkezés összesen:")));
        // Three soups of ten allergens: 7 pictures, the warning and no blanks; two pancakes: 8 blanks.
        QCOMPARE(shown, 3 * 8 + 2 * 8);
    }

    void varietyIndex()
    {
        Run run;
        TfrmLekValtozatossagi screen(run.services, run.warehouse());
        QVERIFY(screen.btnNyomtat->isHidden());
        screen.dtpDatumtol->setDate(QDate(2025, 6, 1));
        screen.dtpDatumig->setDate(QDate(2025, 6, 30));
        choose(screen.lbxEtkezesek, "02");
        screen.BitBtn1->click();
        // Kinds 2 + 0 + 0 + 1 over 4 dishes served.
        QCOMPARE(screen.lblMutato->text(), QStringLiteral("75"));
        QCOMPARE(screen.lblNapokszama->text(), QStringLiteral("3 < 20!"));
        QCOMPARE(screen.lblLevese->text(), QStringLiteral("3"));
        QCOMPARE(screen.lblVmLeves->text(), QStringLiteral("67"));
        QCOMPARE(screen.DBGrid1->model()->index(0, 0).data().toString(), QStringLiteral("3"));
        QCOMPARE(screen.DBGrid1->model()->index(0, 1).data().toString(), QStringLiteral("Gulyásleves"));
    }
};

QTEST_MAIN(TestMenuScreens)
#include "tst_menuscreens.moc"
