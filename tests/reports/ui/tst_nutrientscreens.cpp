#include "printing/PreparedReport.h"
#include "reports/NutrientNorm.h"
#include "reports/ui/NutrientParameters.h"
#include "reports/ui/frmLekTapCsop.h"
#include "reports/ui/frmLekTapReszl.h"
#include "reports/ui/frmTapRendelet.h"
#include "store/Sql.h"
#include "support/PrintedPages.h"
#include "support/ScreenRun.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

// The nutrient screens as a dietitian uses them: meals chosen, headcount and days filled in, the
// run against an age group's norms with its red rows and chart, the printouts, the sheet screens
// over lines in memory, and the norms entered on their own screen.
class TestNutrientScreens : public QObject
{
    Q_OBJECT

    struct Run : ScreenRun
    {
        Run()
            : ScreenRun(QDate(2025, 6, 1))
        {
            settings.writeBool("PrintSettings", "EnableFooter", false);
            settings.setLoginUser("anna");
            settings.setMunkaEv("2025");
            settings.setIsPrinter(1);
            exec("DELETE FROM \"Etkezesek\"");
            exec("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\") VALUES ('01', 'Reggeli'), ('02', 'Ebéd')");
            exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", "
                 "\"Mertekegyseg\", \"MenySzorzo\", \"Feherje\", \"AllatiFeh\", \"Energia\", \"Hso\", \"Hcukor\") "
                 "VALUES ('042', '0001', 'Csirke', '01', 'kg', 10, 200, 150, 5000, 0, 0)");
            exec("INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Mennyiseg\", \"Datum\", \"EtkKod\", "
                 "\"Anyagar\") VALUES ('042', '0001', 10, '2025-05-06', '02', 1000), "
                 "('042', '0001', 10, '2025-05-07', '02', 1000)");
            exec("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") VALUES "
                 "('2025-05-06', '02', 100, 1, '07'), ('2025-05-07', '02', 101, 1, '07')");
            NutrientNorm norm;
            norm.ageGroup = QStringLiteral("7-10 év");
            norm.ranges.insert(QStringLiteral("Feherje"), {60.0, 80.0});
            norm.ranges.insert(QStringLiteral("01"), {50.0, 0.0});
            if (const Refusal refusal = NutrientNorms::save(warehouse(), norm, QString()))
                QTest::qFail(qPrintable(refusal.text), __FILE__, __LINE__);
        }
    };

    static void chooseMeal(QListWidget *list, const QString &code)
    {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().startsWith(code))
                list->item(i)->setSelected(true);
    }

    static int rowOf(QAbstractItemModel *model, const QString &name, int column = 0)
    {
        for (int row = 0; row < model->rowCount(); ++row)
            if (model->index(row, column).data().toString() == name)
                return row;
        return -1;
    }

private slots:
    void groupedPeriod()
    {
        Run run;
        TfrmLekTapCsop screen(run.services, run.warehouse());
        screen.dtpDatumtol->setDate(QDate(2025, 5, 1));
        screen.dtpDatumig->setDate(QDate(2025, 5, 31));
        NutrientParameters *panel = screen.parametersPanel();
        QCOMPARE(panel->fleLetszam->value(), 1);
        chooseMeal(panel->lbxEtkezesek, "02");
        QCOMPARE(panel->fleLetszam->value(), 101);
        QCOMPARE(panel->fleNapszam->value(), 2);
        QCOMPARE(panel->dblcTapRend->currentIndex(), 0);
        panel->dblcTapRend->setCurrentText(QStringLiteral("7-10 év"));
        QVERIFY(!screen.btnNyomtat->isEnabled());
        screen.BitBtn1->click();
        QVERIFY(run.messenger.texts().isEmpty());

        // 20 kg × 10 × 100 g over 101 × 2 person-days: 99.0 g of group 01, above its minimum.
        QAbstractItemModel *groups = screen.DBGrid1->model();
        const int meat = rowOf(groups, "01");
        QVERIFY(meat >= 0);
        QCOMPARE(groups->index(meat, 3).data().toString(), QStringLiteral("99,0"));
        QCOMPARE(groups->index(meat, 6).data().toString(), QStringLiteral("0,0"));
        QVERIFY(!groups->index(meat, 0).data(Qt::BackgroundRole).isValid());
        // Protein 4000 g over 202 person-days: 19.8 g, below the minimum of 60: red.
        QAbstractItemModel *nutrients = screen.DBGrid2->model();
        const int protein = rowOf(nutrients, QStringLiteral("Fehérje:"));
        QCOMPARE(nutrients->index(protein, 2).data().toString(), QStringLiteral("19,8"));
        QCOMPARE(nutrients->index(protein, 5).data().toString(), QStringLiteral("-40,2"));
        QCOMPARE(nutrients->index(protein, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::red));
        // A nutrient without norm is not red.
        const int fat = rowOf(nutrients, QStringLiteral("Zsír:"));
        QVERIFY(!nutrients->index(fat, 0).data(Qt::BackgroundRole).isValid());

        QVERIFY(screen.btnNyomtat->isEnabled());
        QStringList printed;
        int pictures = 0;
        screen.setPreviewer([&](const PreparedReport &pages, QWidget *) {
            printed = PrintedPages::allTexts(pages);
            for (const PreparedReport::Page &page : pages.pages)
                for (const PageItem &item : page.items)
                    pictures += item.kind == PageItem::Picture ? 1 : 0;
        });
        screen.btnNyomtat->click();
        QVERIFY(pictures >= 1); // the chart
        QVERIFY(printed.contains(QStringLiteral("Tápanyagszámítás csoportos")));
        QVERIFY(printed.contains(QStringLiteral("Napi energia- és tápanyagbeviteli ajánláshoz viszonyítva")));
        QVERIFY(printed.contains(QStringLiteral("Átlag adag: 101")));
        QVERIFY(printed.contains(QStringLiteral("Fehérje:")));
    }

    // The sheet screens read the lines given to them, with the headcount of the sheet's meals,
    // and show the same protein as the period screen for the same lines.
    void sheetScreens()
    {
        Run run;
        RationLine line;
        line.account = QStringLiteral("042");
        line.number = QStringLiteral("0001");
        line.quantity = 10;
        line.mealCode = QStringLiteral("02");
        line.mealName = QStringLiteral("Ebéd");
        line.headcount = 100;
        line.value = Money::fromDouble(1000);
        const QList<RationMeal> meals {{QStringLiteral("02"), QStringLiteral("Ebéd"), 100, Money()}};
        TfrmLekTapCsopKisz grouped(run.services, run.warehouse(), QDate(2025, 5, 6), meals, {line});
        QCOMPARE(grouped.dtpDatumtol->date(), QDate(2025, 5, 6));
        QCOMPARE(grouped.parametersPanel()->lbxEtkezesek->count(), 1);
        QVERIFY(!grouped.parametersPanel()->dblcMozgnemtol);
        chooseMeal(grouped.parametersPanel()->lbxEtkezesek, "02");
        QCOMPARE(grouped.parametersPanel()->fleLetszam->value(), 100);
        grouped.BitBtn1->click();
        const int protein = rowOf(grouped.DBGrid2->model(), QStringLiteral("Fehérje:"));
        QCOMPARE(grouped.DBGrid2->model()->index(protein, 1).data().toString(), QStringLiteral("2000"));

        TfrmLekTapReszlKisz detailed(run.services, run.warehouse(), QDate(2025, 5, 6), meals, {line});
        chooseMeal(detailed.parametersPanel()->lbxEtkezesek, "02");
        detailed.BitBtn1->click();
        QAbstractItemModel *rows = detailed.DBGrid1->model();
        QCOMPARE(rows->rowCount(), 4);
        QCOMPARE(rows->index(0, 9).data().toString(), QStringLiteral("2000,00"));
        QCOMPARE(rows->index(2, 2).data().toString(), QStringLiteral("ÖSSZESÍTÉS átlag 1 napra, 1 főre:"));
        QCOMPARE(rows->index(2, 6).data().toString(), QStringLiteral("10,00"));
        QCOMPARE(rows->index(2, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::red));
        QStringList printed;
        bool summaryBold = false;
        bool materialBold = true;
        detailed.setPreviewer([&](const PreparedReport &pages, QWidget *) {
            printed = PrintedPages::allTexts(pages);
            for (const PageItem &item : pages.pages.first().items) {
                if (item.kind != PageItem::Text)
                    continue;
                if (item.text.startsWith(QStringLiteral("ÖSSZES")))
                    summaryBold = pages.fonts.at(item.font).bold;
                if (item.text == QStringLiteral("Csirke"))
                    materialBold = pages.fonts.at(item.font).bold;
            }
        });
        detailed.btnNyomtat->click();
        QVERIFY(summaryBold);
        QVERIFY(!materialBold);
        QVERIFY(printed.contains(QStringLiteral("Tápanyagszámítás részletes")));
        QVERIFY(printed.contains(QStringLiteral("Napok: 1")));
    }

    void normsScreen()
    {
        Run run;
        TfrmTapRendelet screen(run.services, run.warehouse(), QStringLiteral("7-10 év"));
        QCOMPARE(screen.edtMegnevezes->text(), QStringLiteral("7-10 év"));
        screen.btnFelvitel->click();
        QVERIFY(screen.edtMegnevezes->text().isEmpty());
        screen.edtMegnevezes->setText(QStringLiteral("11-14 év"));
        screen.tblEloiras->item(0, 0)->setText(QStringLiteral("12,5"));
        screen.tblEloiras->item(0, 1)->setText(QStringLiteral("abc"));
        screen.btnRogzit->click();
        QCOMPARE(run.messenger.texts().size(), 1);
        QCOMPARE(run.value("SELECT COUNT(*) FROM \"TapRendelet\" WHERE \"Megnevezes\" = '11-14 év'"), QStringLiteral("0"));
        screen.tblEloiras->item(0, 1)->setText(QStringLiteral("20"));
        screen.btnRogzit->click();
        QCOMPARE(run.value("SELECT \"E01\" FROM \"TapRendelet\" WHERE \"Megnevezes\" = '11-14 év'"), QStringLiteral("12.5"));
        QCOMPARE(run.value("SELECT \"M01\" FROM \"TapRendelet\" WHERE \"Megnevezes\" = '11-14 év'"), QStringLiteral("20"));
        QCOMPARE(screen.lbxKorcsoport->currentItem()->text(), QStringLiteral("11-14 év"));
    }
};

QTEST_MAIN(TestNutrientScreens)
#include "tst_nutrientscreens.moc"
